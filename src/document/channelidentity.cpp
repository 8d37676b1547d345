#include "document/channelidentity.h"

#include <cstdlib>

namespace kx {

ChannelKind KindOf(const ChannelIdentity& id) noexcept
{
    if (id.analog) {
        return ChannelKind::Analog;
    }
    if (id.source == SignalSource::DvbS) {
        return id.radio ? ChannelKind::SatelliteRadio : ChannelKind::SatelliteTV;
    }
    return id.radio ? ChannelKind::Radio : ChannelKind::TV;
}

std::string SatellitePositionText(int tenthsEast)
{
    const int tenths = std::abs(tenthsEast);
    return std::to_string(tenths / 10) + '.' + std::to_string(tenths % 10) +
           (tenthsEast < 0 ? 'W' : 'E');
}

} // namespace kx
