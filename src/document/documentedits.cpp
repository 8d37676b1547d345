#include <iterator>
#include <type_traits>
#include <utility>

#include "document/kanalyxdoc.h"
#include "model/channelrec.h"

// The edits the document's steps are made of, applied forward or backward.

namespace kx {

void CKanalyxDoc::apply(Edit& edit, bool forward)
{
    std::visit(
        [&](auto& e) {
            using E = std::decay_t<decltype(e)>;
            if constexpr (std::is_same_v<E, MoveRowsEdit>) {
                applyMove(e, forward);
            } else if constexpr (std::is_same_v<E, RowSetEdit>) {
                applyRowSet(e, forward);
            } else if constexpr (std::is_same_v<E, RecordBytesEdit>) {
                applyRecordBytes(e, forward);
            } else if constexpr (std::is_same_v<E, HideRowsEdit>) {
                applyHide(e, forward);
            } else {
                applyBlockBytes(e, forward);
            }
        },
        edit);
}

void CKanalyxDoc::applyMove(MoveRowsEdit& edit, bool forward)
{
    Records& records = channels(edit.list);
    std::vector<std::pair<int, int>> moves = edit.moves;
    if (!forward) {
        for (auto& [from, to] : moves) {
            std::swap(from, to);
        }
    }
    Records moving;
    moving.reserve(moves.size());
    for (const auto& [from, to] : moves) {
        moving.push_back(std::move(records[static_cast<std::size_t>(from)]));
    }
    for (std::size_t i = 0; i < moves.size(); ++i) {
        records[static_cast<std::size_t>(moves[i].second)] = std::move(moving[i]);
    }
    m_observers.forEachOfCopy([&](DocumentObserver& o) { o.rowsMoved(edit.list, moves); });
}

void CKanalyxDoc::applyRowSet(RowSetEdit& edit, bool forward)
{
    Records& records = edit.deletedStore ? deleted(edit.list) : channels(edit.list);
    // No view shows the store of deleted records.
    const auto tell = [&](auto&& call) {
        if (!edit.deletedStore) {
            m_observers.forEachOfCopy(call);
        }
    };
    const std::vector<int>& rows = edit.rows;
    if (edit.insertsForward == forward) {
        Records merged;
        merged.reserve(records.size() + rows.size());
        auto next = records.begin();
        for (std::size_t k = 0; k < rows.size(); ++k) {
            while (static_cast<int>(merged.size()) < rows[k]) {
                merged.push_back(std::move(*next++));
            }
            merged.push_back(std::move(edit.held[k]));
        }
        std::move(next, records.end(), std::back_inserter(merged));
        records = std::move(merged);
        edit.held.clear();
        tell([&](DocumentObserver& o) { o.rowsInserted(edit.list, rows); });
    } else {
        edit.held.clear();
        edit.held.reserve(rows.size());
        std::size_t kept = 0;
        std::size_t k = 0;
        for (std::size_t row = 0; row < records.size(); ++row) {
            if (k < rows.size() && static_cast<std::size_t>(rows[k]) == row) {
                edit.held.push_back(std::move(records[row]));
                ++k;
            } else {
                records[kept++] = std::move(records[row]);
            }
        }
        records.resize(kept);
        tell([&](DocumentObserver& o) { o.rowsRemoved(edit.list, rows); });
    }
}

void CKanalyxDoc::applyHide(HideRowsEdit& edit, bool forward)
{
    Records& records = channels(edit.list);
    Records& store = deleted(edit.list);
    const std::vector<int>& rows = edit.rows;
    if (forward) {
        std::size_t kept = 0;
        std::size_t k = 0;
        for (std::size_t row = 0; row < records.size(); ++row) {
            if (k < rows.size() && static_cast<std::size_t>(rows[k]) == row) {
                store.push_back(std::move(records[row]));
                ++k;
            } else {
                records[kept++] = std::move(records[row]);
            }
        }
        records.resize(kept);
        m_observers.forEachOfCopy([&](DocumentObserver& o) { o.rowsRemoved(edit.list, rows); });
        return;
    }
    const auto first = store.end() - static_cast<std::ptrdiff_t>(rows.size());
    Records merged;
    merged.reserve(records.size() + rows.size());
    auto next = records.begin();
    auto back = first;
    for (const int row : rows) {
        while (static_cast<int>(merged.size()) < row) {
            merged.push_back(std::move(*next++));
        }
        merged.push_back(std::move(*back++));
    }
    std::move(next, records.end(), std::back_inserter(merged));
    records = std::move(merged);
    store.erase(first, store.end());
    m_observers.forEachOfCopy([&](DocumentObserver& o) { o.rowsInserted(edit.list, rows); });
}

void CKanalyxDoc::applyRecordBytes(RecordBytesEdit& edit, bool forward)
{
    Records& records = channels(edit.list);
    edit.patches.apply(forward,
                       [&](int row) { return records[static_cast<std::size_t>(row)]->raw(); });
    notifyRecordsChanged(edit.list, edit.patches.targets(), edit.numbersOnly);
}

void CKanalyxDoc::notifyRecordsChanged(ListKind list, std::span<const int> rows, bool numbersOnly)
{
    m_observers.forEachOfCopy([&](DocumentObserver& o) {
        if (numbersOnly) {
            o.numbersChanged(list, rows);
        } else {
            o.rowsChanged(list, rows);
        }
    });
}

void CKanalyxDoc::applyBlockBytes(BlockBytesEdit& edit, bool forward)
{
    const std::span<std::uint8_t> bytes = m_format->block(edit.block);
    edit.patches.apply(forward, [bytes](int) { return bytes; });
    if (edit.block == FormatBlock::Settings) {
        m_observers.forEachOfCopy([](DocumentObserver& o) { o.settingsChanged(); });
    }
}

} // namespace kx
