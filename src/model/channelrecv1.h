#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "model/layoutchannelrec.h"
#include "model/recordlayout.h"

namespace kx {

// The channel record of files of variant 1: 164 bytes per channel, the same layout for analog,
// radio and digital TV channels. The bytes start zero-filled until a read or Clone fills them.
class CChannelRecV1 final : public LayoutChannelRec
{
public:
    static constexpr std::size_t kRecordSize = kLayoutV1.recordSize;

    std::unique_ptr<CChannelRec> Clone() const override;
    std::span<std::uint8_t> raw() override { return m_raw; }
    std::span<const std::uint8_t> raw() const override { return m_raw; }
    const RecordLayout& layout() const override { return kLayoutV1; }

private:
    std::array<std::uint8_t, kRecordSize> m_raw{};
};

} // namespace kx
