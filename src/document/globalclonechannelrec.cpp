#include "document/globalclonechannelrec.h"

#include <algorithm>
#include <limits>

#include "document/globalclonetext.h"
#include "model/channelflags.h"
#include "model/charactertable.h"
#include "model/namecodec.h"
#include "platform/error.h"
#include "platform/littleendian.h"

namespace kx {

namespace {

using Rec = GlobalCloneChannelRec;

// The bits of prNum that hold the number; radio numbers carry 0x4000 above them.
constexpr std::int32_t kNumberBits = 0x3FFF;

constexpr std::size_t kFlagBytes[] = {Rec::kUserNumber, Rec::kLock,    Rec::kSkip,
                                      Rec::kHide,       Rec::kDeleted, Rec::kMapType};

std::uint8_t byteOf(std::optional<std::int64_t> value)
{
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(value.value_or(0), 0, 255));
}

std::int32_t read32(std::span<const std::uint8_t> state, std::size_t offset)
{
    return static_cast<std::int32_t>(readLittleEndian(state.subspan(offset, 4)));
}

void write32(std::span<std::uint8_t> state, std::size_t offset, std::int32_t value)
{
    writeLittleEndian(state.subspan(offset, 4), static_cast<std::uint32_t>(value));
}

std::uint16_t read16(std::span<const std::uint8_t> state, std::size_t offset)
{
    return static_cast<std::uint16_t>(readLittleEndian(state.subspan(offset, 2)));
}

void write16(std::span<std::uint8_t> state, std::size_t offset, std::uint16_t value)
{
    writeLittleEndian(state.subspan(offset, 2), value);
}

// The first kNameFieldSize bytes of text at offset, with their count.
void putText(std::span<std::uint8_t> state, std::size_t offset, std::size_t lengthAt,
             std::string_view text)
{
    const std::size_t length = std::min(text.size(), kNameFieldSize);
    std::fill_n(state.begin() + static_cast<std::ptrdiff_t>(offset), kNameFieldSize, 0);
    std::copy_n(text.begin(), length, state.begin() + static_cast<std::ptrdiff_t>(offset));
    state[lengthAt] = static_cast<std::uint8_t>(length);
}

std::string textAt(std::span<const std::uint8_t> state, std::size_t offset, std::size_t lengthAt)
{
    const auto* begin = reinterpret_cast<const char*>(state.data() + offset);
    return {begin, std::min<std::size_t>(state[lengthAt], kNameFieldSize)};
}

} // namespace

GlobalCloneChannelRec::GlobalCloneChannelRec(std::shared_ptr<GlobalCloneChannels> channels,
                                             std::size_t item, bool radio)
    : m_channels(std::move(channels)), m_item(item), m_state(LoadedBytes(itemOf()))
{
    m_bTV = itemOf().analog();
    m_bFM = radio && !m_bTV;
    m_bDTV = !radio && !m_bTV;
    m_slot = static_cast<std::uint32_t>(item);
    m_channels->records.at(item) = this;
}

GlobalCloneChannelRec::~GlobalCloneChannelRec()
{
    if (m_channels->records.at(m_item) == this) {
        m_channels->records.at(m_item) = nullptr;
    }
}

std::array<std::uint8_t, Rec::kStateSize>
GlobalCloneChannelRec::LoadedBytes(const GlobalCloneItem& item)
{
    std::array<std::uint8_t, kStateSize> bytes{};
    const GlobalCloneItemState state = item.state();
    const std::int64_t number = state.prNum.value_or(-1);
    write32(bytes, kNumber,
            static_cast<std::int32_t>(
                std::clamp<std::int64_t>(number, std::numeric_limits<std::int32_t>::min(),
                                         std::numeric_limits<std::int32_t>::max())));
    bytes[kUserNumber] = byteOf(state.isUserSelCHNo);
    bytes[kLock] = byteOf(state.isBlocked);
    bytes[kSkip] = byteOf(state.isSkipped);
    bytes[kHide] = byteOf(state.isInvisable);
    bytes[kDeleted] = byteOf(state.isDeleted);
    bytes[kMapType] = byteOf(state.mapType);
    for (std::size_t i = 0; i < state.favoriteIdx.size(); ++i) {
        write16(bytes, kFavourites + 2 * i,
                static_cast<std::uint16_t>(std::clamp<std::int64_t>(
                    state.favoriteIdx.at(i).value_or(kNotFavourite), 0, 0xFFFF)));
    }
    putText(bytes, kName, kNameLength, item.nameBytes());
    putText(bytes, kPlain, kPlainLength, state.vchName.value_or(std::string()));
    return bytes;
}

