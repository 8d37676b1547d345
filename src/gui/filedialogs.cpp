#include "gui/filedialogs.h"

#include <QFileDialog>

namespace kx {

QString FileDialogs::openFile(QWidget* parent, const QString& caption, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString FileDialogs::saveFile(QWidget* parent, const QString& caption, const QString& filter,
                              const QString& defaultSuffix, const QString& proposedPath)
{
    QFileDialog dialog(parent, caption, proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (!proposedPath.isEmpty()) {
        dialog.selectFile(proposedPath);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace kx
