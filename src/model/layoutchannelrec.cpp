#include "model/layoutchannelrec.h"

#include <algorithm>
#include <cstdio>

#include "model/charactertable.h"
#include "model/namecodec.h"
#include "platform/archive.h"
#include "platform/file.h"
#include "platform/hexdigits.h"
#include "platform/littleendian.h"
#include "platform/strings.h"

namespace kx {

namespace {

// Kind codes added to the programme number x 4 in the derived number.
constexpr std::uint32_t kAnalogCode = 0;
constexpr std::uint32_t kDigitalCode = 1;
constexpr std::uint32_t kRadioCode = 0x10001;
// Receivers of the 176-byte family set this bit of the derived number themselves; renumbering
// keeps it as the record has it.
constexpr std::uint32_t kDerivedKeptBit = 0x2;

constexpr int kRadioOffset = 16384;
constexpr std::uint16_t kNumberMask = 0x3FFF;
// Modulation codes up to this one give a power of two that fits 64 bits unsigned.
constexpr unsigned kLargestModulationCode = 62;

} // namespace

std::uint16_t LayoutChannelRec::u16(std::size_t offset) const
{
    return static_cast<std::uint16_t>(readLittleEndian(raw().subspan(offset, 2)));
}

std::uint32_t LayoutChannelRec::u32(std::size_t offset) const
{
    return readLittleEndian(raw().subspan(offset, 4));
}

void LayoutChannelRec::setU16(std::size_t offset, std::uint16_t value)
{
    writeLittleEndian(raw().subspan(offset, 2), value);
}

void LayoutChannelRec::setU32(std::size_t offset, std::uint32_t value)
{
    writeLittleEndian(raw().subspan(offset, 4), value);
}

std::string LayoutChannelRec::GetModulationText() const
{
    const unsigned code = raw()[layout().symbolRate];
    if (code > kLargestModulationCode) {
        return "QAM?";
    }
    return "QAM" + std::to_string(std::uint64_t{1} << (code + 1));
}

std::string LayoutChannelRec::GetSymbolRateText() const
{
    const RecordLayout& l = layout();
    const std::uint32_t word = l.symbolRateBytes == 4 ? u32(l.symbolRate) : u16(l.symbolRate);
    return std::to_string(word >> l.symbolRateShift);
}

std::string LayoutChannelRec::GetFrequencyText() const
{
    return std::to_string(static_cast<std::int32_t>(u32(layout().frequency)));
}

std::string LayoutChannelRec::GetChannelText() const
{
    return std::to_string(raw()[layout().channelBand]);
}

bool LayoutChannelRec::IsUnchecked() const
{
    const RecordLayout& l = layout();
    return (raw()[l.checkByte] & l.checkMask) != 0;
}

void LayoutChannelRec::SetChecked(bool ticked)
{
    const RecordLayout& l = layout();
    std::uint8_t& byte = raw()[l.checkByte];
    byte = static_cast<std::uint8_t>(ticked ? byte & ~l.checkMask : byte | l.checkMask);
}

std::string LayoutChannelRec::GetBandText() const
{
    return u16(layout().channelBand) >= 256 ? "V/UHF" : "Cable";
}

std::string LayoutChannelRec::GetCharacterText() const
{
    const std::uint8_t prefix = raw()[layout().nameField];
    const int row = CharacterTableForPrefix(prefix);
    if (row >= 0) {
        return CharacterTableText(row);
    }
    const std::string none = CharacterTableText(kTableNone);
    return prefix < 32 ? std::to_string(prefix) + " - " + none : none;
}

int LayoutChannelRec::GetCharacterTable() const
{
    const std::uint8_t prefix = raw()[layout().nameField];
    return prefix > 0 && prefix < 32 ? CharacterTableForPrefix(prefix) : -1;
}

int LayoutChannelRec::GetNumber() const
{
    return u16(layout().numberWord) & kNumberMask;
}

std::optional<std::pair<std::uint16_t, std::uint32_t>>
LayoutChannelRec::numberFields(int number) const
{
    const auto n = static_cast<std::uint32_t>(number);
    // Radio numbers carry the radio offset; each kind has its own code in the derived number.
    std::uint32_t numberWord = n;
    std::uint32_t kindCode = 0;
    if (m_bDTV) {
        kindCode = kDigitalCode;
    } else if (m_bFM) {
        numberWord = n + kRadioOffset;
        kindCode = kRadioCode;
    } else if (m_bTV) {
        kindCode = kAnalogCode;
    } else {
        return std::nullopt;
    }
    const std::uint32_t kept = u32(layout().derivedId) & kDerivedKeptBit;
    return std::pair{static_cast<std::uint16_t>(numberWord),
                     ((4 * n + kindCode) & ~kDerivedKeptBit) | kept};
}

void LayoutChannelRec::SetNumber(int number)
{
    if (const auto fields = numberFields(number)) {
        setU16(layout().numberWord, fields->first);
        setU32(layout().derivedId, fields->second);
    }
}

bool LayoutChannelRec::HasNumber(int number) const
{
    const auto fields = numberFields(number);
    return !fields ||
           (u16(layout().numberWord) == fields->first && u32(layout().derivedId) == fields->second);
}

std::string LayoutChannelRec::GetSystemText() const
{
    switch (const std::uint16_t system = u16(layout().systemWord)) {
    case 0x50:
        return "DK";
    case 0x60:
        return "L";
    case 0x10:
    case 0x00:
        return "BG";
    case 0x20:
        return "I";
    default: {
        char text[8];
        std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(system));
        return text;
    }
    }
}

