#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kx {

// A colour of the grid, red, green and blue.
struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The rules of the hex data grid of the Data Block dialog: a block of bytes shown as a hex dump
// (address, sixteen hex cells and sixteen character cells per row), a selection made with the
// mouse, a caret moved by the keys, bytes overwritten by typed hex digits at the caret, a second
// run of bytes (the mark) chosen by the owner, vertical scrolling in rows, and the status line. The
// widget paints from paintPlan() and forwards mouse, wheel, scroll-bar and character input; all
// positions are client pixels.
//
// The grid edits the owner's buffer in place and keeps no copy; the buffer must outlive the grid
// or be replaced with SetData.
class HexGridModel
{
public:
    static constexpr int kRowHeight = 18;
    static constexpr int kBytesPerRow = 16;
    static constexpr int kHexX = 50;      // x of column 0's hex digits
    static constexpr int kHexPitch = 24;  // width of a hex cell
    static constexpr int kCharX = 450;    // x of column 0's character
    static constexpr int kCharPitch = 12; // width of a character cell
    static constexpr int kDownShift = 12; // the button-down hex box starts this much further left
    static constexpr int kMaxCount = 0xFFFFF;

    // Mouse buttons and keys held, as the mouse handlers receive them (bits of one flag word).
    static constexpr unsigned kLeftButton = 0x01;
    static constexpr unsigned kRightButton = 0x02;
    static constexpr unsigned kShift = 0x04;
    static constexpr unsigned kControl = 0x08;
    static constexpr unsigned kMiddleButton = 0x10;

    // Which hex boxes a hit test uses: the button-down boxes lie kDownShift pixels left of the
    // boxes for mouse moves and the button release.
    enum class HitBoxes
    {
        ButtonDown,
        MoveOrRelease,
    };

    // The keys that move the caret; First and Last are Ctrl+Home and Ctrl+End.
    enum class CaretKey
    {
        Left,
        Right,
        Up,
        Down,
        PageUp,
        PageDown,
        Home,
        End,
        First,
        Last,
    };

    // Scroll-bar actions; every other action of a scroll bar moves nothing.
    enum class ScrollAction
    {
        LineUp,
        LineDown,
        PageUp,
        PageDown,
        ThumbTrack,
        Other,
    };

    struct Cell
    {
        int index = 0;  // byte index in the block
        int column = 0; // 0 to 15
        int hexX = 0;
        int charX = 0;
        std::string hex;       // two upper-case hex digits
        std::string character; // UTF-8; "." for bytes below 0x20
        Rgb background;
        bool caret = false; // typing goes into this byte
    };

    struct Row
    {
        int y = 0;
        std::string address; // four upper-case hex digits, always on white
        std::vector<Cell> cells;
    };

    static constexpr Rgb kWhite{255, 255, 255};
    static constexpr Rgb kSelected{127, 127, 255};
    static constexpr Rgb kMarked{255, 127, 127};
    static constexpr Rgb kSelectedAndMarked{255, 0, 255};

    // The background of a byte's two cells.
    static Rgb background(bool selected, bool marked);

    // Character cells show bytes as the system code page (1250 to 1257) has them.
    explicit HexGridModel(int systemCodePage);

    // Shows data; false, and nothing changes, for an empty block or one of more than 0xFFFFF
    // bytes. Keeps the selection and the mark, scrolls to the first row.
    bool SetData(std::span<std::uint8_t> data);
    // Marks first to last (inclusive; -1, -1 clears the mark) and scrolls the row of first to the
    // top, within the scroll range. The widget repaints everything afterwards.
    void SetMark(int first, int last);
    // The first selected byte and the typing position; -1 with nothing selected.
    int GetSelStart() const noexcept { return m_nSelStart; }
    // The number of selected bytes: 0 after a backward drag to an empty selection, also 0 with
    // nothing selected.
    int GetSelCount() const noexcept { return m_nSelEnd - m_nSelStart + 1; }
    int selEnd() const noexcept { return m_nSelEnd; }
    int markStart() const noexcept { return m_nMarkStart; }
    int markEnd() const noexcept { return m_nMarkEnd; }
    int anchor() const noexcept { return m_nAnchor; }
    int count() const noexcept { return static_cast<int>(m_data.size()); }

    // The top row (scroll position) and the scroll bar's range 0 to scrollMaximum().
    int scrollPosition() const noexcept { return m_nScrollPos; }
    int scrollMaximum() const noexcept { return count() / kBytesPerRow; }
    // Scrolls by a scroll-bar action (thumbPosition is read for ThumbTrack only) or by a wheel
    // turn (positive delta scrolls up, one notch of 120 is 7 rows). Returns the number of rows
    // scrolled, negative upwards: the widget moves its contents by -kRowHeight × rows pixels.
    int scrollBar(ScrollAction action, int thumbPosition = 0);
    int scrollWheel(int delta);

    // The byte whose box holds the point, or nullopt.
    std::optional<int> hitTest(int x, int y, HitBoxes boxes) const;

    // Mouse input, flags from the k...Button and kShift/kControl bits. The widget takes the focus
    // on button down and redraws the cells after each of these.
    void OnLButtonDown(int x, int y, unsigned flags);
    void OnMouseMove(int x, int y, unsigned flags);
    void OnLButtonUp(int x, int y);
    // The byte typing goes into (the first selected byte), or -1 when there is none.
    int caret() const noexcept
    {
        return m_nSelStart >= 0 && m_nSelStart < count() ? m_nSelStart : -1;
    }
    // Which digit of the caret's byte the next typed digit gives: 0 the high one, 1 the low one.
    int caretDigit() const noexcept { return m_nNibble; }
    // Moves the caret by a key: the byte it lands on becomes the selection (and the anchor of a
    // shift-click), a half-typed byte keeps its first digit, and the grid scrolls so that the
    // caret's row is among the visibleRows rows in view. Without a caret, the keys put it on the
    // first byte in view. Up, Down and the page keys keep the column and stop at the first and
    // last row that have it; Home and End go to the ends of the row. Returns the rows scrolled,
    // as scrollBar does.
    int OnKey(CaretKey key, int visibleRows);
    // Scrolls so that the caret's row is among the visibleRows rows in view; returns the rows
    // scrolled.
    int scrollToCaret(int visibleRows);

    // A typed character; true when a byte of the block changed. Anything but 0-9, A-F and a-f,
    // and typing with nothing selected or past the last byte, changes nothing.
    bool OnChar(char32_t ch);

    // The rows a client area of clientHeight pixels shows from the top row on: one more than fit
    // whole, so that a partly visible row at the bottom is drawn.
    std::vector<Row> paintPlan(int clientHeight) const;

private:
    void extendTo(int index);
    int caretTarget(CaretKey key, int from, int visibleRows) const;
    int clampedStep(int rows) const;
    int scrollBy(int rows);

    std::span<std::uint8_t> m_data;
    int m_nSelStart = -1;
    int m_nSelEnd = -1;
    // Before the first plain click a shift-click extends from the first byte.
    int m_nAnchor = 0;
    int m_nNibble = 0;
    int m_nMarkStart = -1;
    int m_nMarkEnd = -1;
    int m_nScrollPos = 0;
    std::array<std::string, 256> m_charTexts;
};

} // namespace kx
