#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>

#include <QMainWindow>

#include "document/kanalyxdoc.h"
#include "model/namecodec.h"
#include "views/kanalyxview.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace kx {

class ChannelListWidget;
class CharsetBar;
class FileDialogs;
class SettingsProfile;

// Dialogs of the window that other parts of the program supply. A command whose dialog is not
// supplied stays disabled. codec: the character-set settings the window shows names with.
struct FrameDialogs
{
    // "More Settings...": runs the settings sheet, which applies its changes to the document as
    // steps of its history; true on OK.
    std::function<bool(QWidget* parent, CKanalyxDoc& doc, const CodecSettings& codec)> moreSettings;
    // "Data Block": runs the settings-block dialog, which applies OK as a step.
    std::function<void(QWidget* parent, CKanalyxDoc& doc, const CodecSettings& codec)> dataBlock;
    // "User Settings...": runs the user character table dialog; true on OK (code.dat written).
    std::function<bool(QWidget* parent, const CodecSettings& codec)> userSettings;
    // The Channel dialog on a copy of a record's bytes, of layout; true when OK stored the boxes
    // in them.
    std::function<bool(QWidget* parent, std::span<std::uint8_t> record, const RecordLayout& layout,
                       const CodecSettings& codec)>
        channel;
};

// The editor's main window: the analog and radio lists side by side above the digital TV list on
// one tab, the two satellite lists (TV, radio) on another that opens only for files with
// satellite channels, the toolbar, the character-set bar, the menus with their accelerators and
// the status bar (messages, the record layout, the channel counts). List commands go to the
// list that last had the focus (marked by its frame), file commands to the document.
// Every command handler catches the core's errors and shows them in a message box.
class CMainFrame : public QMainWindow, private DocumentObserver, private ViewObserver
{
    Q_OBJECT

public:
    // The panes of the status bar that show the channel counts, after the message pane.
    enum class CountPane
    {
        TV,
        FM,
        DTV,
        SatTV,
        SatFM,
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
        EditRedo,
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
        EditMoveTo,
        EditFind,
        EditTick,
        EditUntick,
        EditRename,
        ChannelProperties,
        HelpManual,
        Favourite1,
        Favourite2,
        Favourite3,
        Favourite4,
        FlagLock,
        FlagSkip,
        FlagHide,
    };
    static constexpr int kCommandCount = static_cast<int>(Command::FlagHide) + 1;
    static constexpr int kRecentFileCount = 4;

    // programFolder: where code.dat is read from when the character-set settings are loaded.
    CMainFrame(CKanalyxDoc& doc, SettingsProfile& profile, std::filesystem::path programFolder,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* action(Command command) const { return m_actions.at(static_cast<int>(command)); }
    CharsetBar* charsetBar() const { return m_charsetBar; }
    // The box whose text filters every list (Find).
    QLineEdit* filterBox() const { return m_filter; }
    // The menu of a list's rows, as a right click shows it.
    QMenu* rowMenu() const { return m_rowMenu; }
    QToolBar* toolBar() const { return m_toolBar; }
    // The cable and antenna lists, and the satellite lists.
    QSplitter* splitter() const { return m_splitter; }
    QSplitter* satelliteSplitter() const { return m_satSplitter; }
    // The tabs that switch between the two.
    QTabWidget* listTabs() const { return m_tabs; }
    // The status bar pane that names the open file's record layout.
    QString layoutPaneText() const;
    CKanalyxDoc& document() const { return m_doc; }
    ChannelListWidget* listWidget(ListKind kind) const;
    // The view logic of a list.
    CKanalyxView& view(ListKind kind) const;
    // The list that commands act on: the one that last had the focus (the analog list at first).
    ChannelListWidget* activeList() const;
    // The entries of the recent-file part of the File menu (the placeholder when there are none).
    QList<QAction*> recentFileActions() const;

    void setDialogs(FrameDialogs dialogs);
    // Replaces the file choosers (tests answer them without a dialog).
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);

    // The text of a channel count pane ("TV-%d" and so on).
    QString countPaneText(CountPane pane) const;
    // The message pane's idle text.
    QString messagePaneText() const;

    // Opens a file as File, Open does after its dialog; a failure is shown in a message box.
    // Returns whether the file is now open.
    bool openDocumentFile(const QString& path);
    // Asks whether to save a modified document (Save, Discard, Cancel); false when the user
    // cancelled or the save failed, so the document must stay.
    bool SaveModified();

