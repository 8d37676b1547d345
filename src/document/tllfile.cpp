#include "document/tllfile.h"

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "document/receiverfamily.h"
#include "document/satelliteblock.h"
#include "model/channelrec.h"
#include "model/layoutchannelrec.h"
#include "model/recordlayout.h"
#include "platform/archive.h"
#include "platform/error.h"

namespace kx {

namespace {

// How many bytes of a file's start tell XML text, leading blanks included.
constexpr std::size_t kXmlHeadSize = 256;

// Some files start with this word instead of the magic; the rest is laid out the same.
constexpr std::uint32_t kTllMagicInverted = 0xA5A5A5A5;

// The record size that refusals of a block compare against when a file's records do not say
// their own.
std::size_t referenceSize(bool magic)
{
    return magic ? kLayoutV2.recordSize : kLayoutV1.recordSize;
}

// The size of the records of a channel block of blockSize bytes holding count records, or 0
// when count is 0 or the bytes do not divide into whole records.
std::size_t recordSizeOf(std::uint32_t blockSize, std::uint32_t count)
{
    if (count == 0 || blockSize < 4 || (blockSize - 4) % count != 0) {
        return 0;
    }
    return (blockSize - 4) / count;
}

// Whether bytes, the block of size bytes after its size word, are a DVB-S block: told by its tag,
// or, in the files some receivers write, by a known size and 0xFF in place of the tag.
bool looksLikeSatellite(std::uint32_t size, std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t kHead = 4 + kSatelliteTag.size() + 4;
    return LooksLikeSatelliteBlock(bytes) ||
           (FindSatelliteLayout(size) != nullptr && bytes.size() >= kHead &&
            std::all_of(bytes.begin(), bytes.begin() + kHead,
                        [](std::uint8_t b) { return b == 0xFF; }));
}

// Where a block lies in the file, its size word included.
struct BlockPlace
{
    std::string_view name; // "analog", "settings", ...; "tail" for the bytes after the last block
    std::uint64_t offset;
    std::uint64_t length;
};

// A channel list shows the channels in programme order where the file keeps each record in its
// place; channels of several inputs (antenna and cable) stay apart, input by input, in the order
// the inputs first appear.
void sortByNumber(Records& records)
{
    std::vector<int> inputs;
    const auto group = [&inputs](const CChannelRec& record) {
        const int source = record.GetSource();
        const auto found = std::find(inputs.begin(), inputs.end(), source);
        if (found != inputs.end()) {
            return static_cast<int>(found - inputs.begin());
        }
        inputs.push_back(source);
        return static_cast<int>(inputs.size()) - 1;
    };
    for (const auto& record : records) {
        group(*record);
    }
    std::stable_sort(records.begin(), records.end(), [&](const auto& a, const auto& b) {
        const int groupA = group(*a);
        const int groupB = group(*b);
        return groupA != groupB ? groupA < groupB : a->GetNumber() < b->GetNumber();
    });
}

class TllReader
{
public:
    explicit TllReader(Archive& ar)
        : m_ar(ar), m_fileSize(ar.position() + ar.remaining()),
          m_fileName(std::filesystem::path(ar.name()).filename().string()),
          m_model(ModelOfFileName(m_fileName))
    {}

    TllContents read()
    {
        refuseMarkupText();
        if (m_fileSize < 4) {
            fail(ErrorCode::Truncated, "the file is " + std::to_string(m_fileSize) +
                                           " bytes long, too short for a channel list");
        }
        TllContents contents;
        TllFrame& frame = contents.frame;
        const std::uint64_t firstOffset = m_ar.position();
        const std::uint32_t first = field("first word");
        std::uint32_t analogSize = first;
        std::uint64_t analogSizeOffset = firstOffset;
        m_magic = first == kTllMagic || first == kTllMagicInverted;
        if (m_magic) {
            frame.magic = first;
            analogSizeOffset = m_ar.position();
            analogSize = field("analog block size");
        } else {
            // Files without the magic word hold 164-byte records only.
            m_layout = FindRecordLayout(kLayoutV1.recordSize, false, m_model);
        }

        Records analog;
        readRecords("analog", analogSize, analogSizeOffset, analog);
        frame.settings = readBlock("settings");

        if (m_magic && !channelBlockFollows() && hospitalityFollows()) {
            frame.hasHospitality = true;
            frame.hospitality = readBlock("hospitality");
        }
        Records digital;
        const std::uint64_t digitalSizeOffset = m_ar.position();
        const std::uint32_t digitalSize = field("digital block size");
        readRecords("digital", digitalSize, digitalSizeOffset, digital);

        if (m_magic) {
            if (satelliteBlockFollows()) {
                readSatellite(contents);
            }
            frame.trailing = readBlock("trailing");
        }
        frame.tail = takeRest();

        frame.layout = finalLayout(frame);
        frame.variant = frame.layout != nullptr ? frame.layout->variant : 3;
        checkBlocks(frame);
        placeRecords(contents, std::move(analog), std::move(digital));
        return contents;
    }

private:
    [[noreturn]] void fail(ErrorCode code, const std::string& what, ErrorPlace place = {}) const
    {
        throw Error(code, m_ar.name() + ": " + what, std::move(place));
    }

