#include "gui/listtitle.h"

#include <array>
#include <utility>

#include <QCoreApplication>

namespace kx {

namespace {

constexpr const char* kContext = "kx::ListTitle";

// The lists of both file formats (by the command line's names) and the list codes of reference
// lists, with their titles.
constexpr std::array<std::pair<std::string_view, const char*>, 19> kTitles = {{
    {"analog", QT_TRANSLATE_NOOP("kx::ListTitle", "Analog TV")},
    {"radio", QT_TRANSLATE_NOOP("kx::ListTitle", "Radio")},
    {"dtv", QT_TRANSLATE_NOOP("kx::ListTitle", "Digital TV")},
    {"sat-tv", QT_TRANSLATE_NOOP("kx::ListTitle", "Satellite TV")},
    {"sat-radio", QT_TRANSLATE_NOOP("kx::ListTitle", "Satellite radio")},
    {"dvbt-tv", QT_TRANSLATE_NOOP("kx::ListTitle", "Antenna TV")},
    {"dvbt-radio", QT_TRANSLATE_NOOP("kx::ListTitle", "Antenna radio")},
    {"dvbc-tv", QT_TRANSLATE_NOOP("kx::ListTitle", "Cable TV")},
    {"dvbc-radio", QT_TRANSLATE_NOOP("kx::ListTitle", "Cable radio")},
    {"dvbs-tv", QT_TRANSLATE_NOOP("kx::ListTitle", "Satellite TV")},
    {"dvbs-radio", QT_TRANSLATE_NOOP("kx::ListTitle", "Satellite radio")},
    {"AAT0", QT_TRANSLATE_NOOP("kx::ListTitle", "Analog antenna TV")},
    {"ACT0", QT_TRANSLATE_NOOP("kx::ListTitle", "Analog cable TV")},
    {"DAT0", QT_TRANSLATE_NOOP("kx::ListTitle", "Antenna TV")},
    {"DAR0", QT_TRANSLATE_NOOP("kx::ListTitle", "Antenna radio")},
    {"DCT0", QT_TRANSLATE_NOOP("kx::ListTitle", "Cable TV")},
    {"DCR0", QT_TRANSLATE_NOOP("kx::ListTitle", "Cable radio")},
    {"DST0", QT_TRANSLATE_NOOP("kx::ListTitle", "Satellite TV")},
    {"DSR0", QT_TRANSLATE_NOOP("kx::ListTitle", "Satellite radio")},
}};

} // namespace

QString ListTitle(std::string_view listName)
{
    for (const auto& [name, title] : kTitles) {
        if (name == listName) {
            return QCoreApplication::translate(kContext, title);
        }
    }
    // "source-N-tv" and "source-N-radio": a source this program does not know.
    constexpr std::string_view kSource = "source-";
    if (listName.starts_with(kSource)) {
        const std::string_view rest = listName.substr(kSource.size());
        const std::size_t dash = rest.find('-');
        if (dash != std::string_view::npos) {
            const QString number = QString::fromLatin1(rest.data(), static_cast<qsizetype>(dash));
            const std::string_view kind = rest.substr(dash + 1);
            if (kind == "tv") {
                return QCoreApplication::translate("kx::ListTitle", "Source %1 TV").arg(number);
            }
            if (kind == "radio") {
                return QCoreApplication::translate("kx::ListTitle", "Source %1 radio").arg(number);
            }
        }
    }
    return QString::fromUtf8(listName.data(), static_cast<qsizetype>(listName.size()));
}

} // namespace kx
