#pragma once

#include <cstdint>

#include <QLineEdit>

#include "model/hexbytetext.h"

namespace kx {

// An edit box that shows a 1-, 2- or 4-byte unsigned value as hexadecimal byte pairs ("12 34 ")
// and takes typed digits by overwriting, the caret skipping the blanks; every other typed
// character is dropped. Navigation, selection, Delete and the clipboard keys work as in any edit
// box; a text that no longer reads as byte pairs gives back the value last set.
class CHexBytesEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CHexBytesEdit(QWidget* parent = nullptr);

    // Shows value in nBytes (1, 2 or 4) byte pairs and makes it the value GetValue falls back to.
    void SetValue(std::uint32_t value, int nBytes);
    // The value the text reads as, or the value last set when it cannot be read.
    std::uint32_t GetValue() const;
    int byteCount() const { return m_hex.byteCount(); }

    // Digit entry of one typed character at the start of the selection (or the caret); false
    // when the character was dropped.
    bool typeCharacter(char32_t ch);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    HexByteText m_hex;
};

} // namespace kx
