#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/dialoggeometry.h"

namespace kx {

// The parameter dialog's rules: one definition line of a settings description file read into
// the name, the address, the type and (for type 1) the labelled values, and written back on OK.
// The address passes through unchanged; the length field follows from the type. The widget
// shows m_strName, the type items with typeIndex() selected, and values(), enabled while
// valuesEnabled(); it forwards the type choice, "Add Parameter" (and Enter), "Delete", and on OK
// takes line().
class ParamDlgModel
{
public:
    // The type items; an item's index is the type code written into the line.
    static constexpr std::array<std::string_view, 5> kTypeItems = {
        "None (0)", "User (1)", "Country (2)", "Lang (3)", "Menu (4)"};
    static constexpr int kNoType = -1;

    static constexpr std::string_view kCaption = "Add";
    static constexpr DialogRect kDialogSize{0, 0, 194, 150};

    // Reads line for a document of the given file variant (1, 2 or 3).
    ParamDlgModel(std::string_view line, int variant);

    // The selected type item, kNoType when none is (a type number outside 0 to 4).
    int typeIndex() const noexcept { return m_typeIndex; }
    // The value list is enabled for type 1 only; items already in it stay when it is disabled.
    bool valuesEnabled() const noexcept { return m_valuesEnabled; }
    const std::vector<std::string>& values() const noexcept { return m_values; }

    // A choice in the type list (kNoType for text typed into it instead).
    void selectType(int index);
    // Appends the value box's text as an item; false, and nothing is added, for an empty text or
    // while the value list is disabled (Enter in any box of the dialog comes here).
    bool addValue(std::string text);
    // Removes the item at index; an index outside the list removes nothing.
    void deleteValue(int index);

    // The rewritten line: name;address, then by the type ";1;1;" and every value followed by
    // ";", ";2;2" (";3;2" in variants 2 and 3), ";3;3", ";1;4", or nothing for type 0 and no type.
    std::string line() const;

    // The name box; the widget writes the box's text here before line().
    std::string m_strName;
    // The address field as read, leading blanks removed; written back unchanged.
    std::string m_strAddress;

private:
    int m_nVariant = 1;
    int m_typeIndex = 0;
    bool m_valuesEnabled = false;
    std::vector<std::string> m_values;
};

} // namespace kx
