#pragma once

#include <functional>
#include <optional>

#include <QObject>

#include "document/listkind.h"

class QWidget;

namespace kx {

class CKanalyxDoc;
class CKanalyxView;
class DocumentViews;
class FrameActions;
class ListPanes;
struct CodecSettings;
struct FrameDialogs;

// The window's commands on the rows of the lists: those of the Edit menu and the row menu, and
// what the user does in a list itself (double-clicks, name edits, check boxes, drops, Space).
// Each goes to the view of the list it concerns, or of the list commands act on; a failure is
// shown and changes nothing.
class ListCommands : public QObject
{
    Q_OBJECT

public:
    // Everything given must outlive this object; window is the parent of its dialogs.
    ListCommands(DocumentViews& views, ListPanes& panes, FrameActions& actions,
                 const CodecSettings& codec, const FrameDialogs& dialogs, QWidget& window);

    // Runs a command and shows its failure; the commands' states are worked out again afterwards.
    void run(const std::function<void()>& command);

signals:
    // A command ran: the states of the commands may have changed.
    void commandRan();

private:
    void runOnActive(const std::function<void(CKanalyxView&)>& command);
    void OnMoveTo();
    void OnSpaceInList();
    void OnRenameFocused();
    void fillSortMenu();
    void OnCellDoubleClicked(ListKind list, int row, int column, Qt::MouseButton button);
    void OnCellEditEnded(ListKind list, int row, int column, const QString& text, bool cancelled);
    void OnChannelProperties(ListKind list, int row);

    DocumentViews& m_views;
    ListPanes& m_panes;
    FrameActions& m_actions;
    const CodecSettings& m_codec;
    const FrameDialogs& m_dialogs;
    QWidget& m_window;
};

} // namespace kx
