#include "views/celledit.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace kx {

namespace {

// Extra room after the text, so the caret at the end stays visible.
constexpr int kSlack = 5;

bool isEditorKey(const QKeyEvent& key)
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

} // namespace

CCellEdit::CCellEdit(int item, int subItem, const QString& initialText, QWidget* parent,
                     QWidget* focusTarget, int rightLimit)
    : QLineEdit(parent), m_nItem(item), m_nSubItem(subItem), m_strInit(initialText),
      m_focusTarget(focusTarget), m_rightLimit(rightLimit)
{
    setObjectName(QStringLiteral("cellEdit"));
    setText(m_strInit);
    selectAll();
    connect(this, &QLineEdit::textChanged, this, &CCellEdit::widenToText);
}

bool CCellEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isEditorKey(*static_cast<QKeyEvent*>(event))) {
        // Taken here, the key reaches keyPressEvent instead of a shortcut of the window.
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void CCellEdit::keyPressEvent(QKeyEvent* event)
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
        QLineEdit::keyPressEvent(event);
    }
}

void CCellEdit::finish(bool cancel)
{
    m_bEscape = m_bEscape || cancel;
    if (m_focusTarget != nullptr && hasFocus()) {
        // Losing the focus is what ends the edit.
        m_focusTarget->setFocus(Qt::OtherFocusReason);
    }
    report();
}

void CCellEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // The editor's own context menu takes the focus for a moment; that does not end the edit.
    if (event->reason() != Qt::PopupFocusReason) {
        report();
    }
}

void CCellEdit::report()
{
    if (m_reported) {
        return;
    }
    m_reported = true;
    hide();
    emit editEnded(m_nItem, m_nSubItem, m_bEscape ? QString() : text(), m_bEscape);
    deleteLater();
}

void CCellEdit::widenToText()
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins textMargins = this->textMargins();
    const QMargins contentMargins = contentsMargins();
    // QLineEdit keeps 2 pixels on either side of its text area.
    const int textWidth = fontMetrics().horizontalAdvance(text()) + kSlack + 2 * 2 +
                          textMargins.left() + textMargins.right() + contentMargins.left() +
                          contentMargins.right();
    const int wanted =
        style()
            ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(textWidth, height()), this)
            .width();
    const int widest = m_rightLimit - x();
    const int newWidth = std::min(wanted, widest);
    if (newWidth > width()) {
        resize(newWidth, height());
    }
}

} // namespace kx
