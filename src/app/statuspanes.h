#pragma once

#include <map>
#include <string>

#include <QObject>

#include "document/listkind.h"
#include "views/kanalyxview.h"

class QAction;
class QLabel;
class QMainWindow;

namespace kx {

class CKanalyxDoc;

// The window's status bar: the message pane, the pane that names the open file's record layout,
// and one pane per list counting its channels ("TV-12"), as the views report them. The panes of
// lists the open file does not have are hidden.
class StatusPanes : public QObject, public ViewObserver
{
    Q_OBJECT

public:
    // Fills window's status bar; show toggles its visibility.
    StatusPanes(QMainWindow& window, const CKanalyxDoc& doc, QAction& show);

    QString messageText() const;
    QString layoutText() const;
    // The text of a list's count pane (ListSpec::pane), empty for one not shown.
    QString countText(int pane) const;

    // The layout pane and the count panes follow the open file: one per list it has (the
    // analog, radio and digital TV counts always for binary files).
    void followDocument();

    // ViewObserver
    void countPaneChanged(int pane, const std::string& text) override;

private:
    // The pane of a list, made with room for its widest count where it is first needed.
    QLabel* paneOf(ListKind kind);

    QMainWindow& m_window;
    const CKanalyxDoc& m_doc;
    QLabel* m_message = nullptr;
    QLabel* m_layout = nullptr;
    std::map<int, QLabel*> m_counts; // by pane
};

} // namespace kx
