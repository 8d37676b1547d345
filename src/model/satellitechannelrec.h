#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "model/layoutchannelrec.h"
#include "model/recordlayout.h"
#include "model/satellitetables.h"

namespace kx {

// A channel record of a DVB-S block: the record's bytes, plus the block's transponder and
// satellite tables, through which the record's transponder slot gives its network, transport
// stream, frequency, polarisation and satellite. Without tables those read as unknown.
class SatelliteChannelRec final : public LayoutChannelRec
{
public:
    SatelliteChannelRec(const RecordLayout& layout, std::shared_ptr<const SatelliteTables> tables);

    std::unique_ptr<CChannelRec> Clone() const override;
    std::span<std::uint8_t> raw() override { return {m_raw.data(), m_layout->recordSize}; }
    std::span<const std::uint8_t> raw() const override
    {
        return {m_raw.data(), m_layout->recordSize};
    }
    const RecordLayout& layout() const override { return *m_layout; }

    std::optional<int> GetOnid() const override;
    std::optional<int> GetTsid() const override;
    std::optional<std::int64_t> GetFrequencyKHz() const override;
    std::string GetSatelliteText() const override;
    std::string GetSatelliteName() const override;
    std::optional<char> GetPolarisation() const override;

private:
    // The record's transponder where the tables list it under a satellite, else null.
    const SatelliteTransponder* transponder() const;
    const SatelliteEntry* satelliteEntry() const;

    const RecordLayout* m_layout;
    std::shared_ptr<const SatelliteTables> m_tables;
    std::array<std::uint8_t, kLargestSatelliteRecordSize> m_raw{};
};

} // namespace kx
