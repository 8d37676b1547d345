#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Marks an English text for the translation tools (lupdate reads this macro as an alias of
// QT_TRANSLATE_NOOP) and yields the text itself.
#define KX_TRANSLATE_NOOP(context, text) text

namespace kx {

// Numeric ids of the texts that the core shows (table names, column headers, countries, ...).
namespace ids {
constexpr int kAppTitle = 57344;
constexpr int kPaneTV = 61204;
constexpr int kPaneFM = 61205;
constexpr int kPaneDTV = 61206;
constexpr int kColumnNumber = 61208;
constexpr int kColumnName = 61209;
constexpr int kColumnSystem = 61210;
constexpr int kColumnBand = 61211;
constexpr int kColumnChannel = 61212;
constexpr int kColumnCharacter = 61213;
constexpr int kColumnFrequency = 61214;
constexpr int kColumnSymbolRate = 61215;
constexpr int kColumnModulation = 61216;
constexpr int kTableNone = 61219;
constexpr int kTableUser = 61220;
constexpr int kCountryFirst = 61240; // 37 countries, 61240 to 61276
constexpr int kCountryCount = 37;
constexpr int kLanguageFirst = 61280; // 32 languages, 61280 to 61311
constexpr int kLanguageCount = 32;
constexpr int kMenuItemFirst = 61320; // 8 menu items, 61320 to 61327
constexpr int kMenuItemCount = 8;
constexpr int kRestartMessage = 61328;
constexpr int kMoreSettingsCaption = 61329;
constexpr int kColumnShortName = 61330;
constexpr int kColumnServiceId = 61331;
constexpr int kColumnServiceType = 61332;
constexpr int kColumnFlags = 61333;
constexpr int kPaneSatTV = 61334;
constexpr int kPaneSatFM = 61335;
} // namespace ids

// The texts of the core by numeric id. English is built in; the GUI installs a translator that
// gives the text of the chosen user-interface language.
class Strings
{
public:
    // Receives the id and the English text; returns the text to show.
    using Translator = std::function<std::string(int id, const char* english)>;

    // The text for id in the active language; an empty string for an unknown id.
    static std::string text(int id);
    // The built-in English text for id, or nullptr for an unknown id.
    static const char* english(int id);
    // Every id with its English text, in ascending id order.
    static const std::vector<std::pair<int, const char*>>& table();

    static void setTranslator(Translator translator);

private:
    static Translator& translator();
};

} // namespace kx
