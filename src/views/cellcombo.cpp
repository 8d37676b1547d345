#include "views/cellcombo.h"

#include <QApplication>
#include <QKeyEvent>

#include "views/celledit.h"

namespace kx {

CCellCombo::CCellCombo(int item, int subItem, const QString& initialText,
                       const QStringList& choices, int initialChoice, QWidget* parent,
                       QWidget* focusTarget)
    : QComboBox(parent), m_nItem(item), m_nSubItem(subItem), m_strInit(initialText),
      m_focusTarget(focusTarget)
{
    setObjectName(QStringLiteral("cellCombo"));
    // Long lists (37 countries) scroll in a drop-down of a sensible height.
    setMaxVisibleItems(12);
    addItems(choices);
    setCurrentIndex(initialChoice >= 0 && initialChoice < count() ? initialChoice : -1);
}

bool CCellCombo::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        isCellEditorKey(*static_cast<QKeyEvent*>(event))) {
        // Taken here, the key reaches keyPressEvent instead of a shortcut of the window.
        event->accept();
        return true;
    }
    return QComboBox::event(event);
}

void CCellCombo::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        finish(false);
        return;
    case Qt::Key_Escape:
        finish(true);
        return;
    default:
        QComboBox::keyPressEvent(event);
    }
}

void CCellCombo::finish(bool cancel)
{
    m_bEscape = m_bEscape || cancel;
    if (m_focusTarget != nullptr && hasFocus()) {
        // Losing the focus is what ends the edit.
        m_focusTarget->setFocus(Qt::OtherFocusReason);
    }
    report();
}

void CCellCombo::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    // The drop-down is a window of its own and takes the focus while it is open; that does not
    // end the edit.
    if (event->reason() == Qt::PopupFocusReason || ownsFocusWidget()) {
        return;
    }
    report();
}

bool CCellCombo::ownsFocusWidget() const
{
    for (const QWidget* widget = QApplication::focusWidget(); widget != nullptr;
         widget = widget->parentWidget()) {
        if (widget == this) {
            return true;
        }
    }
    return false;
}

void CCellCombo::report()
{
    if (m_reported) {
        return;
    }
    m_reported = true;
    hidePopup();
    hide();
    emit editEnded(m_nItem, m_nSubItem, m_bEscape ? QString() : currentText(), m_bEscape);
    deleteLater();
}

} // namespace kx
