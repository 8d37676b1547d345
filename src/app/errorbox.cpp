#include "app/errorbox.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "gui/coretext.h"
#include "platform/strings.h"

namespace kx {

void ShowError(QWidget* parent, const QString& headline, const std::exception& error)
{
    QMessageBox box(QMessageBox::Warning, coreText(ids::kAppTitle), headline, QMessageBox::NoButton,
                    parent);
    box.setInformativeText(QString::fromUtf8(error.what()));
    box.addButton(QCoreApplication::translate("kx::ErrorBox", "OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace kx
