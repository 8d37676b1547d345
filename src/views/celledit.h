#pragma once

#include <QLineEdit>

namespace kx {

// The in-place editor of one list cell (text mode): starts with the cell's text selected, ends
// when it loses the focus and then reports once, with the typed text or, after Escape, as
// cancelled. Enter and Escape hand the focus back to the list, which ends the edit. While it has
// the focus, Delete, Enter, Escape and every Control key act in the editor, not as the window's
// shortcuts. It grows to the right as the text grows, up to a limit, and never shrinks.
// It deletes itself after reporting.
class CCellEdit : public QLineEdit
{
    Q_OBJECT

public:
    // parent: the widget the editor lies on; focusTarget: the list that takes the focus back;
    // rightLimit: the x coordinate (in parent's coordinates) the editor never grows past.
    CCellEdit(int item, int subItem, const QString& initialText, QWidget* parent,
              QWidget* focusTarget, int rightLimit);

    int item() const { return m_nItem; }
    int subItem() const { return m_nSubItem; }
    const QString& initialText() const { return m_strInit; }

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

    int m_nItem;
    int m_nSubItem;
    QString m_strInit;
    bool m_bEscape = false;
    bool m_reported = false;
    QWidget* m_focusTarget;
    int m_rightLimit;
};

} // namespace kx
