#include "dialogs/channeldlg.h"

#include <algorithm>
#include <map>

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fixedsizedialog.h"
#include "dialogs/hexbytesedit.h"
#include "platform/error.h"

namespace kx {
namespace {

// Labels of the field map that stand within this many dialog units of each other share a column
// or a row of the grid.
constexpr int kColumnTolerance = 20;
constexpr int kRowTolerance = 5;

enum Section
{
    TmpFields,
    NamedFields,
    Names,
    SectionCount,
};

Section sectionOf(const ChannelField& field)
{
    if (field.isName) {
        return Names;
    }
    return field.label.starts_with("_tmp") ? TmpFields : NamedFields;
}

// The grid slot of each coordinate: coordinates closer than tolerance to the previous one share
// a slot.
std::map<int, int> gridPlaces(std::vector<int> coordinates, int tolerance)
{
    std::sort(coordinates.begin(), coordinates.end());
    std::map<int, int> places;
    int slot = -1;
    int previous = 0;
    for (const int c : coordinates) {
        if (slot < 0 || c - previous > tolerance) {
            ++slot;
        }
        places[c] = slot;
        previous = c;
    }
    return places;
}

} // namespace

CChannelDlg::CChannelDlg(std::span<std::uint8_t> raw, int systemCodePage, QWidget* parent)
    : QDialog(parent), m_model(raw, systemCodePage)
{
    setUp();
}

CChannelDlg::CChannelDlg(std::span<std::uint8_t> raw, const RecordLayout& layout,
                         int systemCodePage, QWidget* parent)
    : QDialog(parent), m_model(raw, layout, systemCodePage)
{
    setUp();
}

void CChannelDlg::setUp()
{
    // The dialog keeps its English texts in every language.
    setWindowTitle(QString::fromUtf8(ChannelFieldMap::kCaption));
    setObjectName(QStringLiteral("CChannelDlg"));
    createControls();
}

void CChannelDlg::createControls()
{
    const auto& fields = ChannelFieldMap::fields();
    std::array<std::vector<int>, SectionCount> xs;
    std::array<std::vector<int>, SectionCount> ys;
    for (const ChannelField& field : fields) {
        xs.at(sectionOf(field)).push_back(field.labelRect.x);
        ys.at(sectionOf(field)).push_back(field.labelRect.y);
    }
    std::array<QGridLayout*, SectionCount> grids{};
    std::array<std::map<int, int>, SectionCount> columns;
    std::array<std::map<int, int>, SectionCount> rows;
    for (std::size_t s = 0; s < grids.size(); ++s) {
        grids.at(s) = new QGridLayout;
        grids.at(s)->setHorizontalSpacing(6);
        grids.at(s)->setVerticalSpacing(4);
        columns.at(s) = gridPlaces(xs.at(s), kColumnTolerance);
        rows.at(s) = gridPlaces(ys.at(s), kRowTolerance);
    }

    QWidget* firstUsed = nullptr;
    for (const ChannelField& field : fields) {
        const Section section = sectionOf(field);
        const int id = field.controlId;
        QLineEdit* edit = nullptr;
        if (field.isName) {
            edit = new QLineEdit(this);
        } else {
            auto* hex = new CHexBytesEdit(this);
            // Room for four byte pairs, the widest a field is shown.
            hex->setMinimumWidth(hex->fontMetrics().horizontalAdvance(QStringLiteral("00 ")) * 4 +
                                 hex->fontMetrics().averageCharWidth() * 2);
            edit = hex;
        }
        edit->setObjectName(QStringLiteral("control%1").arg(id));
        if (m_model.isUsed(id)) {
            const QString text = QString::fromStdString(m_model.text(id));
            if (auto* hex = qobject_cast<CHexBytesEdit*>(edit)) {
                const int shown = m_model.displayBytes(id);
                hex->SetValue(HexByteText::parse(m_model.text(id), shown).value_or(0), shown);
            } else {
                edit->setMaxLength(m_model.maxLength(id));
                edit->setText(text);
                edit->setCursorPosition(0);
            }
            if (firstUsed == nullptr) {
                firstUsed = edit;
            }
        } else {
            edit->setEnabled(false);
        }
        auto* label = new QLabel(QString::fromUtf8(field.label), this);
        label->setBuddy(edit);

        QGridLayout* grid = grids.at(section);
        const int row = rows.at(section).at(field.labelRect.y);
        const int column = 2 * columns.at(section).at(field.labelRect.x);
        grid->addWidget(label, row, column);
        grid->addWidget(edit, row, column + 1);
        m_controls.emplace_back(id, edit);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grids.at(TmpFields));
    layout->addSpacing(8);
    layout->addLayout(grids.at(NamedFields));
    layout->addSpacing(8);
    layout->addLayout(grids.at(Names));
    layout->addSpacing(4);
    layout->addWidget(buttons);
    makeFixedSize(*this, *layout);
    if (firstUsed != nullptr) {
        firstUsed->setFocus(Qt::OtherFocusReason);
    }
}

QLineEdit* CChannelDlg::control(int controlId) const
{
    const auto it = std::find_if(m_controls.begin(), m_controls.end(),
                                 [controlId](const auto& c) { return c.first == controlId; });
    return it == m_controls.end() ? nullptr : it->second;
}

QLineEdit* CChannelDlg::unstorableName() const
{
    for (const int id : {ChannelFieldMap::kName1Id, ChannelFieldMap::kName2Id}) {
        if (!m_model.isUsed(id)) {
            continue;
        }
        const std::string text = control(id)->text().toStdString();
        // An unchanged name is stored as it stands, whatever the code page makes of it.
        if (text != m_model.text(id) && !m_model.canStoreName(text)) {
            return control(id);
        }
    }
    return nullptr;
}

void CChannelDlg::accept()
{
    if (QLineEdit* name = unstorableName()) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The name holds a character that the system code page cannot "
                                "store. Change the name or cancel."));
        name->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (const auto& [id, edit] : m_controls) {
        if (m_model.isUsed(id)) {
            m_model.setText(id, edit->text().toStdString());
        }
    }
    try {
        m_model.OnOK();
    } catch (const std::exception& error) {
        QMessageBox::warning(this, windowTitle(), QString::fromUtf8(error.what()));
        return;
    }
    QDialog::accept();
}

} // namespace kx
