#include "app/mainframe.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

#include "app/charsetbar.h"
#include "app/overwriteprompt.h"
#include "app/settingsprofile.h"
#include "app/windowmemory.h"
#include "dialogs/importdlg.h"
#include "document/satelliteblock.h"
#include "gui/filedialogs.h"
#include "gui/icons.h"
#include "model/channelflags.h"
#include "model/channelrec.h"
#include "model/charactertable.h"
#include "model/namecodec.h"
#include "model/recordlayout.h"
#include "platform/error.h"
#include "platform/strings.h"
#include "views/celledit.h"
#include "views/channellistwidget.h"
#include "views/dtveditview.h"
#include "views/fmeditview.h"
#include "views/listctrlmodel.h"
#include "views/sateditview.h"
#include "views/tveditview.h"

namespace kx {

namespace {

// Splitter sizes in these units stand for parts of the height.
constexpr int kHeightShare = 100;

QString coreText(int id)
{
    return QString::fromStdString(Strings::text(id));
}

std::filesystem::path toPath(const QString& path)
{
    return {QFile::encodeName(path).toStdString()};
}

QString fromPath(const std::filesystem::path& path)
{
    return QFile::decodeName(path.native().c_str());
}

// The flag commands with the flag each sets.
constexpr std::pair<CMainFrame::Command, unsigned> kFlagCommands[] = {
    {CMainFrame::Command::Favourite1, channelflags::kFavourite1},
    {CMainFrame::Command::Favourite2, channelflags::kFavourite1 << 1},
    {CMainFrame::Command::Favourite3, channelflags::kFavourite1 << 2},
    {CMainFrame::Command::Favourite4, channelflags::kFavourite1 << 3},
    {CMainFrame::Command::FlagLock, channelflags::kLock},
    {CMainFrame::Command::FlagSkip, channelflags::kSkip},
    {CMainFrame::Command::FlagHide, channelflags::kHide},
};

// The tab of the satellite lists, after that of the cable and antenna lists.
constexpr int kSatelliteTab = 1;
constexpr int kFirstSatelliteList = static_cast<int>(ListKind::SatTV);

// What a step of the history did, as the Edit menu names it after "Undo" or "Redo".
QString stepName(const StepLabel& label)
{
    const int n = label.count;
    switch (label.kind) {
    case StepKind::MoveUp:
        return n == 1 ? CMainFrame::tr("Move 1 channel up")
                      : CMainFrame::tr("Move %1 channels up").arg(n);
    case StepKind::MoveDown:
        return n == 1 ? CMainFrame::tr("Move 1 channel down")
                      : CMainFrame::tr("Move %1 channels down").arg(n);
    case StepKind::Duplicate:
        return n == 1 ? CMainFrame::tr("Duplicate 1 channel")
                      : CMainFrame::tr("Duplicate %1 channels").arg(n);
    case StepKind::Delete:
        return n == 1 ? CMainFrame::tr("Delete 1 channel")
                      : CMainFrame::tr("Delete %1 channels").arg(n);
    case StepKind::Rename:
        return CMainFrame::tr("Rename channel");
    case StepKind::Tick:
        return n == 1 ? CMainFrame::tr("Tick 1 channel")
                      : CMainFrame::tr("Tick %1 channels").arg(n);
    case StepKind::Untick:
        return n == 1 ? CMainFrame::tr("Untick 1 channel")
                      : CMainFrame::tr("Untick %1 channels").arg(n);
    case StepKind::ChannelProperties:
        return CMainFrame::tr("Channel properties");
    case StepKind::Settings:
        return CMainFrame::tr("More Settings");
    case StepKind::DataBlock:
        return CMainFrame::tr("Data Block");
    case StepKind::Import:
        return CMainFrame::tr("Import");
    case StepKind::MoveTo:
    case StepKind::Drag:
        return n == 1 ? CMainFrame::tr("Move 1 channel")
                      : CMainFrame::tr("Move %1 channels").arg(n);
    case StepKind::Sort:
        return CMainFrame::tr("Sort");
    case StepKind::Flags:
        return n == 1 ? CMainFrame::tr("Set the flags of 1 channel")
                      : CMainFrame::tr("Set the flags of %1 channels").arg(n);
    }
    return {};
}

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
    : QMainWindow(parent), m_doc(doc), m_profile(profile),
      m_programFolder(std::move(programFolder)), m_fileDialogs(std::make_unique<FileDialogs>())
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(programIcon());
    setAcceptDrops(true);
    createActions();
    createMenus();
    createToolBar();
    createCharsetBar();
    createStatusBar();
    createLists();
    connectCommands();
    m_doc.addObserver(this);
    WindowMemory::restore(*this, m_profile);
    updateRecentFileMenu();
    updateTitle();
    updateCommands();
}

CMainFrame::~CMainFrame()
{
    m_doc.removeObserver(this);
    for (const std::unique_ptr<CKanalyxView>& view : m_views) {
        view->removeObserver(this);
    }
    // The lists on screen go first: nothing they report may reach a view that is gone.
    delete takeCentralWidget();
}

QAction* CMainFrame::makeAction(Command command, const QString& text, const QString& statusTip,
                                const QString& toolTip)
{
    auto* act = new QAction(text, this);
    act->setStatusTip(statusTip);
    if (!toolTip.isEmpty()) {
        act->setToolTip(toolTip);
    }
    act->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(command)));
    m_actions.at(static_cast<int>(command)) = act;
    return act;
}

