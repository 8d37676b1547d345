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

} // namespace kx::test

// Skips the current test, visibly, when the real-data folder is absent.
#define KX_REQUIRE_REALDATA()                                                                      \
    do {                                                                                           \
        if (::kx::test::realDataDir().empty()) {                                                   \
            GTEST_SKIP() << "real TV files not found (expected beside the project in "             \
                            "../shared/realdata)";                                                 \
        }                                                                                          \
    } while (false)
