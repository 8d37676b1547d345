#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/channelfieldmap.h"
#include "model/hexbytetext.h"

namespace kx {

struct RecordLayout;

// The Channel dialog's rules: the raw field editor of one channel record. Construction fills the
// controls' texts from the record's raw bytes (hex fields as byte pairs, the two names as text of
// the system code page); OnOK() stores the texts back into the same bytes. Not calling OnOK()
// (Cancel) leaves the bytes untouched.
//
// The widget shows text(id) in each control, disables the controls that are not used, forwards
// typed characters of hex fields to OnChar, hands the final texts over with setText and calls
// OnOK. The record's bytes must outlive the model.
class ChannelDlgModel
{
public:
    // raw: the 164 or 176 bytes of one record, or empty for an empty dialog whose OK writes
    // nothing. Any other size throws Error(ErrorCode::Internal).
    // Names show and store as text of systemCodePage (1250 to 1257).
    ChannelDlgModel(std::span<std::uint8_t> raw, int systemCodePage);
    // raw: the bytes of one record of layout (Error(ErrorCode::Internal) for another size).
    ChannelDlgModel(std::span<std::uint8_t> raw, const RecordLayout& layout, int systemCodePage);

    // The layout when it is one of the two oldest, whose every byte has a box.
    std::optional<ChannelLayout> layout() const noexcept { return m_layout; }
    // How many byte pairs a used hex field shows; 0 for the names and unused controls.
    int displayBytes(int controlId) const;
    // Whether the open layout has a field for the control; unused controls stay empty.
    bool isUsed(int controlId) const;
    // The control's current text: what it opened with until setText changes it.
    const std::string& text(int controlId) const;
    // The longest text the control takes: 3 per shown byte for hex fields, 40 for the names
    // (one byte per character in the system code page), 0 for unused controls.
    int maxLength(int controlId) const;

    // Digit entry in a used hex field; nullopt when the character is dropped (always for the
    // name boxes and unused controls, which take typing as plain text or not at all).
    std::optional<HexByteText::Entry> OnChar(int controlId, std::string_view text, int caret,
                                             char32_t ch) const;
    // Whether a name box's text can be stored: every character exists in the system code page.
    bool canStoreName(std::string_view text) const;

    // What a control shows when OK is pressed. Ignored for unused controls.
    void setText(int controlId, std::string text);

    // Stores every used control into the record: hex fields little-endian in their stored
    // width (a field shown wider keeps its low-order bytes; an unreadable text keeps the
    // opening value); a changed name as its bytes, cut to the 40-byte field, with a zero behind
    // when there is room. An unchanged name is left as it stands. Throws
    // Error(ErrorCode::Usage), before any byte is written, when a name holds a character the
    // system code page cannot store.
    void OnOK();

private:
    struct Control
    {
        const ChannelField* field = nullptr;
        std::optional<FieldPlace> place;
        HexByteText hex;
        std::string openingText;
        std::string text;
    };

    std::size_t indexOf(int controlId) const;
    const Control& control(int controlId) const;
    Control& control(int controlId);

    void fill(const RecordLayout* layout);

    std::span<std::uint8_t> m_raw;
    int m_systemCodePage;
    std::optional<ChannelLayout> m_layout;
    std::vector<Control> m_controls;
};

} // namespace kx
