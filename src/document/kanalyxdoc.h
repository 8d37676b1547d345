#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "document/channelformat.h"
#include "document/history.h"
#include "document/listkind.h"
#include "document/tllfile.h"
#include "platform/observerlist.h"

namespace kx {

class Archive;
class BinaryTllFormat;
class CChannelRec;
class GlobalCloneFormat;
struct ReferencePlan;
struct CodecSettings;
struct RecordLayout;
struct SatelliteLayout;

// Which lists an import replaces. The satellite lists come only as a pair, with the rest of the
// DVB-S block.
struct ImportChoice
{
    bool tv = true;
    bool fm = true;
    bool dtv = true;
    bool sat = false;
};

// Rows to select in a list after a command, and the row to give the focus (-1 for none).
struct RowSelection
{
    std::vector<int> rows;
    int focus = -1;
};

// Told about the document's life and about every change of its lists: the list views mirror the
// lists from these calls, the main window follows the file, the modified flag and the history.
// Rows are 0-based. All functions have empty defaults.
class DocumentObserver
{
public:
    virtual ~DocumentObserver() = default;
    // A file was loaded (or the lists replaced as a whole): refill everything.
    virtual void OnInitialUpdate() {}
    // Rows left the list; rows are ascending and counted in the list before they left.
    virtual void rowsRemoved(ListKind /*list*/, std::span<const int> /*rows*/) {}
    // Rows came into the list; rows are ascending and counted in the list after they came.
    virtual void rowsInserted(ListKind /*list*/, std::span<const int> /*rows*/) {}
    // Rows changed places: (row before, row after) for each row that moved.
    virtual void rowsMoved(ListKind /*list*/, std::span<const std::pair<int, int>> /*moves*/) {}
    // The bytes of these records changed (ascending rows).
    virtual void rowsChanged(ListKind /*list*/, std::span<const int> /*rows*/) {}
    // Only the programme numbers of these records changed; by default a change like any other.
    virtual void numbersChanged(ListKind list, std::span<const int> rows)
    {
        rowsChanged(list, rows);
    }
    // The settings block changed.
    virtual void settingsChanged() {}
    // What Undo and Redo would do changed.
    virtual void historyChanged() {}
    // The modified flag changed.
    virtual void modifiedChanged(bool /*modified*/) {}
};

// The one open channel-list file: its lists of channels, its format (ChannelFormat: the binary
// TLL container of every layout, or a GlobalClone XML file), the undo/redo history and the
// modified flag. Commands, the history and the views work on the lists alone; the format says
// what its lists allow and writes the file back from them.
//
// Where the receiver wants its records sorted by number (the 164- and 176-byte layouts and a
// few newer ones), the lists are written in their order and renumbered 1 to n after every change
// of order. Elsewhere (most newer layouts, every satellite list, every GlobalClone list) each
// record keeps its place in the file: a change of order moves the programme numbers instead (the
// rows keep the numbers they had, gaps included), a deletion marks the record deleted the way the
// receiver does and keeps it in the file, and duplicating is refused.
//
// Every change of the document is a command applied here: it becomes one step of the history,
// and Undo and Redo restore exactly the bytes and the row order the step changed. A command that
// changes no byte and no row order adds no step. The modified flag follows the history: undoing
// back to the saved state clears it. Loading a file clears the history.
//
// Commands take rows and choices; asking the user is the GUI's part. Failures throw Error with a
// message that names the file; a command that fails changes nothing.
class CKanalyxDoc
{
public:
    CKanalyxDoc();
    ~CKanalyxDoc();
    CKanalyxDoc(const CKanalyxDoc&) = delete;
    CKanalyxDoc& operator=(const CKanalyxDoc&) = delete;

    // Observers are not owned and must be removed before they die.
    void addObserver(DocumentObserver* observer) { m_observers.add(observer); }
    void removeObserver(DocumentObserver* observer) { m_observers.remove(observer); }

