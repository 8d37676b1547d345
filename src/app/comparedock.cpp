#include "app/comparedock.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/listtitle.h"
#include "views/channelcomparemodel.h"

namespace kx {

namespace {

// The columns of the lines: the channel's number and name (in the open file, or in the other
// file for a channel only there), and what differs.
constexpr int kNumber = 0;
constexpr int kName = 1;
constexpr int kChange = 2;
constexpr int kColumnCount = 3;

// Where a line keeps the index of its entry; groups keep -1.
constexpr int kEntryRole = Qt::UserRole;

QString number(const std::optional<int>& value)
{
    return value ? QString::number(*value) : QString();
}

} // namespace

CompareDock::CompareDock(CKanalyxDoc& doc, const CodecSettings& codec, QWidget* parent)
    : QDockWidget(tr("Compare"), parent), m_doc(doc), m_codec(codec), m_summary(new QLabel),
      m_tree(new QTreeWidget), m_refresh(new QTimer(this))
{
    setObjectName(QStringLiteral("compareDock"));
    m_summary->setObjectName(QStringLiteral("compareSummary"));
    m_summary->setWordWrap(true);
    m_summary->setTextFormat(Qt::RichText);
    m_tree->setObjectName(QStringLiteral("compareLines"));
    m_tree->setColumnCount(kColumnCount);
    m_tree->setHeaderLabels({tr("No."), tr("Name"), tr("Difference")});
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setAlternatingRowColors(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->header()->setStretchLastSection(true);
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { OnItemChosen(item); });
    connect(m_tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { OnItemChosen(item); });

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_summary);
    layout->addWidget(m_tree, 1);
    setWidget(content);

    m_refresh->setSingleShot(true);
    m_refresh->setInterval(0);
    connect(m_refresh, &QTimer::timeout, this, &CompareDock::refresh);
    m_doc.addObserver(this);
}

CompareDock::~CompareDock()
{
    m_doc.removeObserver(this);
}

void CompareDock::compareWith(std::vector<ChannelList> other, const QString& otherName)
{
    m_model = std::make_unique<ChannelCompareModel>(std::move(other));
    m_otherName = otherName;
    m_tree->headerItem()->setToolTip(
        kChange, tr("What %1 holds otherwise than the open file").arg(otherName));
    show();
    raise();
    refresh();
    m_tree->verticalScrollBar()->setValue(0);
}

void CompareDock::refresh()
{
    m_refresh->stop();
    m_stale = false;
    if (m_model == nullptr) {
        return;
    }
    m_model->Refresh(m_doc, m_codec);
    fill();
}

QString CompareDock::summaryText() const
{
    return m_summary->text();
}

void CompareDock::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    if (m_stale) {
        scheduleRefresh();
    }
}

void CompareDock::OnInitialUpdate()
{
    scheduleRefresh();
}

void CompareDock::historyChanged()
{
    scheduleRefresh();
}

void CompareDock::scheduleRefresh()
{
    if (m_model == nullptr) {
        return;
    }
    m_stale = true;
    // A hidden pane is compared again when it shows.
    if (isVisible()) {
        m_refresh->start();
    }
}

QString CompareDock::countsText(const DiffSummary& counts)
{
    QStringList parts;
    if (counts.added > 0) {
        parts << tr("%1 added").arg(counts.added);
    }
    if (counts.removed > 0) {
        parts << tr("%1 removed").arg(counts.removed);
    }
    if (counts.moved > 0) {
        parts << tr("%1 moved").arg(counts.moved);
    }
    if (counts.renamed > 0) {
        parts << tr("%1 renamed").arg(counts.renamed);
    }
    return parts.join(QStringLiteral(", "));
}

