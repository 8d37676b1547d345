#include <algorithm>
#include <numeric>
#include <utility>

#include "document/kanalyxdoc.h"
#include "document/referenceplan.h"
#include "document/stepbuilder.h"
#include "model/channelrec.h"
#include "platform/error.h"

// The document's list commands and the settings block's changes, each one step of the history.

namespace kx {

RowSelection CKanalyxDoc::MoveUp(ListKind list, std::span<const int> rows)
{
    checkRows(list, rows);
    if (rows.empty() || rows.front() == 0) {
        return {};
    }
    return moveEachBlock(list, rows, -1, StepKind::MoveUp);
}

RowSelection CKanalyxDoc::MoveDown(ListKind list, std::span<const int> rows)
{
    checkRows(list, rows);
    if (rows.empty() || rows.back() == ChannelCount(list) - 1) {
        return {};
    }
    return moveEachBlock(list, rows, 1, StepKind::MoveDown);
}

RowSelection CKanalyxDoc::moveEachBlock(ListKind list, std::span<const int> rows, int by,
                                        StepKind kind)
{
    // Each block of neighbouring rows moves by one place as a whole; the row it moves over goes
    // to the block's other end.
    std::vector<std::pair<int, int>> moves;
    std::vector<int> after;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1) {
            ++end;
        }
        const int first = rows[i];
        const int last = rows[end - 1];
        moves.emplace_back(by < 0 ? first - 1 : last + 1, by < 0 ? last : first);
        for (std::size_t k = i; k < end; ++k) {
            moves.emplace_back(rows[k], rows[k] + by);
            after.push_back(rows[k] + by);
        }
        i = end;
    }
    StepBuilder step(*this);
    step.move(list, std::move(moves));
    step.renumber(list);
    step.commit({kind, static_cast<int>(rows.size())}, list,
                std::vector<int>(rows.begin(), rows.end()), after);
    return {after, -1};
}

RowSelection CKanalyxDoc::Duplicate(ListKind list, std::span<const int> rows)
{
    checkRows(list, rows);
    if (rows.empty()) {
        return {};
    }
    if (KeepsPlaces(list)) {
        throw Error(ErrorCode::Usage, "the receiver of this list keeps every channel in its place "
                                      "in the file, so a channel cannot be duplicated");
    }
    // Each copy goes right below its row.
    const Records& records = channels(list);
    std::vector<int> places;
    Records copies;
    std::vector<int> selected;
    for (const int row : rows) {
        auto copy = records[static_cast<std::size_t>(row)]->Clone();
        if (!copy) {
            continue;
        }
        const int shifted = row + static_cast<int>(copies.size());
        selected.push_back(shifted);
        selected.push_back(shifted + 1);
        places.push_back(shifted + 1);
        copies.push_back(std::move(copy));
    }
    StepBuilder step(*this);
    step.insert(list, places, std::move(copies));
    step.renumber(list);
    step.commit({StepKind::Duplicate, static_cast<int>(places.size())}, list,
                std::vector<int>(rows.begin(), rows.end()), selected);
    return {selected, places.empty() ? -1 : places.back()};
}

RowSelection CKanalyxDoc::Delete(ListKind list, std::span<const int> rows)
{
    checkRows(list, rows);
    if (rows.empty()) {
        return {};
    }
    StepBuilder step(*this);
    if (KeepsPlaces(list)) {
        // The file keeps the record, marked the way the receiver marks a deleted channel.
        step.changeRecords(list, rows, [](CChannelRec& record, int) { record.MarkDeleted(); });
        step.hide(list, std::vector<int>(rows.begin(), rows.end()));
    } else {
        step.remove(list, std::vector<int>(rows.begin(), rows.end()));
        step.renumber(list);
    }
    const int count = ChannelCount(list);
    std::vector<int> after;
    if (count > 0) {
        after.push_back(std::min(rows.front(), count - 1));
    }
    step.commit({StepKind::Delete, static_cast<int>(rows.size())}, list,
                std::vector<int>(rows.begin(), rows.end()), after);
    return {after, after.empty() ? -1 : after.front()};
}

bool CKanalyxDoc::reorder(ListKind list, std::span<const int> order, StepLabel label,
                          std::vector<int> rowsBefore, std::vector<int> rowsAfter)
{
    std::vector<std::pair<int, int>> moves;
    for (std::size_t row = 0; row < order.size(); ++row) {
        if (order[row] != static_cast<int>(row)) {
            moves.emplace_back(order[row], static_cast<int>(row));
        }
    }
    StepBuilder step(*this);
    step.move(list, std::move(moves));
    step.renumber(list);
    return step.commit(label, list, std::move(rowsBefore), std::move(rowsAfter));
}