    std::uint32_t field(const char* what)
    {
        if (m_ar.remaining() < 4) {
            fail(ErrorCode::Truncated,
                 "the file ends at offset " + std::to_string(m_fileSize) + ", inside the " + what +
                     " at offset " + std::to_string(m_ar.position()),
                 {what, m_ar.position()});
        }
        return m_ar.readU32();
    }

    // Whether a channel block of blockSize bytes and count records fits the records known so
    // far, or, before any record was seen, a known layout.
    bool fitsChannelBlock(std::uint32_t blockSize, std::uint32_t count) const
    {
        if (m_layout != nullptr) {
            return blockSize == 4 + std::uint64_t{m_layout->recordSize} * count;
        }
        if (count == 0) {
            return blockSize == 4;
        }
        return FindRecordLayout(recordSizeOf(blockSize, count), m_magic, m_model) != nullptr;
    }

    bool channelBlockFollows() const
    {
        const auto size = m_ar.peekU32(0);
        const auto count = m_ar.peekU32(4);
        return !size || !count || fitsChannelBlock(*size, *count);
    }

    // The hospitality block of hotel receivers stands between the settings and the digital
    // block, where a block that is no channel block stands. It is taken for one where a fitting
    // digital block follows it, or where the file ends before one could, so that a cut file is
    // refused as cut; a damaged digital block is still refused as such. The receivers of the
    // 176-byte layout have none.
    bool hospitalityFollows() const
    {
        if (m_layout == &kLayoutV2) {
            return false;
        }
        const auto size = m_ar.peekU32(0);
        if (!size) {
            return false;
        }
        const auto digitalSize = m_ar.peekU32(4 + std::uint64_t{*size});
        const auto digitalCount = m_ar.peekU32(8 + std::uint64_t{*size});
        return !digitalSize || !digitalCount || fitsChannelBlock(*digitalSize, *digitalCount);
    }

    void readRecords(const char* block, std::uint32_t blockSize, std::uint64_t blockOffset,
                     Records& records)
    {
        const std::uint32_t count = field((std::string(block) + " channel count").c_str());
        if (m_layout == nullptr && count > 0) {
            m_layout = FindRecordLayout(recordSizeOf(blockSize, count), m_magic, m_model);
            if (m_layout == nullptr && recordSizeOf(blockSize, count) != 0) {
                fail(ErrorCode::Unsupported,
                     "the " + std::string(block) + " block at offset " +
                         std::to_string(blockOffset) + " holds " + std::to_string(count) +
                         " records of " + std::to_string(recordSizeOf(blockSize, count)) +
                         " bytes, a record size no known receiver writes: the file holds "
                         "channel records this editor does not know, or it is not a channel "
                         "list",
                     {block, blockOffset});
            }
        }
        const std::size_t recordSize =
            m_layout != nullptr ? m_layout->recordSize : referenceSize(m_magic);
        const std::uint64_t expected = 4 + std::uint64_t{recordSize} * count;
        if (blockSize != expected) {
            fail(ErrorCode::Unsupported,
                 "the " + std::string(block) + " block at offset " + std::to_string(blockOffset) +
                     " says it is " + std::to_string(blockSize) + " bytes long, but " +
                     std::to_string(count) + " records of " + std::to_string(recordSize) +
                     " bytes take " + std::to_string(expected) +
                     ": the file holds channel records this editor does not know, or it is not a "
                     "channel list",
                 {block, blockOffset});
        }
        const std::uint64_t needed = std::uint64_t{recordSize} * count;
        if (needed > m_ar.remaining()) {
            fail(ErrorCode::Truncated,
                 "the " + std::string(block) + " block promises " + std::to_string(count) +
                     " records of " + std::to_string(recordSize) + " bytes but only " +
                     std::to_string(m_ar.remaining()) + " bytes remain at offset " +
                     std::to_string(m_ar.position()),
                 {block, blockOffset});
        }
        m_blocks.push_back({block, blockOffset, 4 + std::uint64_t{blockSize}});
        records.reserve(records.size() + count);
        for (std::uint32_t i = 0; i < count; ++i) {
            auto record = NewChannelRec(*m_layout);
            record->ReadFromArchive(m_ar);
            record->m_slot = i;
            records.push_back(std::move(record));
        }
    }

