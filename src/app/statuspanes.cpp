#include "app/statuspanes.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "document/kanalyxdoc.h"
#include "gui/coretext.h"
#include "model/recordlayout.h"
#include "platform/strings.h"

namespace kx {

StatusPanes::StatusPanes(QMainWindow& window, const CKanalyxDoc& doc, QAction& show)
    : QObject(&window), m_doc(doc)
{
    QStatusBar* bar = window.statusBar();
    m_message = new QLabel(tr("Ready"), bar);
    m_message->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(m_message, 1);
    m_layout = new QLabel(bar);
    m_layout->setObjectName(QStringLiteral("layoutPane"));
    m_layout->setToolTip(tr("The record layout of the open file and the receivers that use it"));
    bar->addPermanentWidget(m_layout);
    const std::array<int, kCountPanes> samples = {ids::kPaneTV, ids::kPaneFM, ids::kPaneDTV,
                                                  ids::kPaneSatTV, ids::kPaneSatFM};
    for (std::size_t i = 0; i < m_counts.size(); ++i) {
        auto* pane = new QLabel(coreText(samples.at(i)), bar);
        pane->setObjectName(QStringLiteral("countPane%1").arg(i + 1));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setMinimumWidth(pane->sizeHint().width());
        // The sample text only sets the width: there is nothing to count before a file is open.
        pane->clear();
        pane->setAlignment(Qt::AlignCenter);
        bar->addPermanentWidget(pane);
        m_counts.at(i) = pane;
    }
    show.setChecked(true);
    connect(&show, &QAction::toggled, bar, &QWidget::setVisible);
    followDocument();
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
    return pane >= 1 && pane <= kCountPanes
               ? m_counts.at(static_cast<std::size_t>(pane - 1))->text()
               : QString();
}

void StatusPanes::followDocument()
{
    // The satellite counts show only for files with satellite channels.
    const bool satellite = m_doc.GetSatelliteLayout() != nullptr;
    m_counts.at(3)->setVisible(satellite);
    m_counts.at(4)->setVisible(satellite);

    const RecordLayout* layout = m_doc.Layout();
    if (!m_doc.OnUpdateFileCommand()) {
        m_layout->clear();
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
    if (pane >= 1 && pane <= kCountPanes) {
        m_counts.at(static_cast<std::size_t>(pane - 1))
            ->setText(m_doc.OnUpdateFileCommand() ? QString::fromStdString(text) : QString());
    }
}

} // namespace kx
