#pragma once

#include <QLineEdit>

#include "views/celleditend.h"

namespace kx {

// The in-place editor of one list cell: starts with the cell's text selected, ends when it loses
// the focus and then reports once, with the typed text or, after Escape, as cancelled. Enter and
// Escape hand the focus back to the list, which ends the edit. While it has the focus, Delete,
// Enter, Escape and every Control key act in the editor, not as the window's shortcuts.
// It deletes itself after reporting.
//
// In text mode it takes any text and grows to the right as the text grows, up to a limit, never
// shrinking. In hex-byte mode it holds a fixed number of bytes as two-digit hexadecimal pairs:
// typed digits overwrite (HexByteText's digit-entry rule), everything else that would change the
// text is dropped.
class CCellEdit : public QLineEdit
{
    Q_OBJECT

public:
    // parent: the widget the editor lies on; focusTarget: the list that takes the focus back;
    // rightLimit: the x coordinate (in parent's coordinates) the editor never grows past.
    CCellEdit(int item, int subItem, const QString& initialText, QWidget* parent,
              QWidget* focusTarget, int rightLimit);
    // Hex-byte mode for byteCount (1 to 4) bytes; it keeps the width it is given.
    CCellEdit(int item, int subItem, const QString& initialText, QWidget* parent,
              QWidget* focusTarget, int rightLimit, int byteCount);

    int item() const { return m_end.item(); }
    int subItem() const { return m_end.subItem(); }
    const QString& initialText() const { return m_end.initialText(); }
    bool isHexBytes() const { return m_bHexBytes; }

    // Ends the edit now, as Enter (commit) or Escape (cancel) would.
    void finish(bool cancel);

signals:
    // Sent once when the edit ends; cancelled is true after Escape (text is then empty).
    void editEnded(int item, int subItem, const QString& text, bool cancelled);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void widenToText();
    void report();
    // Hex-byte mode: puts a typed character in by the digit-entry rule, or drops it.
    void typeHexDigit(const QString& typed);

    CellEditEnd m_end;
    int m_nBytes = 0;
    bool m_bHexBytes = false;
    int m_rightLimit;
};

} // namespace kx
