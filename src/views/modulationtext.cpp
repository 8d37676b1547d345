#include "views/modulationtext.h"

#include <algorithm>
#include <array>

namespace kx {

std::string_view ModulationOnScreen(std::string_view cellText)
{
    static constexpr std::array<std::string_view, 6> kModulations = {"QAM4",  "QAM16",  "QAM32",
                                                                     "QAM64", "QAM128", "QAM256"};
    const bool known =
        std::find(kModulations.begin(), kModulations.end(), cellText) != kModulations.end();
    return known ? cellText : std::string_view();
}

} // namespace kx
