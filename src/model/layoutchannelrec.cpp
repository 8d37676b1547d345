#include "model/layoutchannelrec.h"

#include <algorithm>
#include <cstdio>

#include "model/channelflags.h"
#include "model/channelrecv1.h"
#include "model/channelrecv2.h"
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
constexpr std::uint16_t kRadioBit = 0x4000;
// The favourites byte: favourites 1 to 4 in bits 2 to 5; these two bits mark a deleted channel.
constexpr unsigned kFavouriteShift = 2;
constexpr std::uint8_t kDeletedMark = 0x42;
// The flags byte.
constexpr std::uint8_t kLockBit = 0x01;
constexpr std::uint8_t kSkipBit = 0x02;
constexpr std::uint8_t kHideBit = 0x04;
// Analog frequencies are stored in steps of this many kHz.
constexpr std::int64_t kAnalogFrequencyStepKHz = 50;
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
    if (layout().symbolRate == kNoField) {
        return {};
    }
    const unsigned code = raw()[layout().symbolRate];
    if (code > kLargestModulationCode) {
        return "QAM?";
    }
    return "QAM" + std::to_string(std::uint64_t{1} << (code + 1));
}

std::string LayoutChannelRec::GetSymbolRateText() const
{
    const RecordLayout& l = layout();
    if (l.symbolRate == kNoField) {
        return {};
    }
    const std::uint32_t word = l.symbolRateBytes == 4 ? u32(l.symbolRate) : u16(l.symbolRate);
    return std::to_string(word >> l.symbolRateShift);
}

std::string LayoutChannelRec::GetFrequencyText() const
{
    if (layout().frequency == kNoField) {
        return {};
    }
    return std::to_string(static_cast<std::int32_t>(u32(layout().frequency)));
}

std::string LayoutChannelRec::GetChannelText() const
{
    if (layout().channelBand == kNoField) {
        return {};
    }
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
    if (layout().channelBand == kNoField) {
        return {};
    }
    return u16(layout().channelBand) >= 256 ? "V/UHF" : "Cable";
}

std::string LayoutChannelRec::GetCharacterText() const
{
    return CharacterTextOfName(raw().subspan(layout().nameField, kNameFieldSize));
}

int LayoutChannelRec::GetCharacterTable() const
{
    const auto name = raw().subspan(layout().nameField, kNameFieldSize);
    return NameTableSelectorOf(name).row;
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
    return std::pair{static_cast<std::uint16_t>(numberWord), secondNumber(numberWord, n, kindCode)};
}

std::uint32_t LayoutChannelRec::secondNumber(std::uint32_t numberWord, std::uint32_t number,
                                             std::uint32_t kindCode) const
{
    const RecordLayout& l = layout();
    switch (l.derivedKind) {
    case SecondNumber::TimesFour: {
        const std::uint32_t kept = u32(l.derivedId) & kDerivedKeptBit;
        return ((4 * number + kindCode) & ~kDerivedKeptBit) | kept;
    }
    case SecondNumber::Copy:
        return numberWord & 0xFFFFU;
    case SecondNumber::None:
        break;
    }
    return 0;
}

void LayoutChannelRec::storeNumber(std::uint16_t numberWord, std::uint32_t second)
{
    const RecordLayout& l = layout();
    setU16(l.numberWord, numberWord);
    if (l.derivedKind == SecondNumber::TimesFour) {
        setU32(l.derivedId, second);
    } else if (l.derivedKind == SecondNumber::Copy) {
        setU16(l.derivedId, static_cast<std::uint16_t>(second));
    }
}

void LayoutChannelRec::SetNumber(int number)
{
    const auto fields = numberFields(number);
    if (!fields || storesNumberFields(*fields)) {
        return;
    }
    storeNumber(fields->first, fields->second);
    // Receivers mark a digital channel whose number the user chose; analog ones carry no mark.
    const RecordLayout& l = layout();
    if (l.renumberedMask != 0 && l.flagsByte != kNoField && !m_bTV) {
        std::uint8_t& flags = raw()[l.flagsByte];
        flags = static_cast<std::uint8_t>(flags | l.renumberedMask);
    }
}

