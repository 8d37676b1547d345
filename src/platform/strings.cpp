#include "platform/strings.h"

#include <algorithm>

namespace kx {

namespace {

// Each text is spelled out with its translation context ("Strings") because the translation
// tools read the source as it stands and do not expand macros.
const std::vector<std::pair<int, const char*>> kEnglish = {
    {ids::kAppTitle, KX_TRANSLATE_NOOP("Strings", "Kanalyx")},
    {ids::kPaneTV, KX_TRANSLATE_NOOP("Strings", "TV-000")},
    {ids::kPaneFM, KX_TRANSLATE_NOOP("Strings", "FM-000")},
    {ids::kPaneDTV, KX_TRANSLATE_NOOP("Strings", "DTV-0000")},
    {ids::kColumnNumber, KX_TRANSLATE_NOOP("Strings", "#")},
    {ids::kColumnName, KX_TRANSLATE_NOOP("Strings", "Name")},
    {ids::kColumnSystem, KX_TRANSLATE_NOOP("Strings", "System")},
    {ids::kColumnBand, KX_TRANSLATE_NOOP("Strings", "Band")},
    {ids::kColumnChannel, KX_TRANSLATE_NOOP("Strings", "Channel")},
    {ids::kColumnCharacter, KX_TRANSLATE_NOOP("Strings", "Character")},
    {ids::kColumnFrequency, KX_TRANSLATE_NOOP("Strings", "Frequency")},
    {ids::kColumnSymbolRate, KX_TRANSLATE_NOOP("Strings", "Symbol rate")},
    {ids::kColumnModulation, KX_TRANSLATE_NOOP("Strings", "Modulation")},
    {ids::kTableNone, KX_TRANSLATE_NOOP("Strings", "None")},
    {ids::kTableUser, KX_TRANSLATE_NOOP("Strings", "User")},
    {61225, KX_TRANSLATE_NOOP("Strings", "Cyrillic")},
    {61226, KX_TRANSLATE_NOOP("Strings", "Arabic")},
    {61227, KX_TRANSLATE_NOOP("Strings", "Greek")},
    {61228, KX_TRANSLATE_NOOP("Strings", "Hebrew (ISO-Visual)")},
    {61229, KX_TRANSLATE_NOOP("Strings", "Turkish")},
    {61230, KX_TRANSLATE_NOOP("Strings", "European(Latin 6)")},
    {61231, KX_TRANSLATE_NOOP("Strings", "Latin/Thai")},
    {61233, KX_TRANSLATE_NOOP("Strings", "Estonian(Latin 7)")},
    {61234, KX_TRANSLATE_NOOP("Strings", "Latin-8")},
    {61235, KX_TRANSLATE_NOOP("Strings", "European(Latin 9)")},
    {61237, KX_TRANSLATE_NOOP("Strings", "Unicode")},
    {61240, KX_TRANSLATE_NOOP("Strings", "--")},
    {61241, KX_TRANSLATE_NOOP("Strings", "Austria")},
    {61242, KX_TRANSLATE_NOOP("Strings", "Albania")},
    {61243, KX_TRANSLATE_NOOP("Strings", "England")},
    {61244, KX_TRANSLATE_NOOP("Strings", "Belgium")},
    {61245, KX_TRANSLATE_NOOP("Strings", "Bosnia")},
    {61246, KX_TRANSLATE_NOOP("Strings", "Bulgaria")},
    {61247, KX_TRANSLATE_NOOP("Strings", "Hungary")},
    {61248, KX_TRANSLATE_NOOP("Strings", "Germany")},
    {61249, KX_TRANSLATE_NOOP("Strings", "Greece")},
    {61250, KX_TRANSLATE_NOOP("Strings", "Denmark")},
    {61251, KX_TRANSLATE_NOOP("Strings", "Ireland")},
    {61252, KX_TRANSLATE_NOOP("Strings", "Spain")},
    {61253, KX_TRANSLATE_NOOP("Strings", "Italy")},
    {61254, KX_TRANSLATE_NOOP("Strings", "Kazakhstan")},
    {61255, KX_TRANSLATE_NOOP("Strings", "Latvia")},
    {61256, KX_TRANSLATE_NOOP("Strings", "Lithuania")},
    {61257, KX_TRANSLATE_NOOP("Strings", "Luxembourg")},
    {61258, KX_TRANSLATE_NOOP("Strings", "Morocco")},
    {61259, KX_TRANSLATE_NOOP("Strings", "Netherlands")},
    {61260, KX_TRANSLATE_NOOP("Strings", "Norway")},
    {61261, KX_TRANSLATE_NOOP("Strings", "Poland")},
    {61262, KX_TRANSLATE_NOOP("Strings", "Portugal")},
    {61263, KX_TRANSLATE_NOOP("Strings", "Russia")},
    {61264, KX_TRANSLATE_NOOP("Strings", "Romania")},
    {61265, KX_TRANSLATE_NOOP("Strings", "Serbia")},
    {61266, KX_TRANSLATE_NOOP("Strings", "Slovakia")},
    {61267, KX_TRANSLATE_NOOP("Strings", "Slovenia")},
    {61268, KX_TRANSLATE_NOOP("Strings", "Turkey")},
    {61269, KX_TRANSLATE_NOOP("Strings", "Ukraine")},
    {61270, KX_TRANSLATE_NOOP("Strings", "Finland")},
    {61271, KX_TRANSLATE_NOOP("Strings", "France")},
    {61272, KX_TRANSLATE_NOOP("Strings", "Croatia")},
    {61273, KX_TRANSLATE_NOOP("Strings", "Czech Republic")},
    {61274, KX_TRANSLATE_NOOP("Strings", "Switzerland")},
    {61275, KX_TRANSLATE_NOOP("Strings", "Sweden")},
    {61276, KX_TRANSLATE_NOOP("Strings", "Estonia")},
    {61280, KX_TRANSLATE_NOOP("Strings", "English")},
    {61281, KX_TRANSLATE_NOOP("Strings", "Albanian")},
    {61282, KX_TRANSLATE_NOOP("Strings", "Bosnian")},
    {61283, KX_TRANSLATE_NOOP("Strings", "Bulgarian")},
    {61284, KX_TRANSLATE_NOOP("Strings", "Croatian")},
    {61285, KX_TRANSLATE_NOOP("Strings", "Czech")},
    {61286, KX_TRANSLATE_NOOP("Strings", "Danish")},
    {61287, KX_TRANSLATE_NOOP("Strings", "Golan")},
    {61288, KX_TRANSLATE_NOOP("Strings", "Estonian")},
    {61289, KX_TRANSLATE_NOOP("Strings", "Finnish")},
    {61290, KX_TRANSLATE_NOOP("Strings", "French")},
    {61291, KX_TRANSLATE_NOOP("Strings", "German")},
    {61292, KX_TRANSLATE_NOOP("Strings", "Greek")},
    {61293, KX_TRANSLATE_NOOP("Strings", "Hungarian")},
    {61294, KX_TRANSLATE_NOOP("Strings", "Irlansky")},
    {61295, KX_TRANSLATE_NOOP("Strings", "Italian")},
    {61296, KX_TRANSLATE_NOOP("Strings", "Kazakh")},
    {61297, KX_TRANSLATE_NOOP("Strings", "Latvian")},
    {61298, KX_TRANSLATE_NOOP("Strings", "Lithuanian")},
    {61299, KX_TRANSLATE_NOOP("Strings", "Macedonian")},
    {61300, KX_TRANSLATE_NOOP("Strings", "Norwegian")},
    {61301, KX_TRANSLATE_NOOP("Strings", "Polish")},
    {61302, KX_TRANSLATE_NOOP("Strings", "Portuguese")},
    {61303, KX_TRANSLATE_NOOP("Strings", "Romanian")},
    {61304, KX_TRANSLATE_NOOP("Strings", "Russian")},
    {61305, KX_TRANSLATE_NOOP("Strings", "Serbian")},
    {61306, KX_TRANSLATE_NOOP("Strings", "Slovak")},
    {61307, KX_TRANSLATE_NOOP("Strings", "Slovenian")},
    {61308, KX_TRANSLATE_NOOP("Strings", "Spanish")},
    {61309, KX_TRANSLATE_NOOP("Strings", "Swedish")},
    {61310, KX_TRANSLATE_NOOP("Strings", "Turkish")},
    {61311, KX_TRANSLATE_NOOP("Strings", "Ukrainian")},
    {61320, KX_TRANSLATE_NOOP("Strings", "Setup")},
    {61321, KX_TRANSLATE_NOOP("Strings", "Pictures")},
    {61322, KX_TRANSLATE_NOOP("Strings", "Sound")},
    {61323, KX_TRANSLATE_NOOP("Strings", "Time")},
    {61324, KX_TRANSLATE_NOOP("Strings", "Options")},
    {61325, KX_TRANSLATE_NOOP("Strings", "Lock")},
    {61326, KX_TRANSLATE_NOOP("Strings", "Input")},
    {61327, KX_TRANSLATE_NOOP("Strings", "USB")},
    {ids::kRestartMessage,
     KX_TRANSLATE_NOOP("Strings", "You must restart the program to change language")},
    {ids::kMoreSettingsCaption, KX_TRANSLATE_NOOP("Strings", "More Settings")},
    {ids::kColumnShortName, KX_TRANSLATE_NOOP("Strings", "Short name")},
    {ids::kColumnServiceId, KX_TRANSLATE_NOOP("Strings", "Service ID")},
    {ids::kColumnServiceType, KX_TRANSLATE_NOOP("Strings", "Type")},
    {ids::kColumnFlags, KX_TRANSLATE_NOOP("Strings", "Flags")},
    {ids::kPaneSatTV, KX_TRANSLATE_NOOP("Strings", "S-TV-0000")},
    {ids::kPaneSatFM, KX_TRANSLATE_NOOP("Strings", "S-FM-000")},
    {ids::kStepMoveUp, KX_TRANSLATE_NOOP("Strings", "Move 1 channel up")},
    {ids::kStepMoveUp + 1, KX_TRANSLATE_NOOP("Strings", "Move %1 channels up")},
    {ids::kStepMoveDown, KX_TRANSLATE_NOOP("Strings", "Move 1 channel down")},
    {ids::kStepMoveDown + 1, KX_TRANSLATE_NOOP("Strings", "Move %1 channels down")},
    {ids::kStepDuplicate, KX_TRANSLATE_NOOP("Strings", "Duplicate 1 channel")},
    {ids::kStepDuplicate + 1, KX_TRANSLATE_NOOP("Strings", "Duplicate %1 channels")},
    {ids::kStepDelete, KX_TRANSLATE_NOOP("Strings", "Delete 1 channel")},
    {ids::kStepDelete + 1, KX_TRANSLATE_NOOP("Strings", "Delete %1 channels")},
    {ids::kStepRename, KX_TRANSLATE_NOOP("Strings", "Rename channel")},
    {ids::kStepTick, KX_TRANSLATE_NOOP("Strings", "Tick 1 channel")},
    {ids::kStepTick + 1, KX_TRANSLATE_NOOP("Strings", "Tick %1 channels")},
    {ids::kStepUntick, KX_TRANSLATE_NOOP("Strings", "Untick 1 channel")},
    {ids::kStepUntick + 1, KX_TRANSLATE_NOOP("Strings", "Untick %1 channels")},
    {ids::kStepChannelProperties, KX_TRANSLATE_NOOP("Strings", "Channel properties")},
    {ids::kStepSettings, KX_TRANSLATE_NOOP("Strings", "More Settings")},
    {ids::kStepDataBlock, KX_TRANSLATE_NOOP("Strings", "Data Block")},
    {ids::kStepImport, KX_TRANSLATE_NOOP("Strings", "Import")},
    {ids::kStepMove, KX_TRANSLATE_NOOP("Strings", "Move 1 channel")},
    {ids::kStepMove + 1, KX_TRANSLATE_NOOP("Strings", "Move %1 channels")},
    {ids::kStepSort, KX_TRANSLATE_NOOP("Strings", "Sort")},
    {ids::kStepFlags, KX_TRANSLATE_NOOP("Strings", "Set the flags of 1 channel")},
    {ids::kStepFlags + 1, KX_TRANSLATE_NOOP("Strings", "Set the flags of %1 channels")},
    {ids::kColumnOnid, KX_TRANSLATE_NOOP("Strings", "ONID")},
    {ids::kColumnTsid, KX_TRANSLATE_NOOP("Strings", "TSID")},
    {ids::kColumnFrequencyMHz, KX_TRANSLATE_NOOP("Strings", "MHz")},
    {ids::kColumnSatellite, KX_TRANSLATE_NOOP("Strings", "Satellite")},
    {ids::kColumnPolarisation, KX_TRANSLATE_NOOP("Strings", "Pol.")},
    {ids::kColumnEncrypted, KX_TRANSLATE_NOOP("Strings", "Encrypted")},
    {ids::kStepReference, KX_TRANSLATE_NOOP("Strings", "Apply reference list")},
    {ids::kWhyNoSettings,
     KX_TRANSLATE_NOOP("Strings", "A GlobalClone file has no settings block: its receiver keeps "
                                  "its settings elsewhere")},
    {ids::kWhyNoExport,
     KX_TRANSLATE_NOOP("Strings", "The channels of a GlobalClone file are XML elements, not "
                                  "records of bytes: there is nothing to export as bytes")},
    {ids::kWhyNoChannelDialog,
     KX_TRANSLATE_NOOP("Strings", "The fields of a GlobalClone channel are XML elements; this "
                                  "dialog edits the bytes of binary records")},
    {ids::kWhyNoDuplicate,
     KX_TRANSLATE_NOOP("Strings", "The receiver of this list keeps every channel in its place in "
                                  "the file, so a channel cannot be duplicated")},
    {ids::kWhyNoImport,
     KX_TRANSLATE_NOOP("Strings", "A GlobalClone file takes no lists of another file: its "
                                  "receiver keeps every channel of a scan once, and has no use "
                                  "for a second copy of one")},
    {ids::kWhyNoBackup,
     KX_TRANSLATE_NOOP("Strings", "There is no backup of this file (NAME.bak) beside it: one is "
                                  "kept on the first save over the opened file while backups "
                                  "are on")},
};

} // namespace

const char* Strings::english(int id)
{
    const auto it = std::lower_bound(kEnglish.begin(), kEnglish.end(), id,
                                     [](const auto& entry, int key) { return entry.first < key; });
    return it != kEnglish.end() && it->first == id ? it->second : nullptr;
}

std::string Strings::text(int id)
{
    const char* text = english(id);
    return text == nullptr ? std::string() : std::string(text);
}

const std::vector<std::pair<int, const char*>>& Strings::table()
{
    return kEnglish;
}

} // namespace kx
