#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The small text rules of GlobalClone files: the hexadecimal name field, the plain copy of a name,
// XML escaping of written text and the reading of an element's text as the file holds it.
namespace kx::globalclone {

// The bytes as hexadecimal digits, two per byte, in upper or lower case (the receivers write
// lower case).
std::string encodeHex(std::string_view bytes, bool upperCase = false);

// Bytes read from hexadecimal text as well as it can be read: digits of either case are taken in
// pairs; any other character and a last digit without a partner are left out. complete is false
// when something was left out.
struct DecodedHex
{
    std::string bytes;
    bool complete = true;
};
DecodedHex decodeHex(std::string_view text);

// The plain copy of a name that the file keeps for display (vchName): every character of the
// display text (UTF-8) outside printable ASCII becomes one blank; a text that leaves nothing but
// blanks (or is empty) becomes a single blank. Never empty.
std::string plainNameCopy(std::string_view displayText);

// Text escaped for an element's content: & < > become entity references.
std::string escapeXmlText(std::string_view text);

// The text of an element's content exactly as it lies in the file (raw, between the start and the
// end tag), decoded: the five predefined entities and character references are resolved, CDATA
// sections give their text, comments and processing instructions give nothing. A reference that
// cannot be resolved is kept as it stands.
std::string decodeXmlContent(std::string_view raw);

// The name bytes of a file that has no hexadecimal name and keeps them inside vchName: code points
// up to U+00FF give their byte, the Windows-1252 letters in 0x80..0x9F give theirs, anything else
// (and bytes that are not UTF-8) is kept as it stands.
std::string legacyNameBytes(std::string_view text);

// For the parser: a copy of the file's bytes in which every byte that XML does not allow (control
// bytes, sequences that are not UTF-8) inside the text of a vchName is blanked, so that a file of
// the oldest receivers, which write names that way, still opens; the offsets stay the same and the
// names are read from the original bytes. Such bytes elsewhere are left for the parser to report.
// Empty when there is nothing to blank.
std::string blankedNameBytes(const std::string& bytes);

// A decimal number as the files write it (an optional minus sign and digits, blanks around it
// allowed), or nothing when the text is not one or does not fit.
std::optional<std::int64_t> parseNumber(std::string_view text);

} // namespace kx::globalclone
