#include "views/modulationtext.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace kx {
namespace {

class ModulationOnScreenCase : public ::testing::TestWithParam<std::pair<const char*, const char*>>
{};

TEST_P(ModulationOnScreenCase, ShowsOnlyModulations)
{
    const auto& [cell, shown] = GetParam();
    EXPECT_EQ(ModulationOnScreen(cell), shown);
}

// The cells as the records give them: code 5 of the 164-byte files is QAM64, 7 is QAM256; the
// 176-byte files hold the symbol rate's low byte there (6945 gives 0x21, 6900 gives 0xF4).
INSTANTIATE_TEST_SUITE_P(Cells, ModulationOnScreenCase,
                         ::testing::Values(std::pair{"QAM64", "QAM64"}, std::pair{"QAM4", "QAM4"},
                                           std::pair{"QAM256", "QAM256"}, std::pair{"QAM8", ""},
                                           std::pair{"QAM17179869184", ""}, std::pair{"QAM?", ""}));

} // namespace
} // namespace kx
