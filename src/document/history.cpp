#include "document/history.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "model/channelrec.h"

namespace kx {

namespace {

// Runs closer than this are kept as one: a run costs more than a few unchanged bytes.
constexpr std::size_t kJoinGap = 8;

// The first index from i on where a and b differ, or size. Eight bytes at a time: a step that
// renumbers a whole list compares every byte of every record it touched.
std::size_t firstDifference(const std::uint8_t* a, const std::uint8_t* b, std::size_t i,
                            std::size_t size)
{
    for (; i + sizeof(std::uint64_t) <= size; i += sizeof(std::uint64_t)) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::memcpy(&x, a + i, sizeof x);
        std::memcpy(&y, b + i, sizeof y);
        if (x != y) {
            break;
        }
    }
    while (i < size && a[i] == b[i]) {
        ++i;
    }
    return i;
}

} // namespace

void BytePatches::add(int target, std::span<const std::uint8_t> before,
                      std::span<const std::uint8_t> after)
{
    const std::size_t size = std::min(before.size(), after.size());
    std::size_t i = firstDifference(before.data(), after.data(), 0, size);
    while (i < size) {
        const std::size_t start = i;
        std::size_t end = i + 1; // one past the last differing byte of the run
        for (std::size_t j = end; j < size && j < end + kJoinGap; ++j) {
            if (before[j] != after[j]) {
                end = j + 1;
            }
        }
        const auto length = static_cast<std::uint32_t>(end - start);
        m_runs.push_back(Run{target, static_cast<std::uint32_t>(start), length,
                             static_cast<std::uint32_t>(m_pool.size())});
        m_pool.insert(m_pool.end(), before.begin() + static_cast<std::ptrdiff_t>(start),
                      before.begin() + static_cast<std::ptrdiff_t>(end));
        m_pool.insert(m_pool.end(), after.begin() + static_cast<std::ptrdiff_t>(start),
                      after.begin() + static_cast<std::ptrdiff_t>(end));
        i = firstDifference(before.data(), after.data(), end, size);
    }
}

std::vector<int> BytePatches::targets() const
{
    std::vector<int> targets;
    for (const Run& run : m_runs) {
        if (targets.empty() || targets.back() != run.target) {
            targets.push_back(run.target);
        }
    }
    return targets;
}

EditStep::EditStep() = default;
EditStep::~EditStep() = default;
EditStep::EditStep(EditStep&&) noexcept = default;
EditStep& EditStep::operator=(EditStep&&) noexcept = default;

std::size_t EditStep::memoryBytes() const
{
    std::size_t bytes = sizeof(EditStep) + edits.capacity() * sizeof(Edit) +
                        (rowsBefore.capacity() + rowsAfter.capacity()) * sizeof(int);
    for (const Edit& edit : edits) {
        std::visit(
            [&bytes](const auto& e) {
                using E = std::decay_t<decltype(e)>;
                if constexpr (std::is_same_v<E, MoveRowsEdit>) {
                    bytes += e.moves.capacity() * sizeof(e.moves.front());
                } else if constexpr (std::is_same_v<E, HideRowsEdit>) {
                    bytes += e.rows.capacity() * sizeof(int);
                } else if constexpr (std::is_same_v<E, RowSetEdit>) {
                    bytes += e.rows.capacity() * sizeof(int) +
                             e.held.capacity() * sizeof(e.held.front());
                    for (const auto& record : e.held) {
                        bytes += sizeof(CChannelRec) + record->raw().size();
                    }
                } else {
                    bytes += e.patches.memoryBytes();
                }
            },
            edit);
    }
    return bytes;
}

History::History() = default;
History::~History() = default;

void History::clear()
{
    m_steps.clear();
    m_done = 0;
    m_saved = 0;
    m_bytes = 0;
}

void History::push(EditStep step)
{
    while (m_steps.size() > m_done) {
        m_bytes -= m_steps.back().countedBytes;
        m_steps.pop_back();
    }
    if (m_saved && *m_saved > m_done) {
        m_saved.reset(); // the saved state was among the undone steps
    }
    step.countedBytes = step.memoryBytes();
    m_bytes += step.countedBytes;
    m_steps.push_back(std::move(step));
    ++m_done;
    while (m_steps.size() > kMaxSteps || (m_bytes > kMaxBytes && m_steps.size() > 1)) {
        dropOldest();
    }
}

void History::dropOldest()
{
    m_bytes -= m_steps.front().countedBytes;
    m_steps.pop_front();
    --m_done;
    if (m_saved) {
        if (*m_saved == 0) {
            m_saved.reset(); // the saved state can no longer be reached
        } else {
            --*m_saved;
        }
    }
}

const EditStep* History::undoStep() const noexcept
{
    return canUndo() ? &m_steps[m_done - 1] : nullptr;
}

const EditStep* History::redoStep() const noexcept
{
    return canRedo() ? &m_steps[m_done] : nullptr;
}

EditStep& History::undo()
{
    return m_steps[--m_done];
}

EditStep& History::redo()
{
    return m_steps[m_done++];
}

} // namespace kx
