#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/namecodec.h"

namespace kx {

class CChannelRec;

// How the text of a stored name without a prefix byte is coded, as the codec decodes it.
enum class UnprefixedCoding
{
    SingleByte, // a code page or the user table: one byte per character
    Utf8,       // the "Unicode" character table
};

// A name field rewritten by SplitControlCodes, ready for Decode: 40 bytes and the name length.
struct NameBytes
{
    std::array<std::uint8_t, kNameFieldSize> field{};
    int length = 0;
};

// A stored name without its DVB control codes, and its short name.
struct NameWithoutControlCodes
{
    // The whole name, prefix kept, control codes left out (a line break 0x8A becomes a blank).
    NameBytes full;
    // The prefix, then the parts between emphasis on (0x86) and emphasis off (0x87); an empty
    // text when the name marks none. Parts that the name separates by a blank get one blank.
    NameBytes shortName;
};

// Receivers treat the characters 0x80 to 0x9F of a name as control codes, never as letters. In
// single-byte text they are bytes of the stored text, whatever code page the rest is read with
// (under Windows code pages they would read as daggers and other signs); in UTF-8 text they are
// the code points U+0080 to U+009F (bytes C2 80 to C2 9F), while a byte 0x80 to 0x9F alone is
// part of a letter. Names in other multi-byte codings (prefix 0x11 to 0x14) are left as they are.
// storedLength is the record's name length; the rewritten length bounds the same text.
NameWithoutControlCodes SplitControlCodes(ConstNameField field, int storedLength,
                                          UnprefixedCoding unprefixed);

// The texts a list shows for a record's name.
struct DisplayName
{
    std::string name;
    std::string shortName;
};

// The record's name and short name as the lists show them, decoded under codec. A record without
// a layout (of a GlobalClone file) shows GetName(), UTF-8, without the control code points
// U+0080 to U+009F, and the parts it marks with U+0086 and U+0087 as its short name.
DisplayName DisplayNameOf(const CChannelRec& rec, const CodecSettings& codec);

} // namespace kx
