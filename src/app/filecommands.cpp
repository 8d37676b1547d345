#include "app/filecommands.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "app/errorbox.h"
#include "app/frameactions.h"
#include "app/overwriteprompt.h"
#include "app/settingsprofile.h"
#include "dialogs/importdlg.h"
#include "document/kanalyxdoc.h"
#include "gui/coretext.h"
#include "gui/filedialogs.h"
#include "platform/strings.h"

namespace kx {

std::filesystem::path toPath(const QString& path)
{
    return {QFile::encodeName(path).toStdString()};
}

QString fromPath(const std::filesystem::path& path)
{
    return QFile::decodeName(path.native().c_str());
}

FileCommands::FileCommands(CKanalyxDoc& doc, SettingsProfile& profile, FrameActions& actions,
                           QWidget& window)
    : QObject(&window), m_doc(doc), m_profile(profile), m_actions(actions), m_window(window),
      m_dialogs(std::make_unique<FileDialogs>())
{
    connect(&actions, &FrameActions::recentFileChosen, this, &FileCommands::OnOpenRecentFile);
    QAction* keepBackup = actions.action(CommandId::FileKeepBackup);
    keepBackup->setChecked(m_profile.keepsBackups());
    connect(keepBackup, &QAction::toggled, this,
            [this](bool keep) { m_profile.setKeepsBackups(keep); });
    updateRecentFileMenu();
}

FileCommands::~FileCommands() = default;

void FileCommands::setFileDialogs(std::unique_ptr<FileDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

void FileCommands::before()
{
    if (m_before) {
        m_before();
    }
}

QString FileCommands::documentTitle() const
{
    const std::filesystem::path& path = m_doc.GetPathName();
    return path.empty() ? tr("Untitled") : QFileInfo(fromPath(path)).fileName();
}

QList<QAction*> FileCommands::recentFileActions() const
{
    QList<QAction*> visible;
    if (m_actions.noRecentFile()->isVisible()) {
        visible << m_actions.noRecentFile();
    }
    for (QAction* recent : m_actions.recentFiles()) {
        if (recent->isVisible()) {
            visible << recent;
        }
    }
    return visible;
}

bool FileCommands::SaveModified()
{
    before();
    if (!m_doc.IsModified()) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, coreText(ids::kAppTitle),
                    tr("Save changes to %1?").arg(documentTitle()), QMessageBox::NoButton,
                    &m_window);
    QPushButton* save = box.addButton(tr("Save"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return OnFileSave();
    }
    return box.clickedButton() == discard;
}

bool FileCommands::open(const QString& path)
{
    before();
    try {
        m_doc.OnOpenDocument(toPath(path));
    } catch (const std::exception& error) {
        // The open document stays as it was.
        ShowError(&m_window, tr("The file could not be opened."), error);
        return false;
    }
    m_profile.addRecentFile(path);
    updateRecentFileMenu();
    emit documentNamed();
    showLoadWarnings();
    return true;
}

void FileCommands::showLoadWarnings()
{
    for (const LoadWarning& warning : m_doc.LoadWarnings()) {
        const QString text =
            warning.kind == LoadWarning::Kind::SatelliteFilled
                ? tr("The satellite block of this file has 0xFF in place of its header and "
                     "checksums. It is kept as it is and shows no satellite channels. Some "
                     "receivers are reported to reject such a file, even unchanged.")
                : tr("The satellite block of this file (%1 bytes) has a layout this editor does "
                     "not know. It is kept as it is and its channels are not shown.")
                      .arg(warning.size);
        QMessageBox::warning(&m_window, coreText(ids::kAppTitle), text);
    }
}

void FileCommands::OnFileOpen()
{
    if (!SaveModified()) {
        return;
    }
    // Binary files are named xx*.TLL, GlobalClone files GlobalClone00001.TLL; either is told by
    // its bytes, whatever its name.
    const QString path =
        m_dialogs->openFile(&m_window, tr("Open"),
                            tr("Channel lists (*.tll *.TLL)") + QStringLiteral(";;") +
                                tr("GlobalClone files (GlobalClone*.TLL)") + QStringLiteral(";;") +
                                tr("All Files (*)"));
    if (!path.isEmpty()) {
        open(path);
    }
}

void FileCommands::OnOpenRecentFile(int index)
{
    const QStringList files = m_profile.recentFiles();
    if (index >= files.size() || !SaveModified()) {
        return;
    }
    const QString& path = files.at(index);
    if (!open(path)) {
        // A file that cannot be opened any more leaves the list.
        m_profile.removeRecentFile(path);
        updateRecentFileMenu();
    }
}

bool FileCommands::OnFileSave()
{
    before();
    if (!m_doc.OnUpdateFileCommand()) {
        return false;
    }
    if (m_doc.GetPathName().empty()) {
        return OnFileSaveAs();
    }
    return saveAs(fromPath(m_doc.GetPathName()));
}

bool FileCommands::OnFileSaveAs()
{
    before();
    if (!m_doc.OnUpdateFileCommand()) {
        return false;
    }
    const QString path = m_dialogs->saveFile(&m_window, tr("Save As"), tr("Kanalyx Files (*.tll)"),
                                             QStringLiteral("tll"), fromPath(m_doc.GetPathName()));
    return !path.isEmpty() && saveAs(path);
}

bool FileCommands::saveAs(const QString& path)
{
    if (!ConfirmSaveOverChanges(&m_window, m_doc, path)) {
        return false;
    }
    try {
        m_doc.OnSaveDocument(toPath(path), m_profile.keepsBackups());
    } catch (const std::exception& error) {
        ShowError(&m_window, tr("The file could not be saved."), error);
        return false;
    }
    m_profile.addRecentFile(path);
    updateRecentFileMenu();
    emit documentNamed();
    return true;
}

void FileCommands::OnFileRevert()
{
    before();
    if (!m_doc.OnUpdateFileCommand() || m_doc.GetPathName().empty()) {
        return;
    }
    if (m_doc.IsModified()) {
        QMessageBox box(QMessageBox::Warning, coreText(ids::kAppTitle),
                        tr("Revert %1 to the saved file?").arg(documentTitle()),
                        QMessageBox::NoButton, &m_window);
        box.setInformativeText(tr("Every change since it was opened or saved is lost, and "
                                  "cannot be undone."));
        QPushButton* revert = box.addButton(tr("Revert"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() != revert) {
            return;
        }
    }
    // A file that cannot be read any more is reported, and the document stays.
    open(fromPath(m_doc.GetPathName()));
}

void FileCommands::OnOpenBackup()
{
    before();
    if (!m_doc.OnUpdateFileCommand() || m_doc.GetPathName().empty()) {
        return;
    }
    const QString backup = fromPath(CKanalyxDoc::BackupPathOf(m_doc.GetPathName()));
    if (SaveModified()) {
        open(backup);
    }
}

void FileCommands::OnFileImport()
{
    before();
    if (!m_doc.OnUpdateFileCommand()) {
        return;
    }
    if (!m_doc.CanImport()) {
        QMessageBox box(QMessageBox::Information, coreText(ids::kAppTitle),
                        tr("Nothing was imported."), QMessageBox::Ok, &m_window);
        box.setInformativeText(coreText(ids::kWhyNoImport));
        box.exec();
        return;
    }
    const QString path = m_dialogs->openFile(&m_window, tr("Import"), tr("TLL file(*.tll)"));
    if (path.isEmpty()) {
        return;
    }
    CImportDlg dialog(&m_window, m_doc.GetSatelliteLayout() != nullptr);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    try {
        m_doc.OnFileImport(toPath(path), dialog.choice());
    } catch (const std::exception& error) {
        ShowError(&m_window, tr("Nothing was imported."), error);
    }
}

void FileCommands::OnFileExport()
{
    before();
    if (!m_doc.OnUpdateFileCommand()) {
        return;
    }
    const QString path =
        m_dialogs->saveFile(&m_window, tr("Export"), tr("Excel file(*.xls)"), QString(), QString());
    if (path.isEmpty()) {
        return;
    }
    try {
        m_doc.OnFileExport(toPath(path));
    } catch (const std::exception& error) {
        ShowError(&m_window, tr("The channels could not be exported."), error);
    }
}

void FileCommands::updateRecentFileMenu()
{
    const QStringList files = m_profile.recentFiles();
    for (int i = 0; i < FrameActions::kRecentFileCount; ++i) {
        QAction* recent = m_actions.recentFiles().at(static_cast<std::size_t>(i));
        const bool used = i < files.size();
        recent->setVisible(used);
        if (used) {
            const QString shown = m_window.fontMetrics().elidedText(
                QDir::toNativeSeparators(files.at(i)), Qt::ElideMiddle, 400);
            recent->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
            recent->setStatusTip(tr("Open this document"));
        }
    }
    m_actions.noRecentFile()->setVisible(files.isEmpty());
}

} // namespace kx
