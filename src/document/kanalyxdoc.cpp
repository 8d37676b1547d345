#include "document/kanalyxdoc.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <numeric>
#include <utility>

#include "document/satelliteblock.h"
#include "model/channelrec.h"
#include "model/charactertable.h"
#include "model/recordlayout.h"
#include "platform/archive.h"
#include "platform/crc32.h"
#include "platform/error.h"
#include "platform/file.h"
#include "platform/filelock.h"

namespace kx {

namespace {

// A whole file, read under its shared lock so that no Kanalyx program writes it meanwhile.
std::string readLocked(const std::filesystem::path& path)
{
    const FileLock lock = FileLock::acquire(path, FileLock::Mode::Shared);
    return File::readAll(path);
}

std::uint32_t checksumOf(std::string_view bytes)
{
    return crc32({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

std::vector<int> allRows(int count)
{
    std::vector<int> rows(static_cast<std::size_t>(count));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

} // namespace

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
        const std::vector<int>& numbers = m_numbers[static_cast<std::size_t>(list)];
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

    void changeSettings(std::span<const std::uint8_t> bytes)
    {
        SettingsBytesEdit edit;
        edit.patches.add(0, m_doc.m_frame.settings.span(), bytes);
        if (!edit.patches.empty()) {
            add(std::move(edit));
        }
    }

    void changeSatelliteBlock(std::span<const std::uint8_t> bytes)
    {
        SatelliteBytesEdit edit;
        edit.patches.add(0, m_doc.m_frame.satellite.span(), bytes);
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
        std::vector<int>& numbers = m_numbers[static_cast<std::size_t>(list)];
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
    std::array<std::vector<int>, kListCount> m_numbers;
    bool m_committed = false;
};

CKanalyxDoc::CKanalyxDoc() = default;

CKanalyxDoc::~CKanalyxDoc() = default;

const CChannelRec& CKanalyxDoc::Channel(ListKind list, int row) const
{
    const Records& records = channels(list);
    if (row < 0 || row >= static_cast<int>(records.size())) {
        throw Error(ErrorCode::Internal, "the list has no row " + std::to_string(row));
    }
    return *records[static_cast<std::size_t>(row)];
}

void CKanalyxDoc::checkRows(ListKind list, std::span<const int> rows) const
{
    const int count = ChannelCount(list);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] < 0 || rows[i] >= count || (i > 0 && rows[i] <= rows[i - 1])) {
            throw Error(ErrorCode::Internal, "rows out of order or beyond the list's " +
                                                 std::to_string(count) + " rows");
        }
    }
}

void CKanalyxDoc::Serialize(Archive& ar)
{
    if (ar.isStoring()) {
        store(ar);
    } else {
        SetContents(ReadTll(ar));
    }
}

void CKanalyxDoc::SetContents(TllContents contents)
{
    // The old records die only after the observers let go of them.
    std::array<Records, kListCount> old = std::move(m_channels);
    std::array<Records, kListCount> oldDeleted = std::move(m_deleted);
    for (std::size_t i = 0; i < m_channels.size(); ++i) {
        m_channels[i] = std::move(contents.lists[i]);
        m_deleted[i] = std::move(contents.deleted[i]);
    }
    m_frame = std::move(contents.frame);
    m_history.clear();
    m_observers.forEachOfCopy([](DocumentObserver& o) { o.OnInitialUpdate(); });
    SetModifiedFlag(false);
    m_observers.forEachOfCopy([](DocumentObserver& o) { o.historyChanged(); });
}

void CKanalyxDoc::store(Archive& ar) const
{
    if (m_frame.variant == 0) {
        return;
    }
    TllRecords records;
    for (std::size_t i = 0; i < kListCount; ++i) {
        records.shown[i] = &m_channels[i];
        records.deleted[i] = &m_deleted[i];
    }
    WriteTll(ar, m_frame, records);
}

bool CKanalyxDoc::KeepsPlaces(ListKind list) const noexcept
{
    if (IsSatelliteList(list)) {
        return true;
    }
    return m_frame.layout != nullptr && !m_frame.layout->sorted;
}

std::vector<ListKind> CKanalyxDoc::Lists() const
{
    std::vector<ListKind> lists = {ListKind::Analog, ListKind::Radio, ListKind::DigitalTV};
    if (m_frame.satelliteLayout != nullptr) {
        lists.push_back(ListKind::SatTV);
        lists.push_back(ListKind::SatRadio);
    }
    return lists;
}

bool CKanalyxDoc::HasFlags(ListKind list) const noexcept
{
    return IsSatelliteList(list) || (m_frame.layout != nullptr && m_frame.layout->flagsShown());
}

void CKanalyxDoc::OnOpenDocument(const std::filesystem::path& path)
{
    // The whole file is read and checked before anything of the open document changes.
    std::string bytes = readLocked(path);
    const DiskState disk{bytes.size(), checksumOf(bytes)};
    Archive ar(std::move(bytes), path.string());
    TllContents contents = ReadTll(ar);
    m_pathName = path;
    m_disk = disk;
    SetContents(std::move(contents));
}

void CKanalyxDoc::OnSaveDocument(const std::filesystem::path& path)
{
    if (m_frame.variant == 0) {
        throw Error(ErrorCode::Usage, path.string() + ": no channel list is open to save");
    }
    std::string bytes;
    Archive ar = Archive::storingTo(bytes, path.string());
    Serialize(ar);
    const auto write = [&bytes](File& file) { file.write(bytes); };
    if (File::NamesStandardOutput(path)) {
        // The bytes go to a pipe or wherever the output goes; the document keeps its file.
        File::writeAtomically(path, write);
        return;
    }
    {
        // Held until the new file is in place, so that no Kanalyx program reads or replaces
        // the file meanwhile.
        const FileLock lock = FileLock::acquire(path, FileLock::Mode::Exclusive);
        File::writeAtomically(path, write);
        m_disk = DiskState{bytes.size(), checksumOf(bytes)};
    }
    m_pathName = path;
    SetModifiedFlag(false);
}

bool CKanalyxDoc::ChangedOnDisk() const
{
    std::error_code error;
    if (!m_disk || !std::filesystem::exists(m_pathName, error)) {
        return false; // a file that is gone holds no change to lose
    }
    // Only the bytes tell: a file written again within one tick of the clock keeps its time,
    // and one copied back or touched holds the same bytes under a new time.
    try {
        const std::string bytes = readLocked(m_pathName);
        return bytes.size() != m_disk->size || checksumOf(bytes) != m_disk->checksum;
    } catch (const Error&) {
        return true; // it cannot be read as it was: something changed it
    }
}

bool CKanalyxDoc::WouldOverwriteChanges(const std::filesystem::path& target) const
{
    std::error_code error;
    return ChangedOnDisk() && std::filesystem::equivalent(target, m_pathName, error);
}

void CKanalyxDoc::SetModifiedFlag(bool modified)
{
    if (modified) {
        m_history.markUnsaved();
    } else {
        m_history.markSaved();
    }
    if (m_bModified == modified) {
        return;
    }
    m_bModified = modified;
    m_observers.forEachOfCopy([modified](DocumentObserver& o) { o.modifiedChanged(modified); });
}

void CKanalyxDoc::afterHistoryChange()
{
    const bool modified = !m_history.isAtSaved();
    if (m_bModified != modified) {
        m_bModified = modified;
        m_observers.forEachOfCopy([modified](DocumentObserver& o) { o.modifiedChanged(modified); });
    }
    m_observers.forEachOfCopy([](DocumentObserver& o) { o.historyChanged(); });
}

std::optional<int> CKanalyxDoc::PrevailingCharacterTable() const
{
    std::array<int, kCharacterTableCount> counts{};
    int prefixed = 0;
    for (const Records& records : m_channels) {
        for (const auto& record : records) {
            const int row = record->GetCharacterTable();
            if (row >= 0) {
                ++counts[static_cast<std::size_t>(row)];
                ++prefixed;
            }
        }
    }
    const auto best = std::max_element(counts.begin(), counts.end());
    if (prefixed == 0 || *best * 2 <= prefixed) {
        return std::nullopt;
    }
    return static_cast<int>(best - counts.begin());
}

// ---- Edits

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
            } else if constexpr (std::is_same_v<E, SatelliteBytesEdit>) {
                applySatelliteBytes(e, forward);
            } else {
                applySettingsBytes(e, forward);
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

void CKanalyxDoc::applySatelliteBytes(SatelliteBytesEdit& edit, bool forward)
{
    edit.patches.apply(forward, [this](int) { return m_frame.satellite.span(); });
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

void CKanalyxDoc::applySettingsBytes(SettingsBytesEdit& edit, bool forward)
{
    edit.patches.apply(forward, [this](int) { return m_frame.settings.span(); });
    m_observers.forEachOfCopy([](DocumentObserver& o) { o.settingsChanged(); });
}

// ---- Commands

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
    if (bytes.size() != m_frame.settings.size) {
        throw Error(ErrorCode::Internal, "a settings block of " + std::to_string(bytes.size()) +
                                             " bytes cannot replace one of " +
                                             std::to_string(m_frame.settings.size));
    }
    StepBuilder step(*this);
    step.changeSettings(bytes);
    step.commit({kind, 0}, std::nullopt, {}, {});
}

void CKanalyxDoc::OnFileImport(const std::filesystem::path& other, ImportChoice choice)
{
    if (m_frame.variant == 0) {
        throw Error(ErrorCode::Usage, other.string() + ": no channel list is open to import into");
    }
    Archive ar(readLocked(other), other.string());
    TllContents contents = ReadTll(ar);
    const TllFrame& theirs = contents.frame;
    const auto classic = [](int variant) { return variant == 1 || variant == 2; };
    if (theirs.variant != m_frame.variant && classic(theirs.variant) && classic(m_frame.variant)) {
        throw Error(ErrorCode::Unsupported,
                    other.string() + ": its channel records are " +
                        std::to_string(RecordSizeOf(theirs.variant)) +
                        " bytes long, those of the open list " +
                        std::to_string(RecordSizeOf(m_frame.variant)) +
                        " bytes; only a list of the same kind can be imported");
    }
    std::array<bool, kListCount> chosen = {choice.tv, choice.fm, choice.dtv, choice.sat,
                                           choice.sat};
    bool bringsRecords = false;
    for (const ListKind list : {ListKind::Analog, ListKind::Radio, ListKind::DigitalTV}) {
        const auto index = static_cast<std::size_t>(list);
        bringsRecords |=
            chosen[index] && !(contents.lists[index].empty() && contents.deleted[index].empty());
    }
    const auto layoutName = [](const RecordLayout& layout) {
        return std::to_string(layout.recordSize) + "-byte layout of " + std::string(layout.models);
    };
    if (bringsRecords && theirs.layout != m_frame.layout) {
        if (m_frame.layout == nullptr) {
            throw Error(ErrorCode::Unsupported,
                        other.string() + ": the open list holds no cable or antenna channel, so "
                                         "the record layout its receiver reads is unknown");
        }
        throw Error(ErrorCode::Unsupported, other.string() + ": its channel records follow the " +
                                                layoutName(*theirs.layout) +
                                                ", those of the open list the " +
                                                layoutName(*m_frame.layout) +
                                                "; only a list of the same kind can be imported");
    }
    if (choice.sat &&
        (theirs.satelliteLayout == nullptr || theirs.satelliteLayout != m_frame.satelliteLayout)) {
        throw Error(ErrorCode::Unsupported,
                    other.string() +
                        (theirs.satelliteLayout == nullptr
                             ? ": it holds no satellite channels this editor can read"
                             : ": its satellite block is not of the open list's receiver family; "
                               "only satellite channels of the same family can be imported"));
    }
    // Where records keep their places, the imported ones take places after every place in use.
    if (KeepsPlaces(ListKind::Analog)) {
        for (const auto& block :
             {std::vector{ListKind::Analog}, std::vector{ListKind::Radio, ListKind::DigitalTV}}) {
            std::uint32_t base = 0;
            for (const ListKind list : block) {
                for (const Records* part : {&channels(list), &deleted(list)}) {
                    for (const auto& record : *part) {
                        base = std::max(base, record->m_slot + 1);
                    }
                }
            }
            for (const ListKind list : block) {
                const auto index = static_cast<std::size_t>(list);
                for (Records* part : {&contents.lists[index], &contents.deleted[index]}) {
                    for (auto& record : *part) {
                        record->m_slot += base;
                    }
                }
            }
        }
    }
    StepBuilder step(*this);
    if (choice.sat) {
        step.changeSatelliteBlock(theirs.satellite.span());
    }
    int imported = 0;
    for (const ListKind list : kListKinds) {
        const auto index = static_cast<std::size_t>(list);
        if (!chosen[index]) {
            continue;
        }
        Records& records = contents.lists[index];
        Records& gone = contents.deleted[index];
        const int count = static_cast<int>(records.size());
        const int goneCount = static_cast<int>(gone.size());
        imported += count;
        step.remove(list, allRows(ChannelCount(list)));
        step.removeDeleted(list, allRows(DeletedCount(list)));
        step.insert(list, allRows(count), std::move(records));
        step.insertDeleted(list, allRows(goneCount), std::move(gone));
    }
    step.commit({StepKind::Import, imported}, std::nullopt, {}, {});
}

// ---- History

std::optional<StepLabel> CKanalyxDoc::UndoLabel() const
{
    const EditStep* step = m_history.undoStep();
    return step ? std::optional(step->label) : std::nullopt;
}

std::optional<StepLabel> CKanalyxDoc::RedoLabel() const
{
    const EditStep* step = m_history.redoStep();
    return step ? std::optional(step->label) : std::nullopt;
}

std::pair<std::optional<ListKind>, RowSelection> CKanalyxDoc::Undo()
{
    if (!m_history.canUndo()) {
        return {};
    }
    EditStep& step = m_history.undo();
    for (auto it = step.edits.rbegin(); it != step.edits.rend(); ++it) {
        apply(*it, false);
    }
    afterHistoryChange();
    const std::vector<int>& rows = step.rowsBefore;
    return {step.list, {rows, rows.empty() ? -1 : rows.front()}};
}

std::pair<std::optional<ListKind>, RowSelection> CKanalyxDoc::Redo()
{
    if (!m_history.canRedo()) {
        return {};
    }
    EditStep& step = m_history.redo();
    for (Edit& edit : step.edits) {
        apply(edit, true);
    }
    afterHistoryChange();
    const std::vector<int>& rows = step.rowsAfter;
    return {step.list, {rows, rows.empty() ? -1 : rows.front()}};
}

// ---- Export

std::filesystem::path CKanalyxDoc::ExportPathFor(const std::filesystem::path& chosen)
{
    const std::string name = chosen.filename().string();
    std::string ending = name.size() >= 4 ? name.substr(name.size() - 4) : std::string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == ".xls") {
        return chosen;
    }
    std::filesystem::path result = chosen;
    result += ".xls";
    return result;
}

std::filesystem::path CKanalyxDoc::OnFileExport(const std::filesystem::path& chosen) const
{
    std::filesystem::path path = ExportPathFor(chosen);
    WriteExport(path);
    return path;
}

void CKanalyxDoc::WriteExport(const std::filesystem::path& path) const
{
    File::writeAtomically(path, [this](File& file) {
        for (const ListKind list : kListKinds) {
            for (const auto& record : channels(list)) {
                record->WriteHexRow(file);
                file.write("\r\n");
            }
        }
    });
}

} // namespace kx