void CMainFrame::createActions()
{
    QAction* act =
        makeAction(Command::FileOpen, tr("&Open..."), tr("Open an existing document"), tr("Open"));
    act->setIcon(commandIcon(QStringLiteral("document-open")));
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));

    act = makeAction(Command::FileSave, tr("&Save"), tr("Save active document"), tr("Save"));
    act->setIcon(commandIcon(QStringLiteral("document-save")));
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));

    act = makeAction(Command::FileSaveAs, tr("Save &as..."),
                     tr("Save the active document with a new name"));
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    makeAction(Command::FileImport, tr("Import..."),
               tr("Replace channel lists with those of another file"));
    makeAction(Command::FileExport, tr("Export..."),
               tr("Write every channel record as tab-separated hexadecimal text"));
    act = makeAction(Command::FileExit, tr("E&xit"), tr("Quit the application"));
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(act, &QAction::triggered, this, &QWidget::close);

    act = makeAction(Command::EditUndo, tr("&Undo"), tr("Undo last action"), tr("Undo"));
    act->setIcon(commandIcon(QStringLiteral("edit-undo")));
    act->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    act = makeAction(Command::EditRedo, tr("&Redo"), tr("Redo the last undone action"), tr("Redo"));
    act->setIcon(commandIcon(QStringLiteral("edit-redo")));
    act->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    act = makeAction(Command::EditUp, tr("Up"), tr("Move Up"), tr("Up"));
    act->setIcon(commandIcon(QStringLiteral("go-up")));
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    act = makeAction(Command::EditDown, tr("Down"), tr("Move Down"), tr("Down"));
    act->setIcon(commandIcon(QStringLiteral("go-down")));
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    act = makeAction(Command::EditDuplicate, tr("Duplicate"), tr("Duplicate Selected"),
                     tr("Duplicate"));
    act->setIcon(commandIcon(QStringLiteral("edit-copy")));
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    act = makeAction(Command::EditDelete, tr("Delete"), tr("Remove Selected"), tr("Delete"));
    act->setIcon(commandIcon(QStringLiteral("edit-delete")));
    act->setShortcut(QKeySequence(Qt::Key_Delete));

    act = makeAction(Command::EditMoveTo, tr("Move to..."),
                     tr("Move the selected channels to a number"));
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    act = makeAction(Command::EditFind, tr("Find..."),
                     tr("Show only the channels whose name or number matches"));
    act->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    makeAction(Command::EditTick, tr("Tick"), tr("Tick the selected channels"));
    makeAction(Command::EditUntick, tr("Untick"), tr("Untick the selected channels"));
    makeAction(Command::EditRename, tr("Rename"), tr("Rename the focused channel"));
    act = makeAction(Command::ChannelProperties, tr("Channel properties..."),
                     tr("Edit every field of the focused channel"));
    act->setShortcuts(
        {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)});

    act = makeAction(Command::MoreSettings, tr("More Settings..."), tr("Advanced Settings"),
                     tr("Settings"));
    act->setIcon(commandIcon(QStringLiteral("preferences-system")));
    act = makeAction(Command::UserSettings, tr("User Settings..."),
                     tr("Edit the user character table"));
    connect(act, &QAction::triggered, this, &CMainFrame::OnUserSettings);
    makeAction(Command::DataBlock, tr("Data Block"),
               tr("Edit the settings block of the file byte by byte"));

    act = makeAction(Command::ViewToolbar, tr("&Toolbar"), tr("Show or hide the toolbar"));
    act->setCheckable(true);
    act = makeAction(Command::ViewStatusBar, tr("&Status Bar"), tr("Show or hide the status bar"));
    act->setCheckable(true);

    const QString languageTip = tr("Use this language from the next start");
    makeAction(Command::LanguageEnglish, tr("English"), languageTip)->setCheckable(true);
    makeAction(Command::LanguageRussian, tr("Russian"), languageTip)->setCheckable(true);
    makeAction(Command::LanguageGerman, tr("German"), languageTip)->setCheckable(true);

    act = makeAction(Command::AppAbout, tr("&About..."),
                     tr("Display program information, version number and copyright"), tr("About"));
    act->setIcon(commandIcon(QStringLiteral("help-about")));
    act = makeAction(Command::HelpManual, tr("&Manual"),
                     tr("Show what the lists, commands and dialogs do"));
    act->setShortcut(QKeySequence(Qt::Key_F1));

    act = makeAction(Command::NextPane, tr("Next Pane"), tr("Switch to the next list"));
    act->setShortcut(QKeySequence(Qt::Key_F6));
    addAction(act);
    act = makeAction(Command::PrevPane, tr("Previous Pane"), tr("Switch to the previous list"));
    act->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    addAction(act);

    const QString favouriteTip = tr("Put the selected channels in this favourites group or take "
                                    "them out of it");
    makeAction(Command::Favourite1, tr("Favourite &1"), favouriteTip);
    makeAction(Command::Favourite2, tr("Favourite &2"), favouriteTip);
    makeAction(Command::Favourite3, tr("Favourite &3"), favouriteTip);
    makeAction(Command::Favourite4, tr("Favourite &4"), favouriteTip);
    makeAction(Command::FlagLock, tr("&Lock"), tr("Lock or unlock the selected channels"));
    makeAction(Command::FlagSkip, tr("&Skip"),
               tr("Let the receiver skip the selected channels when zapping, or not"));
    makeAction(Command::FlagHide, tr("&Hide"), tr("Hide or show the selected channels"));
    for (const auto& [command, flag] : kFlagCommands) {
        QAction* flagAction = action(command);
        flagAction->setCheckable(true);
        connect(flagAction, &QAction::triggered, this,
                [this, flag = flag](bool checked) { OnFlag(flag, checked); });
    }
}