GlobalCloneItemState GlobalCloneChannelRec::StateToWrite() const
{
    const GlobalCloneItem& item = itemOf();
    GlobalCloneItemState state = m_channels->loaded.at(m_item);
    const std::array<std::uint8_t, kStateSize> loaded = LoadedBytes(item);
    const std::span<const std::uint8_t> now = m_state;
    if (read32(now, kNumber) != read32(loaded, kNumber)) {
        state.prNum = read32(now, kNumber);
    }
    std::optional<std::int64_t>* flags[] = {&state.isUserSelCHNo, &state.isBlocked,
                                            &state.isSkipped,     &state.isInvisable,
                                            &state.isDeleted,     &state.mapType};
    for (std::size_t i = 0; i < std::size(kFlagBytes); ++i) {
        if (now[kFlagBytes[i]] != loaded.at(kFlagBytes[i])) {
            *flags[i] = now[kFlagBytes[i]];
        }
    }
    for (std::size_t i = 0; i < state.favoriteIdx.size(); ++i) {
        if (read16(now, kFavourites + 2 * i) != read16(loaded, kFavourites + 2 * i)) {
            state.favoriteIdx.at(i) = read16(now, kFavourites + 2 * i);
        }
    }
    const auto differs = [&](std::size_t offset, std::size_t lengthAt) {
        return now[lengthAt] != loaded.at(lengthAt) ||
               !std::equal(now.begin() + static_cast<std::ptrdiff_t>(offset),
                           now.begin() + static_cast<std::ptrdiff_t>(offset + kNameFieldSize),
                           loaded.begin() + static_cast<std::ptrdiff_t>(offset));
    };
    if (differs(kName, kNameLength) || differs(kPlain, kPlainLength)) {
        state.rename(textAt(now, kName, kNameLength), textAt(now, kPlain, kPlainLength));
    }
    return state;
}

std::int32_t GlobalCloneChannelRec::number() const
{
    return read32(m_state, kNumber);
}

std::string GlobalCloneChannelRec::GetCharacterText() const
{
    return CharacterTextOfName(std::span(m_state).subspan(kName, kNameFieldSize));
}

int GlobalCloneChannelRec::GetCharacterTable() const
{
    return NameTableSelectorOf(std::span(m_state).subspan(kName, kNameFieldSize)).row;
}

int GlobalCloneChannelRec::GetNumber() const
{
    const std::int32_t prNum = number();
    return prNum < 0 ? prNum : prNum & kNumberBits;
}

void GlobalCloneChannelRec::SetNumber(int value)
{
    if (HasNumber(value)) {
        return;
    }
    const std::int32_t prNum = number();
    const std::int32_t high = prNum < 0 ? (m_bFM ? 0x4000 : 0) : prNum & ~kNumberBits;
    write32(m_state, kNumber, high | (value & kNumberBits));
    // The receiver keeps a number the user chose; without the mark it numbers the channel anew.
    m_state[kUserNumber] = 1;
}

bool GlobalCloneChannelRec::HasNumber(int value) const
{
    return number() >= 0 && (number() & kNumberBits) == value;
}

void GlobalCloneChannelRec::SetName(std::string_view text, const CodecSettings& codec)
{
    std::array<std::uint8_t, kNameFieldSize> field{};
    const int length = Encode(NameField(field), text, codec);
    std::copy(field.begin(), field.end(), m_state.begin() + kName);
    m_state[kNameLength] = static_cast<std::uint8_t>(length);
    // The plain copy is never empty (the receivers would show no name).
    const std::string plain = globalclone::plainNameCopy(text);
    putText(m_state, kPlain, kPlainLength, plain);
}

std::string GlobalCloneChannelRec::GetName(const CodecSettings& codec) const
{
    return Decode(ConstNameField(m_state.data() + kName, kNameFieldSize), m_state[kNameLength],
                  codec);
}

bool GlobalCloneChannelRec::IsUnchecked() const
{
    return m_state[kSkip] != 0;
}

void GlobalCloneChannelRec::SetChecked(bool ticked)
{
    m_state[kSkip] = ticked ? 0 : 1;
}

std::uint16_t GlobalCloneChannelRec::favourite(std::size_t index) const
{
    return read16(m_state, kFavourites + 2 * index);
}

unsigned GlobalCloneChannelRec::GetFlags() const
{
    unsigned flags = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        if (favourite(i) < kNotFavourite) {
            flags |= channelflags::kFavourite1 << i;
        }
    }
    flags |= m_state[kLock] != 0 ? channelflags::kLock : 0U;
    flags |= m_state[kSkip] != 0 ? channelflags::kSkip : 0U;
    flags |= m_state[kHide] != 0 ? channelflags::kHide : 0U;
    return flags;
}

std::uint16_t GlobalCloneChannelRec::nextFavouritePosition(std::size_t index) const
{
    // Positions count from 1; a channel put in a list goes after every channel already in it.
    int highest = 0;
    const GlobalCloneChannels& all = *m_channels;
    for (std::size_t item = 0; item < all.loaded.size(); ++item) {
        const GlobalCloneChannelRec* record = all.records.at(item);
        const int position =
            record != nullptr ? record->favourite(index)
                              : static_cast<int>(all.loaded.at(item).favoriteIdx.at(index).value_or(
                                    kNotFavourite));
        if (position < kNotFavourite) {
            highest = std::max(highest, position);
        }
    }
    if (highest + 1 >= kNotFavourite) {
        throw Error(ErrorCode::Usage, std::string("favourites list ") +
                                          static_cast<char>('A' + index) +
                                          " holds as many channels as the receiver keeps in one");
    }
    return static_cast<std::uint16_t>(highest + 1);
}