    // Re-reads the character-set settings from the profile and code.dat, and shows every name
    // with them.
    void reloadCodecSettings();
    // The character-set settings names are shown and stored with.
    const CodecSettings& codec() const { return m_codec; }
    // Enables, disables and checks every command by the rules of the document and the lists.
    void updateCommands();

signals:
    // The character table changed: every list shows its names again.
    void namesNeedRedraw();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // DocumentObserver
    void OnInitialUpdate() override;
    void historyChanged() override;
    void modifiedChanged(bool modified) override;
    // ViewObserver
    void countPaneChanged(int pane, const std::string& text) override;

    QAction* makeAction(Command command, const QString& text, const QString& statusTip = {},
                        const QString& toolTip = {});
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createCharsetBar();
    void createLists();
    void connectCommands();

    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnFileImport();
    void OnFileExport();
    void OnMoreSettings();
    void OnDataBlock();
    void OnUserSettings();
    void OnEditUndo();
    void OnEditRedo();
    // Shows what an Undo or Redo touched: its rows selected in their list, which takes the focus.
    void showTouchedRows(const std::pair<std::optional<ListKind>, RowSelection>& touched);
    void OnNextPane(int step);
    // Sets or clears a flag of the active list's selected rows.
    void OnFlag(unsigned flag, bool set);
    // Makes a list the active one, showing its tab.
    void activateList(int list);
    // The satellite tab, the satellite count panes and the layout pane follow the open file.
    void updateLayoutDisplay();
    // Runs a command of the active list's view and shows the result.
    void runListCommand(const std::function<void(CKanalyxView&)>& command);
    void OnMoveTo();
    void OnSpaceInList();
    void OnRenameFocused() const;
    void OnChannelPropertiesOfFocused();
    // Every list shows only the rows that match the filter box.
    void applyFilter();
    // The Sort menu offers the active list's columns.
    void fillSortMenu();
    void OnCellDoubleClicked(int list, int row, int column, Qt::MouseButton button);
    void OnCellEditEnded(int list, int row, int column, const QString& text, bool cancelled);
    void OnChannelProperties(int list, int row);
    // The bar shows the table most prefixed names of the open file use, if one prevails.
    void followFileCharacterTable();
    // Every list shows its names again under m_codec.
    void refillNames();
    // m_codec becomes the settings the bar shows.
    void takeCodecFromBar();
    // The character-set bar changed the codec: the active list takes the focus back.
    void OnCharacterSetChange(bool namesChanged);
    void OnOpenRecentFile(int index);

    bool saveDocumentAs(const QString& path);
    // Ends the name editors of every list, committing what was typed.
    void commitCellEdits();
    void updateRecentFileMenu();
    void updateTitle();
    QString documentTitle() const;
    void showError(const QString& headline, const std::exception& error);
    // Tells the user what the loaded file holds that they should know about.
    void showLoadWarnings();

    CKanalyxDoc& m_doc;
    SettingsProfile& m_profile;
    std::filesystem::path m_programFolder;
    CodecSettings m_codec;
    std::unique_ptr<FileDialogs> m_fileDialogs;
    FrameDialogs m_dialogs;
    std::array<QAction*, kCommandCount> m_actions{};
    std::array<QAction*, kRecentFileCount> m_recentActions{};
    QAction* m_noRecentFile = nullptr;
    QMenu* m_sortMenu = nullptr;
    QMenu* m_rowMenu = nullptr;
    QLineEdit* m_filter = nullptr;
    QToolBar* m_toolBar = nullptr;
    CharsetBar* m_charsetBar = nullptr;
    QMenu* m_flagsMenu = nullptr;
    QTabWidget* m_tabs = nullptr;
    QSplitter* m_splitter = nullptr;
    QSplitter* m_satSplitter = nullptr;
    std::array<std::unique_ptr<CKanalyxView>, kListCount> m_views;
    std::array<ChannelListWidget*, kListCount> m_lists{};
    int m_activeList = 0;
    QLabel* m_messagePane = nullptr;
    QLabel* m_layoutPane = nullptr;
    std::array<QLabel*, 5> m_countPanes{};
};

} // namespace kx
