#include "document/kanalyxdoc.h"

#include <algorithm>
#include <utility>

#include "document/binarytllformat.h"
#include "document/globalcloneformat.h"
#include "model/channelflags.h"
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

// What the document holds before a file is loaded, and what its lists are then.
const Records kNoRecords;
const std::vector<LoadWarning> kNoWarnings;

} // namespace

CKanalyxDoc::CKanalyxDoc()
{
    for (const ListKind kind : {ListKind::Analog, ListKind::Radio, ListKind::DigitalTV}) {
        m_lists.push_back(DocumentList{kind, {}, {}});
    }
}

CKanalyxDoc::~CKanalyxDoc() = default;

DocumentList* CKanalyxDoc::findList(ListKind list) noexcept
{
    const auto found = std::find_if(m_lists.begin(), m_lists.end(),
                                    [list](const DocumentList& l) { return l.kind == list; });
    return found == m_lists.end() ? nullptr : &*found;
}

const DocumentList* CKanalyxDoc::findList(ListKind list) const noexcept
{
    return const_cast<CKanalyxDoc*>(this)->findList(list);
}

Records& CKanalyxDoc::channels(ListKind list)
{
    DocumentList* found = findList(list);
    if (found == nullptr) {
        throw Error(ErrorCode::Internal,
                    "the open file has no list of kind " + std::to_string(static_cast<int>(list)));
    }
    return found->shown;
}

const Records& CKanalyxDoc::channels(ListKind list) const
{
    const DocumentList* found = findList(list);
    return found != nullptr ? found->shown : kNoRecords;
}

Records& CKanalyxDoc::deleted(ListKind list)
{
    channels(list); // refuses a list the document does not have
    return findList(list)->deleted;
}

int CKanalyxDoc::DeletedCount(ListKind list) const noexcept
{
    const DocumentList* found = findList(list);
    return found != nullptr ? static_cast<int>(found->deleted.size()) : 0;
}

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
    if (!ar.isStoring()) {
        SetContents(ReadChannelFile(ar));
    } else if (m_format != nullptr) {
        m_format->write(ar, m_lists);
    }
}

void CKanalyxDoc::SetContents(TllContents contents)
{
    SetContents(BinaryTllFormat::FromContents(std::move(contents)));
}

void CKanalyxDoc::SetContents(LoadedFile file)
{
    // The old records (and the format they may refer to) die only after the observers let go
    // of them, and after the history that may hold some of them.
    std::vector<DocumentList> oldLists = std::move(m_lists);
    std::unique_ptr<ChannelFormat> oldFormat = std::move(m_format);
    m_lists = std::move(file.lists);
    m_format = std::move(file.format);
    m_history.clear();
    m_observers.forEachOfCopy([](DocumentObserver& o) { o.OnInitialUpdate(); });
    SetModifiedFlag(false);
    m_observers.forEachOfCopy([](DocumentObserver& o) { o.historyChanged(); });
}

const BinaryTllFormat* CKanalyxDoc::binary() const noexcept
{
    return m_format != nullptr && m_format->format() == FileFormat::BinaryTll
               ? static_cast<const BinaryTllFormat*>(m_format.get())
               : nullptr;
}

std::optional<FileFormat> CKanalyxDoc::Format() const noexcept
{
    return m_format != nullptr ? std::optional(m_format->format()) : std::nullopt;
}

bool CKanalyxDoc::HasSettings() const noexcept
{
    return m_format != nullptr && m_format->hasSettings();
}

bool CKanalyxDoc::CanImport() const noexcept
{
    return m_format != nullptr && m_format->canImport();
}

bool CKanalyxDoc::HasRawRecords() const noexcept
{
    return m_format != nullptr && m_format->hasRawRecords();
}

unsigned CKanalyxDoc::FlagsKept(ListKind list) const noexcept
{
    if (m_format == nullptr) {
        // Without a file the lists are those of a binary file of no known layout.
        return IsSatelliteList(list) ? channelflags::kFavourites4 | channelflags::kLock |
                                           channelflags::kSkip | channelflags::kHide
                                     : 0U;
    }
    return m_format->flagsKept(list);
}

