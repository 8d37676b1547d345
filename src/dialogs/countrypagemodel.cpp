#include "dialogs/countrypagemodel.h"

#include <algorithm>
#include <cassert>

#include "dialogs/settingcodes.h"
#include "platform/strings.h"

namespace kx {

namespace {

// How a list's choice is kept in the settings block.
enum class Storage
{
    CountryCode,  // two letters, reversed; three in the newer receivers
    LanguageCode, // three letters, reversed
    Index,        // one byte: the item index
    TimeZone,     // one byte: the item index + 9
};

constexpr std::size_t kNotShown = static_cast<std::size_t>(-1);

// The newer receivers keep the country as three reversed letters at this offset, in the
// firmware blocks of these sizes (checked on real files of each); where the block has another
// size, where it is is not known.
constexpr std::size_t kCountryOffsetV3 = 8;
constexpr std::uint32_t kSettingsSizesWithCountry[] = {15936, 16024, 16232, 16376, 17136, 17240};

struct ListSpec
{
    CountrySetting setting;
    int controlId;
    std::string_view key;
    const char* label;
    Storage storage;
    std::size_t offsetV1; // byte offset in the settings block, per variant
    std::size_t offsetV2;
};

constexpr std::array<ListSpec, CountryPageModel::kListCount> kSpecs = {{
    {CountrySetting::Country, 1007, "country", KX_TRANSLATE_NOOP("CountryPage", "Country"),
     Storage::CountryCode, 6, kNotShown},
    {CountrySetting::MenuLanguage, 1012, "menu-language",
     KX_TRANSLATE_NOOP("CountryPage", "Menu Language"), Storage::LanguageCode, 6153, 19333},
    {CountrySetting::AudioLanguage1, 1008, "audio-language-1",
     KX_TRANSLATE_NOOP("CountryPage", "Audio Language 1"), Storage::LanguageCode, 5981, 19057},
    {CountrySetting::AudioLanguage2, 1009, "audio-language-2",
     KX_TRANSLATE_NOOP("CountryPage", "Audio Language 2"), Storage::LanguageCode, 5985, 19061},
    {CountrySetting::SubtitleLanguage1, 1010, "subtitle-language-1",
     KX_TRANSLATE_NOOP("CountryPage", "Subtitle Language 1"), Storage::LanguageCode, 6161, 19341},
    {CountrySetting::SubtitleLanguage2, 1011, "subtitle-language-2",
     KX_TRANSLATE_NOOP("CountryPage", "Subtitle Language 2"), Storage::LanguageCode, 6165, 19345},
    {CountrySetting::TeletextLanguage, 1013, "teletext-language",
     KX_TRANSLATE_NOOP("CountryPage", "Teletext Language"), Storage::LanguageCode, 6689, 19885},
    {CountrySetting::MenuItem, 1004, "menu-item", KX_TRANSLATE_NOOP("CountryPage", "Menu Item"),
     Storage::Index, 428, kNotShown},
    {CountrySetting::TimeZone, 4000, "time-zone", KX_TRANSLATE_NOOP("CountryPage", "Time Zone"),
     Storage::TimeZone, 6063, kNotShown},
    {CountrySetting::DigitalAudioOut, 4001, "digital-audio-out",
     KX_TRANSLATE_NOOP("CountryPage", "Digital Audio Out"), Storage::Index, 6055, kNotShown},
}};

std::size_t indexOf(CountrySetting setting)
{
    const auto index = static_cast<std::size_t>(setting);
    assert(index < kSpecs.size() && kSpecs[index].setting == setting);
    return index;
}

std::vector<std::string> itemsOf(CountrySetting setting)
{
    switch (setting) {
    case CountrySetting::Country:
        return countryNames();
    case CountrySetting::MenuItem:
        return menuItemNames();
    case CountrySetting::TimeZone:
        return timeZoneNames();
    case CountrySetting::DigitalAudioOut:
        return {KX_TRANSLATE_NOOP("CountryPage", "Auto"), KX_TRANSLATE_NOOP("CountryPage", "PCM")};
    default:
        return languageNames();
    }
}

// The settings block offset of a list for variant, or kNotShown.
std::size_t offsetFor(const ListSpec& entry, int variant, std::size_t settingsSize)
{
    if (variant == 1) {
        return entry.offsetV1;
    }
    if (variant == 3) {
        const bool known =
            std::find(std::begin(kSettingsSizesWithCountry), std::end(kSettingsSizesWithCountry),
                      settingsSize) != std::end(kSettingsSizesWithCountry);
        return entry.setting == CountrySetting::Country && known ? kCountryOffsetV3 : kNotShown;
    }
    return variant == 2 ? entry.offsetV2 : kNotShown;
}

// The bytes a list occupies from its offset.
std::size_t widthOf(Storage storage, int variant)
{
    switch (storage) {
    case Storage::CountryCode:
        return variant == 3 ? 3 : 2;
    case Storage::LanguageCode:
        return 3;
    default:
        return 1;
    }
}

// The item index the stored bytes give, or -1.
int storedSelection(const ListSpec& entry, std::span<const std::uint8_t> block, std::size_t offset,
                    std::size_t itemCount, int variant)
{
    switch (entry.storage) {
    case Storage::CountryCode: {
        if (variant == 3) {
            const auto code = readCountryCode3(block, offset);
            return code && !code->empty() ? findExact(CountryCodes3, *code) : -1;
        }
        const auto code = readCountryCode(block, offset);
        return code ? findExact(CountryCodes, *code) : -1;
    }
    case Storage::LanguageCode: {
        const auto code = readLanguageCode(block, offset);
        return code ? findExact(LanguageCodes, *code) : -1;
    }
    case Storage::Index:
    case Storage::TimeZone: {
        const auto byte = readByte(block, offset);
        if (!byte) {
            return -1;
        }
        const int index = entry.storage == Storage::TimeZone ? *byte - kTimeZoneStoredFirst : *byte;
        return index >= 0 && static_cast<std::size_t>(index) < itemCount ? index : -1;
    }
    }
    return -1;
}

void store(const ListSpec& entry, std::span<std::uint8_t> block, std::size_t offset, int index,
           int variant)
{
    const auto item = static_cast<std::size_t>(index);
    switch (entry.storage) {
    case Storage::CountryCode:
        if (variant != 3) {
            writeCountryCode(block, offset, CountryCodes.at(item));
        } else {
            // "--" has no code of three letters: nothing is written for it.
            writeCountryCode3(block, offset, CountryCodes3.at(item));
        }
        break;
    case Storage::LanguageCode:
        writeLanguageCode(block, offset, LanguageCodes.at(item));
        break;
    case Storage::Index:
        writeByte(block, offset, static_cast<std::uint8_t>(index));
        break;
    case Storage::TimeZone:
        writeByte(block, offset, static_cast<std::uint8_t>(index + kTimeZoneStoredFirst));
        break;
    }
}

} // namespace

CountryPageModel::CountryPageModel(std::span<std::uint8_t> settings, int variant)
    : m_settings(settings), m_nVariant(variant)
{
    for (std::size_t i = 0; i < kListCount; ++i) {
        const ListSpec& entry = kSpecs[i];
        m_lists[i] = List{entry.setting, entry.controlId, entry.key, entry.label, {}, -1};
    }
    m_stored.fill(-1);
}

void CountryPageModel::OnInitDialog()
{
    for (std::size_t i = 0; i < kListCount; ++i) {
        const ListSpec& entry = kSpecs[i];
        List& list = m_lists[i];
        list.items.clear();
        list.selected = -1;
        m_stored[i] = -1;
        const std::size_t offset = offsetFor(entry, m_nVariant, m_settings.size());
        const std::size_t width = widthOf(entry.storage, m_nVariant);
        // A list whose bytes are not all inside the block stays empty: there is nothing to show
        // and nowhere to write.
        if (offset == kNotShown || offset >= m_settings.size() ||
            m_settings.size() - offset < width) {
            continue;
        }
        list.items = itemsOf(entry.setting);
        list.selected = storedSelection(entry, m_settings, offset, list.items.size(), m_nVariant);
        m_stored[i] = list.selected;
    }
}

const CountryPageModel::List& CountryPageModel::list(CountrySetting setting) const
{
    return m_lists[indexOf(setting)];
}

std::string CountryPageModel::selectedText(CountrySetting setting) const
{
    const List& shown = list(setting);
    return shown.selected < 0 ? std::string()
                              : shown.items[static_cast<std::size_t>(shown.selected)];
}

bool CountryPageModel::choose(CountrySetting setting, int index)
{
    List& list = m_lists[indexOf(setting)];
    if (index < -1 || index >= static_cast<int>(list.items.size())) {
        return false;
    }
    list.selected = index;
    return true;
}

bool CountryPageModel::chooseText(CountrySetting setting, std::string_view text)
{
    const int index = findExact(list(setting).items, text);
    return index >= 0 && choose(setting, index);
}

void CountryPageModel::OnApply()
{
    for (std::size_t i = 0; i < kListCount; ++i) {
        const List& list = m_lists[i];
        if (list.selected < 0 || list.selected == m_stored[i]) {
            continue;
        }
        store(kSpecs[i], m_settings, offsetFor(kSpecs[i], m_nVariant, m_settings.size()),
              list.selected, m_nVariant);
        m_stored[i] = list.selected;
    }
}

std::optional<CountrySetting> CountryPageModel::settingForKey(std::string_view key)
{
    for (const ListSpec& entry : kSpecs) {
        if (entry.key == key) {
            return entry.setting;
        }
    }
    return std::nullopt;
}

} // namespace kx
