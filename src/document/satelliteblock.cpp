#include "document/satelliteblock.h"

#include <algorithm>
#include <cstring>

#include "model/channelrec.h"
#include "model/layoutchannelrec.h"
#include "model/recordlayout.h"
#include "platform/crc32.h"
#include "platform/littleendian.h"

namespace kx {

namespace {

// The channel part: a header, then the bitmap of slots in use (padded to whole 4-byte words),
// then a link of 8 bytes per slot, then the records.
constexpr std::size_t kChannelHeaderSize = 12;
constexpr std::size_t kLinkSize = 8;

// Checked on the real files of each family: the checksums cut the blocks into these parts.
// clang-format off
constexpr SatelliteLayout kSatelliteLayouts[] = {
    {"CS, LK950S, LM340S, LM611S, LV, LW", 687880, {12, 2896, 110712, 572472, 1768}, 7520, &kSatellite68},
    {"LM, LS, PM", 717960, {12, 2896, 110712, 602552, 1768}, 7520, &kSatellite72},
    {"LN5406", 629932, {12, 2896, 120312, 504764, 1928}, 6000, &kSatellite76},
    {"LP", 757800, {12, 2896, 120312, 632632, 1928}, 7520, &kSatellite76LP},
    {"LA, LN5758", 907336, {12, 3152, 149112, 752952, 2088}, 7520, &kSatellite92},
};
// clang-format on

std::size_t bitmapSize(const SatelliteLayout& layout)
{
    return (std::size_t{layout.channelCapacity} / 8 + 3) / 4 * 4;
}

std::span<const std::uint8_t> partBytes(std::span<const std::uint8_t> block,
                                        const SatelliteLayout& layout, std::size_t part)
{
    return block.subspan(SatellitePartOffset(layout, part) + 4, layout.partSizes[part]);
}

} // namespace

const SatelliteLayout* FindSatelliteLayout(std::uint32_t blockSize)
{
    for (const SatelliteLayout& layout : kSatelliteLayouts) {
        if (layout.blockSize == blockSize) {
            return &layout;
        }
    }
    return nullptr;
}

std::string_view SatellitePartName(std::size_t part)
{
    constexpr std::string_view kNames[kSatellitePartCount] = {"header", "satellites",
                                                              "transponders", "channels", "LNBs"};
    return part < kSatellitePartCount ? kNames[part] : std::string_view("?");
}

std::size_t SatellitePartOffset(const SatelliteLayout& layout, std::size_t part)
{
    std::size_t offset = 0;
    for (std::size_t i = 0; i < part; ++i) {
        offset += 4 + layout.partSizes[i];
    }
    return offset;
}

std::size_t SatelliteRecordsOffset(const SatelliteLayout& layout)
{
    return SatellitePartOffset(layout, kSatelliteChannelPart) + 4 + kChannelHeaderSize +
           bitmapSize(layout) + std::size_t{layout.channelCapacity} * kLinkSize;
}

bool LooksLikeSatelliteBlock(std::span<const std::uint8_t> block)
{
    return block.size() >= 4 + kSatelliteTag.size() &&
           std::memcmp(block.data() + 4, kSatelliteTag.data(), kSatelliteTag.size()) == 0;
}

int FirstBadSatelliteChecksum(std::span<const std::uint8_t> block, const SatelliteLayout& layout)
{
    for (std::size_t part = 0; part < kSatellitePartCount; ++part) {
        const std::uint32_t stored =
            readLittleEndian(block.subspan(SatellitePartOffset(layout, part), 4));
        if (stored != ~crc32(partBytes(block, layout, part))) {
            return static_cast<int>(part);
        }
    }
    return -1;
}

void UpdateSatelliteChecksums(std::span<std::uint8_t> block, const SatelliteLayout& layout)
{
    for (std::size_t part = 0; part < kSatellitePartCount; ++part) {
        writeLittleEndian(block.subspan(SatellitePartOffset(layout, part), 4),
                          ~crc32(partBytes(block, layout, part)));
    }
}

std::vector<std::unique_ptr<CChannelRec>> ReadSatelliteChannels(std::span<const std::uint8_t> block,
                                                                const SatelliteLayout& layout)
{
    const std::size_t bitmap =
        SatellitePartOffset(layout, kSatelliteChannelPart) + 4 + kChannelHeaderSize;
    const std::size_t records = SatelliteRecordsOffset(layout);
    const std::size_t recordSize = layout.record->recordSize;
    std::vector<std::unique_ptr<CChannelRec>> channels;
    for (std::uint32_t slot = 0; slot < layout.channelCapacity; ++slot) {
        if ((block[bitmap + slot / 8] & (1U << (slot % 8))) == 0) {
            continue;
        }
        auto record = NewChannelRec(*layout.record);
        const auto bytes = block.subspan(records + slot * recordSize, recordSize);
        std::copy(bytes.begin(), bytes.end(), record->raw().begin());
        record->ClassifyKind();
        record->m_slot = slot;
        channels.push_back(std::move(record));
    }
    return channels;
}

void WriteSatelliteChannel(std::span<std::uint8_t> block, const SatelliteLayout& layout,
                           const CChannelRec& record)
{
    const std::size_t recordSize = layout.record->recordSize;
    const auto bytes = record.raw();
    std::copy(bytes.begin(), bytes.end(),
              block.begin() + static_cast<std::ptrdiff_t>(SatelliteRecordsOffset(layout) +
                                                          record.m_slot * recordSize));
}

} // namespace kx
