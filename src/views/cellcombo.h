#pragma once

#include <QComboBox>

#include "views/celleditend.h"

namespace kx {

// The in-place drop-down editor of one list cell: offers a fixed list of choices with the cell's
// value selected, ends when it loses the focus (opening its own drop-down does not count) and
// then reports once, with the chosen text or, after Escape, as cancelled. Enter and Escape hand
// the focus back to the list, which ends the edit; while it has the focus, Enter, Escape, Delete
// and Control keys act in the editor, not as the window's shortcuts. It deletes itself after
// reporting.
class CCellCombo : public QComboBox
{
    Q_OBJECT

public:
    // choices: the texts offered, in order; initialChoice: the index selected at start, or -1
    // for none. focusTarget: the list that takes the focus back.
    CCellCombo(int item, int subItem, const QString& initialText, const QStringList& choices,
               int initialChoice, QWidget* parent, QWidget* focusTarget);

    int item() const { return m_end.item(); }
    int subItem() const { return m_end.subItem(); }
    const QString& initialText() const { return m_end.initialText(); }

    // Ends the edit now, as Enter (commit) or Escape (cancel) would.
    void finish(bool cancel);

signals:
    // Sent once when the edit ends: the selected choice's text (empty when none is selected),
    // or cancelled after Escape.
    void editEnded(int item, int subItem, const QString& text, bool cancelled);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void report();
    // Whether the widget with the focus is this editor or lies in it (its drop-down).
    bool ownsFocusWidget() const;

    CellEditEnd m_end;
};

} // namespace kx
