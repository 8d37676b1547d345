#include "gui/coretext.h"

#include <string>

#include <QCoreApplication>

#include "platform/strings.h"

namespace kx {

namespace {

constexpr const char* kContext = "Strings";

QString translate(const std::string& english)
{
    return QCoreApplication::translate(kContext, english.c_str());
}

} // namespace

QString coreText(int id, int count)
{
    const char* english = Strings::english(id);
    if (english == nullptr) {
        return {};
    }
    const QString text = QCoreApplication::translate(kContext, english);
    // The one-channel texts are handed out with their count too, but have no %1 to fill.
    return count != 0 && text.contains(QLatin1String("%1")) ? text.arg(count) : text;
}

QString translatedCoreText(std::string_view english)
{
    // Only the rows on screen ask, so no text is kept: the language may change between two
    // windows of one run (the tests do).
    const std::string text(english);
    QString translated = translate(text);
    const std::size_t dash = text.find(" - ");
    if (translated == QString::fromStdString(text) && dash != std::string::npos) {
        translated =
            QString::fromStdString(text.substr(0, dash + 3)) + translate(text.substr(dash + 3));
    }
    return translated;
}

} // namespace kx
