#include "app/statuspanes.h"

#include <algorithm>
#include <vector>

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "document/kanalyxdoc.h"
#include "model/recordlayout.h"
#include "platform/strings.h"
#include "views/listspec.h"

namespace kx {

StatusPanes::StatusPanes(QMainWindow& window, const CKanalyxDoc& doc, QAction& show)
    : QObject(&window), m_window(window), m_doc(doc)
{
    QStatusBar* bar = window.statusBar();
    m_message = new QLabel(tr("Ready"), bar);
    m_message->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(m_message, 1);
    m_layout = new QLabel(bar);
    m_layout->setObjectName(QStringLiteral("layoutPane"));
    m_layout->setToolTip(tr("The record layout of the open file and the receivers that use it"));
    bar->addPermanentWidget(m_layout);
    for (const ListKind kind : kListKinds) {
        paneOf(kind);
    }
    show.setChecked(true);
    connect(&show, &QAction::toggled, bar, &QWidget::setVisible);
    followDocument();
}

QLabel* StatusPanes::paneOf(ListKind kind)
{
    const ListSpec& spec = ListSpecOf(kind);
    const auto found = m_counts.find(spec.pane);
    if (found != m_counts.end()) {
        return found->second;
    }
    auto* pane = new QLabel(m_window.statusBar());
    pane->setObjectName(QStringLiteral("countPane%1").arg(spec.pane));
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Room for the widest count, though nothing is counted before a file is open.
    pane->setText(QString::fromStdString(spec.countPrefix) + QStringLiteral("00000"));
    pane->setMinimumWidth(pane->sizeHint().width());
    pane->clear();
    pane->setAlignment(Qt::AlignCenter);
    pane->setToolTip(QString::fromStdString(spec.name));
    m_window.statusBar()->addPermanentWidget(pane);
    m_counts.emplace(spec.pane, pane);
    return pane;
}

QString StatusPanes::messageText() const
{
    return m_message->text();
}

QString StatusPanes::layoutText() const
{
    return m_layout->text();
}

QString StatusPanes::countText(int pane) const
{
    const auto found = m_counts.find(pane);
    return found != m_counts.end() ? found->second->text() : QString();
}

void StatusPanes::followDocument()
{
    const bool globalClone = m_doc.Format() == FileFormat::GlobalClone;
    for (const ListKind kind : m_doc.Lists()) {
        paneOf(kind);
    }
    std::vector<int> shown;
    for (const ListKind kind : m_doc.Lists()) {
        shown.push_back(ListSpecOf(kind).pane);
    }
    if (!globalClone) {
        // The analog, radio and digital TV counts stay, as they always were.
        shown.insert(shown.end(), {1, 2, 3});
    }
    for (const auto& [pane, label] : m_counts) {
        label->setVisible(std::find(shown.begin(), shown.end(), pane) != shown.end());
    }

    const RecordLayout* layout = m_doc.Layout();
    if (!m_doc.OnUpdateFileCommand()) {
        m_layout->clear();
    } else if (globalClone) {
        m_layout->setText(tr("GlobalClone: %1").arg(QString::fromStdString(m_doc.ModelName())));
    } else if (layout == nullptr) {
        m_layout->setText(tr("Record size unknown"));
    } else {
        m_layout->setText(
            tr("%1-byte records: %2")
                .arg(layout->recordSize)
                .arg(QString::fromUtf8(layout->models.data(),
                                       static_cast<qsizetype>(layout->models.size()))));
    }
}

void StatusPanes::countPaneChanged(int pane, const std::string& text)
{
    // A list's pane is its kind's number plus one; a list new to the window gets its pane here.
    QLabel* label = paneOf(static_cast<ListKind>(pane - 1));
    label->setText(m_doc.OnUpdateFileCommand() ? QString::fromStdString(text) : QString());
}

} // namespace kx
