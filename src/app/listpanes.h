#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QTabWidget>

#include "document/listkind.h"
#include "views/listspec.h"

class QSplitter;

namespace kx {

class ChannelListWidget;
class CKanalyxView;
class DocumentViews;

// The channel lists on screen: one tab per group of lists (the cable and antenna lists, the
// satellite lists), the lists of a tab in splitters, and which list commands act on (the one
// that last had the focus, marked by its frame). A tab whose lists the open file does not have
// stays in place, disabled, and says why. What happens in a list (double-clicks, edits, drops,
// check boxes, the row menu) is reported with the list's kind; the window decides.
class ListPanes : public QTabWidget
{
    Q_OBJECT

public:
    // The views must outlive the panes. fits: whether a text fits a name field.
    ListPanes(DocumentViews& views, std::function<bool(const QString&)> fits,
              QWidget* parent = nullptr);
    ~ListPanes() override;

    // The list of a kind on screen (made when first asked for).
    ChannelListWidget* listWidget(ListKind kind);
    // Every list on screen.
    const std::vector<ChannelListWidget*>& listWidgets() const { return m_widgets; }
    // The list commands act on, and its view.
    ListKind activeKind() const { return m_active; }
    ChannelListWidget* activeList();
    CKanalyxView& activeView() const;
    // Makes a list the one commands act on, shows its tab and gives it the focus.
    void activate(ListKind kind);
    // The next (step 1) or previous (step -1) list of the tab on show takes the focus.
    void nextPane(int step);

    // The tabs follow the open document's lists: a tab without any of them is disabled.
    void followDocument();
    // Every list shows only the rows that match filter (all rows for an empty one). The tabs
    // show how many rows of theirs match; when the tab on show has none and another has some,
    // that one is shown.
    void applyFilter(const std::string& filter);
    // Ends the name editors of every list, committing what was typed.
    void commitCellEdits();

    // The splitter of the cable and antenna lists (the analog and radio lists side by side above
    // the digital TV list), and that of the satellite lists.
    QSplitter* splitter() const { return m_tabs.front().splitter; }
    QSplitter* satelliteSplitter() const;

signals:
    void cellDoubleClicked(kx::ListKind list, int row, int column, Qt::MouseButton button);
    void cellEditEnded(kx::ListKind list, int row, int column, const QString& text, bool cancelled);
    void rowsDropped(kx::ListKind list, int gap);
    void tickRequested(kx::ListKind list);
    void checkBoxClicked(kx::ListKind list, int row, bool ticked);
    void contextMenuRequested(kx::ListKind list, const QPoint& globalPosition);
    // The list commands act on, or the selection of a list, changed.
    void activeListChanged();
    void selectionChanged();

private:
    struct Tab
    {
        ListGroup group;
        QString title;
        QSplitter* splitter = nullptr;
        std::vector<ListKind> lists;
    };

    Tab& tabOf(ListGroup group);
    int tabIndexOf(ListKind kind) const;
    // Makes the widget of a list and puts it into its tab.
    ChannelListWidget* makeList(ListKind kind);
    void setActive(ListKind kind);
    void markActive();
    void OnTabChanged(int tab);

    DocumentViews& m_views;
    std::function<bool(const QString&)> m_fits;
    std::vector<Tab> m_tabs;
    std::vector<ChannelListWidget*> m_widgets;
    std::vector<ListKind> m_kinds; // of m_widgets
    ListKind m_active = ListKind::Analog;
};

} // namespace kx