void GlobalCloneChannelRec::SetFlags(unsigned flags, unsigned mask)
{
    // Every position is worked out before any byte changes, so a refusal changes nothing.
    std::array<std::uint16_t, 8> favourites{};
    for (std::size_t i = 0; i < favourites.size(); ++i) {
        const unsigned flag = channelflags::kFavourite1 << i;
        const bool in = favourite(i) < kNotFavourite;
        const bool wanted = (mask & flag) != 0 ? (flags & flag) != 0 : in;
        favourites.at(i) =
            wanted == in ? favourite(i) : (wanted ? nextFavouritePosition(i) : kNotFavourite);
    }
    for (std::size_t i = 0; i < favourites.size(); ++i) {
        write16(m_state, kFavourites + 2 * i, favourites.at(i));
    }
    const auto put = [&](std::size_t offset, unsigned flag) {
        if ((mask & flag) != 0) {
            m_state.at(offset) = (flags & flag) != 0 ? 1 : 0;
        }
    };
    put(kLock, channelflags::kLock);
    put(kSkip, channelflags::kSkip);
    put(kHide, channelflags::kHide);
}

bool GlobalCloneChannelRec::IsDeleted() const
{
    return m_state[kDeleted] != 0;
}

void GlobalCloneChannelRec::MarkDeleted()
{
    // The item stays in the file, marked as the receivers mark a deleted channel: a channel the
    // file lacks would come back at the next scan with a number of the receiver's choice.
    m_state[kDeleted] = 1;
    m_state[kMapType] = 3;
}

std::optional<int> GlobalCloneChannelRec::digitalNumber(GlobalCloneField field) const
{
    const std::optional<std::int64_t> value = itemOf().number(field);
    if (!value || itemOf().analog() || *value < 0 || *value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::string GlobalCloneChannelRec::GetServiceIdText() const
{
    const std::optional<int> id = digitalNumber(GlobalCloneField::ServiceId);
    return id ? std::to_string(*id) : std::string();
}

std::string GlobalCloneChannelRec::GetServiceTypeText() const
{
    const std::optional<std::int64_t> type = itemOf().number(GlobalCloneField::ServiceType);
    return type ? std::to_string(*type) : std::string();
}

std::string GlobalCloneChannelRec::GetFrequencyText() const
{
    const std::optional<std::int64_t> khz = GetFrequencyKHz();
    return khz ? std::to_string(*khz) : std::string();
}

SignalSource GlobalCloneChannelRec::GetSignalSource() const
{
    const std::optional<std::int64_t> source = itemOf().number(GlobalCloneField::SourceIndex);
    if (itemOf().analog()) {
        return source == 2 ? SignalSource::AnalogCable : SignalSource::Unknown;
    }
    switch (source.value_or(-1)) {
    case 1:
        return SignalSource::DvbT;
    case 3:
        return SignalSource::DvbC;
    case 7:
        return SignalSource::DvbS;
    default:
        return SignalSource::Unknown;
    }
}

std::optional<int> GlobalCloneChannelRec::GetOnid() const
{
    return digitalNumber(GlobalCloneField::OriginalNetworkId);
}

std::optional<int> GlobalCloneChannelRec::GetTsid() const
{
    return digitalNumber(GlobalCloneField::TransportId);
}

std::optional<int> GlobalCloneChannelRec::GetServiceId() const
{
    return digitalNumber(GlobalCloneField::ServiceId);
}

std::optional<std::int64_t> GlobalCloneChannelRec::GetFrequencyKHz() const
{
    const GlobalCloneItem& item = itemOf();
    if (item.analog()) {
        // pllData is the frequency in MHz times 20, that is in steps of 50 kHz.
        const std::optional<std::int64_t> pll = item.number(GlobalCloneField::PllData);
        return pll && *pll > 0 ? std::optional(*pll * 50) : std::nullopt;
    }
    const std::optional<std::int64_t> frequency = item.number(GlobalCloneField::Frequency);
    if (!frequency || *frequency <= 0) {
        return std::nullopt;
    }
    // Satellite channels give MHz, cable and antenna channels kHz.
    return GetSignalSource() == SignalSource::DvbS ? *frequency * 1000 : *frequency;
}

std::string GlobalCloneChannelRec::GetSatelliteText() const
{
    const GlobalCloneSatellite* satellite = m_channels->file.satelliteOf(itemOf());
    return satellite != nullptr ? satellite->position() : std::string();
}

std::string GlobalCloneChannelRec::GetSatelliteName() const
{
    const GlobalCloneSatellite* satellite = m_channels->file.satelliteOf(itemOf());
    return satellite != nullptr ? satellite->name : std::string();
}

std::optional<char> GlobalCloneChannelRec::GetPolarisation() const
{
    return m_channels->file.polarisationOf(itemOf());
}

std::optional<bool> GlobalCloneChannelRec::IsEncrypted() const
{
    const std::optional<std::int64_t> scrambled = itemOf().number(GlobalCloneField::IsScrambled);
    return scrambled ? std::optional(*scrambled != 0) : std::nullopt;
}

} // namespace kx
