#include "app/mainframe.h"

#include <vector>

#include <QAction>
#include <QCloseEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QToolBar>

#include "app/charsetbar.h"
#include "app/comparedock.h"
#include "app/errorbox.h"
#include "app/filecommands.h"
#include "app/frameactions.h"
#include "app/listcommands.h"
#include "app/listpanes.h"
#include "app/referencecommands.h"
#include "app/settingsprofile.h"
#include "app/statuspanes.h"
#include "app/windowmemory.h"
#include "document/satelliteblock.h"
#include "gui/coretext.h"
#include "gui/filedialogs.h"
#include "gui/icons.h"
#include "model/channelrec.h"
#include "model/charactertable.h"
#include "platform/strings.h"
#include "views/celledit.h"
#include "views/channellistwidget.h"
#include "views/documentviews.h"

namespace kx {

namespace {

// The first local file among dropped data, or an empty string.
QString droppedFile(const QMimeData* data)
{
    if (data == nullptr) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

} // namespace

CMainFrame::CMainFrame(CKanalyxDoc& doc, SettingsProfile& profile,
                       std::filesystem::path programFolder, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_profile(profile), m_programFolder(std::move(programFolder))
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(programIcon());
    setAcceptDrops(true);
    m_actions = new FrameActions(*this);
    m_files = new FileCommands(m_doc, m_profile, *m_actions, *this);
    m_files->setBeforeCommand([this] { commitCellEdits(); });
    createCharsetBar();
    m_status = new StatusPanes(*this, m_doc, *action(Command::ViewStatusBar));
    // The views make the lists' columns, so they come before the tables that show them.
    m_views = std::make_unique<DocumentViews>(m_doc, m_codec);
    m_views->addViewObserver(m_status);
    m_panes = new ListPanes(
        *m_views, [this](const QString& text) { return NameFits(text.toStdString(), m_codec); },
        this);
    setCentralWidget(m_panes);
    m_lists = new ListCommands(*m_views, *m_panes, *m_actions, m_codec, m_dialogs, *this);
    m_references = new ReferenceCommands(m_doc, m_codec, *m_files, *this);
    m_references->setBeforeCommand([this] { commitCellEdits(); });
    connectCommands();
    connectLists();
    m_doc.addObserver(this);
    WindowMemory::restore(*this, m_profile);
    updateTitle();
    updateCommands();
}

CMainFrame::~CMainFrame()
{
    m_doc.removeObserver(this);
    m_views->removeViewObserver(m_status);
    // The lists on screen go first: nothing they report may reach a view that is gone.
    delete takeCentralWidget();
}

void CMainFrame::createCharsetBar()
{
    m_charsetBar = new CharsetBar(m_profile, this);
    addToolBar(m_charsetBar);
    // The bar stays: no menu offers to hide it.
    m_charsetBar->toggleViewAction()->setVisible(false);
    m_charsetBar->InitCharacterSetBar();
    takeCodecFromBar();
    connect(m_charsetBar, &CharsetBar::characterSetChanged, this,
            [this] { OnCharacterSetChange(true); });
    connect(m_charsetBar, &CharsetBar::encodingSwitchChanged, this,
            [this] { OnCharacterSetChange(false); });
}

void CMainFrame::connectCommands()
{
    const auto on = [this](Command command, auto handler) {
        connect(action(command), &QAction::triggered, this, handler);
    };
    on(Command::FileOpen, [this] { m_files->OnFileOpen(); });
    on(Command::FileSave, [this] { m_files->OnFileSave(); });
    on(Command::FileSaveAs, [this] { m_files->OnFileSaveAs(); });
    on(Command::FileImport, [this] { m_lists->run([this] { m_files->OnFileImport(); }); });
    on(Command::FileExport, [this] { m_files->OnFileExport(); });
    on(Command::FileExit, [this] { close(); });
    on(Command::FileRevert, [this] { m_files->OnFileRevert(); });
    on(Command::FileOpenBackup, [this] { m_files->OnOpenBackup(); });
    on(Command::FileApplyReference, [this] { m_references->OnApplyReference(); });
    on(Command::FileExportReference, [this] { m_references->OnExportReference(); });
    on(Command::FileCompare, [this] { m_references->OnCompare(); });
    connect(compareDock(), &CompareDock::channelChosen, this, &CMainFrame::showChannel);
    connect(this, &CMainFrame::namesNeedRedraw, compareDock(), &CompareDock::refresh);
    on(Command::MoreSettings, [this] {
        OnSettingsDialog(m_dialogs.moreSettings != nullptr,
                         [this] { m_dialogs.moreSettings(this, m_doc, m_codec); });
    });
    on(Command::DataBlock, [this] {
        OnSettingsDialog(m_dialogs.dataBlock != nullptr,
                         [this] { m_dialogs.dataBlock(this, m_doc, m_codec); });
    });
    on(Command::UserSettings, [this] { OnUserSettings(); });
    on(Command::EditFind, [this] {
        filterBox()->setFocus(Qt::ShortcutFocusReason);
        filterBox()->selectAll();
    });
    on(Command::EditUndo, [this] { OnUndoRedo(true); });
    on(Command::EditRedo, [this] { OnUndoRedo(false); });
    on(Command::NextPane, [this] { m_panes->nextPane(1); });
    on(Command::PrevPane, [this] { m_panes->nextPane(-1); });
    connect(filterBox(), &QLineEdit::textChanged, this, &CMainFrame::applyFilter);
    // Escape in the Find box clears it.
    auto* clear = new QAction(filterBox());
    clear->setShortcut(QKeySequence(Qt::Key_Escape));
    clear->setShortcutContext(Qt::WidgetShortcut);
    filterBox()->addAction(clear);
    connect(clear, &QAction::triggered, this, [this] {
        filterBox()->clear();
        activeList()->setFocus(Qt::OtherFocusReason);
    });
    connect(m_files, &FileCommands::documentNamed, this, [this] {
        updateTitle();
        updateCommands();
    });
}

void CMainFrame::connectLists()
{
    connect(m_panes, &ListPanes::contextMenuRequested, this, [this](ListKind, const QPoint& at) {
        updateCommands();
        rowMenu()->popup(at);
    });
    connect(m_lists, &ListCommands::commandRan, this, &CMainFrame::updateCommands);
    connect(m_panes, &ListPanes::activeListChanged, this, &CMainFrame::updateCommands);
    connect(m_panes, &ListPanes::selectionChanged, this, &CMainFrame::updateCommands);
}

QAction* CMainFrame::action(Command command) const
{
    return m_actions->action(command);
}

QLineEdit* CMainFrame::filterBox() const
{
    return m_actions->filterBox();
}

QMenu* CMainFrame::rowMenu() const
{
    return m_actions->rowMenu();
}

QToolBar* CMainFrame::toolBar() const
{
    return m_actions->toolBar();
}

QSplitter* CMainFrame::splitter() const
{
    return m_panes->splitter();
}

QSplitter* CMainFrame::satelliteSplitter() const
{
    return m_panes->satelliteSplitter();
}

QTabWidget* CMainFrame::listTabs() const
{
    return m_panes;
}

QString CMainFrame::layoutPaneText() const
{
    return m_status->layoutText();
}

ChannelListWidget* CMainFrame::listWidget(ListKind kind) const
{
    return m_panes->listWidget(kind);
}

CKanalyxView& CMainFrame::view(ListKind kind) const
{
    return m_views->view(kind);
}

ChannelListWidget* CMainFrame::activeList() const
{
    return m_panes->activeList();
}

QList<QAction*> CMainFrame::recentFileActions() const
{
    return m_files->recentFileActions();
}

CompareDock* CMainFrame::compareDock() const
{
    return m_references->compareDock();
}

void CMainFrame::setDialogs(FrameDialogs dialogs)
{
    m_dialogs = std::move(dialogs);
    updateCommands();
}

void CMainFrame::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_files->setFileDialogs(std::move(dialogs));
}

QString CMainFrame::countPaneText(CountPane pane) const
{
    return m_status->countText(static_cast<int>(pane) + 1);
}

QString CMainFrame::messagePaneText() const
{
    return m_status->messageText();
}

bool CMainFrame::openDocumentFile(const QString& path)
{
    return m_files->open(path);
}

bool CMainFrame::SaveModified()
{
    return m_files->SaveModified();
}

void CMainFrame::reloadCodecSettings()
{
    takeCodecFromBar();
    m_views->RefillRows();
    emit namesNeedRedraw();
}

void CMainFrame::takeCodecFromBar()
{
    // code.dat and the system code page come from the profile; the table and the switches are
    // the ones the bar shows, also where it shows the open file's table.
    CodecSettings codec = LoadCodecSettings(m_programFolder, m_profile);
    const CharsetBarModel& bar = m_charsetBar->model();
    codec.characterTable = bar.selection();
    codec.prefix = bar.prefixChecked();
    codec.unicode = bar.unicodeChecked();
    m_codec = codec;
}

void CMainFrame::followFileCharacterTable()
{
    const std::optional<int> row = m_doc.PrevailingCharacterTable();
    if (!row) {
        if (m_charsetBar->model().followsFile()) {
            // Back to the user's own choice after a file that had one of its own.
            m_charsetBar->showStoredCharacterTable();
            reloadCodecSettings();
        }
        return;
    }
    // Only the bar and this window follow the file; the user's own choice stays saved.
    m_charsetBar->showFileCharacterTable(*row);
    if (m_codec.characterTable != *row || !m_codec.prefix || m_codec.unicode) {
        reloadCodecSettings();
    }
}

void CMainFrame::OnCharacterSetChange(bool namesChanged)
{
    takeCodecFromBar();
    if (namesChanged) {
        // Every list shows its names through the new table.
        m_views->RefillRows();
        emit namesNeedRedraw();
    }
    activeList()->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::updateCommands()
{
    DialogsGiven given;
    given.moreSettings = m_dialogs.moreSettings != nullptr;
    given.dataBlock = m_dialogs.dataBlock != nullptr;
    given.userSettings = m_dialogs.userSettings != nullptr;
    given.channel = m_dialogs.channel != nullptr;
    m_actions->show(WorkOutCommandStates(m_doc, m_panes->activeView(), given));
}

// ---- The document

void CMainFrame::OnInitialUpdate()
{
    followFileCharacterTable();
    m_panes->followDocument();
    m_status->followDocument();
    applyFilter();
    updateTitle();
    updateCommands();
}

void CMainFrame::historyChanged()
{
    // Rows that came, went or moved are matched again.
    if (!filterBox()->text().isEmpty()) {
        applyFilter();
    }
    updateCommands();
}

void CMainFrame::modifiedChanged(bool modified)
{
    setWindowModified(modified);
}

void CMainFrame::updateTitle()
{
    setWindowTitle(
        QStringLiteral("%1[*] - %2").arg(m_files->documentTitle(), coreText(ids::kAppTitle)));
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::commitCellEdits()
{
    m_panes->commitCellEdits();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (SaveModified()) {
        WindowMemory::save(*this, m_profile);
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    activateWindow();
    if (SaveModified()) {
        openDocumentFile(path);
    }
}

// ---- Commands

void CMainFrame::OnSettingsDialog(bool given, const std::function<void()>& dialog)
{
    commitCellEdits();
    if (!m_doc.OnUpdateFileCommand() || !given) {
        return;
    }
    try {
        dialog();
    } catch (const std::exception& error) {
        ShowError(this, tr("The settings could not be changed."), error);
    }
}

void CMainFrame::OnUserSettings()
{
    commitCellEdits();
    if (m_dialogs.userSettings && m_dialogs.userSettings(this, m_codec)) {
        // The table may have changed what stored bytes mean.
        reloadCodecSettings();
    }
}

void CMainFrame::OnUndoRedo(bool undo)
{
    m_lists->run([this, undo] {
        const auto [list, rows] = undo ? m_doc.Undo() : m_doc.Redo();
        if (list) {
            view(*list).SelectRows(rows);
            m_panes->activate(*list);
        }
    });
}

void CMainFrame::showChannel(ListKind list, int row)
{
    if (!m_views->has(list) || row < 0 || row >= m_doc.ChannelCount(list)) {
        return;
    }
    commitCellEdits();
    if (listWidget(list)->isRowHidden(row)) {
        filterBox()->clear();
    }
    view(list).SelectRows({{row}, row});
    m_panes->activate(list);
}

void CMainFrame::applyFilter()
{
    m_panes->applyFilter(filterBox()->text().trimmed().toStdString());
}

} // namespace kx