void CMainFrame::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(action(Command::FileOpen));
    file->addAction(action(Command::FileSave));
    file->addAction(action(Command::FileSaveAs));
    file->addSeparator();
    file->addAction(action(Command::FileImport));
    file->addAction(action(Command::FileExport));
    file->addSeparator();
    m_noRecentFile = file->addAction(tr("Recent File"));
    m_noRecentFile->setEnabled(false);
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* recent = file->addAction(QString());
        recent->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        connect(recent, &QAction::triggered, this, [this, i] { OnOpenRecentFile(i); });
        m_recentActions.at(static_cast<std::size_t>(i)) = recent;
    }
    file->addSeparator();
    file->addAction(action(Command::FileExit));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(action(Command::EditUndo));
    edit->addAction(action(Command::EditRedo));
    edit->addSeparator();
    edit->addAction(action(Command::EditUp));
    edit->addAction(action(Command::EditDown));
    edit->addAction(action(Command::EditMoveTo));
    m_sortMenu = edit->addMenu(tr("Sort"));
    m_sortMenu->setObjectName(QStringLiteral("sortMenu"));
    connect(m_sortMenu, &QMenu::aboutToShow, this, &CMainFrame::fillSortMenu);
    edit->addSeparator();
    edit->addAction(action(Command::EditDuplicate));
    edit->addAction(action(Command::EditDelete));
    m_flagsMenu = edit->addMenu(tr("&Flags"));
    m_flagsMenu->setObjectName(QStringLiteral("flagsMenu"));
    for (const auto& entry : kFlagCommands) {
        m_flagsMenu->addAction(action(entry.first));
    }
    edit->addSeparator();
    edit->addAction(action(Command::EditTick));
    edit->addAction(action(Command::EditUntick));
    edit->addAction(action(Command::ChannelProperties));
    edit->addAction(action(Command::EditFind));
    edit->addSeparator();
    edit->addAction(action(Command::MoreSettings));
    edit->addAction(action(Command::UserSettings));
    edit->addSeparator();
    edit->addAction(action(Command::DataBlock));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(action(Command::ViewToolbar));
    view->addAction(action(Command::ViewStatusBar));
    view->addSeparator();
    QMenu* language = view->addMenu(tr("Language"));
    language->addAction(action(Command::LanguageEnglish));
    language->addAction(action(Command::LanguageRussian));
    language->addAction(action(Command::LanguageGerman));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(action(Command::HelpManual));
    help->addSeparator();
    help->addAction(action(Command::AppAbout));

    // The menu a right click on a list's rows shows.
    m_rowMenu = new QMenu(this);
    m_rowMenu->setObjectName(QStringLiteral("rowMenu"));
    for (const Command command : {Command::EditUp, Command::EditDown, Command::EditMoveTo}) {
        m_rowMenu->addAction(action(command));
    }
    m_rowMenu->addSeparator();
    m_rowMenu->addAction(action(Command::EditDuplicate));
    m_rowMenu->addAction(action(Command::EditDelete));
    m_rowMenu->addSeparator();
    for (const Command command : {Command::EditRename, Command::EditTick, Command::EditUntick}) {
        m_rowMenu->addAction(action(command));
    }
    m_rowMenu->addMenu(m_flagsMenu);
    m_rowMenu->addSeparator();
    m_rowMenu->addAction(action(Command::ChannelProperties));
}

void CMainFrame::createToolBar()
{
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("Toolbar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->addAction(action(Command::FileOpen));
    m_toolBar->addAction(action(Command::FileSave));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(Command::EditUp));
    m_toolBar->addAction(action(Command::EditDown));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(Command::EditDuplicate));
    m_toolBar->addAction(action(Command::EditDelete));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(Command::EditUndo));
    m_toolBar->addAction(action(Command::EditRedo));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(Command::MoreSettings));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(Command::AppAbout));

    QAction* show = action(Command::ViewToolbar);
    show->setChecked(true);
    connect(show, &QAction::toggled, m_toolBar, &QWidget::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, show, &QAction::setChecked);

    // Find: a filter over every list; Escape in the box clears it.
    QToolBar* find = addToolBar(tr("Find"));
    find->setObjectName(QStringLiteral("FindBar"));
    find->toggleViewAction()->setVisible(false);
    m_filter = new QLineEdit(find);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setPlaceholderText(tr("Find a channel (Ctrl+F)"));
    m_filter->setClearButtonEnabled(true);
    // Room for the hint in either language, and for the clear button.
    m_filter->setMinimumWidth(
        m_filter->fontMetrics().horizontalAdvance(m_filter->placeholderText()) +
        3 * m_filter->fontMetrics().height());
    find->addWidget(m_filter);
    connect(m_filter, &QLineEdit::textChanged, this, &CMainFrame::applyFilter);
    auto* clear = new QAction(m_filter);
    clear->setShortcut(QKeySequence(Qt::Key_Escape));
    clear->setShortcutContext(Qt::WidgetShortcut);
    m_filter->addAction(clear);
    connect(clear, &QAction::triggered, this, [this] {
        m_filter->clear();
        activeList()->setFocus(Qt::OtherFocusReason);
    });
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

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    m_messagePane = new QLabel(tr("Ready"), bar);
    m_messagePane->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(m_messagePane, 1);
    m_layoutPane = new QLabel(bar);
    m_layoutPane->setObjectName(QStringLiteral("layoutPane"));
    m_layoutPane->setToolTip(
        tr("The record layout of the open file and the receivers that use it"));
    bar->addPermanentWidget(m_layoutPane);
    const std::array<int, 5> samples = {ids::kPaneTV, ids::kPaneFM, ids::kPaneDTV, ids::kPaneSatTV,
                                        ids::kPaneSatFM};
    for (std::size_t i = 0; i < m_countPanes.size(); ++i) {
        auto* pane = new QLabel(coreText(samples.at(i)), bar);
        pane->setObjectName(QStringLiteral("countPane%1").arg(i + 1));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setMinimumWidth(pane->sizeHint().width());
        // The sample text only sets the width: there is nothing to count before a file is open.
        pane->clear();
        pane->setAlignment(Qt::AlignCenter);
        bar->addPermanentWidget(pane);
        m_countPanes.at(i) = pane;
    }
    // The satellite counts show only for files with satellite channels.
    m_countPanes.at(3)->hide();
    m_countPanes.at(4)->hide();

    QAction* show = action(Command::ViewStatusBar);
    show->setChecked(true);
    connect(show, &QAction::toggled, bar, &QWidget::setVisible);
}

