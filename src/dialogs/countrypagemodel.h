#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

// The ten settings of the "Country" page, in the page's order.
enum class CountrySetting
{
    Country,
    MenuLanguage,
    AudioLanguage1,
    AudioLanguage2,
    SubtitleLanguage1,
    SubtitleLanguage2,
    TeletextLanguage,
    MenuItem,
    TimeZone,
    DigitalAudioOut,
};

// The rules of the "Country" page of the More Settings sheet: which bytes of the settings block
// each of its ten drop-down lists shows, and what Apply writes for a choice. The widget fills its
// combo boxes from lists(), forwards the user's choices to choose() and calls OnApply() on Apply
// and OK; closing any of the ten lists enables Apply.
//
// The model edits the settings block it is given in place; the block must outlive the model.
class CountryPageModel
{
public:
    static constexpr std::size_t kListCount = 10;

    struct List
    {
        CountrySetting setting;
        int controlId;        // the list's control id on the page
        std::string_view key; // the setting's name on the command line ("menu-language")
        const char* label;    // English label; the widget translates it in context "CountryPage"
        std::vector<std::string> items; // display texts in the active language
        int selected = -1;              // index into items, -1 for no selection
    };

    // variant: the document's file variant. Variant 1 shows all ten lists, variant 2 only the six
    // language lists, variant 3 (the newer receivers) only the country, and only in the settings
    // blocks whose country field is known; any other variant shows none.
    CountryPageModel(std::span<std::uint8_t> settings, int variant);

    // (Re)reads every list from the settings block, dropping choices not yet applied. A list is
    // left empty when the variant does not show it or its bytes lie beyond the block's end; a
    // list whose stored value matches no item has no selection.
    void OnInitDialog();

    const std::array<List, kListCount>& lists() const noexcept { return m_lists; }
    const List& list(CountrySetting setting) const;
    // The selected item's display text; empty when the list has no selection.
    std::string selectedText(CountrySetting setting) const;

    // The user's choice of an item (or -1 for none). Returns false, changing nothing, when index
    // is not an item of the list.
    bool choose(CountrySetting setting, int index);
    // Chooses the item whose display text equals text exactly; false when none does.
    bool chooseText(CountrySetting setting, std::string_view text);

    // Writes every list whose choice differs from what its bytes held when they were last read
    // or applied. A list without a selection, or whose bytes lie beyond the block, writes
    // nothing. Lists left alone are not rewritten, so a value that the "More" page changed in
    // the same Apply is not put back.
    void OnApply();

    // The setting named key on the command line, or nullopt.
    static std::optional<CountrySetting> settingForKey(std::string_view key);

private:
    std::span<std::uint8_t> m_settings;
    int m_nVariant;
    std::array<List, kListCount> m_lists;
    std::array<int, kListCount> m_stored{}; // the selection the block's bytes give
};

} // namespace kx
