#include "views/celleditend.h"

#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace kx {

bool isCellEditorKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return true;
    default:
        return key.modifiers().testFlag(Qt::ControlModifier);
    }
}

CellEditEnd::CellEditEnd(int item, int subItem, QString initialText, QWidget* focusTarget)
    : m_nItem(item), m_nSubItem(subItem), m_strInit(std::move(initialText)),
      m_focusTarget(focusTarget)
{}

bool CellEditEnd::takeEditorShortcut(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        isCellEditorKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return false;
}

std::optional<bool> CellEditEnd::endKeyCancels(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return false;
    case Qt::Key_Escape:
        return true;
    default:
        return std::nullopt;
    }
}

void CellEditEnd::finish(QWidget& editor, bool cancel)
{
    m_bEscape = m_bEscape || cancel;
    if (m_focusTarget != nullptr && editor.hasFocus()) {
        // Losing the focus is what ends the edit.
        m_focusTarget->setFocus(Qt::OtherFocusReason);
    }
}

bool CellEditEnd::beginReport()
{
    if (m_reported) {
        return false;
    }
    m_reported = true;
    return true;
}

} // namespace kx
