#include "document/satelliteblock.h"

#include <algorithm>
#include <cstring>

#include "model/channelrec.h"
#include "model/layoutchannelrec.h"
#include "model/recordlayout.h"
#include "model/satellitechannelrec.h"
#include "model/satellitetables.h"
#include "platform/codepage.h"
#include "platform/crc32.h"
#include "platform/littleendian.h"

namespace kx {

namespace {

// The channel part: a header, then the bitmap of slots in use (padded to whole 4-byte words),
// then a link of 8 bytes per slot, then the records.
constexpr std::size_t kChannelHeaderSize = 12;
constexpr std::size_t kLinkSize = 8;

// The satellite part: a head with the bitmap of the satellites in use at kSatelliteBitmap, then
// the satellites' records. In a record: the name, the orbital position (whole degrees, then a
// byte with the tenths in its low half and kEastBit for east) and the satellite's transponders.
constexpr std::size_t kSatelliteCount = 64;
constexpr std::size_t kSatelliteBitmap = 2;
constexpr std::size_t kSatelliteHeadSize = 80;
constexpr std::size_t kSatelliteNameSize = 32;
constexpr std::size_t kSatelliteDegrees = 32;
constexpr std::size_t kSatelliteTenths = 33;
constexpr std::uint8_t kEastBit = 0x10;
constexpr std::size_t kSatelliteFirstTransponder = 36;
constexpr std::size_t kSatelliteLastTransponder = 38;
constexpr std::size_t kSatelliteTransponderCount = 40;

// The transponder part: a head, a bitmap, then a link per transponder whose first word is the
// next transponder of the same satellite, then the records, each with its frequency in MHz.
constexpr std::size_t kTransponderCapacity = 2400;
constexpr std::size_t kTransponderHeadSize = 12 + kTransponderCapacity / 8;
constexpr std::size_t kTransponderLinkSize = 6;
constexpr std::size_t kTransponderFrequency = 12;

// Checked on the real files of each family: the checksums cut the blocks into these parts, and
// the transponders' fields give the networks and streams of other editors' exports.
// clang-format off
constexpr SatelliteLayout kSatelliteLayouts[] = {
    {"CS, LK950S, LM340S, LM611S, LV, LW", 687880, {12, 2896, 110712, 572472, 1768}, 7520, &kSatellite68, 44, {40, 18, 24, 0x40}},
    {"LM, LS, PM", 717960, {12, 2896, 110712, 602552, 1768}, 7520, &kSatellite72, 44, {40, 18, 24, 0x40}},
    {"LN5406", 629932, {12, 2896, 120312, 504764, 1928}, 6000, &kSatellite76, 44, {44, 22, 28, 0x80}},
    {"LP", 757800, {12, 2896, 120312, 632632, 1928}, 7520, &kSatellite76LP, 44, {44, 18, 24, 0x40}},
    {"LA, LN5758", 907336, {12, 3152, 149112, 752952, 2088}, 7520, &kSatellite92, 48, {56, 22, 28, 0x80}},
};
// clang-format on

constexpr bool tablesFillTheirParts()
{
    for (const SatelliteLayout& layout : kSatelliteLayouts) {
        const bool satellites =
            kSatelliteHeadSize + kSatelliteCount * layout.satelliteSize == layout.partSizes[1];
        const bool transponders =
            kTransponderHeadSize +
                kTransponderCapacity * (kTransponderLinkSize + layout.transponder.recordSize) ==
            layout.partSizes[2];
        if (!satellites || !transponders ||
            layout.record->recordSize > kLargestSatelliteRecordSize) {
            return false;
        }
    }
    return true;
}
static_assert(tablesFillTheirParts());

std::size_t bitmapSize(const SatelliteLayout& layout)
{
    return (std::size_t{layout.channelCapacity} / 8 + 3) / 4 * 4;
}

std::span<const std::uint8_t> partBytes(std::span<const std::uint8_t> block,
                                        const SatelliteLayout& layout, std::size_t part)
{
    return block.subspan(SatellitePartOffset(layout, part) + 4, layout.partSizes[part]);
}

std::uint16_t u16At(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(readLittleEndian(bytes.subspan(offset, 2)));
}

std::string positionText(std::uint8_t degrees, std::uint8_t tenths)
{
    return std::to_string(degrees) + "." + std::to_string(tenths & 0x0F) +
           ((tenths & kEastBit) != 0 ? "E" : "W");
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

SatelliteTables ReadSatelliteTables(std::span<const std::uint8_t> block,
                                    const SatelliteLayout& layout)
{
    SatelliteTables tables;
    const auto satellitePart = partBytes(block, layout, 1);
    const auto transponderPart = partBytes(block, layout, 2);
    const TransponderFields& fields = layout.transponder;
    const auto transponderRecord = [&](std::size_t slot) {
        return transponderPart.subspan(kTransponderHeadSize +
                                           kTransponderCapacity * kTransponderLinkSize +
                                           slot * fields.recordSize,
                                       fields.recordSize);
    };
    tables.transponders.resize(kTransponderCapacity);
    for (std::size_t slot = 0; slot < kTransponderCapacity; ++slot) {
        const auto record = transponderRecord(slot);
        SatelliteTransponder& tp = tables.transponders[slot];
        tp.frequencyMHz = u16At(record, kTransponderFrequency);
        tp.onid = u16At(record, fields.onid);
        tp.tsid = u16At(record, fields.onid + 2);
        tp.polarisation = (record[fields.polarisation] & fields.horizontal) != 0 ? 'H' : 'V';
    }
    for (std::size_t index = 0; index < kSatelliteCount; ++index) {
        const auto record = satellitePart.subspan(kSatelliteHeadSize + index * layout.satelliteSize,
                                                  layout.satelliteSize);
        const auto name = record.first(kSatelliteNameSize);
        const auto nameEnd = std::find(name.begin(), name.end(), std::uint8_t{0});
        tables.satellites.push_back(
            {positionText(record[kSatelliteDegrees], record[kSatelliteTenths]),
             CodePage::toUtf8({reinterpret_cast<const char*>(name.data()),
                               static_cast<std::size_t>(nameEnd - name.begin())},
                              CodePage::kLatin1)});
        if ((satellitePart[kSatelliteBitmap + index / 8] & (1U << (index % 8))) == 0) {
            continue;
        }
        // The satellite's transponders, from its first along the links.
        const std::uint16_t last = u16At(record, kSatelliteLastTransponder);
        std::size_t slot = u16At(record, kSatelliteFirstTransponder);
        for (std::uint16_t left = u16At(record, kSatelliteTransponderCount);
             left > 0 && slot < kTransponderCapacity; --left) {
            SatelliteTransponder& tp = tables.transponders[slot];
            if (tp.satellite >= 0) {
                break; // a chain that runs into another's (or its own) would never end
            }
            tp.satellite = static_cast<int>(index);
            if (slot == last) {
                break;
            }
            slot = u16At(transponderPart, kTransponderHeadSize + slot * kTransponderLinkSize);
        }
    }
    return tables;
}

std::vector<std::unique_ptr<CChannelRec>> ReadSatelliteChannels(std::span<const std::uint8_t> block,
                                                                const SatelliteLayout& layout)
{
    const auto tables = std::make_shared<const SatelliteTables>(ReadSatelliteTables(block, layout));
    const std::size_t bitmap =
        SatellitePartOffset(layout, kSatelliteChannelPart) + 4 + kChannelHeaderSize;
    const std::size_t records = SatelliteRecordsOffset(layout);
    const std::size_t recordSize = layout.record->recordSize;
    std::vector<std::unique_ptr<CChannelRec>> channels;
    for (std::uint32_t slot = 0; slot < layout.channelCapacity; ++slot) {
        if ((block[bitmap + slot / 8] & (1U << (slot % 8))) == 0) {
            continue;
        }
        auto record = std::make_unique<SatelliteChannelRec>(*layout.record, tables);
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
