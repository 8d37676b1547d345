#pragma once

#include <cstdint>

namespace kx {

// Where a channel is received, as far as its record says. Reference lists, matching and diffs
// compare it as part of a channel's identity; Unknown is a source this program cannot tell (a
// receiver's value it does not know) and equals only Unknown.
enum class SignalSource : std::uint8_t
{
    Unknown,
    AnalogAntenna,
    AnalogCable,
    DvbT,
    DvbC,
    DvbS,
};

} // namespace kx
