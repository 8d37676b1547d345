#pragma once

#include <memory>
#include <vector>

#include <QDockWidget>
#include <QString>

#include "document/channelidentity.h"
#include "document/kanalyxdoc.h"
#include "document/listdiff.h"

class QLabel;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace kx {

class ChannelCompareModel;
struct CodecSettings;

// The pane beside the lists that shows how the open file differs from another file: one line
// per channel only in the other file (added), only in this one (removed), numbered (moved) or
// named (renamed) otherwise, grouped by list, with the counts above them. It follows the
// document: every change, and every file opened, is compared again. Choosing a line of a
// channel of the open file asks the window to select that channel.
class CompareDock : public QDockWidget, private DocumentObserver
{
    Q_OBJECT

public:
    // doc and codec must outlive the dock.
    CompareDock(CKanalyxDoc& doc, const CodecSettings& codec, QWidget* parent = nullptr);
    ~CompareDock() override;

    // Compares the document with other's lists (of the file named otherName) from now on, and
    // shows the dock.
    void compareWith(std::vector<ChannelList> other, const QString& otherName);
    // Compares again now (after the names' character set changed, say).
    void refresh();

    QTreeWidget* tree() const { return m_tree; }
    // The counts above the lines.
    QString summaryText() const;

signals:
    // The user chose the line of a channel of the open document.
    void channelChosen(kx::ListKind list, int row);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // DocumentObserver
    void OnInitialUpdate() override;
    void historyChanged() override;

    // Compares again once the events of this change are handled, if the dock shows.
    void scheduleRefresh();
    void fill();
    // "2 added, 1 moved": the counts that are not 0.
    static QString countsText(const DiffSummary& counts);
    void OnItemChosen(QTreeWidgetItem* item);

    CKanalyxDoc& m_doc;
    const CodecSettings& m_codec;
    std::unique_ptr<ChannelCompareModel> m_model;
    QString m_otherName;
    QLabel* m_summary;
    QTreeWidget* m_tree;
    QTimer* m_refresh;
    bool m_stale = false;
};

} // namespace kx
