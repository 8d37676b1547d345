#include "document/tllfile.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "model/channelrec.h"
#include "model/channelrecv1.h"
#include "model/channelrecv2.h"
#include "platform/archive.h"
#include "platform/error.h"

namespace kx {

namespace {

// Satellite receivers of the same family put a block of their own where the trailing block
// stands; it carries this tag 4 bytes into its content.
constexpr std::string_view kSatelliteTag{"DVBS-S2"};
constexpr std::size_t kSatelliteTagOffset = 4;

class TllReader
{
public:
    explicit TllReader(Archive& ar) : m_ar(ar), m_fileSize(ar.position() + ar.remaining()) {}

    TllContents read()
    {
        refuseMarkupText();
        if (m_fileSize < 4) {
            fail(ErrorCode::Truncated, "the file is " + std::to_string(m_fileSize) +
                                           " bytes long, too short for a channel list");
        }
        TllContents contents;
        const std::uint64_t firstOffset = m_ar.position();
        const std::uint32_t first = field("first word");
        std::uint32_t analogSize = first;
        std::uint64_t analogSizeOffset = firstOffset;
        if (first == kTllMagic) {
            contents.variant = 2;
            analogSizeOffset = m_ar.position();
            analogSize = field("analog block size");
        } else {
            contents.variant = 1;
        }
        m_recordSize = RecordSizeOf(contents.variant);
        m_variant = contents.variant;

        readRecords("analog", analogSize, analogSizeOffset, ListOf(contents, ListKind::Analog));
        contents.settings = readBlock("settings");

        std::vector<std::unique_ptr<CChannelRec>> digital;
        const std::uint64_t digitalSizeOffset = m_ar.position();
        const std::uint32_t digitalSize = field("digital block size");
        readRecords("digital", digitalSize, digitalSizeOffset, digital);
        for (auto& record : digital) {
            ListOf(contents, record->ClassifyKind() ? ListKind::Radio : ListKind::DigitalTV)
                .push_back(std::move(record));
        }

        if (contents.variant == 2) {
            const std::uint64_t trailingOffset = m_ar.position();
            contents.trailing = readBlock("trailing");
            refuseSatelliteBlock(contents.trailing, trailingOffset);
        }
        contents.tail = takeRest();
        return contents;
    }

private:
    [[noreturn]] void fail(ErrorCode code, const std::string& what) const
    {
        throw Error(code, m_ar.name() + ": " + what);
    }

    std::uint32_t field(const char* what)
    {
        if (m_ar.remaining() < 4) {
            fail(ErrorCode::Truncated, "the file ends at offset " + std::to_string(m_fileSize) +
                                           ", inside the " + what + " at offset " +
                                           std::to_string(m_ar.position()));
        }
        return m_ar.readU32();
    }

    void readRecords(const char* block, std::uint32_t blockSize, std::uint64_t blockOffset,
                     std::vector<std::unique_ptr<CChannelRec>>& records)
    {
        const std::uint32_t count = field((std::string(block) + " channel count").c_str());
        const std::uint64_t expected = 4 + std::uint64_t{m_recordSize} * count;
        if (blockSize != expected) {
            fail(ErrorCode::Unsupported,
                 "the " + std::string(block) + " block at offset " + std::to_string(blockOffset) +
                     " says it is " + std::to_string(blockSize) + " bytes long, but " +
                     std::to_string(count) + " records of " + std::to_string(m_recordSize) +
                     " bytes take " + std::to_string(expected) +
                     ": the file holds channel records this editor does not know, or it is not a "
                     "channel list");
        }
        const std::uint64_t needed = std::uint64_t{m_recordSize} * count;
        if (needed > m_ar.remaining()) {
            fail(ErrorCode::Truncated,
                 "the " + std::string(block) + " block promises " + std::to_string(count) +
                     " records of " + std::to_string(m_recordSize) + " bytes but only " +
                     std::to_string(m_ar.remaining()) + " bytes remain at offset " +
                     std::to_string(m_ar.position()));
        }
        records.reserve(records.size() + count);
        for (std::uint32_t i = 0; i < count; ++i) {
            auto record = NewChannelRec(m_variant);
            record->ReadFromArchive(m_ar);
            records.push_back(std::move(record));
        }
    }

    RawBlock readBlock(const char* block)
    {
        const std::uint32_t size = field((std::string(block) + " block size").c_str());
        if (size > m_ar.remaining()) {
            fail(ErrorCode::Truncated,
                 "the " + std::string(block) + " block promises " + std::to_string(size) +
                     " bytes but only " + std::to_string(m_ar.remaining()) +
                     " bytes remain at offset " + std::to_string(m_ar.position()));
        }
        RawBlock raw;
        raw.bytes = std::make_unique<std::uint8_t[]>(size);
        raw.size = size;
        m_ar.read(raw.bytes.get(), size);
        return raw;
    }

    RawBlock takeRest()
    {
        RawBlock raw;
        raw.size = static_cast<std::uint32_t>(m_ar.remaining());
        raw.bytes = std::make_unique<std::uint8_t[]>(raw.size);
        m_ar.read(raw.bytes.get(), raw.size);
        return raw;
    }

    // An XML file given the extension of a channel list would otherwise be read as a variant-1
    // file with an absurd block size; say what it is instead. No valid channel list starts with
    // these bytes: the first word would be an analog block size that no record count gives.
    void refuseMarkupText() const
    {
        char head[8] = {};
        std::string_view text(head, m_ar.peek(head, sizeof head));
        if (text.substr(0, 3) == "\xEF\xBB\xBF") {
            text.remove_prefix(3);
        }
        if (text.substr(0, 5) == "<?xml") {
            fail(ErrorCode::Format, "the file is XML text, not a TLL channel list");
        }
    }

    void refuseSatelliteBlock(const RawBlock& trailing, std::uint64_t offset) const
    {
        const std::span<const std::uint8_t> bytes = trailing.span();
        if (bytes.size() >= kSatelliteTagOffset + kSatelliteTag.size() &&
            std::memcmp(bytes.data() + kSatelliteTagOffset, kSatelliteTag.data(),
                        kSatelliteTag.size()) == 0) {
            fail(ErrorCode::Unsupported,
                 "the block at offset " + std::to_string(offset) + " holds satellite channels (" +
                     std::string(kSatelliteTag) + "), a layout this editor does not know");
        }
    }

    Archive& m_ar;
    std::uint64_t m_fileSize;
    std::size_t m_recordSize = 0;
    int m_variant = 0;
};

} // namespace

std::size_t RecordSizeOf(int variant)
{
    switch (variant) {
    case 1:
        return CChannelRecV1::kRecordSize;
    case 2:
        return CChannelRecV2::kRecordSize;
    default:
        return 0;
    }
}

std::unique_ptr<CChannelRec> NewChannelRec(int variant)
{
    switch (variant) {
    case 1:
        return std::make_unique<CChannelRecV1>();
    case 2:
        return std::make_unique<CChannelRecV2>();
    default:
        return nullptr;
    }
}

TllContents ReadTll(Archive& ar)
{
    return TllReader(ar).read();
}

} // namespace kx