    RawBlock readBlock(const char* block)
    {
        const std::uint64_t offset = m_ar.position();
        const std::uint32_t size = field((std::string(block) + " block size").c_str());
        if (size > m_ar.remaining()) {
            fail(ErrorCode::Truncated,
                 "the " + std::string(block) + " block promises " + std::to_string(size) +
                     " bytes but only " + std::to_string(m_ar.remaining()) +
                     " bytes remain at offset " + std::to_string(m_ar.position()),
                 {block, offset});
        }
        RawBlock raw;
        raw.bytes = std::make_unique<std::uint8_t[]>(size);
        raw.size = size;
        m_ar.read(raw.bytes.get(), size);
        m_blocks.push_back({block, offset, 4 + std::uint64_t{size}});
        return raw;
    }

    RawBlock takeRest()
    {
        if (m_ar.remaining() > 0) {
            m_blocks.push_back({"tail", m_ar.position(), m_ar.remaining()});
        }
        RawBlock raw;
        raw.size = static_cast<std::uint32_t>(m_ar.remaining());
        raw.bytes = std::make_unique<std::uint8_t[]>(raw.size);
        m_ar.read(raw.bytes.get(), raw.size);
        return raw;
    }

    // The DVB-S block stands where files without one have their trailing block: it is told by
    // its tag, or, in the files some receivers write, by a known size and a header filled with
    // 0xFF in place of the tag.
    bool satelliteBlockFollows() const
    {
        const auto size = m_ar.peekU32(0);
        if (!size || *size > m_ar.remaining() - 4) {
            return false;
        }
        std::uint8_t head[4 + kSatelliteTag.size() + 4] = {};
        return looksLikeSatellite(*size, {head, m_ar.peek(head, sizeof head, 4)});
    }

    void readSatellite(TllContents& contents)
    {
        TllFrame& frame = contents.frame;
        const std::uint64_t offset = m_ar.position();
        frame.hasSatellite = true;
        frame.satellite = readBlock("satellite");
        const std::span<const std::uint8_t> block = frame.satellite.span();
        const SatelliteLayout* layout = FindSatelliteLayout(frame.satellite.size);
        if (!LooksLikeSatelliteBlock(block)) {
            frame.warnings.push_back(
                {LoadWarning::Kind::SatelliteFilled, offset, frame.satellite.size});
            return;
        }
        if (layout == nullptr) {
            frame.warnings.push_back(
                {LoadWarning::Kind::SatelliteUnknown, offset, frame.satellite.size});
            return;
        }
        if (const int part = FirstBadSatelliteChecksum(block, *layout); part >= 0) {
            const auto index = static_cast<std::size_t>(part);
            fail(ErrorCode::Format,
                 "the checksum of the " + std::string(SatellitePartName(index)) +
                     " part of the satellite block at offset " +
                     std::to_string(offset + 4 + SatellitePartOffset(*layout, index)) +
                     " does not match its bytes: the file is damaged, and a receiver would "
                     "refuse it",
                 {"satellite", offset + 4 + SatellitePartOffset(*layout, index)});
        }
        frame.satelliteLayout = layout;
        for (auto& record : ReadSatelliteChannels(block, *layout)) {
            const ListKind list = record->m_bFM ? ListKind::SatRadio : ListKind::SatTV;
            auto& target = record->IsDeleted() ? contents.deleted : contents.lists;
            target[static_cast<std::size_t>(list)].push_back(std::move(record));
        }
    }

    // The layout of the file's records; where it holds none, what its kind and name suggest.
    const RecordLayout* finalLayout(const TllFrame& frame) const
    {
        if (m_layout != nullptr) {
            return m_layout;
        }
        if (frame.hasSatellite || frame.hasHospitality) {
            return RecordLayoutForModel(m_model, true);
        }
        return &kLayoutV2;
    }