void CMainFrame::createLists()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("listTabs"));
    m_tabs->setDocumentMode(true);
    // The analog and radio lists side by side above the digital TV list, which has the most rows
    // and the longest names and gets the whole width: so every column fits a window 1280 pixels
    // wide.
    m_splitter = new QSplitter(Qt::Vertical, m_tabs);
    m_splitter->setObjectName(QStringLiteral("lists"));
    m_splitter->setChildrenCollapsible(false);
    auto* analogAndRadio = new QSplitter(Qt::Horizontal, m_splitter);
    analogAndRadio->setObjectName(QStringLiteral("analogAndRadio"));
    analogAndRadio->setChildrenCollapsible(false);
    m_splitter->addWidget(analogAndRadio);
    // The satellite lists on a tab of their own, side by side.
    m_satSplitter = new QSplitter(Qt::Horizontal, m_tabs);
    m_satSplitter->setObjectName(QStringLiteral("satelliteLists"));
    m_satSplitter->setChildrenCollapsible(false);
    m_tabs->addTab(m_splitter, tr("&Cable and antenna"));
    m_tabs->addTab(m_satSplitter, tr("Sa&tellite"));
    // The views make the lists' columns, so they come before the tables that show them.
    m_views.at(0) = std::make_unique<CTVEditView>(m_doc, m_codec);
    m_views.at(1) = std::make_unique<CFMEditView>(m_doc, m_codec);
    m_views.at(2) = std::make_unique<CDTVEditView>(m_doc, m_codec);
    m_views.at(3) = std::make_unique<CSatEditView>(m_doc, ListKind::SatTV, m_codec);
    m_views.at(4) = std::make_unique<CSatEditView>(m_doc, ListKind::SatRadio, m_codec);
    for (int i = 0; i < kListCount; ++i) {
        CKanalyxView* view = m_views.at(static_cast<std::size_t>(i)).get();
        view->addObserver(this);
        QSplitter* place = i >= kFirstSatelliteList ? m_satSplitter
                           : i < 2                  ? analogAndRadio
                                                    : m_splitter;
        auto* list = new ChannelListWidget(view->GetListCtrl(), place);
        list->listModel()->setBlueRows(
            [view](int row) { return view->OnCustomDraw(row) == RowColour::Blue; });
        list->setFieldFits(
            [this](const QString& text) { return NameFits(text.toStdString(), m_codec); });
        list->listModel()->setCheckHandler([this, view](int row, bool ticked) {
            commitCellEdits();
            try {
                view->SetCheckBox(row, ticked);
            } catch (const std::exception& error) {
                showError(tr("The command could not be carried out."), error);
            }
        });
        connect(list, &ChannelListWidget::cellDoubleClicked, this,
                [this, i](int row, int column, Qt::MouseButton button) {
                    OnCellDoubleClicked(i, row, column, button);
                });
        connect(list, &ChannelListWidget::cellEditEnded, this,
                [this, i](int row, int column, const QString& text, bool cancelled) {
                    OnCellEditEnded(i, row, column, text, cancelled);
                });
        connect(list, &ChannelListWidget::rowsDropped, this, [this, i](int gap) {
            m_activeList = i;
            runListCommand([gap](CKanalyxView& v) { v.OnDropRows(gap); });
        });
        connect(list, &ChannelListWidget::tickRequested, this, [this, i] {
            m_activeList = i;
            OnSpaceInList();
        });
        connect(list, &ChannelListWidget::contextMenuRequested, this, [this, i](const QPoint& at) {
            m_activeList = i;
            updateCommands();
            m_rowMenu->popup(at);
        });
        list->setObjectName(QStringLiteral("list%1").arg(i));
        place->addWidget(list);
        m_lists.at(static_cast<std::size_t>(i)) = list;
        connect(list, &ChannelListWidget::focusEntered, this, [this, i] {
            m_activeList = i;
            updateCommands();
        });
        connect(list, &ChannelListWidget::selectedRowsChanged, this, &CMainFrame::updateCommands);
    }
    setCentralWidget(m_tabs);
    // The analog and radio lists start as wide as their columns, the digital TV list with three
    // fifths of the height.
    analogAndRadio->setSizes({WindowMemory::widthForAllColumns(*m_lists.at(0)),
                              WindowMemory::widthForAllColumns(*m_lists.at(1))});
    m_splitter->setSizes({2 * kHeightShare, 3 * kHeightShare});
    for (QSplitter* splitter : {m_splitter, analogAndRadio}) {
        splitter->setStretchFactor(0, 1);
        splitter->setStretchFactor(1, 1);
    }
    // The satellite TV list is the long one.
    m_satSplitter->setStretchFactor(0, 2);
    m_satSplitter->setStretchFactor(1, 1);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        const bool satellite = tab == kSatelliteTab;
        if (satellite != (m_activeList >= kFirstSatelliteList)) {
            m_activeList = satellite ? kFirstSatelliteList : 0;
            updateCommands();
        }
    });
    updateLayoutDisplay();
}

