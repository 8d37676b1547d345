#include "views/cellcombo.h"

#include <QApplication>
#include <QKeyEvent>

namespace kx {

CCellCombo::CCellCombo(int item, int subItem, const QString& initialText,
                       const QStringList& choices, int initialChoice, QWidget* parent,
                       QWidget* focusTarget)
    : QComboBox(parent), m_end(item, subItem, initialText, focusTarget)
{
    setObjectName(QStringLiteral("cellCombo"));
    // Long lists (37 countries) scroll in a drop-down of a sensible height.
    setMaxVisibleItems(12);
    addItems(choices);
    setCurrentIndex(initialChoice >= 0 && initialChoice < count() ? initialChoice : -1);
}

bool CCellCombo::event(QEvent* event)
{
    if (CellEditEnd::takeEditorShortcut(event)) {
        return true;
    }
    return QComboBox::event(event);
}

void CCellCombo::keyPressEvent(QKeyEvent* event)
{
    if (const auto cancel = CellEditEnd::endKeyCancels(*event)) {
        finish(*cancel);
        return;
    }
    QComboBox::keyPressEvent(event);
}

void CCellCombo::finish(bool cancel)
{
    m_end.finish(*this, cancel);
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
    if (!m_end.beginReport()) {
        return;
    }
    hidePopup();
    hide();
    emit editEnded(m_end.item(), m_end.subItem(), m_end.cancelled() ? QString() : currentText(),
                   m_end.cancelled());
    deleteLater();
}

} // namespace kx