    void placeRecords(TllContents& contents, Records analog, Records digital) const
    {
        const bool sorted = contents.frame.layout == nullptr || contents.frame.layout->sorted;
        const auto place = [&](std::unique_ptr<CChannelRec> record, ListKind list) {
            auto& target = !sorted && record->IsDeleted() ? contents.deleted : contents.lists;
            target[static_cast<std::size_t>(list)].push_back(std::move(record));
        };
        for (auto& record : analog) {
            place(std::move(record), ListKind::Analog);
        }
        for (auto& record : digital) {
            const ListKind list = record->ClassifyKind() ? ListKind::Radio : ListKind::DigitalTV;
            place(std::move(record), list);
        }
        for (const ListKind list : kListKinds) {
            const bool keepsPlaces = IsSatelliteList(list) ? contents.frame.hasSatellite : !sorted;
            if (keepsPlaces) {
                sortByNumber(ListOf(contents, list));
            }
        }
    }

    // An XML file given the extension of a channel list would otherwise be read as a variant-1
    // file with an absurd block size, or refused as a damaged block; say what it is instead.
    void refuseMarkupText() const
    {
        std::uint8_t head[kXmlHeadSize] = {};
        const std::span<const std::uint8_t> bytes(head, m_ar.peek(head, sizeof head));
        if (!LooksLikeXmlText(bytes)) {
            return;
        }
        std::string_view text(reinterpret_cast<const char*>(head), bytes.size());
        if (text.substr(0, 3) == "\xEF\xBB\xBF") {
            text.remove_prefix(3);
        }
        if (text.substr(0, 5) == "<?xml") {
            fail(ErrorCode::Format, "the file is XML text, not a TLL channel list");
        }
        fail(ErrorCode::Format,
             "the file is XML text of a kind this editor does not read, not a TLL channel list");
    }

    // A file that breaks what the receivers write is refused: a block repeated, missing or out of
    // place would otherwise be read as another block, or its lists lost without a word.
    void checkBlocks(const TllFrame& frame) const
    {
        const std::string_view file = m_ar.loadedBytes();
        for (std::size_t i = 1; i < m_blocks.size(); ++i) {
            const BlockPlace& before = m_blocks[i - 1];
            const BlockPlace& block = m_blocks[i];
            if (block.length == before.length && file.substr(block.offset, block.length) ==
                                                     file.substr(before.offset, before.length)) {
                damaged(block, " repeats " + where(before) + " byte for byte");
            }
        }
        for (const BlockPlace& block : m_blocks) {
            if (block.name != "analog" && block.name != "digital" && block.name != "satellite") {
                checkKindOf(block, file);
            }
        }
        const ReceiverFamily* family = FindReceiverFamily(frame.settings.size);
        if (family != nullptr) {
            checkFamily(frame, *family);
        } else if (m_magic && frame.variant == 3 && frame.trailing.size != 1 &&
                   frame.trailing.size != 8) {
            damaged(*place("trailing"),
                    " is " + std::to_string(frame.trailing.size) +
                        " bytes long; the receivers of the newer layouts write 1 or 8 bytes there");
        }
    }

    // A raw block (or the bytes after the last block, where a block begins there) that is the
    // DVB-S block, or has the size of a block of another kind, stands where it does not belong.
    void checkKindOf(const BlockPlace& block, std::string_view file) const
    {
        if (block.length < 4) {
            return;
        }
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.data() + block.offset);
        const std::uint32_t size = bytes[0] | (bytes[1] << 8U) | (bytes[2] << 16U) |
                                   (static_cast<std::uint32_t>(bytes[3]) << 24U);
        if (size > block.length - 4) {
            return;
        }
        if (looksLikeSatellite(size, {bytes + 4, size})) {
            damaged(block, " is a satellite block, which belongs right after the digital "
                           "block");
        }
        const ReceiverFamily* settings = FindReceiverFamily(size);
        const ReceiverFamily* hospitality = FindHospitalityFamily(size);
        if (settings != nullptr && block.name != "settings") {
            damaged(block, " is " + std::to_string(size) +
                               " bytes long, the size of the settings block of " +
                               std::string(settings->models) + " receivers");
        }
        if (hospitality != nullptr && block.name != "hospitality") {
            damaged(block, " is " + std::to_string(size) +
                               " bytes long, the size of the hospitality block of " +
                               std::string(hospitality->models) + " receivers");
        }
    }