void CMainFrame::connectCommands()
{
    connect(action(Command::FileOpen), &QAction::triggered, this, &CMainFrame::OnFileOpen);
    connect(action(Command::FileSave), &QAction::triggered, this, &CMainFrame::OnFileSave);
    connect(action(Command::FileSaveAs), &QAction::triggered, this, &CMainFrame::OnFileSaveAs);
    connect(action(Command::FileImport), &QAction::triggered, this, &CMainFrame::OnFileImport);
    connect(action(Command::FileExport), &QAction::triggered, this, &CMainFrame::OnFileExport);
    connect(action(Command::MoreSettings), &QAction::triggered, this, &CMainFrame::OnMoreSettings);
    connect(action(Command::DataBlock), &QAction::triggered, this, &CMainFrame::OnDataBlock);
    connect(action(Command::EditUp), &QAction::triggered, this,
            [this] { runListCommand([](CKanalyxView& view) { view.OnMoveUp(); }); });
    connect(action(Command::EditDown), &QAction::triggered, this,
            [this] { runListCommand([](CKanalyxView& view) { view.OnMoveDown(); }); });
    connect(action(Command::EditDuplicate), &QAction::triggered, this,
            [this] { runListCommand([](CKanalyxView& view) { view.OnDuplicate(); }); });
    // After Delete the row that took the first deleted row's place is selected, so that Delete
    // can be pressed again.
    connect(action(Command::EditDelete), &QAction::triggered, this, [this] {
        runListCommand([](CKanalyxView& view) { view.SelectRows(view.OnDeleteRows()); });
    });
    connect(action(Command::EditMoveTo), &QAction::triggered, this, &CMainFrame::OnMoveTo);
    connect(action(Command::EditTick), &QAction::triggered, this,
            [this] { runListCommand([](CKanalyxView& view) { view.SetCheckBoxes(true); }); });
    connect(action(Command::EditUntick), &QAction::triggered, this,
            [this] { runListCommand([](CKanalyxView& view) { view.SetCheckBoxes(false); }); });
    connect(action(Command::EditRename), &QAction::triggered, this, &CMainFrame::OnRenameFocused);
    connect(action(Command::ChannelProperties), &QAction::triggered, this,
            &CMainFrame::OnChannelPropertiesOfFocused);
    connect(action(Command::EditFind), &QAction::triggered, this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });
    connect(action(Command::EditUndo), &QAction::triggered, this, &CMainFrame::OnEditUndo);
    connect(action(Command::EditRedo), &QAction::triggered, this, &CMainFrame::OnEditRedo);
    connect(action(Command::NextPane), &QAction::triggered, this, [this] { OnNextPane(1); });
    connect(action(Command::PrevPane), &QAction::triggered, this, [this] { OnNextPane(-1); });
}

ChannelListWidget* CMainFrame::listWidget(ListKind kind) const
{
    return m_lists.at(static_cast<std::size_t>(kind));
}

CKanalyxView& CMainFrame::view(ListKind kind) const
{
    return *m_views.at(static_cast<std::size_t>(kind));
}

ChannelListWidget* CMainFrame::activeList() const
{
    return m_lists.at(static_cast<std::size_t>(m_activeList));
}

QList<QAction*> CMainFrame::recentFileActions() const
{
    QList<QAction*> visible;
    if (m_noRecentFile->isVisible()) {
        visible << m_noRecentFile;
    }
    for (QAction* recent : m_recentActions) {
        if (recent->isVisible()) {
            visible << recent;
        }
    }
    return visible;
}

void CMainFrame::setDialogs(FrameDialogs dialogs)
{
    m_dialogs = std::move(dialogs);
    updateCommands();
}

void CMainFrame::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_fileDialogs = std::move(dialogs);
}

QString CMainFrame::countPaneText(CountPane pane) const
{
    return m_countPanes.at(static_cast<std::size_t>(pane))->text();
}

QString CMainFrame::messagePaneText() const
{
    return m_messagePane->text();
}

