#include "dialogs/datablockdlg.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "dialogs/fixedsizedialog.h"
#include "dialogs/hexgridwidget.h"
#include "dialogs/paramdlg.h"
#include "dialogs/simplecombo.h"
#include "document/kanalyxdoc.h"
#include "gui/filedialogs.h"

namespace kx {
namespace {

// The width of the column of controls right of the grid.
constexpr int kControlsWidth = 180;

// The text of the description file; a file that exists but cannot be read gives none and its
// reason.
std::string readDescriptionText(const SideFiles& sideFiles, int variant, QString& error)
{
    try {
        return DataBlockModel::readDescriptionText(sideFiles, variant);
    } catch (const std::exception& failure) {
        error = QString::fromUtf8(failure.what());
        return {};
    }
}

QPushButton* makeButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

CDataBlockDlg::CDataBlockDlg(std::vector<std::uint8_t> block, int variant, SideFiles sideFiles,
                             int systemCodePage, QWidget* parent)
    : QDialog(parent), m_sideFiles(std::move(sideFiles)),
      m_model(std::move(block), variant, readDescriptionText(m_sideFiles, variant, m_readError),
              systemCodePage),
      m_fileDialogs(std::make_unique<FileDialogs>()), m_grid(new CHexGridWnd(m_model.grid(), this)),
      m_entries(new SimpleCombo(this)), m_differences(new QListWidget(this)),
      m_differenceCount(new QLabel(this)), m_status(new QLineEdit(this))
{
    setWindowTitle(tr("Data Block"));
    setObjectName(QStringLiteral("CDataBlockDlg"));
    m_entries->setObjectName(QStringLiteral("entries"));
    m_differences->setObjectName(QStringLiteral("differences"));
    m_differenceCount->setObjectName(QStringLiteral("differenceCount"));
    // Each line of the comparison: the other file's byte, then its offset in the block.
    auto* differencesHeader = new QLabel(tr("Other file's byte : offset"), this);
    differencesHeader->setBuddy(m_differences);
    differencesHeader->setWordWrap(true);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setReadOnly(true);

    const PixelRect& gridRect = DataBlockModel::kGridRect;
    m_grid->setFixedSize(gridRect.right - gridRect.left, gridRect.bottom - gridRect.top);
    m_grid->setStatusWnd(m_status);

    QPushButton* add = makeButton(tr("Add"), "add", this);
    QPushButton* remove = makeButton(tr("Delete"), "delete", this);
    QPushButton* compare = makeButton(tr("Compare"), "compare", this);
    QPushButton* ok = makeButton(tr("OK"), "ok", this);
    QPushButton* cancel = makeButton(tr("Cancel"), "cancel", this);
    ok->setDefault(true);
    connect(add, &QPushButton::clicked, this, &CDataBlockDlg::OnAdd);
    connect(remove, &QPushButton::clicked, this, &CDataBlockDlg::OnDelete);
    connect(compare, &QPushButton::clicked, this, &CDataBlockDlg::OnCompare);
    connect(ok, &QPushButton::clicked, this, &CDataBlockDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_entries, &SimpleCombo::selectionChanged, this, &CDataBlockDlg::OnSelectEntry);
    connect(m_entries, &SimpleCombo::itemDoubleClicked, this, &CDataBlockDlg::OnEditEntry);
    connect(m_differences, &QListWidget::currentRowChanged, this,
            &CDataBlockDlg::OnSelectDifference);

    auto* entryButtons = new QHBoxLayout;
    entryButtons->addWidget(add);
    entryButtons->addWidget(remove);
    auto* compareRow = new QHBoxLayout;
    compareRow->addWidget(m_differenceCount, 1);
    compareRow->addWidget(compare);
    auto* closeButtons = new QHBoxLayout;
    closeButtons->addWidget(ok);
    closeButtons->addWidget(cancel);

    auto* controls = new QVBoxLayout;
    controls->addWidget(m_entries, 3);
    controls->addLayout(entryButtons);
    controls->addSpacing(6);
    controls->addWidget(differencesHeader);
    controls->addWidget(m_differences, 2);
    controls->addLayout(compareRow);
    controls->addWidget(m_status);
    controls->addSpacing(6);
    controls->addLayout(closeButtons);

    auto* controlsBox = new QWidget(this);
    controlsBox->setLayout(controls);
    controls->setContentsMargins(0, 0, 0, 0);
    // The controls stand beside the grid, no taller than it.
    controlsBox->setFixedSize(kControlsWidth, m_grid->height());
    m_entries->list()->setMinimumHeight(40);
    m_differences->setMinimumHeight(40);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(gridRect.left, gridRect.top, gridRect.left, gridRect.top);
    layout->setSpacing(gridRect.left + 2);
    layout->addWidget(m_grid, 0, Qt::AlignTop);
    layout->addWidget(controlsBox);
    makeFixedSize(*this, *layout);

    showEntries(-1);
    if (!m_readError.isEmpty()) {
        // Reported once the dialog is on screen.
        QTimer::singleShot(0, this, [this] {
            QMessageBox::warning(this, windowTitle(),
                                 tr("The parameter list could not be read, so it will not be "
                                    "saved.") +
                                     QStringLiteral("\n") + m_readError);
        });
    }
    m_grid->setFocus(Qt::OtherFocusReason);
}

CDataBlockDlg::~CDataBlockDlg() = default;

void CDataBlockDlg::run(QWidget* parent, CKanalyxDoc& doc, const SideFiles& sideFiles,
                        int systemCodePage)
{
    CDataBlockDlg dialog(std::vector<std::uint8_t>(doc.Settings().begin(), doc.Settings().end()),
                         doc.GetVariant(), sideFiles, systemCodePage, parent);
    if (dialog.exec() == QDialog::Accepted) {
        doc.SetSettings(dialog.model().block(), StepKind::DataBlock);
    }
}

void CDataBlockDlg::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_fileDialogs = std::move(dialogs);
}

void CDataBlockDlg::showEntries(int selected)
{
    QStringList names;
    for (std::size_t i = 0; i < m_model.entries().size(); ++i) {
        names << QString::fromStdString(m_model.entryName(i));
    }
    m_entries->setItems(names, selected);
}

void CDataBlockDlg::showDifferences(bool compared)
{
    const QSignalBlocker quiet(m_differences);
    m_differences->clear();
    for (const std::string& line : m_model.differences()) {
        m_differences->addItem(QString::fromStdString(line));
    }
    m_differenceCount->setText(compared ? tr("Differences: %1").arg(m_differences->count())
                                        : QString());
}

void CDataBlockDlg::OnSelectEntry(int row)
{
    if (row >= 0) {
        m_model.OnSelectEntry(static_cast<std::size_t>(row));
        m_grid->refresh();
    }
}

void CDataBlockDlg::OnSelectDifference(int row)
{
    if (row >= 0) {
        m_model.OnSelectDifference(static_cast<std::size_t>(row));
        m_grid->refresh();
    }
}

void CDataBlockDlg::OnEditEntry(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_model.entries().size()) {
        return;
    }
    std::string line = m_model.entries().at(static_cast<std::size_t>(row));
    CParamDlg dialog(line, m_model.variant(), this);
    if (dialog.exec() == QDialog::Accepted) {
        const std::size_t moved = m_model.replaceEntry(static_cast<std::size_t>(row), line);
        // The rewritten entry goes to the end of the list, chosen; its bytes are not marked anew.
        showEntries(static_cast<int>(moved));
    }
}

