#include <cstdio>
#include <cstring>

#include <QApplication>

#include "app/filetyperegistration.h"
#include "app/kanalyxapp.h"

namespace {

constexpr const char* kUsage =
    "Usage: kanalyx [FILE.tll]\n"
    "Opens the channel-list editor, on FILE.tll when it is given.\n"
    "\n"
    "  --register-file-type  register the .tll file type and this program's desktop entry for\n"
    "                        the current user (in ~/.local/share), then end; a copy installed\n"
    "                        from a package needs no registration\n"
    "  -h, --help            show this text and end\n"
    "  --version             show the version and end\n";

void nameTheApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Velto"));
    QCoreApplication::setApplicationName(QStringLiteral("Kanalyx"));
}

} // namespace

int main(int argc, char* argv[])
{
    // These options end the program at once: they open no window and need no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("kanalyx " KANALYX_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--register-file-type") == 0) {
            const QCoreApplication application(argc, argv);
            nameTheApplication();
            return kx::FileTypeRegistration::registerFromCommandLine();
        }
    }

    QApplication application(argc, argv);
    nameTheApplication();

    kx::CKanalyxApp app(QCoreApplication::applicationDirPath());
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments)) {
        return 1;
    }
    return QApplication::exec();
}
