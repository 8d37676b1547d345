#pragma once

#include <string_view>

namespace kx {

// The modulation cell as the lists show it on screen. The cells keep the text that the
// command-line tool prints ("QAM" and 2 to the power of the code + 1), which for a code that is no
// modulation is a number of no use, or "QAM?"; on screen only the modulations that the receivers'
// cable and antenna tuners use (QAM4, that is QPSK, and QAM16 to QAM256) are shown, anything else
// is an empty cell. In the 176-byte records the byte read as the code is the low byte of the
// symbol rate, so their cells are empty.
std::string_view ModulationOnScreen(std::string_view cellText);

} // namespace kx
