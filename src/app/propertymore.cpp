#include "app/propertymore.h"

#include <array>

#include <QHeaderView>
#include <QMessageBox>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/morepageitemmodel.h"
#include "app/settingslistview.h"
#include "dialogs/morepagemodel.h"
#include "gui/coretext.h"
#include "platform/strings.h"
#include "views/cellcombo.h"
#include "views/celledit.h"

namespace kx {

namespace {

// Column widths in pixels: Name, Address, Data.
constexpr std::array<int, 3> kColumnWidths = {150, 50, 80};

} // namespace

CPropertyMore::CPropertyMore(std::span<std::uint8_t> settings, int variant, SideFiles sideFiles,
                             int systemCodePage, QWidget* parent)
    : PropertyPage(parent), m_pSettings(settings), m_nVariant(variant),
      m_sideFiles(std::move(sideFiles)), m_items(new MorePageItemModel(systemCodePage, this)),
      m_list(new SettingsListView(this))
{
    setObjectName(QStringLiteral("CPropertyMore"));
    m_list->setObjectName(QStringLiteral("settingsList"));
    m_list->setModel(m_items);
    QHeaderView* header = m_list->horizontalHeader();
    int columnsWidth = 0;
    for (int column = 0; column < MorePageItemModel::ColumnCount; ++column) {
        // A header text wider than its column (in a large font) widens the column.
        const int width = std::max(kColumnWidths.at(static_cast<std::size_t>(column)),
                                   header->sectionSizeHint(column));
        m_list->setColumnWidth(column, width);
        columnsWidth += width;
    }
    header->setStretchLastSection(true);
    // Every column in view beside a vertical scroll bar.
    m_list->setMinimumWidth(columnsWidth + m_list->verticalScrollBar()->sizeHint().width() +
                            2 * m_list->frameWidth());
    connect(m_list, &SettingsListView::cellDoubleClicked, this, &CPropertyMore::OnDblClkList);
    connect(m_list, &SettingsListView::editRequested, this,
            [this](int row) { EditDataCell(row, MorePageItemModel::DataColumn); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
}

CPropertyMore::~CPropertyMore() = default;

QString CPropertyMore::caption() const
{
    return tr("More");
}

void CPropertyMore::OnInitDialog()
{
    m_model = std::make_unique<MorePageModel>(m_pSettings, m_nVariant);
    try {
        m_model->OnInitDialog(m_sideFiles);
    } catch (const std::exception& error) {
        // The page stays empty; a file that is there but cannot be read is worth telling.
        QMessageBox::warning(this, coreText(ids::kAppTitle),
                             tr("The settings description could not be read.") + '\n' +
                                 QString::fromUtf8(error.what()));
    }
    m_items->setPageModel(m_model.get());
}

void CPropertyMore::OnDblClkList(int row, int column, bool rowHadFocus)
{
    if (row < 0 || !rowHadFocus) {
        return;
    }
    if (column == MorePageItemModel::DataColumn) {
        EditDataCell(row, column);
    }
}

void CPropertyMore::EditDataCell(int row, int column)
{
    if (m_model == nullptr || row < 0 || static_cast<std::size_t>(row) >= m_model->rows().size()) {
        return;
    }
    const auto modelRow = static_cast<std::size_t>(row);
    const QString cellText = m_items->index(row, column).data().toString();
    QWidget* editor = nullptr;
    switch (m_model->editorFor(modelRow)) {
    case MorePageModel::Editor::None:
        return;
    case MorePageModel::Editor::Choices: {
        QStringList choices;
        for (const std::string& choice : m_model->choices(modelRow)) {
            choices << m_items->valueText(m_model->kind(modelRow), choice);
        }
        auto* combo = new CCellCombo(row, column, cellText, choices,
                                     m_model->initialChoice(modelRow), m_list->viewport(), m_list);
        connect(combo, &CCellCombo::editEnded, this, &CPropertyMore::OnEndLabelEditList);
        editor = combo;
        break;
    }
    case MorePageModel::Editor::HexByte: {
        auto* edit = new CCellEdit(row, column, cellText, m_list->viewport(), m_list,
                                   m_list->viewport()->width(), 1);
        connect(edit, &CCellEdit::editEnded, this, &CPropertyMore::OnEndLabelEditList);
        editor = edit;
        break;
    }
    }
    editor->setFont(m_list->font());
    m_list->placeEditor(editor, row, column);
}

void CPropertyMore::OnEndLabelEditList(int row, int /*column*/, const QString& text, bool cancelled)
{
    if (cancelled || m_model == nullptr || row < 0 ||
        static_cast<std::size_t>(row) >= m_model->rows().size()) {
        return;
    }
    const auto modelRow = static_cast<std::size_t>(row);
    std::string value = text.toStdString();
    if (m_model->editorFor(modelRow) == MorePageModel::Editor::Choices) {
        // The choice as the model holds it (a label's bytes may not survive a trip through
        // the display text).
        value.clear();
        for (const std::string& choice : m_model->choices(modelRow)) {
            if (m_items->valueText(m_model->kind(modelRow), choice) == text) {
                value = choice;
                break;
            }
        }
    }
    if (m_model->OnEndLabelEdit(modelRow, value)) {
        m_items->refreshRow(row);
        SetModified(true);
    }
}

bool CPropertyMore::OnApply()
{
    m_list->endCellEdit();
    if (m_model != nullptr) {
        m_model->OnApply();
        m_items->refreshAll();
    }
    return true;
}

void CPropertyMore::OnSheetApplied()
{
    if (m_model != nullptr) {
        m_model->refresh();
        m_items->refreshAll();
    }
}

} // namespace kx
