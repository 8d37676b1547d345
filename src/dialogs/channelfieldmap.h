#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "dialogs/dialoggeometry.h"

namespace kx {

struct RecordLayout;

// The two record layouts whose every byte the Channel dialog shows in a box of its own.
enum class ChannelLayout
{
    Bytes164,
    Bytes176,
};

// The field of a record layout that a named control of the dialog shows.
enum class RecordField
{
    None,
    Number,
    SecondNumber,
    Frequency,
    ChannelBand,
    NameLength,
    ServiceId,
    SymbolRate,
    Status, // the favourites byte and the flags byte after it, or the flags byte alone
    System,
    Name,
    NameCopy,
};

// Where a control's field lies in one layout's raw bytes: an unsigned little-endian integer of
// storedBytes (1, 2 or 4) shown as displayBytes byte pairs, or, for a name box, a text field of
// storedBytes bytes (displayBytes is then 0).
struct FieldPlace
{
    std::uint16_t offset = 0;
    std::uint8_t storedBytes = 0;
    std::uint8_t displayBytes = 0;
};

// One control of the Channel dialog: its id, label, place in the dialog, and what it shows: a
// field of the record layout (named controls), or, in the two oldest layouts only, a run of raw
// bytes of its own (the "_tmp" boxes and a few named ones the layouts do not name). Where the
// layout has no such field the control stays empty.
struct ChannelField
{
    int controlId = 0;
    std::string_view label;
    DialogRect labelRect;
    DialogRect editRect;
    bool isName = false;
    RecordField field = RecordField::None;
    std::optional<FieldPlace> bytes164;
    std::optional<FieldPlace> bytes176;

    // The control's bytes in records of layout.
    std::optional<FieldPlace> place(const RecordLayout& layout) const;
    std::optional<FieldPlace> place(ChannelLayout layout) const;
};

// The Channel dialog's arrangement and field map: the 38 hex field controls in three columns of
// "_tmp" fields and the named fields, then the two name boxes ("Name1", "Name2").
struct ChannelFieldMap
{
    static constexpr std::size_t kFieldCount = 40;
    static constexpr int kName1Id = 1011;
    static constexpr int kName2Id = 1037;
    static constexpr DialogRect kDialogSize{0, 0, 253, 294};
    static constexpr DialogRect kOkRect{139, 273, 50, 14};
    static constexpr DialogRect kCancelRect{196, 273, 50, 14};
    static constexpr std::string_view kCaption = "Channel";

    static const std::array<ChannelField, kFieldCount>& fields();
    // The control with this id, or nullptr.
    static const ChannelField* find(int controlId);
    // The layout of raw bytes of this size, or nullopt for any size but 164 and 176.
    static std::optional<ChannelLayout> layoutForSize(std::size_t recordSize);
    // The record layout of the two oldest layouts.
    static const RecordLayout& recordLayout(ChannelLayout layout);
};

} // namespace kx
