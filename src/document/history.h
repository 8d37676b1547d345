#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <variant>
#include <vector>

#include "document/channelformat.h"
#include "document/listkind.h"

namespace kx {

class CChannelRec;

// What a step of the history did; with its count it names the step in the Edit menu ("Undo
// Delete 3 channels").
enum class StepKind
{
    MoveUp,
    MoveDown,
    Duplicate,
    Delete,
    Rename,
    Tick,
    Untick,
    ChannelProperties,
    Settings,
    DataBlock,
    Import,
    MoveTo,
    Sort,
    Drag,
    Flags,
    Reference,
};

struct StepLabel
{
    StepKind kind = StepKind::Rename;
    // The number of channels the step acted on (0 where it does not count channels).
    int count = 0;
};

// Changes of bytes in several byte arrays (the records of one list by row, or the settings
// block), kept as the runs that differ, each with its old and its new bytes. Holding only what
// changed keeps a long history small.
class BytePatches
{
public:
    // Records where after differs from before (same size) for the array numbered target.
    void add(int target, std::span<const std::uint8_t> before, std::span<const std::uint8_t> after);
    bool empty() const noexcept { return m_runs.empty(); }
    // The targets with changes, ascending, each once (targets are added in ascending order).
    std::vector<int> targets() const;
    // Writes the new (forward) or the old bytes into the arrays; bytesOf(target) gives the array.
    template <typename BytesOf> void apply(bool forward, BytesOf&& bytesOf) const
    {
        for (const Run& run : m_runs) {
            std::span<std::uint8_t> bytes = bytesOf(run.target);
            const std::uint8_t* from = m_pool.data() + run.pool + (forward ? run.length : 0);
            std::copy(from, from + run.length, bytes.begin() + run.offset);
        }
    }
    std::size_t memoryBytes() const noexcept
    {
        return m_runs.capacity() * sizeof(Run) + m_pool.capacity();
    }

private:
    struct Run
    {
        int target;
        std::uint32_t offset;
        std::uint32_t length;
        std::uint32_t pool; // old bytes at pool, new bytes right after them
    };
    std::vector<Run> m_runs;
    std::vector<std::uint8_t> m_pool;
};

// The edits one step is made of. Each can be applied forward (as the command did it) and
// backward (undoing it); rows always refer to the list as it stands when the edit is applied in
// that direction, so a history stepped strictly in order needs nothing but row numbers.
struct MoveRowsEdit
{
    ListKind list;
    // (row before, row after) for every row whose place changed.
    std::vector<std::pair<int, int>> moves;
};
struct RowSetEdit
{
    ListKind list;
    // Forward inserts the held records at rows (rows of the list after the insertion); otherwise
    // forward takes rows out (rows of the list before) and holds them. Backward does the reverse.
    bool insertsForward = false;
    std::vector<int> rows; // ascending
    std::vector<std::unique_ptr<CChannelRec>> held;
    // The edit acts on the list's store of records marked deleted (which no view shows) rather
    // than on the list.
    bool deletedStore = false;
};
// Forward moves rows of a list to the end of the list's store of records marked deleted, which
// the file still holds in their places; backward puts the last rows.size() records of the store
// back at rows.
struct HideRowsEdit
{
    ListKind list;
    std::vector<int> rows; // ascending, rows of the list before the move
};
struct RecordBytesEdit
{
    ListKind list;
    BytePatches patches; // target = row
    // Only the programme numbers changed (renumbering): the lists redraw nothing else.
    bool numbersOnly = false;
};
// Bytes of the file's own beside its channel records: the settings block, or the DVB-S block
// around its channel records.
struct BlockBytesEdit
{
    FormatBlock block;
    BytePatches patches; // target 0
};
using Edit = std::variant<MoveRowsEdit, RowSetEdit, RecordBytesEdit, BlockBytesEdit, HideRowsEdit>;

// One undoable step: the edits in the order they were made, and the rows to select afterwards.
struct EditStep
{
    EditStep();
    ~EditStep();
    EditStep(EditStep&&) noexcept;
    EditStep& operator=(EditStep&&) noexcept;

    StepLabel label;
    std::vector<Edit> edits;
    // The list the step acted on, and its rows as they stand after undoing (before) and after
    // redoing (after) the step; no list for steps that act on no single list.
    std::optional<ListKind> list;
    std::vector<int> rowsBefore;
    std::vector<int> rowsAfter;

    std::size_t memoryBytes() const;
    // What the history counted for the step when it was added.
    std::size_t countedBytes = 0;
};

// The document's undo/redo history: the steps in order, the place between those done and those
// undone, and which place matches the file on disk. It holds at least kMinSteps steps; beyond
// kMaxSteps, or when the steps hold more than kMaxBytes, the oldest are dropped.
class History
{
public:
    static constexpr std::size_t kMinSteps = 1000;
    static constexpr std::size_t kMaxSteps = 10000;
    static constexpr std::size_t kMaxBytes = std::size_t{512} << 20;

    History();
    ~History();
    History(const History&) = delete;
    History& operator=(const History&) = delete;

    // Forgets every step; the state now is the saved one.
    void clear();
    // Adds a step after those done, dropping every undone step first.
    void push(EditStep step);

    bool canUndo() const noexcept { return m_done > 0; }
    bool canRedo() const noexcept { return m_done < m_steps.size(); }
    // The step Undo (Redo) would take back (do again); null when there is none.
    const EditStep* undoStep() const noexcept;
    const EditStep* redoStep() const noexcept;
    // The step to undo, counted as undone; the caller applies it backward. Only when canUndo().
    EditStep& undo();
    // The step to redo, counted as done; the caller applies it forward. Only when canRedo().
    EditStep& redo();

    // The state now is what the file on disk holds.
    void markSaved() noexcept { m_saved = m_done; }
    // No state in the history is what the file on disk holds.
    void markUnsaved() noexcept { m_saved.reset(); }
    bool isAtSaved() const noexcept { return m_saved == m_done; }

    std::size_t stepCount() const noexcept { return m_steps.size(); }
    std::size_t memoryBytes() const noexcept { return m_bytes; }

private:
    void dropOldest();

    std::deque<EditStep> m_steps;
    std::size_t m_done = 0;
    std::optional<std::size_t> m_saved = 0;
    std::size_t m_bytes = 0;
};

} // namespace kx