    // The channels of a list in their order.
    int ChannelCount(ListKind list) const noexcept
    {
        return static_cast<int>(channels(list).size());
    }
    // The record of a row; row must exist (Error(ErrorCode::Internal) otherwise).
    const CChannelRec& Channel(ListKind list, int row) const;

    // Loads (loading archive) or saves (storing archive) the whole file. A load that is refused
    // changes nothing and passes the Error on. A save writes nothing while no file is loaded.
    void Serialize(Archive& ar);
    // Replaces everything with what a file holds: clears the history and the modified flag and
    // tells the observers OnInitialUpdate.
    void SetContents(LoadedFile file);
    void SetContents(TllContents contents);

    // Opens a file. The file is read and checked in full first: a file that cannot be read or is
    // refused leaves the open document, its history, path and modified flag as they were.
    void OnOpenDocument(const std::filesystem::path& path);
    // Saves to path through File::writeAtomically, so a failed save leaves the file on disk and
    // the document as they were, holding the file's exclusive lock (FileLock) until the new file
    // is in place. On success the path is remembered and the modified flag cleared; a name of
    // the standard output (File::NamesStandardOutput) gets the bytes and changes neither.
    // Saving does not ask whether the file changed on disk: callers ask WouldOverwriteChanges
    // first. Throws Error(Usage) while no file is loaded.
    //
    // With backup, the first save over the file that was opened keeps that file's bytes beside
    // it as BackupPathOf(path) first, written as safely as a save (once per opened file; a
    // backup that exists already is left as it is). A backup that cannot be written stops the
    // save before anything is written.
    void OnSaveDocument(const std::filesystem::path& path, bool backup = false);
    // Where the backup of a file goes: its name with ".bak" added.
    static std::filesystem::path BackupPathOf(const std::filesystem::path& path);
    // Whether this opened file's backup was written (or found) already.
    bool BackupKept() const noexcept { return m_backupKept; }
    // Whether the file last opened or saved holds other bytes now than it held then (another
    // program or window wrote it). A file that is gone, or that holds the same bytes again,
    // has not changed; one that cannot be read any more has.
    bool ChangedOnDisk() const;
    // Whether saving to target would overwrite such changes: target is that file, and it
    // changed on disk.
    bool WouldOverwriteChanges(const std::filesystem::path& target) const;
    // The file last opened or saved; empty for a new document.
    const std::filesystem::path& GetPathName() const noexcept { return m_pathName; }

    bool IsModified() const noexcept { return m_bModified; }
    // Clearing the flag makes the state now the saved one; setting it makes no state of the
    // history the saved one.
    void SetModifiedFlag(bool modified = true);

    // The row of the character-table list that more than half of the names with a prefix byte
    // name, or none when no table prevails (or no name has a prefix byte).
    std::optional<int> PrevailingCharacterTable() const;

    // Whether Save, Save As, Import, Export, Data Block and More Settings can run: only while a
    // file is loaded.
    bool OnUpdateFileCommand() const noexcept { return m_format != nullptr; }
    // The format of the open file; none while no file is loaded.
    std::optional<FileFormat> Format() const noexcept;
    // What the open file's format allows: a settings block (More Settings, Data Block, comparing
    // settings), lists imported from another file, records exported and edited as bytes. None of
    // them without a file.
    bool HasSettings() const noexcept;
    bool CanImport() const noexcept;
    bool HasRawRecords() const noexcept;
    // The favourites and flags (channelflags bits) the channels of a list keep; 0 where they keep
    // none the user can set.
    unsigned FlagsKept(ListKind list) const noexcept;
    // The GlobalClone file's model name (ModelName), and its channels in no list or marked
    // deleted, which no list shows; empty and 0 for other files.
    std::string ModelName() const;
    int UnlistedCount() const noexcept;
    // Whether the records of the list keep their place in the file (see the class comment).
    bool KeepsPlaces(ListKind list) const noexcept;
    // The lists the document has, in its order: for a binary file analog, radio and digital TV,
    // then the satellite TV and radio lists where the file has satellite channels to show (the
    // three without a file); for a GlobalClone file the lists of its channels.
    std::vector<ListKind> Lists() const;
    // Whether the channels of the list carry favourites and flags that the user can set (every
    // list of the newer layouts and of GlobalClone files, every satellite list).
    bool HasFlags(ListKind list) const noexcept;

