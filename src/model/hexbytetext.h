#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kx {

// A 1-, 2- or 4-byte unsigned value shown as hexadecimal byte pairs, most significant byte first,
// each pair followed by one blank: 0x1234 of width 2 reads "12 34 ". Holds the state of one hex
// field control (its width and the value it was opened with) and the digit-entry rule, so that an
// edit widget only forwards its text, caret and typed characters.
//
// Texts are UTF-8; carets count characters (code points), not bytes.
class HexByteText
{
public:
    static constexpr int kMaxBytes = 4;

    // The text and caret an edit shows after a typed digit.
    struct Entry
    {
        std::string text;
        int caret = 0;
    };

    // The text of value in byteCount bytes (1 to 4): 3 × byteCount characters.
    static std::string format(std::uint32_t value, int byteCount);
    // The value of a text of byteCount byte pairs; nullopt when the text is shorter than
    // 3 × byteCount characters or a digit position holds anything but 0-9 or A-F (upper case).
    // The blank behind each pair is not examined; characters past the last pair are ignored.
    static std::optional<std::uint32_t> parse(std::string_view text, int byteCount);
    // Digit entry over a text of byteCount byte pairs with the caret (the start of the selection)
    // at caret. Digits overwrite: the text never grows or shrinks, and the caret skips the blanks.
    // nullopt when the character is dropped: not a hexadecimal digit (a-f count as A-F), the caret
    // at or past 3 × byteCount, or on the blank behind the last pair.
    static std::optional<Entry> typeDigit(std::string_view text, int caret, char32_t ch,
                                          int byteCount);

    HexByteText() = default;
    HexByteText(std::uint32_t value, int nBytes) { SetValue(value, nBytes); }

    // Makes value the opening value and nBytes (1 to 4) the display width; returns the text to
    // show. Values wider than nBytes keep their low-order bytes.
    std::string SetValue(std::uint32_t value, int nBytes);
    // The value of text, or the opening value when the text cannot be read.
    std::uint32_t GetValue(std::string_view text) const;
    // Digit entry at the field's own width.
    std::optional<Entry> OnChar(std::string_view text, int caret, char32_t ch) const
    {
        return typeDigit(text, caret, ch, m_nBytes);
    }

    int byteCount() const noexcept { return m_nBytes; }
    // The longest text the field takes.
    int maxLength() const noexcept { return 3 * m_nBytes; }

private:
    int m_nBytes = 1;
    std::uint32_t m_nValue = 0;
};

} // namespace kx
