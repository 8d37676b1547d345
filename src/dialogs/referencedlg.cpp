#include "dialogs/referencedlg.h"

#include <algorithm>

#include <QButtonGroup>
#include <QColor>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/referencedlgmodel.h"
#include "gui/listtitle.h"

namespace kx {

namespace {

// The dialog's width and height when it opens, in pixels.
constexpr QSize kFirstSize{700, 620};

QTableWidget* makeTable(const QStringList& headers, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    // Rows as high as a line of text, so that many channels show at once.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

QTableWidgetItem* cell(const QString& text, bool number = false)
{
    auto* item = new QTableWidgetItem(text);
    if (number) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

QTableWidgetItem* cell(int value)
{
    return cell(QString::number(value), true);
}

} // namespace

CReferenceDlg::CReferenceDlg(ReferenceDlgModel& model, const QString& fileName,
                             const QString& referenceName, QWidget* parent)
    : QDialog(parent), m_model(model),
      m_lists(makeTable({tr("List"), tr("Channels"), tr("By identity"), tr("By name"),
                         tr("Not in the reference")},
                        this)),
      m_unmatched(makeTable({tr("List"), tr("No."), tr("Name"), tr("After applying")}, this)),
      m_unmatchedTitle(new QLabel(this)),
      m_keep(new QRadioButton(tr("&Keep them, after the matched channels"), this)),
      m_delete(new QRadioButton(tr("&Delete them"), this)), m_note(new QLabel(this))
{
    setObjectName(QStringLiteral("CReferenceDlg"));
    setWindowTitle(tr("Apply Reference List"));
    m_lists->setObjectName(QStringLiteral("lists"));
    m_unmatched->setObjectName(QStringLiteral("unmatched"));
    m_keep->setObjectName(QStringLiteral("keep"));
    m_delete->setObjectName(QStringLiteral("delete"));
    m_note->setObjectName(QStringLiteral("note"));
    m_note->setWordWrap(true);

    auto* intro = new QLabel(
        tr("The channels of <b>%1</b> that <b>%2</b> holds as well take their numbers and their "
           "order from it. A channel is matched by its service (the network, stream and service "
           "ids, for satellite channels the satellite, for analog channels the frequency), or "
           "else by its name, where that name is unique on both sides.")
            .arg(fileName.toHtmlEscaped(), referenceName.toHtmlEscaped()),
        this);
    intro->setWordWrap(true);
    m_lists->horizontalHeaderItem(2)->setToolTip(
        tr("Channels of the same service in the reference"));
    m_lists->horizontalHeaderItem(3)->setToolTip(
        tr("Channels without a matching service whose name the reference holds once"));
    m_lists->horizontalHeaderItem(4)->setToolTip(
        tr("Channels the reference does not hold; listed below"));

    auto* choice = new QButtonGroup(this);
    choice->addButton(m_keep);
    choice->addButton(m_delete);
    (m_model.choice() == UnmatchedRows::Delete ? m_delete : m_keep)->setChecked(true);
    connect(m_delete, &QRadioButton::toggled, this, [this](bool deleting) {
        m_model.setChoice(deleting ? UnmatchedRows::Delete : UnmatchedRows::Keep);
        fillUnmatched();
        showNote();
    });
    m_unmatchedBox = new QGroupBox(this);
    QGroupBox* unmatched = m_unmatchedBox;
    auto* choices = new QHBoxLayout;
    choices->addWidget(m_keep);
    choices->addWidget(m_delete);
    choices->addStretch();
    auto* unmatchedLayout = new QVBoxLayout(unmatched);
    unmatchedLayout->addWidget(m_unmatchedTitle);
    unmatchedLayout->addLayout(choices);
    unmatchedLayout->addWidget(m_unmatched);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* apply = buttons->addButton(tr("Apply"), QDialogButtonBox::AcceptRole);
    apply->setObjectName(QStringLiteral("apply"));
    apply->setDefault(true);
    apply->setFocus();
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_lists);
    layout->addWidget(unmatched, 1);
    layout->addWidget(m_note);
    layout->addWidget(buttons);

    fillLists();
    fillUnmatched();
    showNote();
    if (m_model.unmatchedCount() > 0) {
        resize(kFirstSize);
    } else {
        // Nothing to list: as high as the counts and the notes.
        layout->setStretchFactor(unmatched, 0);
        resize(kFirstSize.width(), sizeHint().height());
    }
}

void CReferenceDlg::fillLists()
{
    const std::vector<ReferenceDlgModel::ListRow> lists = m_model.lists();
    m_lists->setRowCount(static_cast<int>(lists.size()));
    for (int row = 0; row < m_lists->rowCount(); ++row) {
        const ReferenceDlgModel::ListRow& list = lists.at(static_cast<std::size_t>(row));
        QTableWidgetItem* title = cell(ListTitle(list.list));
        if (!list.paired) {
            title->setToolTip(tr("The reference has no channels of this list's kind: the list "
                                 "stays as it is"));
        }
        m_lists->setItem(row, 0, title);
        m_lists->setItem(row, 1, cell(list.channels));
        m_lists->setItem(row, 2, cell(list.byIdentity));
        m_lists->setItem(row, 3, cell(list.byName));
        m_lists->setItem(row, 4, cell(list.unmatched));
    }
    // The list's title takes the room the counts leave.
    QHeaderView* header = m_lists->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    m_lists->setSelectionMode(QAbstractItemView::NoSelection);
    m_lists->setFocusPolicy(Qt::NoFocus);
    // As high as its rows, so that the unmatched channels get the rest.
    int height = m_lists->horizontalHeader()->sizeHint().height() + 2 * m_lists->frameWidth();
    for (int row = 0; row < m_lists->rowCount(); ++row) {
        height += m_lists->rowHeight(row);
    }
    m_lists->setFixedHeight(height);
    m_lists->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CReferenceDlg::fillUnmatched()
{
    const std::vector<ReferenceDlgModel::UnmatchedRow> rows = m_model.unmatched();
    m_unmatchedBox->setTitle(
        tr("Channels the reference does not hold: %1").arg(static_cast<int>(rows.size())));
    m_unmatchedTitle->setText(tr("The reference holds every channel of the file."));
    m_unmatchedTitle->setVisible(rows.empty());
    m_unmatched->setUpdatesEnabled(false);
    m_unmatched->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < m_unmatched->rowCount(); ++row) {
        const ReferenceDlgModel::UnmatchedRow& channel = rows.at(static_cast<std::size_t>(row));
        m_unmatched->setItem(row, 0, cell(ListTitle(channel.list)));
        m_unmatched->setItem(row, 1, cell(channel.number));
        m_unmatched->setItem(row, 2, cell(QString::fromStdString(channel.name)));
        QTableWidgetItem* fate = nullptr;
        switch (channel.fate) {
        case ReferenceDlgModel::Fate::Kept:
            fate = cell(tr("Kept as number %1").arg(channel.newNumber));
            break;
        case ReferenceDlgModel::Fate::Deleted:
            fate = cell(tr("Deleted"));
            fate->setForeground(QColor(0xB0, 0x00, 0x00));
            break;
        case ReferenceDlgModel::Fate::Unchanged:
            fate = cell(tr("Stays as it is"));
            fate->setToolTip(tr("The reference has no channels of its kind"));
            break;
        }
        m_unmatched->setItem(row, 3, fate);
    }
    m_unmatched->resizeColumnToContents(0);
    m_unmatched->resizeColumnToContents(1);
    m_unmatched->setColumnWidth(2, std::max(m_unmatched->columnWidth(2), 200));
    m_unmatched->horizontalHeader()->setStretchLastSection(true);
    m_unmatched->setUpdatesEnabled(true);
    m_keep->setVisible(!rows.empty());
    m_delete->setVisible(!rows.empty());
    m_unmatched->setVisible(!rows.empty());
}

void CReferenceDlg::showNote()
{
    QStringList notes;
    if (m_model.changesNothing()) {
        notes << tr("The lists follow the reference already: applying it changes nothing.");
    }
    const int deleted = m_model.deletedCount();
    if (deleted > 0) {
        notes << tr("Channels deleted on Apply: %1. Undo brings them back.").arg(deleted);
    }
    if (!m_model.changesNothing()) {
        notes << tr("Channels that get another number: %1.").arg(m_model.changedNumberCount());
    }
    int renumbered = 0;
    for (const ReferenceDlgModel::ListRow& list : m_model.lists()) {
        renumbered += list.renumbered;
    }
    if (renumbered > 0) {
        notes << tr("Channels numbered after the highest, as the reference gives their number "
                    "to another channel as well: %1.")
                     .arg(renumbered);
    }
    m_note->setText(notes.join(QLatin1Char('\n')));
    m_note->setVisible(!notes.isEmpty());
}

} // namespace kx