    // ---- Commands. rows: ascending, distinct, existing rows of the list (Error(Internal) for
    // anything else). Each returns the rows to select afterwards; an empty selection with no
    // change means the command did nothing.

    // Each selected row moves up (down) one place; a block moves as a whole. Nothing happens
    // when the first (last) row is among them. The list is renumbered 1 to n.
    RowSelection MoveUp(ListKind list, std::span<const int> rows);
    RowSelection MoveDown(ListKind list, std::span<const int> rows);
    // Puts a copy of every row right below it and renumbers; the rows and the copies end
    // selected, the focus on the last copy.
    RowSelection Duplicate(ListKind list, std::span<const int> rows);
    // Deletes the rows and renumbers. The selection names the row that took the first deleted
    // row's place, if any.
    RowSelection Delete(ListKind list, std::span<const int> rows);
    // Moves the rows as one block, in their order, so that the first lands at row firstRow of
    // the list (taken as at most count - rows), and renumbers. kind is MoveTo or Drag. The
    // selection names the block.
    RowSelection MoveRowsTo(ListKind list, std::span<const int> rows, int firstRow, StepKind kind);
    // Puts the rows in a new order and renumbers: order[k] is the row that becomes row k (every
    // row exactly once).
    void SortRows(ListKind list, std::span<const int> order);
    // Stores text as the channel's name under codec. A name with a character the settings
    // cannot store is refused (Error(ErrorCode::Usage), nothing changes).
    RowSelection Rename(ListKind list, int row, std::string_view text, const CodecSettings& codec);
    // Ticks (or unticks) the channels' check boxes.
    RowSelection SetChecked(ListKind list, std::span<const int> rows, bool ticked);
    // Sets the favourites and flags (channelflags bits) of mask to those of flags; layouts that
    // show no flags change nothing.
    RowSelection SetFlags(ListKind list, std::span<const int> rows, unsigned flags, unsigned mask);
    // Replaces a record's bytes (the Channel dialog's OK); bytes must be the record's size.
    RowSelection SetChannelBytes(ListKind list, int row, std::span<const std::uint8_t> bytes);
    // Applies a reference's plan (PlanReference over ChannelListsOf this document) as one step: in
    // each list of the plan, the rows it deletes are deleted as Delete deletes them, the others
    // put in its order and given its numbers where the records keep their places or the numbers
    // rise along the new order (NumbersRiseInOrder; elsewhere the list is numbered 1 to n). A
    // number no list can hold (below 0, above 16383) is refused (Error(Usage)) and nothing
    // changes. Returns whether anything changed.
    bool ApplyReference(const ReferencePlan& plan);
    // Replaces the settings block (same size) as one step of the given kind (Settings or
    // DataBlock).
    void SetSettings(std::span<const std::uint8_t> bytes, StepKind kind);

    // Replaces the chosen lists with those of another file of the same layout, as one step; the
    // satellite lists come with the other file's whole DVB-S block, which must be of the same
    // family. The other file is read and checked whole before anything changes: an unreadable,
    // damaged or truncated file, or one whose records the open file's receiver would not read,
    // throws Error and changes nothing.
    void OnFileImport(const std::filesystem::path& other, ImportChoice choice);

    // ---- History
    bool CanUndo() const noexcept { return m_history.canUndo(); }
    bool CanRedo() const noexcept { return m_history.canRedo(); }
    std::optional<StepLabel> UndoLabel() const;
    std::optional<StepLabel> RedoLabel() const;
    // Undoes (redoes) the last undone (done) step. Returns the list the step acted on, with the
    // rows it touched as they stand now; no list for a step that acted on none. Nothing happens
    // when there is nothing to undo (redo).
    std::pair<std::optional<ListKind>, RowSelection> Undo();
    std::pair<std::optional<ListKind>, RowSelection> Redo();
    const History& history() const noexcept { return m_history; }

