#pragma once

#include <functional>

#include <QObject>
#include <QString>

class QMainWindow;

namespace kx {

class CKanalyxDoc;
class CompareDock;
class FileCommands;
struct CodecSettings;

// The window's commands that carry a channel order between files: Apply Reference List (which
// shows what would change before anything does), Export Reference List, and Compare Channels
// With, whose result shows in the compare pane (CompareDock) beside the lists. A file that
// cannot be read or written is reported, and nothing changes.
class ReferenceCommands : public QObject
{
    Q_OBJECT

public:
    // Everything given must outlive this object; window is the parent of its dialogs and holds
    // the compare pane. The file choosers are those of files.
    ReferenceCommands(CKanalyxDoc& doc, const CodecSettings& codec, FileCommands& files,
                      QMainWindow& window);

    // Called before every command, to end the name editors.
    void setBeforeCommand(std::function<void()> before) { m_before = std::move(before); }

    void OnApplyReference();
    void OnExportReference();
    void OnCompare();

    CompareDock* compareDock() const { return m_dock; }

private:
    // Asks for a file to take channels from; empty when the user cancelled.
    QString chooseChannelFile(const QString& caption);
    // Ends the name editors; false when no file is open.
    bool before();

    CKanalyxDoc& m_doc;
    const CodecSettings& m_codec;
    FileCommands& m_files;
    QMainWindow& m_window;
    CompareDock* m_dock;
    std::function<void()> m_before;
    // Whether the compare pane got its first width.
    bool m_dockSized = false;
};

} // namespace kx
