#pragma once

#include <QString>

namespace kx {

// Registers the ".tll" file type for the current user the freedesktop way: a shared-mime-info
// package (mime/packages/kanalyx.xml), a desktop entry (applications/kanalyx.desktop) that opens
// the files with this executable, and the program's icon, all under dataHome (normally
// ~/.local/share). Files already holding the right content are left alone. Only for a copy that
// was not installed from a package, and only when the user asks for it.
class FileTypeRegistration
{
public:
    static constexpr const char* kMimeType = "application/x-kanalyx-tll";

    enum class Outcome
    {
        Written,      // a file was missing or out of date and was written
        AlreadyThere, // every file held the right content already
        Failed,       // a file could not be written
    };

    // Writes whatever is missing or out of date.
    static Outcome registerForUser(const QString& dataHome, const QString& executable);

    // `kanalyx --register-file-type`: registers the running executable for the current user in
    // the user's data folder (normally ~/.local/share) and says so on standard output; returns
    // the exit code. Needs a QCoreApplication, not a display. An installed package registers the
    // file type for every user instead, so the editor never does it by itself.
    static int registerFromCommandLine();

    // Asks the desktop's tools to re-read the mime and desktop databases under dataHome, without
    // waiting and without output; a missing tool is ignored.
    static void refreshDatabases(const QString& dataHome);

    // The desktop entry's text for an executable path.
    static QString desktopEntry(const QString& executable);
    static QString mimePackage();
};

} // namespace kx
