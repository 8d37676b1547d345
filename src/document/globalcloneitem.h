#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

// The fields of a GlobalClone channel (an ITEM element) that the editor reads, each named after
// its element. Every other child element is kept in the item's element list all the same.
enum class GlobalCloneField : std::uint8_t
{
    PrNum,
    MinorNum,
    OriginalNetworkId,
    TransportId,
    NetworkId,
    ServiceId,
    PhysicalNum,
    SourceIndex,
    ServiceType,
    Frequency,
    PllData,
    MapType,
    MapAttr,
    FavoriteIdxA,
    FavoriteIdxB,
    FavoriteIdxC,
    FavoriteIdxD,
    FavoriteIdxE,
    FavoriteIdxF,
    FavoriteIdxG,
    FavoriteIdxH,
    IsInvisable,
    IsBlocked,
    IsSkipped,
    IsDeleted,
    IsDisabled,
    IsScrambled,
    IsNumUnSel,
    HexVchName,
    NotConvertedLengthOfVchName,
    VchName,
    LengthOfVchName,
    UsSatelliteHandle,
    IsUserSelChNo,
};
inline constexpr std::size_t kGlobalCloneFieldCount =
    static_cast<std::size_t>(GlobalCloneField::IsUserSelChNo) + 1;

// The element name of a field ("prNum", "isInvisable", "isUserSelCHNo", ...).
std::string_view globalCloneFieldName(GlobalCloneField field);
// The field an element name stands for, or nothing for an element the editor does not read.
std::optional<GlobalCloneField> globalCloneFieldByName(std::string_view name);

// The sourceIndex values the real files hold (others may exist).
enum class GlobalCloneSource : std::int64_t
{
    Antenna = 1,     // DVB-T
    AnalogCable = 2, // analog cable
    Cable = 3,       // DVB-C
    Satellite = 7,   // DVB-S
};

// A leaf child element of an item, by its place in the file. The text range is what lies between
// the end of the start tag and the start of the end tag. For an empty element (<x/>) textLength
// is 0 and textOffset is the place of "/>": text goes there only by rewriting the tag into
// <x>text</x>, which the writer does.
struct GlobalCloneElement
{
    std::uint32_t nameOffset = 0; // byte offset of the element's name, just after '<'
    std::uint32_t textOffset = 0;
    std::uint32_t textLength = 0;
    std::uint16_t nameLength = 0;
    bool selfClosing = false;
};

// What the editor may change in an item, as one small value: the lead keeps one per item for
// undo and redo and hands them all to GlobalCloneFile::write(), which writes every field whose
// value differs from the item's loaded state (GlobalCloneItem::state()) and nothing else.
//
// A field is nothing when the item has no such element (or its text is not a number): left as
// nothing it is never written; given a value it is written, the element inserted before the
// item's end tag when it is missing. Numbers are kept as the file holds them (flags are 0 or 1,
// but any value read comes back unchanged). hexVchName holds the name's bytes (not hexadecimal
// digits), vchName the display copy as text (UTF-8, not escaped).
struct GlobalCloneItemState
{
    std::optional<std::int64_t> prNum;
    std::optional<std::int64_t> isUserSelCHNo;
    std::optional<std::int64_t> isBlocked;
    std::optional<std::int64_t> isSkipped;
    std::optional<std::int64_t> isInvisable;
    std::optional<std::int64_t> isDeleted;
    std::optional<std::int64_t> isDisabled;
    std::optional<std::int64_t> mapType;
    std::array<std::optional<std::int64_t>, 8> favoriteIdx; // favoriteIdxA..H; 250 = not in it
    std::optional<std::string> hexVchName;
    std::optional<std::string> vchName;
    std::optional<std::int64_t> notConvertedLengthOfVchName;
    std::optional<std::int64_t> lengthOfVchName;

    bool operator==(const GlobalCloneItemState&) const = default;

    // Renames the channel the way the receivers store a name: the bytes (DVB text, as the name
    // codec makes them) go into hexVchName and their count into notConvertedLengthOfVchName,
    // the plain copy of displayText into vchName and its length into lengthOfVchName. A field the
    // item lacks stays absent, except vchName; an item without hexVchName (the oldest files) thus
    // keeps only the plain copy.
    void rename(std::string nameBytes, std::string_view displayText);
};

// One channel of the file: an ITEM under CHANNEL/ATV or CHANNEL/DTV, with every leaf child
// element by its byte range in the file and the values of the fields the editor reads.
class GlobalCloneItem
{
public:
    GlobalCloneItem() { m_elementOf.fill(-1); }

    bool analog() const noexcept { return m_analog; }
    // Every leaf child element in file order (names through GlobalCloneFile::elementName()).
    const std::vector<GlobalCloneElement>& elements() const noexcept { return m_elements; }

    // Whether the item has the field's element (its first one counts when it has several).
    bool has(GlobalCloneField field) const;
    const GlobalCloneElement* element(GlobalCloneField field) const;
    // The field's number; nothing when the element is absent or its text is not a number.
    std::optional<std::int64_t> number(GlobalCloneField field) const;

    // hexVchName decoded to bytes (as well as it reads: see hexNameComplete), or nothing.
    const std::optional<std::string>& hexName() const noexcept { return m_hexName; }
    // False when hexVchName held characters that are not hexadecimal digits or an odd count.
    bool hexNameComplete() const noexcept { return m_hexNameComplete; }
    // vchName's text (entities resolved), or nothing. Bytes that are not valid in XML are kept as
    // the file has them.
    const std::optional<std::string>& vchName() const noexcept { return m_vchName; }
    // The name's bytes: hexVchName decoded, else (files without it) the bytes that vchName
    // carries (globalclone::legacyNameBytes); empty when the item has neither.
    std::string nameBytes() const;

    // The editable fields as the file holds them.
    GlobalCloneItemState state() const;

    // Byte offsets in the file: of the start tag's '<', of the end tag's '<' (of "/>" for an
    // empty <ITEM/>), and where a missing element is inserted (after the last child), with the
    // text that goes in front of it (the line ending and indentation the children use).
    std::uint32_t startOffset() const noexcept { return m_startOffset; }
    std::uint32_t endTagOffset() const noexcept { return m_endTagOffset; }
    std::uint32_t insertOffset() const noexcept { return m_insertOffset; }
    const std::string& insertSeparator() const noexcept { return m_insertSeparator; }
    bool selfClosing() const noexcept { return m_selfClosing; }

private:
    friend class GlobalCloneReader;

    std::vector<GlobalCloneElement> m_elements;
    std::array<std::int32_t, kGlobalCloneFieldCount> m_elementOf{};
    std::array<std::int64_t, kGlobalCloneFieldCount> m_values{};
    std::bitset<kGlobalCloneFieldCount> m_isNumber;
    std::optional<std::string> m_hexName;
    std::optional<std::string> m_vchName;
    std::string m_insertSeparator;
    std::uint32_t m_startOffset = 0;
    std::uint32_t m_endTagOffset = 0;
    std::uint32_t m_insertOffset = 0;
    bool m_analog = false;
    bool m_hexNameComplete = true;
    bool m_selfClosing = false;
};

} // namespace kx