void LayoutChannelRec::SetName(std::string_view text, const CodecSettings& codec)
{
    const RecordLayout& l = layout();
    const auto bytes = raw();
    const NameField field(bytes.data() + l.nameField, kNameFieldSize);
    const int length = Encode(field, text, codec);
    // Only the low byte is the length; receivers keep a field of their own in the byte after it.
    bytes[l.nameLength] = static_cast<std::uint8_t>(length);
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    const auto copied =
        std::min<std::size_t>(static_cast<std::size_t>(end - field.begin()) + 1, kNameFieldSize);
    std::copy_n(field.begin(), copied, bytes.begin() + static_cast<std::ptrdiff_t>(l.nameCopy));
}

std::string LayoutChannelRec::GetName(const CodecSettings& codec) const
{
    const RecordLayout& l = layout();
    const auto bytes = raw();
    return Decode(ConstNameField(bytes.data() + l.nameField, kNameFieldSize), bytes[l.nameLength],
                  codec);
}

void LayoutChannelRec::ReadFromFile(File& file)
{
    const auto bytes = raw();
    file.read(bytes.data(), bytes.size());
}

void LayoutChannelRec::ReadFromArchive(Archive& ar)
{
    const auto bytes = raw();
    ar.read(bytes.data(), bytes.size());
}

void LayoutChannelRec::WriteToFile(File& file) const
{
    const auto bytes = raw();
    file.write(bytes.data(), bytes.size());
}

void LayoutChannelRec::WriteToArchive(Archive& ar) const
{
    const auto bytes = raw();
    ar.write(bytes.data(), bytes.size());
}

bool LayoutChannelRec::ClassifyKind()
{
    m_bTV = false;
    const bool radio = u16(layout().numberWord) > 16383;
    m_bFM = radio;
    m_bDTV = !radio;
    return radio;
}

void LayoutChannelRec::WriteHexRow(File& file) const
{
    const auto bytes = raw();
    std::string row;
    row.reserve(bytes.size() * 3);
    for (const std::uint8_t byte : bytes) {
        appendHexByte(row, byte);
        row += '\t';
    }
    file.write(row);
}

void LayoutChannelRec::copyKindFrom(const CChannelRec& other)
{
    m_bTV = other.m_bTV;
    m_bDTV = other.m_bDTV;
    m_bFM = other.m_bFM;
}

} // namespace kx
