#include "app/frameactions.h"

#include <initializer_list>
#include <optional>

#include <QAction>
#include <QHelpEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolTip>

#include "app/actiontable.h"
#include "gui/coretext.h"
#include "gui/icons.h"

namespace kx {

namespace {

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

// The property of an action that holds why it is disabled, for the menus to show.
constexpr const char* kWhyProperty = "kanalyxWhy";

// Shows, when the pointer rests on a menu entry, why its command is disabled: Qt shows a
// disabled entry's status tip nowhere, and the menus show no other tips.
class WhyTips : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* menu = qobject_cast<QMenu*>(watched);
        if (menu == nullptr || event->type() != QEvent::ToolTip) {
            return false;
        }
        const auto* help = static_cast<QHelpEvent*>(event);
        const QAction* entry = menu->actionAt(help->pos());
        const QString why = entry != nullptr ? entry->property(kWhyProperty).toString() : QString();
        if (why.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), why, menu);
        }
        return true;
    }
};

// clang-format off
const std::initializer_list<Entry> kFileMenu = {
    C::FileOpen, C::FileSave, C::FileSaveAs, C::FileRevert, C::FileOpenBackup, kBar,
    C::FileApplyReference, C::FileExportReference, C::FileCompare, kBar,
    C::FileImport, C::FileExport, kBar,
    C::FileKeepBackup, kBar,
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
    for (const ActionSpec& spec : ActionSpecs()) {
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
    auto* whyTips = new WhyTips(this);
    for (QAction* menu : window.menuBar()->actions()) {
        menu->menu()->installEventFilter(whyTips);
    }
    for (QMenu* menu : {m_rowMenu, m_sortMenu, m_flagsMenu, language}) {
        menu->installEventFilter(whyTips);
    }
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
        act->setProperty(kWhyProperty, why);
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
