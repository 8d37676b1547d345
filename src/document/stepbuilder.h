#pragma once

// The builder of the document's steps, shared by the files of the document's commands; no other
// part of the program includes this.

#include <map>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "document/kanalyxdoc.h"
#include "model/channelrec.h"

namespace kx {

// Makes the edits of one step, each at once, and keeps them. commit() hands the step to the
// history; a builder that ends without commit (a command that failed half-way) undoes what it
// made, so a failed command changes nothing.
class CKanalyxDoc::StepBuilder
{
public:
    explicit StepBuilder(CKanalyxDoc& doc) : m_doc(doc) {}
    ~StepBuilder()
    {
        if (m_committed) {
            return;
        }
        // Taking back edits this builder has just made meets no missing row; should it fail all
        // the same, the document is beyond repair and the program ends here.
        try {
            for (auto it = m_step.edits.rbegin(); it != m_step.edits.rend(); ++it) {
                m_doc.apply(*it, false);
            }
        } catch (...) {
            std::terminate();
        }
    }
    StepBuilder(const StepBuilder&) = delete;
    StepBuilder& operator=(const StepBuilder&) = delete;

    void move(ListKind list, std::vector<std::pair<int, int>> moves)
    {
        if (!moves.empty()) {
            keepNumbers(list);
            add(MoveRowsEdit{list, std::move(moves)});
        }
    }

    void remove(ListKind list, std::vector<int> rows)
    {
        if (!rows.empty()) {
            add(RowSetEdit{list, false, std::move(rows), {}});
        }
    }

    void insert(ListKind list, std::vector<int> rows, Records records)
    {
        if (!rows.empty()) {
            add(RowSetEdit{list, true, std::move(rows), std::move(records)});
        }
    }

    // The same on the list's store of records marked deleted.
    void removeDeleted(ListKind list, std::vector<int> rows)
    {
        if (!rows.empty()) {
            add(RowSetEdit{list, false, std::move(rows), {}, true});
        }
    }

    void insertDeleted(ListKind list, std::vector<int> rows, Records records)
    {
        if (!rows.empty()) {
            add(RowSetEdit{list, true, std::move(rows), std::move(records), true});
        }
    }

    // Moves rows of the list into its store of records marked deleted.
    void hide(ListKind list, std::vector<int> rows)
    {
        if (!rows.empty()) {
            add(HideRowsEdit{list, std::move(rows)});
        }
    }

    // Runs change on the record of every row and keeps what it changed. A change that throws
    // leaves its record as it was. numbersOnly: the change touches the programme numbers alone.
    template <typename Change>
    void changeRecords(ListKind list, std::span<const int> rows, Change&& change,
                       bool numbersOnly = false)
    {
        RecordBytesEdit edit{list, {}, numbersOnly};
        Records& records = m_doc.channels(list);
        for (const int row : rows) {
            CChannelRec& record = *records[static_cast<std::size_t>(row)];
            const std::span<std::uint8_t> bytes = record.raw();
            m_scratch.assign(bytes.begin(), bytes.end());
            try {
                change(record, row);
            } catch (...) {
                std::copy(m_scratch.begin(), m_scratch.end(), bytes.begin());
                keepApplied(std::move(edit));
                throw;
            }
            edit.patches.add(row, m_scratch, bytes);
        }
        keepApplied(std::move(edit));
    }

    // Numbers the list after a change of order: row + 1 where the records are written in list
    // order; where they keep their places, every row gets the number its row had before the
    // step's first move, so that only numbers move.
    void renumber(ListKind list)
    {
        const Records& records = m_doc.channels(list);
        std::vector<int> rows;
        if (!m_doc.KeepsPlaces(list)) {
            for (std::size_t row = 0; row < records.size(); ++row) {
                if (!records[row]->HasNumber(static_cast<int>(row) + 1)) {
                    rows.push_back(static_cast<int>(row));
                }
            }
            changeRecords(
                list, rows, [](CChannelRec& record, int row) { record.SetNumber(row + 1); }, true);
            return;
        }
        const std::vector<int>& numbers = m_numbers[list];
        if (numbers.size() != records.size()) {
            return; // no move before, or the list changed size: the numbers stay as they are
        }
        for (std::size_t row = 0; row < records.size(); ++row) {
            if (!records[row]->HasNumber(numbers[row])) {
                rows.push_back(static_cast<int>(row));
            }
        }
        changeRecords(
            list, rows,
            [&numbers](CChannelRec& record, int row) {
                record.SetNumber(numbers[static_cast<std::size_t>(row)]);
            },
            true);
    }

    // Changes a part of the file's own bytes (the settings block, the DVB-S block) to bytes.
    void changeBlock(FormatBlock block, std::span<const std::uint8_t> bytes)
    {
        BlockBytesEdit edit{block, {}};
        edit.patches.add(0, m_doc.m_format->block(block), bytes);
        if (!edit.patches.empty()) {
            add(std::move(edit));
        }
    }

    // Ends the step; false (and no step) when it changed nothing.
    bool commit(StepLabel label, std::optional<ListKind> list, std::vector<int> rowsBefore,
                std::vector<int> rowsAfter)
    {
        m_committed = true;
        if (m_step.edits.empty()) {
            return false;
        }
        m_step.label = label;
        m_step.list = list;
        m_step.rowsBefore = std::move(rowsBefore);
        m_step.rowsAfter = std::move(rowsAfter);
        m_doc.m_history.push(std::move(m_step));
        m_doc.afterHistoryChange();
        return true;
    }

private:
    void add(Edit edit)
    {
        m_doc.apply(edit, true);
        m_step.edits.push_back(std::move(edit));
    }

    // Keeps an edit whose bytes are already written, and tells the observers.
    void keepApplied(RecordBytesEdit edit)
    {
        if (edit.patches.empty()) {
            return;
        }
        const std::vector<int> rows = edit.patches.targets();
        const ListKind list = edit.list;
        const bool numbersOnly = edit.numbersOnly;
        m_step.edits.emplace_back(std::move(edit));
        m_doc.notifyRecordsChanged(list, rows, numbersOnly);
    }

    // The numbers of a list's rows before the step first moved them.
    void keepNumbers(ListKind list)
    {
        std::vector<int>& numbers = m_numbers[list];
        if (!m_doc.KeepsPlaces(list) || !numbers.empty()) {
            return;
        }
        for (const auto& record : m_doc.channels(list)) {
            numbers.push_back(record->GetNumber());
        }
    }

    CKanalyxDoc& m_doc;
    EditStep m_step;
    std::vector<std::uint8_t> m_scratch;
    std::map<ListKind, std::vector<int>> m_numbers;
    bool m_committed = false;
};

} // namespace kx