bool CKanalyxDoc::HasFlags(ListKind list) const noexcept
{
    return FlagsKept(list) != 0;
}

bool CKanalyxDoc::KeepsPlaces(ListKind list) const noexcept
{
    return m_format != nullptr ? m_format->keepsPlaces(list) : IsSatelliteList(list);
}

std::vector<ListKind> CKanalyxDoc::Lists() const
{
    std::vector<ListKind> lists;
    lists.reserve(m_lists.size());
    for (const DocumentList& list : m_lists) {
        lists.push_back(list.kind);
    }
    return lists;
}

std::string CKanalyxDoc::ModelName() const
{
    const auto* globalClone = dynamic_cast<const GlobalCloneFormat*>(m_format.get());
    return globalClone != nullptr ? globalClone->file().modelName() : std::string();
}

int CKanalyxDoc::UnlistedCount() const noexcept
{
    const auto* globalClone = dynamic_cast<const GlobalCloneFormat*>(m_format.get());
    return globalClone != nullptr ? globalClone->UnlistedCount() + globalClone->DeletedCount() : 0;
}

int CKanalyxDoc::GetVariant() const noexcept
{
    return binary() != nullptr ? binary()->frame().variant : 0;
}

const RecordLayout* CKanalyxDoc::Layout() const noexcept
{
    return binary() != nullptr ? binary()->frame().layout : nullptr;
}

std::span<const std::uint8_t> CKanalyxDoc::Settings() const noexcept
{
    return binary() != nullptr ? binary()->frame().settings.span()
                               : std::span<const std::uint8_t>();
}

std::span<const std::uint8_t> CKanalyxDoc::Trailing() const noexcept
{
    return binary() != nullptr ? binary()->frame().trailing.span()
                               : std::span<const std::uint8_t>();
}

std::span<const std::uint8_t> CKanalyxDoc::Hospitality() const noexcept
{
    return binary() != nullptr ? binary()->frame().hospitality.span()
                               : std::span<const std::uint8_t>();
}

bool CKanalyxDoc::HasSatelliteBlock() const noexcept
{
    return binary() != nullptr && binary()->frame().hasSatellite;
}

const SatelliteLayout* CKanalyxDoc::GetSatelliteLayout() const noexcept
{
    return binary() != nullptr ? binary()->frame().satelliteLayout : nullptr;
}

const std::vector<LoadWarning>& CKanalyxDoc::LoadWarnings() const noexcept
{
    return binary() != nullptr ? binary()->frame().warnings : kNoWarnings;
}

void CKanalyxDoc::OnOpenDocument(const std::filesystem::path& path)
{
    // The whole file is read and checked before anything of the open document changes.
    std::string bytes = readLocked(path);
    const DiskState disk{bytes.size(), checksumOf(bytes)};
    LoadedFile file = ReadChannelFile(std::move(bytes), path.string());
    m_pathName = path;
    m_disk = disk;
    m_backupKept = false;
    SetContents(std::move(file));
}

std::filesystem::path CKanalyxDoc::BackupPathOf(const std::filesystem::path& path)
{
    std::filesystem::path backup = path;
    backup += ".bak";
    return backup;
}

void CKanalyxDoc::OnSaveDocument(const std::filesystem::path& path, bool backup)
{
    if (m_format == nullptr) {
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
        std::error_code error;
        if (backup && !m_backupKept && !m_pathName.empty() &&
            std::filesystem::equivalent(path, m_pathName, error)) {
            const std::filesystem::path kept = BackupPathOf(path);
            if (!std::filesystem::exists(std::filesystem::symlink_status(kept))) {
                const std::string old = File::readAll(path);
                File::writeAtomically(kept, [&old](File& file) { file.write(old); });
            }
            m_backupKept = true;
        }
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
    for (const DocumentList& list : m_lists) {
        for (const auto& record : list.shown) {
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

} // namespace kx
