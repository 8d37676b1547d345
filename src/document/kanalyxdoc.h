#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "document/tllfile.h"
#include "platform/listctrl.h"
#include "platform/observerlist.h"

namespace kx {

class Archive;

// The three channel lists of a document, in the document's order.
enum class ListKind
{
    Analog = 0,
    Radio = 1,
    DigitalTV = 2,
};
inline constexpr int kListCount = 3;

// Which lists an import replaces.
struct ImportChoice
{
    bool tv = true;
    bool fm = true;
    bool dtv = true;
};

// Told about the document's life: the views and the main window observe it. All functions have
// empty defaults.
class DocumentObserver
{
public:
    virtual ~DocumentObserver() = default;
    // A file was loaded (or the document emptied): refill everything, forget what was before.
    virtual void OnInitialUpdate() {}
    // The lists changed as a whole (import, a failed open): refill the rows.
    virtual void OnUpdate() {}
    // The modified flag changed.
    virtual void modifiedChanged(bool /*modified*/) {}
};

// The one open TLL file: the three channel lists (analog, radio, digital TV, whose rows own the
// records), the raw settings and trailing blocks, the file variant and the modified flag.
//
// Every command is a "do" function that takes paths and choices; asking the user is the GUI's
// part. Failures throw Error with a message that names the file. The codec settings that names
// are shown with are loaded by the program's start-up (LoadCodecSettings), not here.
class CKanalyxDoc
{
public:
    CKanalyxDoc();
    ~CKanalyxDoc();
    CKanalyxDoc(const CKanalyxDoc&) = delete;
    CKanalyxDoc& operator=(const CKanalyxDoc&) = delete;

    // The lists, each shown by one view; rows are made and read by the document and the views.
    ListCtrl& list(ListKind kind) { return m_lists[static_cast<std::size_t>(kind)]; }
    const ListCtrl& list(ListKind kind) const { return m_lists[static_cast<std::size_t>(kind)]; }

    // Observers are not owned and must be removed before they die.
    void addObserver(DocumentObserver* observer) { m_observers.add(observer); }
    void removeObserver(DocumentObserver* observer) { m_observers.remove(observer); }

    // Loads (loading archive) or saves (storing archive) the whole file. A load empties the
    // lists first; when the file is refused the lists stay empty, the raw blocks are freed and the
    // variant is 0, and the Error is passed on. A save writes nothing while no file is loaded.
    void Serialize(Archive& ar);
    // Frees the raw blocks; leaves the variant and the lists alone.
    void DeleteContents();

    // Opens a file. When the file cannot be read at all nothing changes; when it is refused the
    // document ends empty with variant 0. On success the modified flag is cleared and the
    // observers get OnInitialUpdate.
    void OnOpenDocument(const std::filesystem::path& path);
    // Saves to path through a temporary file beside it, so a failed save leaves the file on
    // disk and the document as they were. On success the path is remembered and the modified
    // flag cleared. Throws Error(Usage) while no file is loaded.
    void OnSaveDocument(const std::filesystem::path& path);
    // The file last opened or saved; empty for a new document.
    const std::filesystem::path& GetPathName() const noexcept { return m_pathName; }

    bool IsModified() const noexcept { return m_bModified; }
    void SetModifiedFlag(bool modified = true);

    // Whether Save, Save As, Import, Export, Data Block and More Settings can run: only while a
    // file is loaded.
    bool OnUpdateFileCommand() const noexcept { return m_nVariant != 0; }

    // Calls OnUpdate of every observer.
    void UpdateAllViews();

    // Replaces the chosen lists with those of another file of the same variant. The other file
    // is read and checked whole before anything changes: an unreadable, damaged or truncated
    // file, or one of the other variant, throws Error and changes nothing. Sets the modified flag
    // when a list was replaced.
    void OnFileImport(const std::filesystem::path& other, ImportChoice choice);

    // The name the export is written under when the user chose `chosen`: ".xls" is appended
    // unless the name already ends with it (in any case).
    static std::filesystem::path ExportPathFor(const std::filesystem::path& chosen);
    // Exports to ExportPathFor(chosen) and returns that path.
    std::filesystem::path OnFileExport(const std::filesystem::path& chosen) const;
    // Writes every record as a line of tab-separated hex bytes to exactly `path`: the analog
    // list, then the radio list, then the digital TV list. The file is never left half-written.
    void WriteExport(const std::filesystem::path& path) const;

    // 0 no file loaded, 1 records of 164 bytes, 2 records of 176 bytes.
    int GetVariant() const noexcept { return m_nVariant; }
    // The settings block, edited in place by the settings dialogs (they set the modified flag
    // themselves where they should).
    std::span<std::uint8_t> Settings() noexcept { return {m_pSettings.get(), m_nSettingsSize}; }
    std::span<const std::uint8_t> Settings() const noexcept
    {
        return {m_pSettings.get(), m_nSettingsSize};
    }
    std::span<const std::uint8_t> Trailing() const noexcept
    {
        return {m_pTrailing.get(), m_nTrailingSize};
    }
    // Bytes that followed the last block of the loaded file; written back after it.
    std::span<const std::uint8_t> Tail() const noexcept { return m_tail.span(); }

private:
    void load(Archive& ar);
    void store(Archive& ar) const;
    void emptyLists();

    std::unique_ptr<std::uint8_t[]> m_pSettings;
    std::uint32_t m_nSettingsSize = 0;
    std::unique_ptr<std::uint8_t[]> m_pTrailing;
    std::uint32_t m_nTrailingSize = 0;
    int m_nVariant = 0;

    RawBlock m_tail;
    std::array<ListCtrl, kListCount> m_lists;
    ObserverList<DocumentObserver> m_observers;
    std::filesystem::path m_pathName;
    bool m_bModified = false;
};

} // namespace kx
