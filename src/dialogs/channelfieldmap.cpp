#include "dialogs/channelfieldmap.h"

#include <algorithm>

#include "model/recordlayout.h"

namespace kx {
namespace {

constexpr std::optional<FieldPlace> none = std::nullopt;

constexpr std::optional<FieldPlace> hex(std::uint16_t offset, std::uint8_t bytes)
{
    return FieldPlace{offset, bytes, bytes};
}

// A field shown wider than it is stored.
constexpr std::optional<FieldPlace> hexShown(std::uint16_t offset, std::uint8_t bytes,
                                             std::uint8_t shown)
{
    return FieldPlace{offset, bytes, shown};
}

constexpr ChannelField field(int id, std::string_view label, DialogRect labelRect,
                             DialogRect editRect, std::optional<FieldPlace> bytes164,
                             std::optional<FieldPlace> bytes176)
{
    return {id, label, labelRect, editRect, false, RecordField::None, bytes164, bytes176};
}

// A control that shows a field of the record layout.
constexpr ChannelField named(int id, std::string_view label, DialogRect labelRect,
                             DialogRect editRect, RecordField shown)
{
    const bool isName = shown == RecordField::Name || shown == RecordField::NameCopy;
    return {id, label, labelRect, editRect, isName, shown, none, none};
}

constexpr std::optional<FieldPlace> placeAt(std::size_t offset, std::uint8_t bytes,
                                            std::uint8_t shown)
{
    if (offset == kNoField) {
        return none;
    }
    return FieldPlace{static_cast<std::uint16_t>(offset), bytes, shown};
}

constexpr std::array<ChannelField, ChannelFieldMap::kFieldCount> kFields{{
    field(1004, "_tmp1", {7, 10, 26, 8}, {37, 7, 45, 14}, hex(0, 4), hex(0, 4)),
    field(1005, "_tmp2", {7, 24, 26, 8}, {37, 21, 45, 14}, hex(4, 2), hex(4, 4)),
    field(1006, "_tmp3", {7, 38, 26, 8}, {37, 35, 45, 14}, hex(12, 4), hex(8, 2)),
    field(1007, "_tmp4", {7, 52, 26, 8}, {37, 50, 45, 14}, hex(16, 4), hex(20, 2)),
    field(1008, "_tmp5", {7, 67, 26, 8}, {37, 64, 45, 14}, hex(20, 2), hex(22, 2)),
    field(1009, "_tmp6", {7, 82, 26, 8}, {37, 79, 45, 14}, hex(26, 2), hex(28, 2)),
    field(1023, "_tmp7", {8, 96, 20, 8}, {36, 93, 46, 14}, none, hex(74, 2)),
    field(1012, "_tmp8", {7, 112, 26, 8}, {37, 109, 45, 14}, none, hex(76, 4)),
    field(1045, "_tmp9", {89, 10, 26, 8}, {119, 7, 45, 14}, hex(72, 4), hex(80, 4)),
    field(1013, "_tmp10", {89, 24, 26, 8}, {119, 21, 45, 14}, hex(76, 4), hex(84, 2)),
    field(1014, "_tmp11", {89, 38, 26, 8}, {119, 35, 45, 14}, hex(80, 4), none),
    field(1015, "_tmp12", {89, 52, 26, 8}, {118, 49, 46, 14}, hex(84, 2), hex(92, 4)),
    field(1016, "_tmp13", {89, 67, 26, 8}, {117, 64, 47, 14}, hex(90, 2), hex(96, 4)),
    field(1017, "_tmp14", {89, 82, 24, 8}, {117, 79, 47, 14}, hex(100, 4), hex(100, 2)),
    field(1018, "_tmp15", {89, 96, 24, 8}, {118, 93, 46, 14}, hex(104, 4), hex(104, 4)),
    field(1019, "_tmp16", {89, 112, 24, 8}, {118, 109, 46, 14}, hex(114, 2), hex(108, 4)),
    field(1020, "_tmp17", {172, 10, 24, 8}, {200, 7, 46, 14}, hex(156, 2), hex(112, 4)),
    field(1021, "_tmp18", {172, 24, 24, 8}, {200, 21, 46, 14}, hex(158, 2), none),
    field(1022, "_tmp19", {172, 38, 24, 8}, {200, 35, 46, 14}, hex(160, 2), none),
    field(1024, "_tmp20", {172, 52, 24, 8}, {200, 49, 46, 14}, hex(162, 2), none),
    field(1046, "_tmp21", {172, 67, 24, 8}, {201, 64, 45, 14}, hex(6, 2), hex(124, 2)),
    field(1038, "_tmp22", {172, 82, 24, 8}, {200, 79, 46, 14}, none, hex(126, 2)),
    field(1039, "_tmp23", {172, 96, 24, 8}, {200, 93, 46, 14}, none, hex(168, 4)),
    field(1041, "_tmp24", {172, 112, 24, 8}, {200, 109, 46, 14}, none, hex(172, 4)),
    named(1010, "Nummer", {7, 129, 27, 8}, {59, 126, 56, 14}, RecordField::Number),
    field(1025, "Nummer1", {131, 129, 31, 8}, {190, 126, 56, 14}, hex(8, 2), hex(10, 2)),
    field(1026, "Nummer2", {7, 144, 31, 8}, {59, 141, 56, 14}, hexShown(112, 1, 2), hex(120, 2)),
    field(1040, "Nummer3", {131, 144, 31, 8}, {190, 141, 56, 14}, none, hex(86, 2)),
    named(1028, "Frequency", {7, 160, 34, 8}, {59, 157, 56, 14}, RecordField::Frequency),
    named(1027, "ChannelBand", {131, 160, 50, 8}, {190, 157, 56, 14}, RecordField::ChannelBand),
    field(1030, "ONID", {7, 176, 19, 8}, {59, 173, 56, 14}, hex(86, 2), none),
    named(1029, "ID", {131, 176, 8, 8}, {190, 173, 56, 14}, RecordField::SecondNumber),
    named(1032, "Size_name", {7, 192, 36, 8}, {59, 189, 56, 14}, RecordField::NameLength),
    named(1031, "Service_ID", {131, 192, 36, 8}, {190, 189, 56, 14}, RecordField::ServiceId),
    named(1034, "Symbol_rate", {7, 208, 40, 8}, {59, 205, 56, 14}, RecordField::SymbolRate),
    named(1033, "Status", {131, 208, 21, 8}, {190, 205, 56, 14}, RecordField::Status),
    field(1036, "TSID", {7, 223, 18, 8}, {59, 220, 56, 14}, hex(88, 2), none),
    named(1035, "System", {131, 223, 24, 8}, {190, 220, 56, 14}, RecordField::System),
    named(1011, "Name1", {7, 241, 24, 8}, {37, 238, 209, 14}, RecordField::Name),
    named(1037, "Name2", {7, 258, 24, 8}, {37, 255, 209, 14}, RecordField::NameCopy),
}};

} // namespace

const std::array<ChannelField, ChannelFieldMap::kFieldCount>& ChannelFieldMap::fields()
{
    return kFields;
}

const ChannelField* ChannelFieldMap::find(int controlId)
{
    const auto it = std::find_if(kFields.begin(), kFields.end(), [controlId](const auto& field) {
        return field.controlId == controlId;
    });
    return it == kFields.end() ? nullptr : &*it;
}

std::optional<FieldPlace> ChannelField::place(const RecordLayout& layout) const
{
    switch (field) {
    case RecordField::None:
        // The raw boxes belong to the two oldest layouts alone.
        if (&layout == &kLayoutV1) {
            return bytes164;
        }
        return &layout == &kLayoutV2 ? bytes176 : none;
    case RecordField::Number:
        return placeAt(layout.numberWord, 2, 2);
    case RecordField::SecondNumber:
        return layout.derivedKind == SecondNumber::TimesFour ? placeAt(layout.derivedId, 4, 4)
               : layout.derivedKind == SecondNumber::Copy    ? placeAt(layout.derivedId, 2, 2)
                                                             : none;
    case RecordField::Frequency:
        return placeAt(layout.frequency, 4, 4);
    case RecordField::ChannelBand:
        return placeAt(layout.channelBand, 2, 2);
    case RecordField::NameLength:
        return placeAt(layout.nameLength, 2, 2);
    case RecordField::ServiceId:
        return placeAt(layout.serviceId, 2, 2);
    case RecordField::SymbolRate:
        return placeAt(layout.symbolRate, static_cast<std::uint8_t>(layout.symbolRateBytes), 4);
    case RecordField::Status:
        return layout.favouriteByte != kNoField ? placeAt(layout.favouriteByte, 2, 2)
                                                : placeAt(layout.flagsByte, 1, 1);
    case RecordField::System:
        return placeAt(layout.systemWord, 2, 2);
    case RecordField::Name:
        return placeAt(layout.nameField, static_cast<std::uint8_t>(kNameFieldSize), 0);
    case RecordField::NameCopy:
        return placeAt(layout.nameCopy, static_cast<std::uint8_t>(kNameFieldSize), 0);
    }
    return none;
}

std::optional<FieldPlace> ChannelField::place(ChannelLayout layout) const
{
    return place(ChannelFieldMap::recordLayout(layout));
}

const RecordLayout& ChannelFieldMap::recordLayout(ChannelLayout layout)
{
    return layout == ChannelLayout::Bytes164 ? kLayoutV1 : kLayoutV2;
}

std::optional<ChannelLayout> ChannelFieldMap::layoutForSize(std::size_t recordSize)
{
    if (recordSize == 164) {
        return ChannelLayout::Bytes164;
    }
    if (recordSize == 176) {
        return ChannelLayout::Bytes176;
    }
    return std::nullopt;
}

} // namespace kx
