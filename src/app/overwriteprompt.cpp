#include "app/overwriteprompt.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "document/kanalyxdoc.h"
#include "platform/strings.h"

namespace kx {

bool ConfirmSaveOverChanges(QWidget* parent, const CKanalyxDoc& doc, const QString& path)
{
    if (!doc.WouldOverwriteChanges(QFile::encodeName(path).toStdString())) {
        return true;
    }
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(Strings::text(ids::kAppTitle)),
                    QCoreApplication::translate(
                        "OverwritePrompt",
                        "%1 was changed by another program since it was opened or saved here. "
                        "Overwrite it with this window's lists? The other changes would be lost.")
                        .arg(QFileInfo(path).fileName()),
                    QMessageBox::NoButton, parent);
    QPushButton* overwrite = box.addButton(
        QCoreApplication::translate("OverwritePrompt", "Overwrite"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QCoreApplication::translate("OverwritePrompt", "Cancel"),
                                        QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == overwrite;
}

} // namespace kx
