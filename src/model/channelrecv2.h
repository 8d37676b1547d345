#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "model/layoutchannelrec.h"
#include "model/recordlayout.h"

namespace kx {

// The channel record of files of variant 2 (those that start with the magic 0x5A5A5A5A): 176 bytes
// per channel. The bytes start zero-filled until a read or Clone fills them.
class CChannelRecV2 final : public LayoutChannelRec
{
public:
    static constexpr std::size_t kRecordSize = kLayoutV2.recordSize;

    std::unique_ptr<CChannelRec> Clone() const override;
    std::span<std::uint8_t> raw() override { return m_raw; }
    std::span<const std::uint8_t> raw() const override { return m_raw; }
    const RecordLayout& layout() const override { return kLayoutV2; }

private:
    std::array<std::uint8_t, kRecordSize> m_raw{};
};

} // namespace kx
