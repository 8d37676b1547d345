#include "guitestsupport.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QSettings>
#include <QTimer>
#include <QWidget>

namespace kx::guitest {

void clearSettings()
{
    QSettings settings(QStringLiteral("Velto"), QStringLiteral("Kanalyx"));
    settings.clear();
    settings.sync();
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString realDataDir()
{
    const QDir dir(QStringLiteral(KANALYX_REALDATA_DIR));
    return dir.exists() ? dir.absolutePath() : QString();
}

void handleNextModal(std::function<void(QWidget*)> handle)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, handle = std::move(handle)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        handle(modal);
        if (modal->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                dialog->reject();
            } else {
                modal->close();
            }
        }
    });
    timer->start();
}

} // namespace kx::guitest
