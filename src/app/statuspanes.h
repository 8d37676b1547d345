#pragma once

#include <array>
#include <string>

#include <QObject>

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
    static constexpr int kCountPanes = 5;

    // Fills window's status bar; show toggles its visibility.
    StatusPanes(QMainWindow& window, const CKanalyxDoc& doc, QAction& show);

    QString messageText() const;
    QString layoutText() const;
    // The text of count pane 1 to kCountPanes.
    QString countText(int pane) const;

    // The layout pane and the satellite counts follow the open file.
    void followDocument();

    // ViewObserver
    void countPaneChanged(int pane, const std::string& text) override;

private:
    const CKanalyxDoc& m_doc;
    QLabel* m_message = nullptr;
    QLabel* m_layout = nullptr;
    std::array<QLabel*, kCountPanes> m_counts{};
};

} // namespace kx