void CDataBlockDlg::OnAdd()
{
    const int selected = m_entries->currentRow();
    const auto line = m_model.addLine(m_entries->editText().toStdString());
    if (!line) {
        return;
    }
    std::string edited = *line;
    CParamDlg dialog(edited, m_model.variant(), this);
    if (dialog.exec() == QDialog::Accepted) {
        m_model.addEntry(edited);
        showEntries(selected);
    }
}

void CDataBlockDlg::OnDelete()
{
    const int row = m_entries->currentRow();
    m_model.OnDeleteEntry(row < 0 ? m_model.entries().size() : static_cast<std::size_t>(row));
    showEntries(-1);
    m_grid->refresh();
}

void CDataBlockDlg::OnCompare()
{
    m_model.startCompare();
    showDifferences(false);
    m_grid->refresh();
    const QString path = m_fileDialogs->openFile(this, tr("Compare"), tr("TLL file( *.tll)"));
    if (path.isEmpty()) {
        return;
    }
    bool compared = false;
    try {
        // A file of the other variant lists nothing, without a message.
        compared =
            m_model.compareWith(std::filesystem::path(QFile::encodeName(path).toStdString()));
    } catch (const std::exception& error) {
        QMessageBox::warning(this, windowTitle(),
                             tr("The file could not be compared.") + QStringLiteral("\n") +
                                 QString::fromUtf8(error.what()));
    }
    showDifferences(compared);
}

void CDataBlockDlg::accept()
{
    if (m_readError.isEmpty()) {
        try {
            m_model.save(m_sideFiles);
        } catch (const std::exception& error) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("The parameter list could not be saved.") +
                                     QStringLiteral("\n") + QString::fromUtf8(error.what()));
            return;
        }
    }
    QDialog::accept();
}

} // namespace kx