RowSelection CKanalyxDoc::MoveRowsTo(ListKind list, std::span<const int> rows, int firstRow,
                                     StepKind kind)
{
    checkRows(list, rows);
    const int count = ChannelCount(list);
    const int moved = static_cast<int>(rows.size());
    if (moved == 0) {
        return {};
    }
    const int first = std::clamp(firstRow, 0, count - moved);
    // The rows that stay, in order, with the block put in at first.
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(count));
    std::size_t next = 0;
    for (int row = 0; row < count; ++row) {
        if (next < rows.size() && rows[next] == row) {
            ++next;
        } else {
            order.push_back(row);
        }
    }
    order.insert(order.begin() + first, rows.begin(), rows.end());
    std::vector<int> block(rows.size());
    std::iota(block.begin(), block.end(), first);
    reorder(list, order, {kind, moved}, std::vector<int>(rows.begin(), rows.end()), block);
    return {block, first};
}

void CKanalyxDoc::SortRows(ListKind list, std::span<const int> order)
{
    const int count = ChannelCount(list);
    std::vector<char> seen(static_cast<std::size_t>(count), 0);
    bool complete = static_cast<int>(order.size()) == count;
    for (const int row : order) {
        complete = complete && row >= 0 && row < count && seen[static_cast<std::size_t>(row)] == 0;
        if (complete) {
            seen[static_cast<std::size_t>(row)] = 1;
        }
    }
    if (!complete) {
        throw Error(ErrorCode::Internal, "a new order must name every row of the list once");
    }
    reorder(list, order, {StepKind::Sort, count}, {}, {});
}

RowSelection CKanalyxDoc::Rename(ListKind list, int row, std::string_view text,
                                 const CodecSettings& codec)
{
    const int rows[] = {row};
    checkRows(list, rows);
    StepBuilder step(*this);
    step.changeRecords(list, rows, [&](CChannelRec& record, int) { record.SetName(text, codec); });
    if (!step.commit({StepKind::Rename, 1}, list, {row}, {row})) {
        return {};
    }
    return {{row}, row};
}

RowSelection CKanalyxDoc::SetChecked(ListKind list, std::span<const int> rows, bool ticked)
{
    checkRows(list, rows);
    StepBuilder step(*this);
    step.changeRecords(list, rows,
                       [ticked](CChannelRec& record, int) { record.SetChecked(ticked); });
    std::vector<int> touched(rows.begin(), rows.end());
    if (!step.commit({ticked ? StepKind::Tick : StepKind::Untick, static_cast<int>(rows.size())},
                     list, touched, touched)) {
        return {};
    }
    return {touched, touched.empty() ? -1 : touched.back()};
}

RowSelection CKanalyxDoc::SetFlags(ListKind list, std::span<const int> rows, unsigned flags,
                                   unsigned mask)
{
    checkRows(list, rows);
    // Only what the list's channels keep; a layout that keeps no flags changes nothing.
    mask &= FlagsKept(list);
    StepBuilder step(*this);
    step.changeRecords(list, rows,
                       [flags, mask](CChannelRec& record, int) { record.SetFlags(flags, mask); });
    std::vector<int> touched(rows.begin(), rows.end());
    if (!step.commit({StepKind::Flags, static_cast<int>(rows.size())}, list, touched, touched)) {
        return {};
    }
    return {touched, touched.empty() ? -1 : touched.back()};
}

RowSelection CKanalyxDoc::SetChannelBytes(ListKind list, int row,
                                          std::span<const std::uint8_t> bytes)
{
    const int rows[] = {row};
    checkRows(list, rows);
    if (!HasRawRecords()) {
        throw Error(ErrorCode::Usage, "the channels of this file are no records of bytes: their "
                                      "fields cannot be set byte by byte");
    }
    if (bytes.size() != Channel(list, row).raw().size()) {
        throw Error(ErrorCode::Internal, "a record of " + std::to_string(bytes.size()) +
                                             " bytes cannot replace one of " +
                                             std::to_string(Channel(list, row).raw().size()));
    }
    StepBuilder step(*this);
    step.changeRecords(list, rows, [bytes](CChannelRec& record, int) {
        std::copy(bytes.begin(), bytes.end(), record.raw().begin());
    });
    if (!step.commit({StepKind::ChannelProperties, 1}, list, {row}, {row})) {
        return {};
    }
    return {{row}, row};
}

void CKanalyxDoc::SetSettings(std::span<const std::uint8_t> bytes, StepKind kind)
{
    if (!HasSettings() || bytes.size() != Settings().size()) {
        throw Error(ErrorCode::Internal, "a settings block of " + std::to_string(bytes.size()) +
                                             " bytes cannot replace one of " +
                                             std::to_string(Settings().size()));
    }
    StepBuilder step(*this);
    step.changeBlock(FormatBlock::Settings, bytes);
    step.commit({kind, 0}, std::nullopt, {}, {});
}

