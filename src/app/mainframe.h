#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>

#include <QMainWindow>

#include "document/kanalyxdoc.h"
#include "model/namecodec.h"
#include "views/commandstate.h"
#include "views/kanalyxview.h"

class QAction;
class QLineEdit;
class QMenu;
class QSplitter;
class QTabWidget;
class QToolBar;

namespace kx {

class ChannelListWidget;
class CharsetBar;
class CompareDock;
class DocumentViews;
class FileCommands;
class FileDialogs;
class ListCommands;
class FrameActions;
class ListPanes;
class ReferenceCommands;
class SettingsProfile;
class StatusPanes;

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

// The editor's main window: the frame around the lists (ListPanes), the menus and toolbar
// (FrameActions), the character-set bar and the status bar (StatusPanes). It connects the
// commands to the document, the views and the dialogs: list commands go to the list that last
// had the focus, file commands to FileCommands, and what is enabled comes from the core's rules
// (WorkOutCommandStates). Every command handler catches the core's errors and shows them.
class CMainFrame : public QMainWindow, private DocumentObserver
{
    Q_OBJECT

public:
    using Command = CommandId;
    // The panes of the status bar that show the channel counts, after the message pane.
    enum class CountPane
    {
        TV,
        FM,
        DTV,
        SatTV,
        SatFM,
    };

    // programFolder: where code.dat is read from when the character-set settings are loaded.
    CMainFrame(CKanalyxDoc& doc, SettingsProfile& profile, std::filesystem::path programFolder,
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    QAction* action(Command command) const;
    CharsetBar* charsetBar() const { return m_charsetBar; }
    // The box whose text filters every list (Find).
    QLineEdit* filterBox() const;
    // The menu of a list's rows, as a right click shows it.
    QMenu* rowMenu() const;
    QToolBar* toolBar() const;
    // The cable and antenna lists, and the satellite lists.
    QSplitter* splitter() const;
    QSplitter* satelliteSplitter() const;
    // The tabs that switch between the groups of lists.
    QTabWidget* listTabs() const;
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
    // The pane that shows how the open file differs from another (Compare Channels With).
    CompareDock* compareDock() const;

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

    void createCharsetBar();
    void connectCommands();
    void connectLists();

    // Runs a dialog on the settings block (More Settings, Data Block), which applies its changes
    // as steps of the history; a dialog not given, or no open file, does nothing.
    void OnSettingsDialog(bool given, const std::function<void()>& dialog);
    void OnUserSettings();
    // Undo or Redo, then shows what it touched: its rows selected in their list, which takes
    // the focus.
    void OnUndoRedo(bool undo);
    // Every list shows only the rows that match the filter box.
    void applyFilter();
    // The bar shows the table most prefixed names of the open file use, if one prevails.
    void followFileCharacterTable();
    // m_codec becomes the settings the bar shows.
    void takeCodecFromBar();
    // The character-set bar changed the codec: the active list takes the focus back.
    void OnCharacterSetChange(bool namesChanged);

    void commitCellEdits();
    void updateTitle();
    // Selects a channel and shows it in its list, which takes the focus; a row the Find box
    // hides shows again.
    void showChannel(ListKind list, int row);

    CKanalyxDoc& m_doc;
    SettingsProfile& m_profile;
    std::filesystem::path m_programFolder;
    CodecSettings m_codec;
    FrameDialogs m_dialogs;
    std::unique_ptr<DocumentViews> m_views;
    FrameActions* m_actions = nullptr;
    FileCommands* m_files = nullptr;
    ListCommands* m_lists = nullptr;
    ReferenceCommands* m_references = nullptr;
    CharsetBar* m_charsetBar = nullptr;
    ListPanes* m_panes = nullptr;
    StatusPanes* m_status = nullptr;
};

} // namespace kx
