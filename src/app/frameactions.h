#pragma once

#include <array>

#include <QObject>
#include <QString>

#include "views/commandstate.h"

class QAction;
class QLineEdit;
class QMainWindow;
class QMenu;
class QToolBar;

namespace kx {

// The window's commands as Qt actions, with their texts, keys, icons and tips from one table,
// and the menus, the toolbar, the row menu and the Find bar made of them. It knows no document:
// the frame connects the actions to its handlers and hands it the command states to show.
class FrameActions : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRecentFileCount = 4;

    // Makes the actions, puts the menus into window's menu bar and adds the toolbars.
    explicit FrameActions(QMainWindow& window);

    QAction* action(CommandId command) const
    {
        return m_actions.at(static_cast<std::size_t>(command));
    }
    QToolBar* toolBar() const { return m_toolBar; }
    // The box whose text filters every list (Find).
    QLineEdit* filterBox() const { return m_filter; }
    // The menu of a list's rows, as a right click shows it.
    QMenu* rowMenu() const { return m_rowMenu; }
    // Edit > Sort: filled with the active list's columns just before it opens.
    QMenu* sortMenu() const { return m_sortMenu; }
    // The recent-file entries of the File menu, and the placeholder shown when there are none.
    const std::array<QAction*, kRecentFileCount>& recentFiles() const { return m_recentFiles; }
    QAction* noRecentFile() const { return m_noRecentFile; }

    // Enables, checks and names the actions as the states say; Undo and Redo name their step.
    void show(const CommandStates& states);

signals:
    // The user chose the recent file of this index (0 first).
    void recentFileChosen(int index);

private:
    void createActions();
    void createMenus(QMainWindow& window);
    void createToolBars(QMainWindow& window);

    // The tips of an action as its table gives them.
    struct Tips
    {
        QString status;
        QString tool;
    };

    QMainWindow& m_window;
    std::array<QAction*, kCommandCount> m_actions{};
    std::array<Tips, kCommandCount> m_tips{};
    std::array<QAction*, kRecentFileCount> m_recentFiles{};
    QAction* m_noRecentFile = nullptr;
    QMenu* m_sortMenu = nullptr;
    QMenu* m_flagsMenu = nullptr;
    QMenu* m_rowMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    QLineEdit* m_filter = nullptr;
};

} // namespace kx
