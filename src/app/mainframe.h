#pragma once

#include <array>

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QToolBar;

namespace kx {

class CharsetBar;
class SettingsProfile;

// The editor's main window: the three channel lists side by side (analog, radio, digital TV),
// the toolbar, the character-set bar, the menus with their accelerators and the four-pane status
// bar. Commands go to the list that last had the focus, the file commands to the document.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // The panes of the status bar that show the channel counts, after the message pane.
    enum class CountPane
    {
        TV,
        FM,
        DTV,
    };

    // The commands of the menus, toolbar and accelerators.
    enum class Command
    {
        FileOpen,
        FileSave,
        FileSaveAs,
        FileImport,
        FileExport,
        FileExit,
        EditUndo,
        EditUp,
        EditDown,
        EditDuplicate,
        EditDelete,
        MoreSettings,
        UserSettings,
        DataBlock,
        ViewToolbar,
        ViewStatusBar,
        LanguageEnglish,
        LanguageRussian,
        LanguageGerman,
        AppAbout,
        NextPane,
        PrevPane,
    };
    static constexpr int kCommandCount = static_cast<int>(Command::PrevPane) + 1;

    explicit CMainFrame(SettingsProfile& profile, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* action(Command command) const { return m_actions.at(static_cast<int>(command)); }
    CharsetBar* charsetBar() const { return m_charsetBar; }
    QToolBar* toolBar() const { return m_toolBar; }
    QSplitter* splitter() const { return m_splitter; }

    // Writes a channel count pane ("TV-%d" and so on); the views call it through their observer.
    void setCountPaneText(CountPane pane, const QString& text);
    QString countPaneText(CountPane pane) const;
    // The message pane's idle text.
    QString messagePaneText() const;

    // Re-reads the character-set settings from the profile and code.dat.
    void reloadCodecSettings();

signals:
    // The character table changed: every list shows its names again.
    void namesNeedRedraw();

private:
    QAction* makeAction(Command command, const QString& text, const QString& statusTip = {},
                        const QString& toolTip = {});
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createCharsetBar();
    void createLists();
    void OnUserSettings();

    SettingsProfile& m_profile;
    std::array<QAction*, kCommandCount> m_actions{};
    QMenu* m_recentMenu = nullptr;
    QToolBar* m_toolBar = nullptr;
    CharsetBar* m_charsetBar = nullptr;
    QSplitter* m_splitter = nullptr;
    QLabel* m_messagePane = nullptr;
    std::array<QLabel*, 3> m_countPanes{};
};

} // namespace kx