    // The blocks the receivers of the family that the settings block names write.
    void checkFamily(const TllFrame& frame, const ReceiverFamily& family) const
    {
        const std::string receivers = std::string(family.models) + " receivers";
        const std::string settings = " is that of " + receivers;
        if (family.hospitalitySize != 0 && !frame.hasHospitality) {
            damaged(*place("settings"),
                    settings +
                        ", which keep a hospitality block after it, but none stands at offset " +
                        std::to_string(place("digital")->offset));
        }
        if (family.hospitalitySize == 0 && frame.hasHospitality) {
            damaged(*place("hospitality"),
                    " follows the settings block of " + receivers + ", which keep none");
        }
        if (!m_magic) {
            return; // the oldest layout has neither a DVB-S nor a trailing block
        }
        const BlockPlace& digital = *place("digital");
        if (family.satelliteSize != 0 && !frame.hasSatellite) {
            damaged(*place("settings"),
                    settings + ", which write a satellite block of " +
                        std::to_string(family.satelliteSize) +
                        " bytes after the digital block, but none stands at offset " +
                        std::to_string(digital.offset + digital.length));
        }
        if (frame.hasSatellite && frame.satellite.size != family.satelliteSize) {
            damaged(*place("satellite"), " is " + std::to_string(frame.satellite.size) +
                                             " bytes long, but " + receivers + " write " +
                                             sizeOrNone(family.satelliteSize));
        }
        if (frame.trailing.size != family.trailingSize) {
            damaged(*place("trailing"), " is " + std::to_string(frame.trailing.size) +
                                            " bytes long, but " + receivers + " write " +
                                            sizeOrNone(family.trailingSize));
        }
    }

    static std::string sizeOrNone(std::uint32_t size)
    {
        return size != 0 ? "one of " + std::to_string(size) + " bytes" : "none";
    }

    const BlockPlace* place(std::string_view name) const
    {
        for (const BlockPlace& block : m_blocks) {
            if (block.name == name) {
                return &block;
            }
        }
        throw Error(ErrorCode::Internal, m_ar.name() + ": no " + std::string(name) + " block");
    }

    static std::string where(const BlockPlace& block)
    {
        if (block.name == "tail") {
            return "the block at offset " + std::to_string(block.offset) + " after the last block";
        }
        return "the " + std::string(block.name) + " block at offset " +
               std::to_string(block.offset);
    }

    // Refuses the file for what is wrong with the block at (said after where it stands).
    [[noreturn]] void damaged(const BlockPlace& at, const std::string& what) const
    {
        fail(ErrorCode::Format,
             where(at) + what +
                 "; the file is damaged: a block is repeated, missing or out of place",
             {std::string(at.name), at.offset});
    }

    Archive& m_ar;
    std::uint64_t m_fileSize;
    std::string m_fileName;
    std::string_view m_model; // into m_fileName
    bool m_magic = false;
    const RecordLayout* m_layout = nullptr;
    std::vector<BlockPlace> m_blocks; // in file order
};

// The records of a block in the order the file keeps them: list order where the receiver wants
// them sorted, else each in its place.
std::vector<const CChannelRec*> blockOrder(std::initializer_list<ListKind> lists,
                                           const TllRecords& records, bool sorted)
{
    std::vector<const CChannelRec*> order;
    for (const ListKind list : lists) {
        const auto index = static_cast<std::size_t>(list);
        for (const Records* part : {records.shown[index], records.deleted[index]}) {
            if (part != nullptr) {
                for (const auto& record : *part) {
                    order.push_back(record.get());
                }
            }
        }
    }
    if (!sorted) {
        std::stable_sort(order.begin(), order.end(),
                         [](const auto* a, const auto* b) { return a->m_slot < b->m_slot; });
    }
    return order;
}

void writeBlock(Archive& ar, const RawBlock& block)
{
    ar.writeU32(block.size);
    ar.write(block.bytes.get(), block.size);
}

} // namespace

std::size_t RecordSizeOf(int variant)
{
    switch (variant) {
    case 1:
        return kLayoutV1.recordSize;
    case 2:
        return kLayoutV2.recordSize;
    default:
        return 0;
    }
}