    // The name the export is written under when the user chose `chosen`: ".xls" is appended
    // unless the name already ends with it (in any case).
    static std::filesystem::path ExportPathFor(const std::filesystem::path& chosen);
    // Exports to ExportPathFor(chosen) and returns that path.
    std::filesystem::path OnFileExport(const std::filesystem::path& chosen) const;
    // Writes every record as a line of tab-separated hex bytes to exactly `path`: the analog
    // list, then the radio list, then the digital TV list, then the satellite TV and radio
    // lists. The file is never left half-written.
    void WriteExport(const std::filesystem::path& path) const;

    // Of binary files (all empty, null or 0 for other files and without a file):
    // 0 no binary file loaded, 1 records of 164 bytes, 2 records of 176 bytes, 3 a newer layout.
    int GetVariant() const noexcept;
    // The layout of the analog and digital records; null for a newer file that holds no such
    // record and whose name names no known model.
    const RecordLayout* Layout() const noexcept;
    // The settings block; change it with SetSettings.
    std::span<const std::uint8_t> Settings() const noexcept;
    std::span<const std::uint8_t> Trailing() const noexcept;
    // The hospitality block of hotel receivers; empty when there is none.
    std::span<const std::uint8_t> Hospitality() const noexcept;
    bool HasSatelliteBlock() const noexcept;
    // The family of the DVB-S block; null without one, and when the block is kept as it is.
    const SatelliteLayout* GetSatelliteLayout() const noexcept;
    // What the user should know about the file loaded last.
    const std::vector<LoadWarning>& LoadWarnings() const noexcept;
    // Records marked deleted that the file keeps in their places.
    int DeletedCount(ListKind list) const noexcept;

private:
    class StepBuilder;

    // The document's list of a kind; a kind the document does not have is an empty list (and
    // Error(Internal) where it would be changed).
    DocumentList* findList(ListKind list) noexcept;
    const DocumentList* findList(ListKind list) const noexcept;
    Records& channels(ListKind list);
    const Records& channels(ListKind list) const;
    Records& deleted(ListKind list);
    const BinaryTllFormat* binary() const noexcept;
    void checkRows(ListKind list, std::span<const int> rows) const;
    // Moves every block of neighbouring rows one place up (by -1) or down (by 1), as one step.
    RowSelection moveEachBlock(ListKind list, std::span<const int> rows, int by, StepKind kind);
    // Moves every row to its place in order (order[k] is the row that becomes row k), renumbers
    // and keeps it all as one step.
    bool reorder(ListKind list, std::span<const int> order, StepLabel label,
                 std::vector<int> rowsBefore, std::vector<int> rowsAfter);

    // Applies one edit forward or backward and tells the observers.
    void apply(Edit& edit, bool forward);
    void applyMove(MoveRowsEdit& edit, bool forward);
    void applyRowSet(RowSetEdit& edit, bool forward);
    void applyRecordBytes(RecordBytesEdit& edit, bool forward);
    void applyBlockBytes(BlockBytesEdit& edit, bool forward);
    void applyHide(HideRowsEdit& edit, bool forward);
    // After a step was done, undone or redone.
    void afterHistoryChange();
    void notifyRecordsChanged(ListKind list, std::span<const int> rows, bool numbersOnly);

    // The format first: the lists' records may refer to what it holds, so they go before it.
    std::unique_ptr<ChannelFormat> m_format;
    std::vector<DocumentList> m_lists;

    History m_history;
    ObserverList<DocumentObserver> m_observers;
    std::filesystem::path m_pathName;
    bool m_bModified = false;
    // The file as the document read or wrote it last, to tell whether it changed since.
    struct DiskState
    {
        std::uint64_t size;
        std::uint32_t checksum;
    };
    std::optional<DiskState> m_disk;
    bool m_backupKept = false;
};

} // namespace kx
