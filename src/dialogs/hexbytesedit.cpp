#include "dialogs/hexbytesedit.h"

#include <QFontDatabase>
#include <QInputMethodEvent>
#include <QKeyEvent>

namespace kx {
namespace {

// The caret of the core's digit entry counts characters; QLineEdit counts UTF-16 units.
int characterIndex(const QString& text, int utf16Position)
{
    return static_cast<int>(QStringView(text).left(utf16Position).toUcs4().size());
}

int utf16Position(const QString& text, int characterIndex)
{
    int position = 0;
    for (int i = 0; i < characterIndex && position < text.size(); ++i) {
        position += text.at(position).isHighSurrogate() && position + 1 < text.size() ? 2 : 1;
    }
    return position;
}

// Keys that keep their edit-box meaning: they move the caret, delete, or belong to the dialog.
bool passesThrough(const QKeyEvent* event)
{
    if (event->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    case Qt::Key_Backspace:
        return false;
    default:
        break;
    }
    const QString text = event->text();
    return text.isEmpty() || !text.at(0).isPrint();
}

} // namespace

CHexBytesEdit::CHexBytesEdit(QWidget* parent) : QLineEdit(parent)
{
    // Digits line up under each other in a fixed-pitch font.
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void CHexBytesEdit::SetValue(std::uint32_t value, int nBytes)
{
    const std::string text = m_hex.SetValue(value, nBytes);
    setMaxLength(m_hex.maxLength());
    setText(QString::fromStdString(text));
}

std::uint32_t CHexBytesEdit::GetValue() const
{
    return m_hex.GetValue(text().toStdString());
}

bool CHexBytesEdit::typeCharacter(char32_t ch)
{
    const QString current = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const auto entry = m_hex.OnChar(current.toStdString(), characterIndex(current, start), ch);
    if (!entry) {
        return false;
    }
    const QString typed = QString::fromStdString(entry->text);
    setText(typed);
    setCursorPosition(utf16Position(typed, entry->caret));
    return true;
}

void CHexBytesEdit::keyPressEvent(QKeyEvent* event)
{
    if (passesThrough(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Backspace and every other character go through digit entry; what it drops is gone.
    for (const char32_t ch : event->text().toUcs4()) {
        typeCharacter(ch);
    }
    event->accept();
}

void CHexBytesEdit::inputMethodEvent(QInputMethodEvent* event)
{
    for (const char32_t ch : event->commitString().toUcs4()) {
        typeCharacter(ch);
    }
    event->accept();
}

} // namespace kx
