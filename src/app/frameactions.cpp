#include "app/frameactions.h"

#include <initializer_list>
#include <optional>

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "gui/coretext.h"
#include "gui/icons.h"

namespace kx {

namespace {

// One command's action: its texts (translated in the context of FrameActions, and spelled out
// in full, since the translation tools expand no macro), the name of its icon (none for null),
// its keys, and how it behaves.
struct ActionSpec
{
    CommandId command;
    const char* text;
    const char* statusTip;
    const char* toolTip = nullptr; // the text where none is given
    const char* icon = nullptr;
    std::initializer_list<QKeyCombination> keys = {};
    bool checkable = false;
    // The key works wherever the focus is in the window, though no menu shows the command.
    bool windowKey = false;
};

constexpr const char* kLanguageTip =
    QT_TRANSLATE_NOOP("kx::FrameActions", "Use this language from the next start");
constexpr const char* kFavouriteTip =
    QT_TRANSLATE_NOOP("kx::FrameActions",
                      "Put the selected channels in this favourites group or take them out of it");

const ActionSpec kActions[] = {
    {CommandId::FileOpen,
     QT_TRANSLATE_NOOP("kx::FrameActions", "&Open..."),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Open an existing document"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Open"),
     "document-open",
     {Qt::CTRL | Qt::Key_O}},
    {CommandId::FileSave,
     QT_TRANSLATE_NOOP("kx::FrameActions", "&Save"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Save active document"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Save"),
     "document-save",
     {Qt::CTRL | Qt::Key_S}},
    {CommandId::FileSaveAs,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Save &as..."),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Save the active document with a new name"),
     nullptr,
     nullptr,
     {Qt::CTRL | Qt::SHIFT | Qt::Key_S}},
    {CommandId::FileImport, QT_TRANSLATE_NOOP("kx::FrameActions", "Import..."),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Replace channel lists with those of another file")},
    {CommandId::FileExport, QT_TRANSLATE_NOOP("kx::FrameActions", "Export..."),
     QT_TRANSLATE_NOOP("kx::FrameActions",
                       "Write every channel record as tab-separated hexadecimal text")},
    {CommandId::FileExit,
     QT_TRANSLATE_NOOP("kx::FrameActions", "E&xit"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Quit the application"),
     nullptr,
     nullptr,
     {Qt::CTRL | Qt::Key_Q}},
    {CommandId::EditUndo,
     QT_TRANSLATE_NOOP("kx::FrameActions", "&Undo"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Undo last action"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Undo"),
     "edit-undo",
     {Qt::CTRL | Qt::Key_Z, Qt::ALT | Qt::Key_Backspace}},
    {CommandId::EditRedo,
     QT_TRANSLATE_NOOP("kx::FrameActions", "&Redo"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Redo the last undone action"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Redo"),
     "edit-redo",
     {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}},
    {CommandId::EditUp,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Up"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Move Up"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Up"),
     "go-up",
     {Qt::CTRL | Qt::Key_Up}},
    {CommandId::EditDown,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Down"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Move Down"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Down"),
     "go-down",
     {Qt::CTRL | Qt::Key_Down}},
    {CommandId::EditDuplicate,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Duplicate"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Duplicate Selected"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Duplicate"),
     "edit-copy",
     {Qt::CTRL | Qt::Key_D}},
    {CommandId::EditDelete,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Delete"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Remove Selected"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Delete"),
     "edit-delete",
     {QKeyCombination(Qt::Key_Delete)}},
    {CommandId::EditMoveTo,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Move to..."),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Move the selected channels to a number"),
     nullptr,
     nullptr,
     {Qt::CTRL | Qt::Key_M}},
    {CommandId::EditFind,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Find..."),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Show only the channels whose name or number matches"),
     nullptr,
     nullptr,
     {Qt::CTRL | Qt::Key_F}},
    {CommandId::EditTick, QT_TRANSLATE_NOOP("kx::FrameActions", "Tick"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Tick the selected channels")},
    {CommandId::EditUntick, QT_TRANSLATE_NOOP("kx::FrameActions", "Untick"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Untick the selected channels")},
    {CommandId::EditRename, QT_TRANSLATE_NOOP("kx::FrameActions", "Rename"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Rename the focused channel")},
    {CommandId::ChannelProperties,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Channel properties..."),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Edit every field of the focused channel"),
     nullptr,
     nullptr,
     {Qt::ALT | Qt::Key_Return, Qt::ALT | Qt::Key_Enter}},
    {CommandId::MoreSettings, QT_TRANSLATE_NOOP("kx::FrameActions", "More Settings..."),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Advanced Settings"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Settings"), "preferences-system"},
    {CommandId::UserSettings, QT_TRANSLATE_NOOP("kx::FrameActions", "User Settings..."),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Edit the user character table")},
    {CommandId::DataBlock, QT_TRANSLATE_NOOP("kx::FrameActions", "Data Block"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Edit the settings block of the file byte by byte")},
    {CommandId::ViewToolbar,
     QT_TRANSLATE_NOOP("kx::FrameActions", "&Toolbar"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Show or hide the toolbar"),
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::ViewStatusBar,
     QT_TRANSLATE_NOOP("kx::FrameActions", "&Status Bar"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Show or hide the status bar"),
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::LanguageEnglish,
     QT_TRANSLATE_NOOP("kx::FrameActions", "English"),
     kLanguageTip,
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::LanguageRussian,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Russian"),
     kLanguageTip,
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::LanguageGerman,
     QT_TRANSLATE_NOOP("kx::FrameActions", "German"),
     kLanguageTip,
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::AppAbout, QT_TRANSLATE_NOOP("kx::FrameActions", "&About..."),
     QT_TRANSLATE_NOOP("kx::FrameActions",
                       "Display program information, version number and copyright"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "About"), "help-about"},
    {CommandId::HelpManual,
     QT_TRANSLATE_NOOP("kx::FrameActions", "&Manual"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Show what the lists, commands and dialogs do"),
     nullptr,
     nullptr,
     {QKeyCombination(Qt::Key_F1)}},
    {CommandId::NextPane,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Next Pane"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Switch to the next list"),
     nullptr,
     nullptr,
     {QKeyCombination(Qt::Key_F6)},
     false,
     true},
    {CommandId::PrevPane,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Previous Pane"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Switch to the previous list"),
     nullptr,
     nullptr,
     {Qt::SHIFT | Qt::Key_F6},
     false,
     true},
    {CommandId::Favourite1,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Favourite &1"),
     kFavouriteTip,
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::Favourite2,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Favourite &2"),
     kFavouriteTip,
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::Favourite3,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Favourite &3"),
     kFavouriteTip,
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::Favourite4,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Favourite &4"),
     kFavouriteTip,
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::Favourite5,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Favourite &5"),
     kFavouriteTip,
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::Favourite6,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Favourite &6"),
     kFavouriteTip,
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::Favourite7,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Favourite &7"),
     kFavouriteTip,
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::Favourite8,
     QT_TRANSLATE_NOOP("kx::FrameActions", "Favourite &8"),
     kFavouriteTip,
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::FlagLock,
     QT_TRANSLATE_NOOP("kx::FrameActions", "&Lock"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Lock or unlock the selected channels"),
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::FlagSkip,
     QT_TRANSLATE_NOOP("kx::FrameActions", "&Skip"),
     QT_TRANSLATE_NOOP("kx::FrameActions",
                       "Let the receiver skip the selected channels when zapping, or not"),
     nullptr,
     nullptr,
     {},
     true},
    {CommandId::FlagHide,
     QT_TRANSLATE_NOOP("kx::FrameActions", "&Hide"),
     QT_TRANSLATE_NOOP("kx::FrameActions", "Hide or show the selected channels"),
     nullptr,
     nullptr,
     {},
     true},
};

// An entry of a menu or toolbar: a command, a separator, or a place for something else.
enum class Place
{
    Separator,
    SortMenu,
    FlagsMenu,
    RecentFiles,
    LanguageMenu,
};
struct Entry
{
    std::optional<CommandId> command;
    Place place = Place::Separator;

    Entry(CommandId c) : command(c) {}
    Entry(Place p) : place(p) {}
};

using C = CommandId;
constexpr Place kBar = Place::Separator;

// clang-format off
const std::initializer_list<Entry> kFileMenu = {
    C::FileOpen, C::FileSave, C::FileSaveAs, kBar,
    C::FileImport, C::FileExport, kBar,
    Place::RecentFiles, kBar,
    C::FileExit};
const std::initializer_list<Entry> kEditMenu = {
    C::EditUndo, C::EditRedo, kBar,
    C::EditUp, C::EditDown, C::EditMoveTo, Place::SortMenu, kBar,
    C::EditDuplicate, C::EditDelete, Place::FlagsMenu, kBar,
    C::EditTick, C::EditUntick, C::ChannelProperties, C::EditFind, kBar,
    C::MoreSettings, C::UserSettings, kBar,
    C::DataBlock};
const std::initializer_list<Entry> kViewMenu = {
    C::ViewToolbar, C::ViewStatusBar, kBar,
    Place::LanguageMenu};
const std::initializer_list<Entry> kHelpMenu = {
    C::HelpManual, kBar,
    C::AppAbout};
const std::initializer_list<Entry> kRowMenu = {
    C::EditUp, C::EditDown, C::EditMoveTo, kBar,
    C::EditDuplicate, C::EditDelete, kBar,
    C::EditRename, C::EditTick, C::EditUntick, Place::FlagsMenu, kBar,
    C::ChannelProperties};
const std::initializer_list<Entry> kToolBar = {
    C::FileOpen, C::FileSave, kBar,
    C::EditUp, C::EditDown, kBar,
    C::EditDuplicate, C::EditDelete, kBar,
    C::EditUndo, C::EditRedo, kBar,
    C::MoreSettings, kBar,
    C::AppAbout};
// clang-format on

} // namespace

FrameActions::FrameActions(QMainWindow& window) : QObject(&window), m_window(window)
{
    createActions();
    createMenus(window);
    createToolBars(window);
}

void FrameActions::createActions()
{
    for (const ActionSpec& spec : kActions) {
        auto* act = new QAction(tr(spec.text), &m_window);
        act->setStatusTip(tr(spec.statusTip));
        if (spec.toolTip != nullptr) {
            act->setToolTip(tr(spec.toolTip));
        }
        m_tips.at(static_cast<std::size_t>(spec.command)) = {act->statusTip(), act->toolTip()};
        if (spec.icon != nullptr) {
            act->setIcon(commandIcon(QString::fromLatin1(spec.icon)));
        }
        QList<QKeySequence> keys;
        for (const QKeyCombination key : spec.keys) {
            keys << QKeySequence(key);
        }
        act->setShortcuts(keys);
        act->setCheckable(spec.checkable);
        if (spec.windowKey) {
            m_window.addAction(act);
        }
        act->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(spec.command)));
        m_actions.at(static_cast<std::size_t>(spec.command)) = act;
    }
}

void FrameActions::createMenus(QMainWindow& window)
{
    m_sortMenu = new QMenu(tr("Sort"), &window);
    m_sortMenu->setObjectName(QStringLiteral("sortMenu"));
    m_flagsMenu = new QMenu(tr("&Flags"), &window);
    m_flagsMenu->setObjectName(QStringLiteral("flagsMenu"));
    for (const auto& entry : kFlagCommands) {
        m_flagsMenu->addAction(action(entry.first));
    }
    auto* language = new QMenu(tr("Language"), &window);
    for (const CommandId command : {C::LanguageEnglish, C::LanguageRussian, C::LanguageGerman}) {
        language->addAction(action(command));
    }
    const auto fill = [&](QMenu* menu, std::initializer_list<Entry> entries) {
        for (const Entry& entry : entries) {
            if (entry.command) {
                menu->addAction(action(*entry.command));
                continue;
            }
            switch (entry.place) {
            case Place::Separator:
                menu->addSeparator();
                break;
            case Place::SortMenu:
                menu->addMenu(m_sortMenu);
                break;
            case Place::FlagsMenu:
                menu->addMenu(m_flagsMenu);
                break;
            case Place::LanguageMenu:
                menu->addMenu(language);
                break;
            case Place::RecentFiles:
                m_noRecentFile = menu->addAction(tr("Recent File"));
                m_noRecentFile->setEnabled(false);
                for (int i = 0; i < kRecentFileCount; ++i) {
                    QAction* recent = menu->addAction(QString());
                    recent->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
                    connect(recent, &QAction::triggered, this,
                            [this, i] { emit recentFileChosen(i); });
                    m_recentFiles.at(static_cast<std::size_t>(i)) = recent;
                }
                break;
            }
        }
    };
    fill(window.menuBar()->addMenu(tr("&File")), kFileMenu);
    fill(window.menuBar()->addMenu(tr("&Edit")), kEditMenu);
    fill(window.menuBar()->addMenu(tr("&View")), kViewMenu);
    fill(window.menuBar()->addMenu(tr("&Help")), kHelpMenu);
    m_rowMenu = new QMenu(&window);
    m_rowMenu->setObjectName(QStringLiteral("rowMenu"));
    fill(m_rowMenu, kRowMenu);
}

void FrameActions::createToolBars(QMainWindow& window)
{
    m_toolBar = window.addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("Toolbar"));
    m_toolBar->setIconSize(QSize(16, 16));
    for (const Entry& entry : kToolBar) {
        if (entry.command) {
            m_toolBar->addAction(action(*entry.command));
        } else {
            m_toolBar->addSeparator();
        }
    }
    QAction* show = action(C::ViewToolbar);
    show->setChecked(true);
    connect(show, &QAction::toggled, m_toolBar, &QWidget::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, show, &QAction::setChecked);

    // Find: a filter over every list.
    QToolBar* find = window.addToolBar(tr("Find"));
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
}

void FrameActions::show(const CommandStates& states)
{
    for (int i = 0; i < kCommandCount; ++i) {
        const auto command = static_cast<CommandId>(i);
        const CommandStates::State& state = states[command];
        QAction* act = action(command);
        act->setEnabled(state.enabled);
        act->setVisible(state.visible);
        // A command the open file's format rules out says why.
        const Tips& tips = m_tips.at(static_cast<std::size_t>(i));
        const QString why = state.why ? coreText(state.why->id, state.why->count) : QString();
        act->setStatusTip(why.isEmpty() ? tips.status : why);
        act->setToolTip(why.isEmpty() ? tips.tool : why);
    }
    for (const auto& [command, flag] : kFlagCommands) {
        action(command)->setChecked(states[command].checked);
    }
    m_flagsMenu->menuAction()->setVisible(states.flagsShown);
    const auto named = [](const QString& plain, const QString& withStep,
                          const std::optional<TextRef>& step) {
        return step ? withStep.arg(coreText(step->id, step->count)) : plain;
    };
    action(C::EditUndo)->setText(named(tr("&Undo"), tr("&Undo %1"), states.undoStep));
    action(C::EditRedo)->setText(named(tr("&Redo"), tr("&Redo %1"), states.redoStep));
}

} // namespace kx
