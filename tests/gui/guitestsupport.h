#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace kx::guitest {

// Removes every value the editor stored under "Velto"/"Kanalyx" (the tests' own settings folder).
void clearSettings();

// The folder of the test programs, where the build puts libpelmora.so beside them.
QString programFolder();

// The folder of channel lists exported by real TVs, or an empty string when it is absent.
QString realDataDir();

// Runs handle on the next modal dialog as soon as it is shown (the event loop of the dialog
// calls it), then closes the dialog if handle left it open. Returns at once; the dialog is
// opened afterwards by the code under test.
void handleNextModal(std::function<void(QWidget*)> handle);

} // namespace kx::guitest

// Skips the current test, visibly, when the real TV files are absent.
#define KX_REQUIRE_REALDATA_QT()                                                                   \
    do {                                                                                           \
        if (::kx::guitest::realDataDir().isEmpty()) {                                              \
            QSKIP("real TV files not found (expected beside the project in ../shared/realdata)");  \
        }                                                                                          \
    } while (false)