bool CKanalyxDoc::ApplyReference(const ReferencePlan& plan)
{
    // Every list and number is checked before the first edit.
    constexpr int kHighestNumber = 16383;
    std::vector<std::pair<ListKind, const ListPlan*>> lists;
    for (const ListPlan& list : plan.lists) {
        const auto found = std::find_if(m_lists.begin(), m_lists.end(), [&](const auto& l) {
            return ListName(l.kind) == list.list;
        });
        if (found == m_lists.end() || list.changesNothing) {
            continue;
        }
        if (list.rows.size() != found->shown.size()) {
            throw Error(ErrorCode::Internal,
                        "the plan of the " + list.list + " list was made for another document");
        }
        for (const RowPlan& row : list.rows) {
            if (!row.deleted && (row.number < 0 || row.number > kHighestNumber)) {
                throw Error(ErrorCode::Usage, "the reference gives a channel of the " + list.list +
                                                  " list the number " + std::to_string(row.number) +
                                                  ", which no receiver's list holds (0 to 16383)");
            }
        }
        lists.emplace_back(found->kind, &list);
    }
    StepBuilder step(*this);
    int changed = 0;
    for (const auto& entry : lists) {
        // Named apart: a lambda below uses the kind, and a structured binding cannot be captured.
        const ListKind kind = entry.first;
        const auto* const list = entry.second;
        const bool keepsPlaces = KeepsPlaces(kind);
        std::vector<int> gone = list->deletedRows;
        std::sort(gone.begin(), gone.end());
        if (!gone.empty()) {
            if (keepsPlaces) {
                step.changeRecords(kind, gone,
                                   [](CChannelRec& record, int) { record.MarkDeleted(); });
                step.hide(kind, gone);
            } else {
                step.remove(kind, gone);
            }
        }
        // The rows after the deletions: a row's place once the deleted rows above it left.
        std::vector<int> after(list->rows.size(), -1);
        int next = 0;
        for (std::size_t row = 0; row < after.size(); ++row) {
            if (!std::binary_search(gone.begin(), gone.end(), static_cast<int>(row))) {
                after[row] = next++;
            }
        }
        // The kept rows in the plan's order, with their new numbers.
        std::vector<std::pair<int, int>> placed; // (row after the deletions, number)
        for (const int row : list->order) {
            const int from = after.at(static_cast<std::size_t>(row));
            if (from < 0) {
                throw Error(ErrorCode::Internal,
                            "the plan of the " + list->list + " list both deletes and keeps a row");
            }
            placed.emplace_back(from, list->rows.at(static_cast<std::size_t>(row)).number);
        }
        if (keepsPlaces) {
            // Shown as the file is when it is read: the channels of each input apart, in the
            // order the inputs first come, each in number order.
            std::vector<int> inputs;
            const auto input = [&](int row) {
                const int source = channels(kind)[static_cast<std::size_t>(row)]->GetSource();
                const auto found = std::find(inputs.begin(), inputs.end(), source);
                if (found != inputs.end()) {
                    return found - inputs.begin();
                }
                inputs.push_back(source);
                return static_cast<std::ptrdiff_t>(inputs.size()) - 1;
            };
            for (std::size_t row = 0; row < channels(kind).size(); ++row) {
                input(static_cast<int>(row));
            }
            std::stable_sort(placed.begin(), placed.end(), [&](const auto& a, const auto& b) {
                return std::pair(input(a.first), a.second) < std::pair(input(b.first), b.second);
            });
        }
        std::vector<std::pair<int, int>> moves;
        std::vector<int> numbers;
        for (std::size_t k = 0; k < placed.size(); ++k) {
            if (placed[k].first != static_cast<int>(k)) {
                moves.emplace_back(placed[k].first, static_cast<int>(k));
            }
            numbers.push_back(placed[k].second);
        }
        step.move(kind, std::move(moves));
        // A list written in its order takes the reference's numbers where they rise along it
        // (its gaps included), as a list that keeps its places always does.
        if (keepsPlaces || NumbersRiseInOrder(*list)) {
            std::vector<int> renumbered;
            for (std::size_t row = 0; row < numbers.size(); ++row) {
                if (!channels(kind)[row]->HasNumber(numbers[row])) {
                    renumbered.push_back(static_cast<int>(row));
                }
            }
            step.changeRecords(
                kind, renumbered,
                [&numbers](CChannelRec& record, int row) {
                    record.SetNumber(numbers[static_cast<std::size_t>(row)]);
                },
                true);
        } else {
            step.renumber(kind);
        }
        changed += static_cast<int>(list->rows.size());
    }
    return step.commit({StepKind::Reference, changed}, std::nullopt, {}, {});
}

} // namespace kx
