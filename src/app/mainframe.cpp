#include "app/mainframe.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

#include "app/charsetbar.h"
#include "app/icons.h"
#include "app/settingsprofile.h"
#include "model/namecodec.h"
#include "platform/programfolder.h"
#include "platform/strings.h"

namespace kx {

namespace {

QString coreText(int id)
{
    return QString::fromStdString(Strings::text(id));
}

} // namespace

CMainFrame::CMainFrame(SettingsProfile& profile, QWidget* parent)
    : QMainWindow(parent), m_profile(profile)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(programIcon());
    createActions();
    createMenus();
    createToolBar();
    createCharsetBar();
    createStatusBar();
    createLists();
    resize(1000, 600);
}

CMainFrame::~CMainFrame() = default;

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

    makeAction(Command::FileSaveAs, tr("Save &as..."),
               tr("Save the active document with a new name"));
    makeAction(Command::FileImport, tr("Import..."),
               tr("Replace channel lists with those of another file"));
    makeAction(Command::FileExport, tr("Export..."),
               tr("Write every channel record as tab-separated hexadecimal text"));
    act = makeAction(Command::FileExit, tr("E&xit"), tr("Quit the application"));
    connect(act, &QAction::triggered, this, &QWidget::close);

    act = makeAction(Command::EditUndo, tr("&Undo"), tr("Undo last action"), tr("Undo"));
    act->setIcon(commandIcon(QStringLiteral("edit-undo")));
    act->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});

    act = makeAction(Command::EditUp, tr("Up"), tr("Move Up"), tr("Up"));
    act->setIcon(commandIcon(QStringLiteral("go-up")));
    act = makeAction(Command::EditDown, tr("Down"), tr("Move Down"), tr("Down"));
    act->setIcon(commandIcon(QStringLiteral("go-down")));
    act = makeAction(Command::EditDuplicate, tr("Duplicate"), tr("Duplicate Selected"),
                     tr("Duplicate"));
    act->setIcon(commandIcon(QStringLiteral("edit-copy")));
    act = makeAction(Command::EditDelete, tr("Delete"), tr("Remove Selected"), tr("Delete"));
    act->setIcon(commandIcon(QStringLiteral("edit-delete")));
    act->setShortcut(QKeySequence(Qt::Key_Delete));

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
    makeAction(Command::LanguageGerman, tr("Germany"), languageTip)->setCheckable(true);

    act = makeAction(Command::AppAbout, tr("&About..."),
                     tr("Display program information, version number and copyright"), tr("About"));
    act->setIcon(commandIcon(QStringLiteral("help-about")));

    act = makeAction(Command::NextPane, tr("Next Pane"), tr("Switch to the next list"));
    act->setShortcut(QKeySequence(Qt::Key_F6));
    addAction(act);
    act = makeAction(Command::PrevPane, tr("Previous Pane"), tr("Switch to the previous list"));
    act->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    addAction(act);
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
    m_recentMenu = file;
    file->addSeparator();
    file->addAction(action(Command::FileExit));

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(action(Command::EditUndo));
    edit->addSeparator();
    edit->addAction(action(Command::EditUp));
    edit->addAction(action(Command::EditDown));
    edit->addSeparator();
    edit->addAction(action(Command::EditDuplicate));
    edit->addAction(action(Command::EditDelete));
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

    QMenu* help = menuBar()->addMenu(tr("&?"));
    help->addAction(action(Command::AppAbout));
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
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(Command::MoreSettings));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action(Command::AppAbout));

    QAction* show = action(Command::ViewToolbar);
    show->setChecked(true);
    connect(show, &QAction::toggled, m_toolBar, &QWidget::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, show, &QAction::setChecked);
}

void CMainFrame::createCharsetBar()
{
    m_charsetBar = new CharsetBar(m_profile, this);
    addToolBar(m_charsetBar);
    m_charsetBar->InitCharacterSetBar();
    connect(m_charsetBar, &CharsetBar::characterSetChanged, this, [this] {
        reloadCodecSettings();
        emit namesNeedRedraw();
    });
    connect(m_charsetBar, &CharsetBar::encodingSwitchChanged, this,
            &CMainFrame::reloadCodecSettings);
}

void CMainFrame::createStatusBar()
{
    QStatusBar* bar = statusBar();
    m_messagePane = new QLabel(tr("Ready"), bar);
    m_messagePane->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(m_messagePane, 1);
    const std::array<int, 3> samples = {ids::kPaneTV, ids::kPaneFM, ids::kPaneDTV};
    for (std::size_t i = 0; i < m_countPanes.size(); ++i) {
        auto* pane = new QLabel(coreText(samples.at(i)), bar);
        pane->setObjectName(QStringLiteral("countPane%1").arg(i + 1));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setMinimumWidth(pane->sizeHint().width());
        pane->setAlignment(Qt::AlignCenter);
        bar->addPermanentWidget(pane);
        m_countPanes.at(i) = pane;
    }

    QAction* show = action(Command::ViewStatusBar);
    show->setChecked(true);
    connect(show, &QAction::toggled, bar, &QWidget::setVisible);
}

void CMainFrame::createLists()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    for (int i = 0; i < 3; ++i) {
        m_splitter->addWidget(new QTableView(m_splitter));
    }
    setCentralWidget(m_splitter);
}

void CMainFrame::setCountPaneText(CountPane pane, const QString& text)
{
    m_countPanes.at(static_cast<std::size_t>(pane))->setText(text);
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
    LoadCodecSettings(ProgramFolder(), m_profile);
}

void CMainFrame::OnUserSettings()
{}

} // namespace kx
