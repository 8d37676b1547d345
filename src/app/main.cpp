#include <QApplication>

#include "app/kanalyxapp.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Velto"));
    QApplication::setApplicationName(QStringLiteral("Kanalyx"));

    kx::CKanalyxApp app(QCoreApplication::applicationDirPath());
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments)) {
        return 1;
    }
    return QApplication::exec();
}
