#pragma once

#include <QString>

namespace kx {

// Registers the ".tll" file type for the current user the freedesktop way: a shared-mime-info
// package (mime/packages/kanalyx.xml), a desktop entry (applications/kanalyx.desktop) that opens
// the files with this executable, and the program's icon, all under dataHome (normally
// ~/.local/share). Files already holding the right content are left alone.
class FileTypeRegistration
{
public:
    static constexpr const char* kMimeType = "application/x-kanalyx-tll";

    // Writes whatever is missing or out of date; returns true when a file was written. Failures
    // are silent: the editor works without the registration.
    static bool registerForUser(const QString& dataHome, const QString& executable);

    // Asks the desktop's tools to re-read the mime and desktop databases under dataHome, without
    // waiting and without output; a missing tool is ignored.
    static void refreshDatabases(const QString& dataHome);

    // The desktop entry's text for an executable path.
    static QString desktopEntry(const QString& executable);
    static QString mimePackage();
};

} // namespace kx
