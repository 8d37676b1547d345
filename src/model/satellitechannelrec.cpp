#include "model/satellitechannelrec.h"

#include <cassert>
#include <utility>

#include "platform/littleendian.h"

namespace kx {

SatelliteChannelRec::SatelliteChannelRec(const RecordLayout& layout,
                                         std::shared_ptr<const SatelliteTables> tables)
    : m_layout(&layout), m_tables(std::move(tables))
{
    assert(layout.recordSize <= m_raw.size());
}

std::unique_ptr<CChannelRec> SatelliteChannelRec::Clone() const
{
    auto copy = std::make_unique<SatelliteChannelRec>(*m_layout, m_tables);
    copy->m_raw = m_raw;
    copy->copyKindFrom(*this);
    return copy;
}

const SatelliteTransponder* SatelliteChannelRec::transponder() const
{
    const std::size_t offset = m_layout->transponderIndex;
    if (m_tables == nullptr || offset == kNoField) {
        return nullptr;
    }
    const auto slot = readLittleEndian(raw().subspan(offset, 2));
    if (slot >= m_tables->transponders.size()) {
        return nullptr;
    }
    const SatelliteTransponder& found = m_tables->transponders[slot];
    return found.satellite >= 0 ? &found : nullptr;
}

const SatelliteEntry* SatelliteChannelRec::satelliteEntry() const
{
    const SatelliteTransponder* tp = transponder();
    const auto index = tp != nullptr ? static_cast<std::size_t>(tp->satellite) : 0;
    return tp != nullptr && index < m_tables->satellites.size() ? &m_tables->satellites[index]
                                                                : nullptr;
}

std::optional<int> SatelliteChannelRec::GetOnid() const
{
    const SatelliteTransponder* tp = transponder();
    return tp != nullptr ? std::optional<int>(tp->onid) : std::nullopt;
}

std::optional<int> SatelliteChannelRec::GetTsid() const
{
    const SatelliteTransponder* tp = transponder();
    return tp != nullptr ? std::optional<int>(tp->tsid) : std::nullopt;
}

std::optional<std::int64_t> SatelliteChannelRec::GetFrequencyKHz() const
{
    const SatelliteTransponder* tp = transponder();
    if (tp == nullptr || tp->frequencyMHz == 0) {
        return std::nullopt;
    }
    return std::int64_t{tp->frequencyMHz} * 1000;
}

std::string SatelliteChannelRec::GetSatelliteText() const
{
    const SatelliteEntry* entry = satelliteEntry();
    return entry != nullptr ? entry->position : std::string();
}

std::string SatelliteChannelRec::GetSatelliteName() const
{
    const SatelliteEntry* entry = satelliteEntry();
    return entry != nullptr ? entry->name : std::string();
}

std::optional<char> SatelliteChannelRec::GetPolarisation() const
{
    const SatelliteTransponder* tp = transponder();
    return tp != nullptr ? std::optional<char>(tp->polarisation) : std::nullopt;
}

} // namespace kx
