#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/dialoggeometry.h"
#include "dialogs/hexgridmodel.h"

namespace kx {

// The first and last byte of a mark (inclusive); first > last marks nothing, -1, -1 clears.
struct MarkRange
{
    int first = -1;
    int last = -1;
    friend bool operator==(const MarkRange&, const MarkRange&) = default;
};

// The Data Block dialog's rules: a copy of the document's settings block in a hex grid, the
// parameter entries of the variant's description file (definition lines in file order), and the
// differences found by Compare. Bytes typed into the grid change the copy only; the dialog's OK
// hands block() to the document as one step, and the entries reach the description file only
// through save(). The widget shows entryName(i) per entry and differences() as list lines, runs
// the parameter dialog (ParamDlgModel) for Add and for editing an entry, and asks for the file to
// compare with.
class DataBlockModel
{
public:
    static constexpr std::string_view kCaption = "Data Block";
    static constexpr DialogRect kDialogSize{0, 0, 577, 254};
    static constexpr PixelRect kGridRect{10, 10, 680, 400};

    // block: a copy of the document's settings block; an empty or oversized block leaves the
    // grid empty. variant: the document's file variant (1 or 2). descriptionText: the text of
    // the variant's description file, whose entries the list shows (empty for a missing file).
    // systemCodePage: the code page (1250 to 1257) the grid shows characters in.
    DataBlockModel(std::vector<std::uint8_t> block, int variant, std::string descriptionText,
                   int systemCodePage);

    // The text of the variant's description file in folder; a missing file gives none.
    static std::string readDescriptionText(const std::filesystem::path& folder, int variant);
    // Whether the entries differ from those the description file held.
    bool entriesChanged() const;
    // Writes the entries, in list order, to the variant's description file in folder, with the
    // file's comment and empty lines kept in place; nothing when no entry changed.
    void save(const std::filesystem::path& folder) const;

    // The settings block with what was typed into the grid.
    const std::vector<std::uint8_t>& block() const noexcept { return m_block; }

    HexGridModel& grid() noexcept { return m_grid; }
    const HexGridModel& grid() const noexcept { return m_grid; }
    int variant() const noexcept { return m_nVariant; }

    const std::vector<std::string>& entries() const noexcept { return m_entries; }
    // What the entry list shows: the text before the first ';' (empty without one).
    std::string entryName(std::size_t index) const;

    // The bytes an entry names: no ';' or a ';' first clears; name;address marks one byte;
    // with a length field (decimal) that many, so a length of 0 marks nothing.
    static MarkRange markForLine(std::string_view line);
    // Selecting an entry marks its bytes and scrolls the grid to its first row.
    void OnSelectEntry(std::size_t index);

    // The line for Add: "name;OOOO;count" for the grid selection, or nullopt (nothing to add)
    // when name is empty or fewer than one byte is selected. The widget runs the parameter
    // dialog on it and, on OK, adds the rewritten line with addEntry.
    std::optional<std::string> addLine(std::string_view name) const;
    void addEntry(std::string line);
    // After the parameter dialog rewrote an entry: the new line goes to the end of the list;
    // returns its index (the widget selects it). The mark stays as it was.
    std::size_t replaceEntry(std::size_t index, std::string line);
    // Removes an entry (nothing for an index outside the list) and clears the mark.
    void OnDeleteEntry(std::size_t index);

    // Compare, first half: empties the difference list and clears the mark. Runs before the
    // widget asks for the file, so a dismissed file dialog leaves an empty list.
    void startCompare();
    // Compare, second half: lists the differences with otherFile. False (an empty list) for a
    // file of the other variant. Throws kx::Error when the file cannot be read (see
    // SettingsCompare::compareWithFile).
    bool compareWith(const std::filesystem::path& otherFile);
    const std::vector<std::string>& differences() const noexcept { return m_differences; }
    // Selecting a difference marks the one byte at its offset and scrolls to it.
    void OnSelectDifference(std::size_t index);

private:
    std::vector<std::uint8_t> m_block;
    int m_nVariant = 1;
    HexGridModel m_grid;
    std::string m_descriptionText;
    std::vector<std::string> m_openingEntries;
    std::vector<std::string> m_entries;
    std::vector<std::string> m_differences;
};

} // namespace kx