void CMainFrame::reloadCodecSettings()
{
    takeCodecFromBar();
    refillNames();
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

void CMainFrame::refillNames()
{
    for (const std::unique_ptr<CKanalyxView>& view : m_views) {
        view->RefillRows();
    }
    emit namesNeedRedraw();
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

void CMainFrame::updateCommands()
{
    const bool fileLoaded = m_doc.OnUpdateFileCommand();
    for (const Command command :
         {Command::FileSave, Command::FileSaveAs, Command::FileImport, Command::FileExport}) {
        action(command)->setEnabled(fileLoaded);
    }
    action(Command::MoreSettings)->setEnabled(fileLoaded && m_dialogs.moreSettings != nullptr);
    action(Command::DataBlock)->setEnabled(fileLoaded && m_dialogs.dataBlock != nullptr);
    action(Command::UserSettings)->setEnabled(m_dialogs.userSettings != nullptr);

    const CKanalyxView& active = *m_views.at(static_cast<std::size_t>(m_activeList));
    const bool selection = active.OnUpdateNeedSelection();
    for (const Command command : {Command::EditUp, Command::EditDown, Command::EditDelete,
                                  Command::EditMoveTo, Command::EditTick, Command::EditUntick}) {
        action(command)->setEnabled(selection);
    }
    // Where the file keeps each record in its place, a channel cannot be duplicated.
    action(Command::EditDuplicate)->setEnabled(active.OnUpdateDuplicate());
    const bool focused = active.GetListCtrl().focusedItem() >= 0;
    action(Command::EditRename)->setEnabled(focused);
    action(Command::ChannelProperties)->setEnabled(focused && m_dialogs.channel != nullptr);
    // The flag commands show the flags of the focused (else the first selected) row.
    const bool flags = selection && active.ShowsFlags();
    const ListCtrl& rows = active.GetListCtrl();
    const int shown = rows.focusedItem() >= 0 && rows.itemState(rows.focusedItem(), lvis::kSelected)
                          ? rows.focusedItem()
                          : (selection ? rows.selectedItems().front() : -1);
    const unsigned current = flags ? rows.itemData(shown)->GetFlags() : 0U;
    for (const auto& [command, flag] : kFlagCommands) {
        action(command)->setEnabled(flags);
        action(command)->setChecked((current & flag) != 0);
    }
    // The lists of the two oldest layouts have no flags but the check box.
    m_flagsMenu->menuAction()->setVisible(active.ShowsFlags());
    const std::optional<StepLabel> undo = m_doc.UndoLabel();
    const std::optional<StepLabel> redo = m_doc.RedoLabel();
    action(Command::EditUndo)->setEnabled(undo.has_value());
    action(Command::EditUndo)->setText(undo ? tr("&Undo %1").arg(stepName(*undo)) : tr("&Undo"));
    action(Command::EditRedo)->setEnabled(redo.has_value());
    action(Command::EditRedo)->setText(redo ? tr("&Redo %1").arg(stepName(*redo)) : tr("&Redo"));
    for (int i = 0; i < kListCount; ++i) {
        m_lists.at(static_cast<std::size_t>(i))->setMarkedActive(i == m_activeList);
    }
}

// ---- Documents and files

void CMainFrame::OnInitialUpdate()
{
    followFileCharacterTable();
    updateLayoutDisplay();
    applyFilter();
    updateTitle();
    updateCommands();
}

QString CMainFrame::layoutPaneText() const
{
    return m_layoutPane->text();
}

void CMainFrame::updateLayoutDisplay()
{
    const bool satellite = m_doc.GetSatelliteLayout() != nullptr;
    m_tabs->setTabEnabled(kSatelliteTab, satellite);
    m_tabs->setTabToolTip(kSatelliteTab,
                          satellite ? tr("The satellite TV and radio lists")
                          : m_doc.HasSatelliteBlock()
                              ? tr("The satellite block of this file holds no channels this "
                                   "editor can show; it is kept as it is")
                              : tr("This file has no satellite channels"));
    if (!satellite && m_tabs->currentIndex() == kSatelliteTab) {
        m_tabs->setCurrentIndex(0);
    }
    m_countPanes.at(3)->setVisible(satellite);
    m_countPanes.at(4)->setVisible(satellite);

    const RecordLayout* layout = m_doc.Layout();
    if (!m_doc.OnUpdateFileCommand()) {
        m_layoutPane->clear();
    } else if (layout == nullptr) {
        m_layoutPane->setText(tr("Record size unknown"));
    } else {
        m_layoutPane->setText(
            tr("%1-byte records: %2")
                .arg(layout->recordSize)
                .arg(QString::fromUtf8(layout->models.data(),
                                       static_cast<qsizetype>(layout->models.size()))));
    }
}

void CMainFrame::historyChanged()
{
    // Rows that came, went or moved are matched again.
    if (!m_filter->text().isEmpty()) {
        applyFilter();
    }
    updateCommands();
}

void CMainFrame::modifiedChanged(bool modified)
{
    setWindowModified(modified);
}

void CMainFrame::countPaneChanged(int pane, const std::string& text)
{
    if (pane >= 1 && pane <= static_cast<int>(m_countPanes.size())) {
        m_countPanes.at(static_cast<std::size_t>(pane - 1))
            ->setText(m_doc.OnUpdateFileCommand() ? QString::fromStdString(text) : QString());
    }
}

QString CMainFrame::documentTitle() const
{
    const std::filesystem::path& path = m_doc.GetPathName();
    return path.empty() ? tr("Untitled") : QFileInfo(fromPath(path)).fileName();
}

void CMainFrame::updateTitle()
{
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(documentTitle(), coreText(ids::kAppTitle)));
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::showError(const QString& headline, const std::exception& error)
{
    QMessageBox box(QMessageBox::Warning, coreText(ids::kAppTitle), headline, QMessageBox::NoButton,
                    this);
    box.setInformativeText(QString::fromUtf8(error.what()));
    box.addButton(tr("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void CMainFrame::commitCellEdits()
{
    for (ChannelListWidget* list : m_lists) {
        list->endCellEdit();
    }
}

bool CMainFrame::SaveModified()
{
    commitCellEdits();
    if (!m_doc.IsModified()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, coreText(ids::kAppTitle),
                    tr("Save changes to %1?").arg(documentTitle()), QMessageBox::NoButton, this);
    QPushButton* save = box.addButton(tr("Save"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return OnFileSave();
    }
    return box.clickedButton() == discard;
}

bool CMainFrame::openDocumentFile(const QString& path)
{
    commitCellEdits();
    try {
        m_doc.OnOpenDocument(toPath(path));
    } catch (const std::exception& error) {
        // The open document stays as it was.
        showError(tr("The file could not be opened."), error);
        return false;
    }
    m_profile.addRecentFile(path);
    updateRecentFileMenu();
    updateTitle();
    updateCommands();
    showLoadWarnings();
    return true;
}

void CMainFrame::showLoadWarnings()
{
    for (const LoadWarning& warning : m_doc.LoadWarnings()) {
        const QString text =
            warning.kind == LoadWarning::Kind::SatelliteFilled
                ? tr("The satellite block of this file has 0xFF in place of its header and "
                     "checksums. It is kept as it is and shows no satellite channels. Some "
                     "receivers are reported to reject such a file, even unchanged.")
                : tr("The satellite block of this file (%1 bytes) has a layout this editor does "
                     "not know. It is kept as it is and its channels are not shown.")
                      .arg(warning.size);
        QMessageBox::warning(this, coreText(ids::kAppTitle), text);
    }
}

void CMainFrame::OnFileOpen()
{
    if (!SaveModified()) {
        return;
    }
    const QString path = m_fileDialogs->openFile(
        this, tr("Open"), tr("Kanalyx Files (*.tll)") + QStringLiteral(";;") + tr("All Files (*)"));
    if (!path.isEmpty()) {
        openDocumentFile(path);
    }
}

void CMainFrame::OnOpenRecentFile(int index)
{
    const QStringList files = m_profile.recentFiles();
    if (index >= files.size() || !SaveModified()) {
        return;
    }
    const QString& path = files.at(index);
    if (!openDocumentFile(path)) {
        // A file that cannot be opened any more leaves the list.
        m_profile.removeRecentFile(path);
        updateRecentFileMenu();
    }
}

bool CMainFrame::OnFileSave()
{
    commitCellEdits();
    if (!m_doc.OnUpdateFileCommand()) {
        return false;
    }
    if (m_doc.GetPathName().empty()) {
        return OnFileSaveAs();
    }
    return saveDocumentAs(fromPath(m_doc.GetPathName()));
}

bool CMainFrame::OnFileSaveAs()
{
    commitCellEdits();
    if (!m_doc.OnUpdateFileCommand()) {
        return false;
    }
    const QString path =
        m_fileDialogs->saveFile(this, tr("Save As"), tr("Kanalyx Files (*.tll)"),
                                QStringLiteral("tll"), fromPath(m_doc.GetPathName()));
    return !path.isEmpty() && saveDocumentAs(path);
}

bool CMainFrame::saveDocumentAs(const QString& path)
{
    if (!ConfirmSaveOverChanges(this, m_doc, path)) {
        return false;
    }
    try {
        m_doc.OnSaveDocument(toPath(path));
    } catch (const std::exception& error) {
        showError(tr("The file could not be saved."), error);
        return false;
    }
    m_profile.addRecentFile(path);
    updateRecentFileMenu();
    updateTitle();
    return true;
}

void CMainFrame::OnFileImport()
{
    commitCellEdits();
    if (!m_doc.OnUpdateFileCommand()) {
        return;
    }
    const QString path = m_fileDialogs->openFile(this, tr("Import"), tr("TLL file(*.tll)"));
    if (path.isEmpty()) {
        return;
    }
    CImportDlg dialog(this, m_doc.GetSatelliteLayout() != nullptr);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    try {
        m_doc.OnFileImport(toPath(path), dialog.choice());
    } catch (const std::exception& error) {
        showError(tr("Nothing was imported."), error);
    }
    updateCommands();
}

void CMainFrame::OnFileExport()
{
    commitCellEdits();
    if (!m_doc.OnUpdateFileCommand()) {
        return;
    }
    const QString path =
        m_fileDialogs->saveFile(this, tr("Export"), tr("Excel file(*.xls)"), QString(), QString());
    if (path.isEmpty()) {
        return;
    }
    try {
        m_doc.OnFileExport(toPath(path));
    } catch (const std::exception& error) {
        showError(tr("The channels could not be exported."), error);
    }
}

void CMainFrame::updateRecentFileMenu()
{
    const QStringList files = m_profile.recentFiles();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* recent = m_recentActions.at(static_cast<std::size_t>(i));
        const bool used = i < files.size();
        recent->setVisible(used);
        if (used) {
            const QString shown = fontMetrics().elidedText(QDir::toNativeSeparators(files.at(i)),
                                                           Qt::ElideMiddle, 400);
            recent->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
            recent->setStatusTip(tr("Open this document"));
        }
    }
    m_noRecentFile->setVisible(files.isEmpty());
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

// ---- Commands of the frame

void CMainFrame::OnMoreSettings()
{
    commitCellEdits();
    if (!m_doc.OnUpdateFileCommand() || !m_dialogs.moreSettings) {
        return;
    }
    try {
        m_dialogs.moreSettings(this, m_doc, m_codec);
    } catch (const std::exception& error) {
        showError(tr("The settings could not be changed."), error);
    }
}

void CMainFrame::OnDataBlock()
{
    commitCellEdits();
    if (!m_doc.OnUpdateFileCommand() || !m_dialogs.dataBlock) {
        return;
    }
    try {
        m_dialogs.dataBlock(this, m_doc, m_codec);
    } catch (const std::exception& error) {
        showError(tr("The settings could not be changed."), error);
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

void CMainFrame::OnEditUndo()
{
    commitCellEdits();
    showTouchedRows(m_doc.Undo());
}

void CMainFrame::OnEditRedo()
{
    commitCellEdits();
    showTouchedRows(m_doc.Redo());
}

void CMainFrame::showTouchedRows(const std::pair<std::optional<ListKind>, RowSelection>& touched)
{
    if (touched.first) {
        const auto index = static_cast<std::size_t>(*touched.first);
        m_views.at(index)->SelectRows(touched.second);
        activateList(static_cast<int>(index));
    }
    updateCommands();
}

void CMainFrame::activateList(int list)
{
    m_tabs->setCurrentIndex(list >= kFirstSatelliteList ? kSatelliteTab : 0);
    m_activeList = list;
    activeList()->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::OnFlag(unsigned flag, bool set)
{
    commitCellEdits();
    CKanalyxView& active = *m_views.at(static_cast<std::size_t>(m_activeList));
    try {
        active.OnSetFlags(set ? flag : 0U, flag);
    } catch (const std::exception& error) {
        showError(tr("The command could not be carried out."), error);
    }
    updateCommands();
}

void CMainFrame::runListCommand(const std::function<void(CKanalyxView&)>& command)
{
    commitCellEdits();
    CKanalyxView& active = *m_views.at(static_cast<std::size_t>(m_activeList));
    try {
        command(active);
    } catch (const std::exception& error) {
        showError(tr("The command could not be carried out."), error);
    }
    updateCommands();
}

void CMainFrame::OnMoveTo()
{
    commitCellEdits();
    CKanalyxView& active = *m_views.at(static_cast<std::size_t>(m_activeList));
    const ListCtrl& rows = active.GetListCtrl();
    const std::vector<int> selected = rows.selectedItems();
    if (selected.empty()) {
        return;
    }
    bool ok = false;
    const int number = QInputDialog::getInt(this, tr("Move to"),
                                            tr("Number for the first of the %1 selected channels:")
                                                .arg(static_cast<int>(selected.size())),
                                            selected.front() + 1, 1, rows.itemCount(), 1, &ok);
    if (ok) {
        runListCommand([number](CKanalyxView& view) { view.OnMoveTo(number); });
    }
}

void CMainFrame::OnSpaceInList()
{
    CKanalyxView& active = *m_views.at(static_cast<std::size_t>(m_activeList));
    const ListCtrl& rows = active.GetListCtrl();
    const int focused = rows.focusedItem();
    if (rows.selectedCount() == 0 || focused < 0) {
        return;
    }
    // Like a click on the focused row's box, for every selected row.
    const bool ticked = rows.itemState(focused, lvis::kStateImageMask) == lvis::kImageTicked;
    runListCommand([ticked](CKanalyxView& view) { view.SetCheckBoxes(!ticked); });
}

void CMainFrame::OnRenameFocused() const
{
    ChannelListWidget* widget = activeList();
    const int focused = widget->list().focusedItem();
    if (focused >= 0) {
        widget->BeginCellEdit(focused, 1);
    }
}

void CMainFrame::OnChannelPropertiesOfFocused()
{
    commitCellEdits();
    const int focused = activeList()->list().focusedItem();
    if (focused >= 0) {
        try {
            OnChannelProperties(m_activeList, focused);
        } catch (const std::exception& error) {
            showError(tr("The command could not be carried out."), error);
        }
        updateCommands();
    }
}

void CMainFrame::applyFilter()
{
    const std::string filter = m_filter->text().trimmed().toStdString();
    for (std::size_t i = 0; i < m_lists.size(); ++i) {
        m_lists.at(i)->showOnlyRows(filter.empty() ? std::vector<char>()
                                                   : m_views.at(i)->MatchingRows(filter));
    }
}

void CMainFrame::fillSortMenu()
{
    m_sortMenu->clear();
    const CKanalyxView& active = *m_views.at(static_cast<std::size_t>(m_activeList));
    const ListCtrl& rows = active.GetListCtrl();
    for (int column = 0; column < rows.columnCount(); ++column) {
        const QString header = coreText(rows.column(column).headerId);
        QAction* sort = m_sortMenu->addAction(tr("By %1").arg(header));
        sort->setEnabled(rows.itemCount() > 1);
        connect(sort, &QAction::triggered, this, [this, column] {
            runListCommand([column](CKanalyxView& view) { view.OnSort(column); });
        });
    }
}

void CMainFrame::OnCellDoubleClicked(int list, int row, int column, Qt::MouseButton button)
{
    CKanalyxView& target = *m_views.at(static_cast<std::size_t>(list));
    ChannelListWidget* widget = m_lists.at(static_cast<std::size_t>(list));
    try {
        if (button == Qt::LeftButton) {
            if (target.OnLButtonDblClk(row, column) == DoubleClickResult::OpenNameEditor) {
                if (const std::optional<CellEditRequest> edit = target.BeginCellEdit(row, 1)) {
                    widget->BeginCellEdit(edit->row, edit->column);
                }
            }
        } else if (button == Qt::RightButton) {
            if (target.OnRButtonDblClk(row, column) == DoubleClickResult::OpenChannelDialog) {
                OnChannelProperties(list, row);
            }
        }
    } catch (const std::exception& error) {
        showError(tr("The command could not be carried out."), error);
    }
    updateCommands();
}

void CMainFrame::OnCellEditEnded(int list, int row, int column, const QString& text, bool cancelled)
{
    CKanalyxView& target = *m_views.at(static_cast<std::size_t>(list));
    const std::string name = text.toStdString();
    if (!cancelled) {
        const std::string missing = UnstorableCharacters(name, m_codec);
        if (!missing.empty()) {
            // Nothing is lost: the editor opens again on what was typed.
            QMessageBox::warning(
                this, coreText(ids::kAppTitle),
                tr("The character table %1 cannot store these characters: %2\nChoose another "
                   "character table on the bar, or change the name.")
                    .arg(QString::fromStdString(CharacterTableText(m_codec.characterTable)),
                         QString::fromStdString(missing)));
            ChannelListWidget* widget = m_lists.at(static_cast<std::size_t>(list));
            if (CCellEdit* editor = widget->BeginCellEdit(row, column)) {
                editor->setText(text);
            }
            return;
        }
    }
    try {
        target.OnEndLabelEdit(row, column, cancelled ? std::nullopt : std::optional(name));
    } catch (const std::exception& error) {
        showError(tr("The channel could not be renamed."), error);
    }
    updateCommands();
}

void CMainFrame::OnChannelProperties(int list, int row)
{
    if (!m_dialogs.channel) {
        return;
    }
    const ListKind kind = m_views.at(static_cast<std::size_t>(list))->kind();
    const RecordLayout* layout =
        IsSatelliteList(kind) ? m_doc.GetSatelliteLayout()->record : m_doc.Layout();
    if (layout == nullptr) {
        return;
    }
    const std::span<const std::uint8_t> bytes = m_doc.Channel(kind, row).raw();
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    if (m_dialogs.channel(this, copy, *layout, m_codec)) {
        m_doc.SetChannelBytes(kind, row, copy);
    }
}

void CMainFrame::OnCharacterSetChange(bool namesChanged)
{
    takeCodecFromBar();
    if (namesChanged) {
        // Every list shows its names through the new table.
        refillNames();
    }
    activeList()->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::OnNextPane(int step)
{
    // The lists of the tab on show, in turn.
    const bool satellite = m_tabs->currentIndex() == kSatelliteTab;
    const int first = satellite ? kFirstSatelliteList : 0;
    const int count = satellite ? kListCount - kFirstSatelliteList : kFirstSatelliteList;
    const int current = std::clamp(m_activeList - first, 0, count - 1);
    m_activeList = first + (current + step + count) % count;
    activeList()->setFocus(Qt::OtherFocusReason);
    updateCommands();
}

} // namespace kx
