#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QWidget;

namespace kx {

class CKanalyxDoc;
class FileDialogs;
class FrameActions;
class SettingsProfile;

// The window's commands on files: Open (also of a recent or dropped file), Save, Save As,
// Revert to Saved, Open Backup, Import, Export, the backup preference, and the question whether
// to save a modified document before it goes. They ask
// the user through the file choosers and message boxes, then hand paths and choices to the
// document; a failure is shown, and leaves the document as it was.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    // window is the parent of every dialog; actions holds the recent-file entries.
    FileCommands(CKanalyxDoc& doc, SettingsProfile& profile, FrameActions& actions,
                 QWidget& window);
    ~FileCommands() override;

    // Replaces the file choosers (tests answer them without a dialog).
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);
    FileDialogs& fileDialogs() const { return *m_dialogs; }
    // Called before every command, to end the name editors.
    void setBeforeCommand(std::function<void()> before) { m_before = std::move(before); }

    // Opens a file; a failure is shown. Returns whether the file is now open.
    bool open(const QString& path);
    void OnFileOpen();
    void OnOpenRecentFile(int index);
    bool OnFileSave();
    bool OnFileSaveAs();
    // Reads the open file again from the disk, after asking when that drops changes.
    void OnFileRevert();
    // Opens the open file's backup (NAME.bak), after asking to save a modified document.
    void OnOpenBackup();
    void OnFileImport();
    void OnFileExport();
    // Asks whether to save a modified document (Save, Discard, Cancel); false when the user
    // cancelled or the save failed, so the document must stay.
    bool SaveModified();

    // The file name the title bar shows ("Untitled" for none).
    QString documentTitle() const;
    // The recent-file entries shown (the placeholder when there are none).
    QList<QAction*> recentFileActions() const;

signals:
    // A file was opened or saved under a name: the title and commands follow.
    void documentNamed();

private:
    bool saveAs(const QString& path);
    void updateRecentFileMenu();
    // Tells the user what the loaded file holds that they should know about.
    void showLoadWarnings();
    void before();

    CKanalyxDoc& m_doc;
    SettingsProfile& m_profile;
    FrameActions& m_actions;
    QWidget& m_window;
    std::unique_ptr<FileDialogs> m_dialogs;
    std::function<void()> m_before;
};

// Path conversions between Qt's file names and the core's.
std::filesystem::path toPath(const QString& path);
QString fromPath(const std::filesystem::path& path);

} // namespace kx
