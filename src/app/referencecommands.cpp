#include "app/referencecommands.h"

#include <QDir>
#include <QFileInfo>
#include <QMainWindow>

#include "app/comparedock.h"
#include "app/errorbox.h"
#include "app/filecommands.h"
#include "dialogs/referencedlg.h"
#include "dialogs/referencedlgmodel.h"
#include "document/documentlists.h"
#include "document/kanalyxdoc.h"
#include "document/referencelist.h"
#include "gui/filedialogs.h"

namespace kx {

ReferenceCommands::ReferenceCommands(CKanalyxDoc& doc, const CodecSettings& codec,
                                     FileCommands& files, QMainWindow& window)
    : QObject(&window), m_doc(doc), m_codec(codec), m_files(files), m_window(window),
      m_dock(new CompareDock(doc, codec, &window))
{
    window.addDockWidget(Qt::RightDockWidgetArea, m_dock);
    m_dock->hide();
}

bool ReferenceCommands::before()
{
    if (m_before) {
        m_before();
    }
    return m_doc.OnUpdateFileCommand();
}

QString ReferenceCommands::chooseChannelFile(const QString& caption)
{
    return m_files.fileDialogs().openFile(
        &m_window, caption,
        tr("Channel lists and reference lists (*.tll *.TLL *.csv *.CSV)") + QStringLiteral(";;") +
            tr("Reference lists (*.csv *.CSV)") + QStringLiteral(";;") + tr("All Files (*)"));
}

void ReferenceCommands::OnApplyReference()
{
    if (!before()) {
        return;
    }
    const QString path = chooseChannelFile(tr("Apply Reference List"));
    if (path.isEmpty()) {
        return;
    }
    try {
        std::vector<bool> numberedInOrder;
        for (const ListKind kind : m_doc.Lists()) {
            numberedInOrder.push_back(!m_doc.KeepsPlaces(kind));
        }
        ReferenceDlgModel model(ChannelListsOf(m_doc, m_codec),
                                ReadReference(toPath(path), m_codec), std::move(numberedInOrder));
        CReferenceDlg dialog(model, m_files.documentTitle(), QFileInfo(path).fileName(), &m_window);
        if (dialog.exec() == QDialog::Accepted) {
            m_doc.ApplyReference(model.plan());
        }
    } catch (const std::exception& error) {
        ShowError(&m_window, tr("The reference list was not applied."), error);
    }
}

void ReferenceCommands::OnExportReference()
{
    if (!before()) {
        return;
    }
    // Beside the file, under its name: "xxLD750-ZA00001.csv".
    const QFileInfo file(fromPath(m_doc.GetPathName()));
    const QString proposed =
        m_doc.GetPathName().empty()
            ? QString()
            : file.dir().filePath(file.completeBaseName() + QStringLiteral(".csv"));
    const QString path = m_files.fileDialogs().saveFile(&m_window, tr("Export Reference List"),
                                                        tr("Reference lists (*.csv)"),
                                                        QStringLiteral("csv"), proposed);
    if (path.isEmpty()) {
        return;
    }
    try {
        WriteReferenceListFile(toPath(path), ChannelListsOf(m_doc, m_codec));
    } catch (const std::exception& error) {
        ShowError(&m_window, tr("The reference list could not be written."), error);
    }
}

void ReferenceCommands::OnCompare()
{
    if (!before()) {
        return;
    }
    const QString path = chooseChannelFile(tr("Compare Channels With"));
    if (path.isEmpty()) {
        return;
    }
    try {
        const bool first = !m_dockSized;
        m_dock->compareWith(ReadReference(toPath(path), m_codec), QFileInfo(path).fileName());
        if (first) {
            // Wide enough for a number, a name and what differs, the lists keep the rest.
            m_window.resizeDocks({m_dock},
                                 {m_dock->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 42},
                                 Qt::Horizontal);
            m_dockSized = true;
        }
    } catch (const std::exception& error) {
        ShowError(&m_window, tr("The channels could not be compared."), error);
    }
}

} // namespace kx