bool LayoutChannelRec::storesNumberFields(
    const std::pair<std::uint16_t, std::uint32_t>& fields) const
{
    const RecordLayout& l = layout();
    const std::uint32_t second = l.derivedKind == SecondNumber::TimesFour ? u32(l.derivedId)
                                 : l.derivedKind == SecondNumber::Copy    ? u16(l.derivedId)
                                                                          : fields.second;
    return u16(l.numberWord) == fields.first && second == fields.second;
}

bool LayoutChannelRec::HasNumber(int number) const
{
    const auto fields = numberFields(number);
    return !fields || storesNumberFields(*fields);
}

std::string LayoutChannelRec::GetSystemText() const
{
    if (layout().systemWord == kNoField) {
        return {};
    }
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
    if (l.nameCopy == kNoField) {
        return;
    }
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    const auto copied =
        std::min<std::size_t>(static_cast<std::size_t>(end - field.begin()) + 1, kNameFieldSize);
    std::copy_n(field.begin(), copied, bytes.begin() + static_cast<std::ptrdiff_t>(l.nameCopy));
    if (l.nameCopyLength != kNoField) {
        bytes[l.nameCopyLength] = static_cast<std::uint8_t>(length);
    }
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

unsigned LayoutChannelRec::GetFlags() const
{
    const RecordLayout& l = layout();
    const auto bytes = raw();
    unsigned flags = 0;
    if (l.favouriteByte != kNoField) {
        flags |= (bytes[l.favouriteByte] >> kFavouriteShift) & channelflags::kFavourites4;
    }
    if (l.flagsByte != kNoField) {
        const std::uint8_t byte = bytes[l.flagsByte];
        flags |= (byte & kLockBit) != 0 ? channelflags::kLock : 0U;
        flags |= (byte & kSkipBit) != 0 ? channelflags::kSkip : 0U;
        flags |= (byte & kHideBit) != 0 ? channelflags::kHide : 0U;
    }
    return flags;
}

void LayoutChannelRec::SetFlags(unsigned flags, unsigned mask)
{
    const RecordLayout& l = layout();
    if (!l.flagsShown()) {
        return;
    }
    const auto bytes = raw();
    const auto put = [&](std::size_t offset, std::uint8_t bit, bool set) {
        bytes[offset] = static_cast<std::uint8_t>(set ? bytes[offset] | bit : bytes[offset] & ~bit);
    };
    for (unsigned favourite = 0; favourite < 4; ++favourite) {
        const unsigned flag = channelflags::kFavourite1 << favourite;
        if ((mask & flag) == 0) {
            continue;
        }
        // Receivers keep the favourites twice where the layout has both bytes.
        if (l.favouriteByte != kNoField) {
            put(l.favouriteByte, static_cast<std::uint8_t>(1U << (favourite + kFavouriteShift)),
                (flags & flag) != 0);
        }
        if (l.favouriteMask != kNoField) {
            put(l.favouriteMask, static_cast<std::uint8_t>(1U << favourite), (flags & flag) != 0);
        }
    }
    const std::pair<unsigned, std::uint8_t> bits[] = {
        {channelflags::kLock, kLockBit},
        {channelflags::kSkip, kSkipBit},
        {channelflags::kHide, kHideBit},
    };
    for (const auto& [flag, bit] : bits) {
        if ((mask & flag) != 0) {
            put(l.flagsByte, bit, (flags & flag) != 0);
        }
    }
}

bool LayoutChannelRec::IsDeleted() const
{
    const RecordLayout& l = layout();
    return !l.sorted && l.favouriteByte != kNoField &&
           (raw()[l.favouriteByte] & kDeletedMark) == kDeletedMark;
}

void LayoutChannelRec::MarkDeleted()
{
    const RecordLayout& l = layout();
    if (l.sorted || l.favouriteByte == kNoField) {
        return;
    }
    const auto bytes = raw();
    bytes[l.favouriteByte] = static_cast<std::uint8_t>(bytes[l.favouriteByte] | kDeletedMark);
    // A deleted channel has number 0; a radio channel stays marked as radio. Its flags are
    // cleared, as other editors clear them.
    const auto radio = static_cast<std::uint16_t>(u16(l.numberWord) & kRadioBit);
    storeNumber(radio, secondNumber(radio, 0, 0));
    if (l.flagsByte != kNoField) {
        bytes[l.flagsByte] = 0;
    }
}

std::string LayoutChannelRec::GetServiceIdText() const
{
    const std::size_t offset = layout().serviceId;
    return offset == kNoField ? std::string() : std::to_string(u16(offset));
}

std::string LayoutChannelRec::GetServiceTypeText() const
{
    const std::size_t offset = layout().serviceType;
    return offset == kNoField ? std::string() : std::to_string(raw()[offset]);
}

int LayoutChannelRec::GetSource() const
{
    const std::size_t offset = layout().source;
    return offset == kNoField ? -1 : raw()[offset];
}

SignalSource LayoutChannelRec::GetSignalSource() const
{
    const RecordLayout& l = layout();
    if (l.satellite) {
        return SignalSource::DvbS;
    }
    switch (GetSource()) {
    case 0:
        return SignalSource::AnalogAntenna;
    case 1:
        return SignalSource::DvbT;
    case 2:
        return SignalSource::AnalogCable;
    case 3:
        return SignalSource::DvbC;
    default:
        return SignalSource::Unknown;
    }
}

std::optional<int> LayoutChannelRec::digitalU16(std::size_t offset) const
{
    if (m_bTV || offset == kNoField) {
        return std::nullopt;
    }
    return u16(offset);
}

std::optional<int> LayoutChannelRec::GetOnid() const
{
    return digitalU16(layout().onid);
}

std::optional<int> LayoutChannelRec::GetTsid() const
{
    return digitalU16(layout().tsid);
}

std::optional<int> LayoutChannelRec::GetServiceId() const
{
    return digitalU16(layout().serviceId);
}

std::optional<int> LayoutChannelRec::GetTunerChannel() const
{
    const std::size_t offset = layout().tunerChannel;
    if (m_bTV || offset == kNoField) {
        return std::nullopt;
    }
    return raw()[offset];
}

std::optional<std::int64_t> LayoutChannelRec::GetFrequencyKHz() const
{
    const RecordLayout& l = layout();
    // Zero stands for a frequency the receiver did not store.
    if (m_bTV) {
        if (l.analogFrequency == kNoField || u16(l.analogFrequency) == 0) {
            return std::nullopt;
        }
        return std::int64_t{u16(l.analogFrequency)} * kAnalogFrequencyStepKHz;
    }
    if (l.frequency == kNoField || u32(l.frequency) == 0) {
        return std::nullopt;
    }
    return std::int64_t{u32(l.frequency)};
}

std::optional<bool> LayoutChannelRec::IsEncrypted() const
{
    const RecordLayout& l = layout();
    if (l.encryptedByte == kNoField) {
        return std::nullopt;
    }
    return (raw()[l.encryptedByte] & l.encryptedMask) != 0;
}

void LayoutChannelRec::copyKindFrom(const CChannelRec& other)
{
    m_bTV = other.m_bTV;
    m_bDTV = other.m_bDTV;
    m_bFM = other.m_bFM;
    m_slot = other.m_slot;
}

std::unique_ptr<CChannelRec> TableChannelRec::Clone() const
{
    auto copy = std::make_unique<TableChannelRec>(*m_layout);
    copy->m_raw = m_raw;
    copy->copyKindFrom(*this);
    return copy;
}

std::unique_ptr<CChannelRec> NewChannelRec(const RecordLayout& layout)
{
    if (&layout == &kLayoutV1) {
        return std::make_unique<CChannelRecV1>();
    }
    if (&layout == &kLayoutV2) {
        return std::make_unique<CChannelRecV2>();
    }
    return std::make_unique<TableChannelRec>(layout);
}

} // namespace kx
