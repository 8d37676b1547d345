#pragma once

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
// The names of the history's steps (after "Undo" and "Redo"), each for one channel and for %1.
constexpr int kStepMoveUp = 61340; // 61341: %1 channels
constexpr int kStepMoveDown = 61342;
constexpr int kStepDuplicate = 61344;
constexpr int kStepDelete = 61346;
constexpr int kStepRename = 61348;
constexpr int kStepTick = 61349;
constexpr int kStepUntick = 61351;
constexpr int kStepChannelProperties = 61353;
constexpr int kStepSettings = 61354;
constexpr int kStepDataBlock = 61355;
constexpr int kStepImport = 61356;
constexpr int kStepMove = 61357;
constexpr int kStepSort = 61359;
constexpr int kStepFlags = 61360;
constexpr int kStepReference = 61368;
constexpr int kColumnOnid = 61362;
constexpr int kColumnTsid = 61363;
constexpr int kColumnFrequencyMHz = 61364;
constexpr int kColumnSatellite = 61365;
constexpr int kColumnPolarisation = 61366;
constexpr int kColumnEncrypted = 61367;
// Why a command does nothing for the open file.
constexpr int kWhyNoSettings = 61370;
constexpr int kWhyNoExport = 61371;
constexpr int kWhyNoChannelDialog = 61372;
constexpr int kWhyNoDuplicate = 61373;
constexpr int kWhyNoImport = 61374;
constexpr int kWhyNoBackup = 61375;
} // namespace ids

// The texts of the core by numeric id, in English. The core hands out ids (or English texts
// made of them); the widgets translate them (gui/coretext.h), so no translator is shared by the
// whole process.
class Strings
{
public:
    // The text for id; an empty string for an unknown id.
    static std::string text(int id);
    // The built-in English text for id, or nullptr for an unknown id.
    static const char* english(int id);
    // Every id with its English text, in ascending id order.
    static const std::vector<std::pair<int, const char*>>& table();
};

} // namespace kx
