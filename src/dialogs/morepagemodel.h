#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/descriptionline.h"

namespace kx {

class SideFiles;

// The rules of the "More" page of the More Settings sheet: one row per line of the settings
// description file (name, address, current value), the value's editor and choices, and Apply
// writing edited values back into the settings block. The widget shows rows(), opens the editor
// that editorFor() names on a double-click of a Data cell, forwards the editor's result to
// OnEndLabelEdit() and calls OnApply() on Apply and OK.
//
// The model edits the settings block it is given in place; the block must outlive the model.
// Values whose bytes lie beyond the block's end show empty and are never read or written.
class MorePageModel
{
public:
    // The in-place editor a Data cell takes.
    enum class Editor
    {
        None,    // nothing can be stored for this row
        Choices, // a drop-down list of choices()
        HexByte, // one byte typed as two hexadecimal digits
    };

    struct Row
    {
        std::string line;    // the description line the row came from
        std::string name;    // column "Name"
        std::string address; // column "Address": the address text, blanks removed at both ends
        std::string data;    // column "Data": the current (possibly edited) value
    };

    // variant: the document's file variant, which picks the description file and decides
    // whether country rows are read.
    MorePageModel(std::span<std::uint8_t> settings, int variant);

    // Adds a row for every entry of the variant's description file, the user's copy or else the
    // program's. No file adds none; a file that exists but cannot be read throws
    // Error(ErrorCode::Io) and adds none.
    void OnInitDialog(const SideFiles& sideFiles);
    // Adds a row for line, unless it is empty or a comment (first character '#').
    void AddSettingRow(std::string_view line);

    const std::vector<Row>& rows() const noexcept { return m_rows; }
    SettingKind kind(std::size_t row) const { return m_states.at(row).kind; }
    // The first row named name, or nullopt.
    std::optional<std::size_t> findRow(std::string_view name) const;

    Editor editorFor(std::size_t row) const;
    // The choices of the row's drop-down editor (see CellComboChoices).
    std::vector<std::string> choices(std::size_t row) const;
    // The index of the choice the editor starts on: the one equal to the cell's text, or -1.
    int initialChoice(std::size_t row) const;

    // The editor's result for a row's Data cell. Takes the text when the row's editor accepts
    // it: one of its choices, or two upper-case hexadecimal digits for a raw byte (blanks around
    // them are ignored). Returns true when the cell took the text, and then the page counts as
    // modified; false (nothing changed) for another text, an empty one, or a row without editor.
    bool OnEndLabelEdit(std::size_t row, std::string_view text);

    // Writes every row whose Data cell differs from what its bytes held when last read, then
    // reads all rows again so that they show the block as it now is. A value that matches no
    // choice writes nothing.
    void OnApply();

    // Reads the block again for rows without an unapplied edit (after another page wrote it).
    void refresh();

    // The choices a drop-down editor offers for a description line: the labels of a type-1
    // line, the 37 countries for type 2, the 32 languages for type 3, the 8 menu items for type
    // 4, none for any other line.
    static std::vector<std::string> CellComboChoices(std::string_view line);

private:
    struct RowState
    {
        SettingKind kind;
        std::uint32_t byteOffset;
        std::string stored; // the Data text the block's bytes gave when last read
    };

    std::string dataFromBlock(std::size_t row) const;
    bool writeRow(std::size_t row);
    bool fitsInBlock(std::size_t row) const;

    std::span<std::uint8_t> m_settings;
    int m_nVariant;
    std::vector<Row> m_rows;
    std::vector<RowState> m_states;
};

} // namespace kx
