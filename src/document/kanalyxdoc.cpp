#include "document/kanalyxdoc.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <utility>

#include "model/channelrec.h"
#include "model/charactertable.h"
#include "platform/archive.h"
#include "platform/error.h"
#include "platform/file.h"

namespace kx {

namespace {

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
        if (!m_committed) {
            for (auto it = m_step.edits.rbegin(); it != m_step.edits.rend(); ++it) {
                m_doc.apply(*it, false);
            }
        }
    }
    StepBuilder(const StepBuilder&) = delete;
    StepBuilder& operator=(const StepBuilder&) = delete;

    void move(ListKind list, std::vector<std::pair<int, int>> moves)
    {
        if (!moves.empty()) {
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

    // Gives every record of the list the number of its row + 1.
    void renumber(ListKind list)
    {
        std::vector<int> rows;
        const Records& records = m_doc.channels(list);
        for (std::size_t row = 0; row < records.size(); ++row) {
            if (!records[row]->HasNumber(static_cast<int>(row) + 1)) {
                rows.push_back(static_cast<int>(row));
            }
        }
        changeRecords(
            list, rows, [](CChannelRec& record, int row) { record.SetNumber(row + 1); }, true);
    }

    void changeSettings(std::span<const std::uint8_t> bytes)
    {
        SettingsBytesEdit edit;
        edit.patches.add(0, m_doc.m_settings.span(), bytes);
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

    CKanalyxDoc& m_doc;
    EditStep m_step;
    std::vector<std::uint8_t> m_scratch;
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
    for (std::size_t i = 0; i < m_channels.size(); ++i) {
        m_channels[i] = std::move(contents.lists[i]);
    }
    m_settings = std::move(contents.settings);
    m_trailing = std::move(contents.trailing);
    m_tail = std::move(contents.tail);
    m_nVariant = contents.variant;
    m_history.clear();
    m_observers.forEachOfCopy([](DocumentObserver& o) { o.OnInitialUpdate(); });
    SetModifiedFlag(false);
    m_observers.forEachOfCopy([](DocumentObserver& o) { o.historyChanged(); });
}

void CKanalyxDoc::store(Archive& ar) const
{
    const std::size_t recordSize = RecordSizeOf(m_nVariant);
    if (recordSize == 0) {
        return;
    }
    if (m_nVariant == 2) {
        ar.writeU32(kTllMagic);
    }
    const auto blockSize = [recordSize](std::size_t count) {
        return static_cast<std::uint32_t>(4 + recordSize * count);
    };
    const auto writeRecords = [&ar](const Records& records) {
        for (const auto& record : records) {
            record->WriteToArchive(ar);
        }
    };
    const Records& analog = channels(ListKind::Analog);
    ar.writeU32(blockSize(analog.size()));
    ar.writeU32(static_cast<std::uint32_t>(analog.size()));
    writeRecords(analog);

    ar.writeU32(m_settings.size);
    ar.write(m_settings.bytes.get(), m_settings.size);

    // One digital block: every digital TV record, then every radio record.
    const Records& digitalTV = channels(ListKind::DigitalTV);
    const Records& radio = channels(ListKind::Radio);
    const std::size_t digitalCount = digitalTV.size() + radio.size();
    ar.writeU32(blockSize(digitalCount));
    ar.writeU32(static_cast<std::uint32_t>(digitalCount));
    writeRecords(digitalTV);
    writeRecords(radio);

    if (m_nVariant == 2) {
        ar.writeU32(m_trailing.size);
        ar.write(m_trailing.bytes.get(), m_trailing.size);
    }
    ar.write(m_tail.bytes.get(), m_tail.size);
}

void CKanalyxDoc::OnOpenDocument(const std::filesystem::path& path)
{
    // The whole file is read and checked before anything of the open document changes.
    Archive ar(File::readAll(path), path.string());
    TllContents contents = ReadTll(ar);
    m_pathName = path;
    SetContents(std::move(contents));
}

void CKanalyxDoc::OnSaveDocument(const std::filesystem::path& path)
{
    if (m_nVariant == 0) {
        throw Error(ErrorCode::Usage, path.string() + ": no channel list is open to save");
    }
    File::writeAtomically(path, [this](File& file) {
        Archive ar(file);
        Serialize(ar);
        ar.flush();
    });
    m_pathName = path;
    SetModifiedFlag(false);
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
    Records& records = channels(edit.list);
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
        m_observers.forEachOfCopy([&](DocumentObserver& o) { o.rowsInserted(edit.list, rows); });
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
        m_observers.forEachOfCopy([&](DocumentObserver& o) { o.rowsRemoved(edit.list, rows); });
    }
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
    edit.patches.apply(forward, [this](int) { return m_settings.span(); });
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
    step.remove(list, std::vector<int>(rows.begin(), rows.end()));
    step.renumber(list);
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
    if (bytes.size() != m_settings.size) {
        throw Error(ErrorCode::Internal, "a settings block of " + std::to_string(bytes.size()) +
                                             " bytes cannot replace one of " +
                                             std::to_string(m_settings.size));
    }
    StepBuilder step(*this);
    step.changeSettings(bytes);
    step.commit({kind, 0}, std::nullopt, {}, {});
}

void CKanalyxDoc::OnFileImport(const std::filesystem::path& other, ImportChoice choice)
{
    if (m_nVariant == 0) {
        throw Error(ErrorCode::Usage, other.string() + ": no channel list is open to import into");
    }
    Archive ar(File::readAll(other), other.string());
    TllContents contents = ReadTll(ar);
    if (contents.variant != m_nVariant) {
        throw Error(ErrorCode::Unsupported,
                    other.string() + ": its channel records are " +
                        std::to_string(RecordSizeOf(contents.variant)) +
                        " bytes long, those of the open list " +
                        std::to_string(RecordSizeOf(m_nVariant)) +
                        " bytes; only a list of the same kind can be imported");
    }
    const bool chosen[kListCount] = {choice.tv, choice.fm, choice.dtv};
    StepBuilder step(*this);
    int imported = 0;
    for (const ListKind list : kListKinds) {
        if (!chosen[static_cast<std::size_t>(list)]) {
            continue;
        }
        Records& records = ListOf(contents, list);
        const int count = static_cast<int>(records.size());
        imported += count;
        step.remove(list, allRows(ChannelCount(list)));
        step.insert(list, allRows(count), std::move(records));
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
        for (const ListKind list : {ListKind::Analog, ListKind::Radio, ListKind::DigitalTV}) {
            for (const auto& record : channels(list)) {
                record->WriteHexRow(file);
                file.write("\r\n");
            }
        }
    });
}

} // namespace kx
