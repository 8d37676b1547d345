#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "dialogs/dialoggeometry.h"

namespace kx {

// The two raw record layouts the Channel dialog knows.
enum class ChannelLayout
{
    Bytes164,
    Bytes176,
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

// One control of the Channel dialog: its id, label, place in the dialog, and its field in each
// layout (none where the layout has no such field: the control stays empty).
struct ChannelField
{
    int controlId = 0;
    std::string_view label;
    DialogRect labelRect;
    DialogRect editRect;
    bool isName = false;
    std::optional<FieldPlace> bytes164;
    std::optional<FieldPlace> bytes176;

    const std::optional<FieldPlace>& place(ChannelLayout layout) const
    {
        return layout == ChannelLayout::Bytes164 ? bytes164 : bytes176;
    }
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
};

} // namespace kx
