#pragma once

#include <filesystem>
#include <string>

namespace kx::test {

// The folder of channel lists exported by real TVs, beside the project (../shared/realdata), or
// an empty path when it is absent (a user's clone has none).
std::filesystem::path realDataDir();

// The path of one real file; calls GTEST_SKIP-style reporting is left to the caller, see
// KX_REQUIRE_REALDATA.
std::filesystem::path realDataFile(const std::string& name);

// The independent reference list exported for the real file with this stem (a CSV named
// <stem>.csv.in in a sub-folder of the real-data folder), or an empty path when there is none.
std::filesystem::path referenceListFile(const std::string& stem);

} // namespace kx::test

// Skips the current test, visibly, when the real-data folder is absent.
#define KX_REQUIRE_REALDATA()                                                                      \
    do {                                                                                           \
        if (::kx::test::realDataDir().empty()) {                                                   \
            GTEST_SKIP() << "real TV files not found (expected beside the project in "             \
                            "../shared/realdata)";                                                 \
        }                                                                                          \
    } while (false)
