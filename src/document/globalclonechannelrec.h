#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/globalclonefile.h"
#include "model/channelrec.h"

namespace kx {

class GlobalCloneChannelRec;

// What the channels of one GlobalClone file share: the file as read, the loaded state of every
// item, and the record that stands for each item in the document's lists (null for items no list
// shows: deleted channels and channels in no list). The writer and the favourites' positions
// look across all of them.
struct GlobalCloneChannels
{
    GlobalCloneFile file;
    std::vector<GlobalCloneItemState> loaded;
    std::vector<GlobalCloneChannelRec*> records;
};

// One channel of a GlobalClone file (an ITEM) as the document's lists hold it. What the editor
// may change (number, the user's-number mark, lock, skip, hide, deleted, the map type, the
// favourites' positions and the name) is kept as a small block of bytes, the record's raw(), so
// that the history patches and restores it exactly like a binary record; every other field is
// read from the item. The check box is the skip flag: ticked means not skipped.
class GlobalCloneChannelRec final : public CChannelRec
{
public:
    // The editable bytes: offsets into raw().
    static constexpr std::size_t kNumber = 0;       // i32: prNum as the file holds it
    static constexpr std::size_t kUserNumber = 4;   // isUserSelCHNo
    static constexpr std::size_t kLock = 5;         // isBlocked
    static constexpr std::size_t kSkip = 6;         // isSkipped
    static constexpr std::size_t kHide = 7;         // isInvisable
    static constexpr std::size_t kDeleted = 8;      // isDeleted
    static constexpr std::size_t kMapType = 9;      // mapType
    static constexpr std::size_t kNameLength = 10;  // bytes of the name
    static constexpr std::size_t kPlainLength = 11; // bytes of the plain copy
    static constexpr std::size_t kFavourites = 12;  // u16 x 8: favoriteIdxA..H
    static constexpr std::size_t kName = 28;        // kNameFieldSize bytes of DVB text
    static constexpr std::size_t kPlain = 68;       // kNameFieldSize bytes of the plain copy
    static constexpr std::size_t kStateSize = 108;
    // A favourite's position that says the channel is not in that favourites list.
    static constexpr std::uint16_t kNotFavourite = 250;

    GlobalCloneChannelRec(std::shared_ptr<GlobalCloneChannels> channels, std::size_t item,
                          bool radio);
    ~GlobalCloneChannelRec() override;

    std::size_t item() const noexcept { return m_item; }
    // The item's state to write: the loaded state with every field whose bytes here differ from
    // the loaded ones set to what they hold now.
    GlobalCloneItemState StateToWrite() const;
    // The editable bytes as the loaded item gives them.
    static std::array<std::uint8_t, kStateSize> LoadedBytes(const GlobalCloneItem& item);

    std::string GetCharacterText() const override;
    int GetCharacterTable() const override;
    int GetNumber() const override;
    void SetNumber(int value) override;
    bool HasNumber(int value) const override;
    void SetName(std::string_view text, const CodecSettings& codec) override;
    std::string GetName(const CodecSettings& codec) const override;
    bool IsUnchecked() const override;
    void SetChecked(bool ticked) override;
    unsigned GetFlags() const override;
    void SetFlags(unsigned flags, unsigned mask) override;
    bool IsDeleted() const override;
    void MarkDeleted() override;
    std::string GetServiceIdText() const override;
    std::string GetServiceTypeText() const override;
    std::string GetFrequencyText() const override;
    SignalSource GetSignalSource() const override;
    std::optional<int> GetOnid() const override;
    std::optional<int> GetTsid() const override;
    std::optional<int> GetServiceId() const override;
    std::optional<std::int64_t> GetFrequencyKHz() const override;
    std::string GetSatelliteText() const override;
    std::string GetSatelliteName() const override;
    std::optional<char> GetPolarisation() const override;
    std::optional<bool> IsEncrypted() const override;

    std::span<std::uint8_t> raw() override { return m_state; }
    std::span<const std::uint8_t> raw() const override { return m_state; }

private:
    const GlobalCloneItem& itemOf() const { return m_channels->file.items().at(m_item); }
    std::optional<int> digitalNumber(GlobalCloneField field) const;
    std::int32_t number() const;
    std::uint16_t favourite(std::size_t index) const;
    // The next free position of favourites list index, after every channel's in it.
    std::uint16_t nextFavouritePosition(std::size_t index) const;

    std::shared_ptr<GlobalCloneChannels> m_channels;
    std::size_t m_item;
    std::array<std::uint8_t, kStateSize> m_state{};
};

} // namespace kx
