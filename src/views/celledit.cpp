#include "views/celledit.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include "model/hexbytetext.h"

namespace kx {

namespace {

// Extra room after the text, so the caret at the end stays visible.
constexpr int kSlack = 5;

// Keys that move the caret or the selection, or copy, without changing the text.
bool leavesTextAlone(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::SelectAll);
    }
}

} // namespace

CCellEdit::CCellEdit(int item, int subItem, const QString& initialText, QWidget* parent,
                     QWidget* focusTarget, int rightLimit)
    : QLineEdit(parent), m_end(item, subItem, initialText, focusTarget), m_rightLimit(rightLimit)
{
    setObjectName(QStringLiteral("cellEdit"));
    setText(initialText);
    selectAll();
    connect(this, &QLineEdit::textChanged, this, &CCellEdit::widenToText);
}

CCellEdit::CCellEdit(int item, int subItem, const QString& initialText, QWidget* parent,
                     QWidget* focusTarget, int rightLimit, int byteCount)
    : QLineEdit(parent), m_end(item, subItem, initialText, focusTarget), m_nBytes(byteCount),
      m_bHexBytes(true), m_rightLimit(rightLimit)
{
    setObjectName(QStringLiteral("cellEdit"));
    setMaxLength(3 * m_nBytes);
    setText(initialText);
    selectAll();
    // Only typed digits may change the text: no pasting from a menu, no dropping, no composing.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool CCellEdit::event(QEvent* event)
{
    if (CellEditEnd::takeEditorShortcut(event)) {
        return true;
    }
    return QLineEdit::event(event);
}

void CCellEdit::keyPressEvent(QKeyEvent* event)
{
    if (const auto cancel = CellEditEnd::endKeyCancels(*event)) {
        finish(*cancel);
        return;
    }
    if (!m_bHexBytes || leavesTextAlone(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Hex-byte mode: characters go through the digit-entry rule; keys that would delete, paste
    // or undo are dropped without a sound.
    const bool plainCharacter =
        !event->text().isEmpty() &&
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    if (plainCharacter) {
        typeHexDigit(event->text());
    }
}

void CCellEdit::typeHexDigit(const QString& typed)
{
    const QList<uint> characters = typed.toUcs4();
    if (characters.size() != 1) {
        return;
    }
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    const auto entry = HexByteText::typeDigit(text().toStdString(), caret,
                                              static_cast<char32_t>(characters.front()), m_nBytes);
    if (!entry) {
        return;
    }
    setText(QString::fromStdString(entry->text));
    setCursorPosition(entry->caret);
}

void CCellEdit::finish(bool cancel)
{
    m_end.finish(*this, cancel);
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
    if (!m_end.beginReport()) {
        return;
    }
    hide();
    emit editEnded(m_end.item(), m_end.subItem(), m_end.cancelled() ? QString() : text(),
                   m_end.cancelled());
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
