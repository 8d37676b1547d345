#pragma once

#include <QString>

#include <optional>

class QEvent;
class QKeyEvent;
class QWidget;

namespace kx {

// What the in-place cell editors share: the cell they edit, how an edit ends and that its end
// is reported once. Enter commits and Escape cancels; either hands the focus back to the list,
// and losing the focus is what ends the edit. While an editor has the focus, Enter, Escape,
// Delete and every Control key act in the editor, not as the window's shortcuts.
class CellEditEnd
{
public:
    CellEditEnd(int item, int subItem, QString initialText, QWidget* focusTarget);

    int item() const { return m_nItem; }
    int subItem() const { return m_nSubItem; }
    const QString& initialText() const { return m_strInit; }
    // Whether the edit was cancelled (Escape).
    bool cancelled() const { return m_bEscape; }

    // Takes the shortcut request of an editor key, so that the key reaches the editor instead of
    // a shortcut of the window; true when it was taken.
    static bool takeEditorShortcut(QEvent* event);
    // Whether a key ends the edit: false for Enter (commit), true for Escape (cancel), nothing
    // for other keys.
    static std::optional<bool> endKeyCancels(const QKeyEvent& key);

    // Notes a cancel and hands the focus from the editor back to the list.
    void finish(QWidget& editor, bool cancel);
    // True exactly once: the first time the end of the edit is about to be reported.
    bool beginReport();

private:
    int m_nItem;
    int m_nSubItem;
    QString m_strInit;
    QWidget* m_focusTarget;
    bool m_bEscape = false;
    bool m_reported = false;
};

// Whether a key belongs to an open cell editor rather than to the window's shortcuts: Enter,
// Escape, Delete and every key with Control.
bool isCellEditorKey(const QKeyEvent& key);

} // namespace kx