std::string LoadWarningText(const LoadWarning& warning)
{
    const std::string where = "the satellite block at offset " + std::to_string(warning.offset);
    switch (warning.kind) {
    case LoadWarning::Kind::SatelliteFilled:
        return where + " has 0xFF in place of its header and checksums: it is kept as it is and "
                       "shows no satellite channels; some receivers are reported to reject such "
                       "a file, even unchanged";
    case LoadWarning::Kind::SatelliteUnknown:
        break;
    }
    return where + " is " + std::to_string(warning.size) +
           " bytes long, a layout this editor does not know: it is kept as it is and its "
           "channels are not shown";
}

bool LooksLikeXmlText(std::span<const std::uint8_t> head)
{
    std::size_t width = 1;
    bool bigEndian = false;
    const auto startsWith = [&head](std::initializer_list<std::uint8_t> mark) {
        return head.size() >= mark.size() && std::equal(mark.begin(), mark.end(), head.begin());
    };
    if (startsWith({0xEF, 0xBB, 0xBF})) {
        head = head.subspan(3);
    } else if (startsWith({0xFF, 0xFE}) || startsWith({0xFE, 0xFF})) {
        width = 2;
        bigEndian = head[0] == 0xFE;
        head = head.subspan(2);
    } else if (head.size() >= 2 && (head[0] == 0) != (head[1] == 0)) {
        // UTF-16 without a mark: the zero halves of ASCII characters say the byte order.
        width = 2;
        bigEndian = head[0] == 0;
    }
    const auto unit = [&](std::size_t index) -> unsigned {
        const std::size_t at = index * width;
        if (width == 1) {
            return head[at];
        }
        return bigEndian ? (head[at] << 8U) | head[at + 1] : (head[at + 1] << 8U) | head[at];
    };
    const std::size_t units = head.size() / width;
    std::size_t i = 0;
    while (i < units && (unit(i) == ' ' || unit(i) == '\t' || unit(i) == '\r' || unit(i) == '\n')) {
        ++i;
    }
    // '<', what starts a declaration, a comment or an element, and a few more characters of text.
    constexpr std::size_t kTextAfterStart = 3;
    if (i + 2 + kTextAfterStart > units || unit(i) != '<') {
        return false;
    }
    const unsigned start = unit(i + 1);
    const bool letter = (start >= 'A' && start <= 'Z') || (start >= 'a' && start <= 'z');
    if (!letter && start != '?' && start != '!' && start != '_' && start != ':' && start < 0x80) {
        return false;
    }
    for (std::size_t k = i + 2; k < i + 2 + kTextAfterStart; ++k) {
        const unsigned c = unit(k);
        if ((c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F) {
            return false;
        }
    }
    return true;
}

TllContents ReadTll(Archive& ar)
{
    return TllReader(ar).read();
}

void WriteTll(Archive& ar, const TllFrame& frame, const TllRecords& records)
{
    const std::size_t recordSize = frame.layout != nullptr ? frame.layout->recordSize : 0;
    const bool sorted = frame.layout == nullptr || frame.layout->sorted;
    const auto writeChannelBlock = [&](const std::vector<const CChannelRec*>& block) {
        ar.writeU32(static_cast<std::uint32_t>(4 + recordSize * block.size()));
        ar.writeU32(static_cast<std::uint32_t>(block.size()));
        for (const CChannelRec* record : block) {
            record->WriteToArchive(ar);
        }
    };
    if (frame.magic != 0) {
        ar.writeU32(frame.magic);
    }
    writeChannelBlock(blockOrder({ListKind::Analog}, records, sorted));
    writeBlock(ar, frame.settings);
    if (frame.hasHospitality) {
        writeBlock(ar, frame.hospitality);
    }
    // One digital block: every digital TV record, then every radio record.
    writeChannelBlock(blockOrder({ListKind::DigitalTV, ListKind::Radio}, records, sorted));
    if (frame.hasSatellite) {
        if (frame.satelliteLayout == nullptr) {
            writeBlock(ar, frame.satellite);
        } else {
            std::vector<std::uint8_t> block(frame.satellite.span().begin(),
                                            frame.satellite.span().end());
            for (const CChannelRec* record :
                 blockOrder({ListKind::SatTV, ListKind::SatRadio}, records, false)) {
                WriteSatelliteChannel(block, *frame.satelliteLayout, *record);
            }
            UpdateSatelliteChecksums(block, *frame.satelliteLayout);
            ar.writeU32(frame.satellite.size);
            ar.write(block.data(), block.size());
        }
    }
    if (frame.magic != 0) {
        writeBlock(ar, frame.trailing);
    }
    ar.write(frame.tail.bytes.get(), frame.tail.size);
}

} // namespace kx