void CompareDock::fill()
{
    const ListDiff& diff = m_model->diff();
    const QString other = m_otherName.toHtmlEscaped();
    QString summary = tr("The open file compared with <b>%1</b>:").arg(other);
    if (diff.entries.empty()) {
        summary += QStringLiteral("<br>") +
                   tr("no differences: both hold the same channels with the same numbers and "
                      "names.");
    } else {
        QString legend = tr("Click a line to select its channel.");
        if (diff.summary.added + diff.summary.removed > 0) {
            legend = tr("Added: only in %1; removed: only in the open file.").arg(other) +
                     QLatin1Char(' ') + legend;
        }
        summary += QStringLiteral("<br>") + countsText(diff.summary) +
                   QStringLiteral("<br><small>") + legend + QStringLiteral("</small>");
    }
    m_summary->setText(summary);

    const int scrolled = m_tree->verticalScrollBar()->value();
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    QList<QTreeWidgetItem*> groups;
    for (const ChannelCompareModel::Group& group : m_model->groups()) {
        auto* top = new QTreeWidgetItem;
        top->setText(kNumber, tr("%1: %2").arg(ListTitle(group.list), countsText(group.summary)));
        top->setToolTip(kNumber, top->text(kNumber));
        top->setData(kNumber, kEntryRole, -1);
        QFont bold = top->font(kNumber);
        bold.setBold(true);
        top->setFont(kNumber, bold);
        top->setFlags(Qt::ItemIsEnabled);
        for (const std::size_t index : group.entries) {
            const DiffEntry& entry = diff.entries.at(index);
            auto* line = new QTreeWidgetItem(top);
            const bool onlyThere = entry.kind == DiffKind::Added;
            line->setText(kNumber, number(onlyThere ? entry.numberB : entry.numberA));
            line->setTextAlignment(kNumber, Qt::AlignRight | Qt::AlignVCenter);
            line->setText(kName, QString::fromStdString(onlyThere ? entry.nameB : entry.nameA));
            line->setData(kNumber, kEntryRole, static_cast<qlonglong>(index));
            switch (entry.kind) {
            case DiffKind::Added:
                line->setText(kChange, tr("added"));
                line->setToolTip(
                    kChange, tr("Only in %1: the open file has no such channel").arg(m_otherName));
                for (const int column : {kNumber, kName, kChange}) {
                    line->setForeground(column, palette().brush(QPalette::PlaceholderText));
                }
                break;
            case DiffKind::Removed:
                line->setText(kChange, tr("removed"));
                line->setToolTip(
                    kChange, tr("Only in the open file: %1 has no such channel").arg(m_otherName));
                break;
            case DiffKind::Moved:
                line->setText(kChange, tr("moved → %1").arg(number(entry.numberB)));
                line->setToolTip(
                    kChange, tr("Number %1 here, %2 in %3")
                                 .arg(number(entry.numberA), number(entry.numberB), m_otherName));
                break;
            case DiffKind::Renamed:
                line->setText(kChange, tr("renamed → %1").arg(QString::fromStdString(entry.nameB)));
                line->setToolTip(
                    kChange,
                    tr("Named %1 in %2").arg(QString::fromStdString(entry.nameB), m_otherName));
                break;
            }
        }
        groups << top;
    }
    m_tree->addTopLevelItems(groups);
    for (QTreeWidgetItem* top : groups) {
        top->setFirstColumnSpanned(true);
    }
    m_tree->expandAll();
    // Room for five digits and for a name as long as most; the group titles span the row.
    m_tree->setColumnWidth(kNumber,
                           m_tree->fontMetrics().horizontalAdvance(QStringLiteral("000000")) +
                               m_tree->indentation());
    m_tree->setColumnWidth(kName,
                           m_tree->fontMetrics().horizontalAdvance(QStringLiteral("M")) * 14);
    m_tree->setUpdatesEnabled(true);
    m_tree->verticalScrollBar()->setValue(scrolled);
}

void CompareDock::OnItemChosen(QTreeWidgetItem* item)
{
    if (item == nullptr || m_model == nullptr) {
        return;
    }
    const qlonglong index = item->data(kNumber, kEntryRole).toLongLong();
    const std::vector<DiffEntry>& entries = m_model->diff().entries;
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) {
        return;
    }
    if (const auto target = m_model->TargetOf(entries.at(static_cast<std::size_t>(index)))) {
        emit channelChosen(target->list, target->row);
    }
}

} // namespace kx
