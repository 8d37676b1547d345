#include "platform/strings.h"

#include <algorithm>

namespace kx {

namespace {

// Context name the translation files group these texts under.
#define KX_S(text) KX_TRANSLATE_NOOP("Strings", text)

const std::vector<std::pair<int, const char*>> kEnglish = {
    {ids::kAppTitle, KX_S("Kanalyx")},
    {ids::kPaneTV, KX_S("TV-000")},
    {ids::kPaneFM, KX_S("FM-000")},
    {ids::kPaneDTV, KX_S("DTV-0000")},
    {ids::kColumnNumber, KX_S("#")},
    {ids::kColumnName, KX_S("Name")},
    {ids::kColumnSystem, KX_S("System")},
    {ids::kColumnBand, KX_S("Band")},
    {ids::kColumnChannel, KX_S("Channel")},
    {ids::kColumnCharacter, KX_S("Character")},
    {ids::kColumnFrequency, KX_S("Frequency")},
    {ids::kColumnSymbolRate, KX_S("Symbol rate")},
    {ids::kColumnModulation, KX_S("Modulation")},
    {ids::kTableNone, KX_S("None")},
    {ids::kTableUser, KX_S("User")},
    {61225, KX_S("Cyrillic")},
    {61226, KX_S("Arabic")},
    {61227, KX_S("Greek")},
    {61228, KX_S("Hebrew (ISO-Visual)")},
    {61229, KX_S("Turkish")},
    {61230, KX_S("European(Latin 6)")},
    {61231, KX_S("Latin/Thai")},
    {61233, KX_S("Estonian(Latin 7)")},
    {61234, KX_S("Latin-8")},
    {61235, KX_S("European(Latin 9)")},
    {61237, KX_S("Unicode")},
    {61240, KX_S("--")},
    {61241, KX_S("Austria")},
    {61242, KX_S("Albania")},
    {61243, KX_S("England")},
    {61244, KX_S("Belgium")},
    {61245, KX_S("Bosnia")},
    {61246, KX_S("Bulgaria")},
    {61247, KX_S("Hungary")},
    {61248, KX_S("Germany")},
    {61249, KX_S("Greece")},
    {61250, KX_S("Denmark")},
    {61251, KX_S("Ireland")},
    {61252, KX_S("Spain")},
    {61253, KX_S("Italy")},
    {61254, KX_S("Kazakhstan")},
    {61255, KX_S("Latvia")},
    {61256, KX_S("Lithuania")},
    {61257, KX_S("Luxembourg")},
    {61258, KX_S("Morocco")},
    {61259, KX_S("Netherlands")},
    {61260, KX_S("Norway")},
    {61261, KX_S("Poland")},
    {61262, KX_S("Portugal")},
    {61263, KX_S("Russia")},
    {61264, KX_S("Romania")},
    {61265, KX_S("Serbia")},
    {61266, KX_S("Slovakia")},
    {61267, KX_S("Slovenia")},
    {61268, KX_S("Turkey")},
    {61269, KX_S("Ukraine")},
    {61270, KX_S("Finland")},
    {61271, KX_S("France")},
    {61272, KX_S("Croatia")},
    {61273, KX_S("Czech Republic")},
    {61274, KX_S("Switzerland")},
    {61275, KX_S("Sweden")},
    {61276, KX_S("Estonia")},
    {61280, KX_S("English")},
    {61281, KX_S("Albanian")},
    {61282, KX_S("Bosnian")},
    {61283, KX_S("Bulgarian")},
    {61284, KX_S("Croatian")},
    {61285, KX_S("Czech")},
    {61286, KX_S("Danish")},
    {61287, KX_S("Golan")},
    {61288, KX_S("Estonian")},
    {61289, KX_S("Finnish")},
    {61290, KX_S("French")},
    {61291, KX_S("German")},
    {61292, KX_S("Greek")},
    {61293, KX_S("Hungarian")},
    {61294, KX_S("Irlansky")},
    {61295, KX_S("Italian")},
    {61296, KX_S("Kazakh")},
    {61297, KX_S("Latvian")},
    {61298, KX_S("Lithuanian")},
    {61299, KX_S("Macedonian")},
    {61300, KX_S("Norwegian")},
    {61301, KX_S("Polish")},
    {61302, KX_S("Portuguese")},
    {61303, KX_S("Romanian")},
    {61304, KX_S("Russian")},
    {61305, KX_S("Serbian")},
    {61306, KX_S("Slovak")},
    {61307, KX_S("Slovenian")},
    {61308, KX_S("Spanish")},
    {61309, KX_S("Swedish")},
    {61310, KX_S("Turkish")},
    {61311, KX_S("Ukrainian")},
    {61320, KX_S("Setup")},
    {61321, KX_S("Pictures")},
    {61322, KX_S("Sound")},
    {61323, KX_S("Time")},
    {61324, KX_S("Options")},
    {61325, KX_S("Lock")},
    {61326, KX_S("Input")},
    {61327, KX_S("USB")},
    {ids::kRestartMessage, KX_S("You must restart programm to change language")},
    {ids::kMoreSettingsCaption, KX_S("More Settings")},
};

#undef KX_S

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
    if (text == nullptr) {
        return {};
    }
    const Translator& translate = translator();
    return translate ? translate(id, text) : std::string(text);
}

const std::vector<std::pair<int, const char*>>& Strings::table()
{
    return kEnglish;
}

void Strings::setTranslator(Translator translator)
{
    Strings::translator() = std::move(translator);
}

Strings::Translator& Strings::translator()
{
    static Translator instance;
    return instance;
}

} // namespace kx
