#include "document/kanalyxdoc.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "model/channelrec.h"
#include "platform/archive.h"
#include "platform/error.h"
#include "platform/file.h"

namespace kx {

namespace {

void append(ListCtrl& list, std::vector<std::unique_ptr<CChannelRec>> records)
{
    list.appendItems(std::move(records));
}

// The record of a row that is written out. Rows without a record exist only for a moment inside
// list commands; meeting one here is a fault in the program, not in the file.
const CChannelRec& recordOf(const ListCtrl& rows, int row)
{
    const CChannelRec* record = rows.itemData(row);
    if (record == nullptr) {
        throw Error(ErrorCode::Internal, "row " + std::to_string(row) + " holds no channel");
    }
    return *record;
}

} // namespace

CKanalyxDoc::CKanalyxDoc() = default;

CKanalyxDoc::~CKanalyxDoc() = default;

void CKanalyxDoc::Serialize(Archive& ar)
{
    if (ar.isStoring()) {
        store(ar);
    } else {
        load(ar);
    }
}

void CKanalyxDoc::DeleteContents()
{
    m_pSettings.reset();
    m_nSettingsSize = 0;
    m_pTrailing.reset();
    m_nTrailingSize = 0;
    m_tail = RawBlock();
}

void CKanalyxDoc::emptyLists()
{
    // The order in which the lists are emptied before a load.
    list(ListKind::Analog).deleteAllItems();
    list(ListKind::DigitalTV).deleteAllItems();
    list(ListKind::Radio).deleteAllItems();
}

void CKanalyxDoc::load(Archive& ar)
{
    m_nVariant = 0;
    emptyLists();
    TllContents contents;
    try {
        contents = ReadTll(ar);
    } catch (...) {
        DeleteContents();
        throw;
    }
    append(list(ListKind::Analog), std::move(contents.analog));
    m_pSettings = std::move(contents.settings.bytes);
    m_nSettingsSize = contents.settings.size;
    append(list(ListKind::Radio), std::move(contents.radio));
    append(list(ListKind::DigitalTV), std::move(contents.digitalTV));
    m_pTrailing = std::move(contents.trailing.bytes);
    m_nTrailingSize = contents.trailing.size;
    m_tail = std::move(contents.tail);
    m_nVariant = contents.variant;
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
    const ListCtrl& analog = list(ListKind::Analog);
    const auto blockSize = [recordSize](int count) {
        return static_cast<std::uint32_t>(4 + recordSize * static_cast<std::size_t>(count));
    };
    const auto writeRows = [&ar](const ListCtrl& rows) {
        for (int row = 0; row < rows.itemCount(); ++row) {
            recordOf(rows, row).WriteToArchive(ar);
        }
    };
    ar.writeU32(blockSize(analog.itemCount()));
    ar.writeU32(static_cast<std::uint32_t>(analog.itemCount()));
    writeRows(analog);

    ar.writeU32(m_nSettingsSize);
    ar.write(m_pSettings.get(), m_nSettingsSize);

    // One digital block: every digital TV record, then every radio record.
    const ListCtrl& digitalTV = list(ListKind::DigitalTV);
    const ListCtrl& radio = list(ListKind::Radio);
    const int digitalCount = digitalTV.itemCount() + radio.itemCount();
    ar.writeU32(blockSize(digitalCount));
    ar.writeU32(static_cast<std::uint32_t>(digitalCount));
    writeRows(digitalTV);
    writeRows(radio);

    if (m_nVariant == 2) {
        ar.writeU32(m_nTrailingSize);
        ar.write(m_pTrailing.get(), m_nTrailingSize);
    }
    ar.write(m_tail.bytes.get(), m_tail.size);
}

void CKanalyxDoc::OnOpenDocument(const std::filesystem::path& path)
{
    // Reading the whole file first means a file that cannot be read changes nothing.
    std::string bytes = File::readAll(path);
    DeleteContents();
    Archive ar(std::move(bytes), path.string());
    try {
        Serialize(ar);
    } catch (...) {
        DeleteContents();
        m_pathName.clear();
        SetModifiedFlag(false);
        UpdateAllViews();
        throw;
    }
    m_pathName = path;
    SetModifiedFlag(false);
    m_observers.forEachOfCopy([](DocumentObserver& o) { o.OnInitialUpdate(); });
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
    if (m_bModified == modified) {
        return;
    }
    m_bModified = modified;
    m_observers.forEachOfCopy([modified](DocumentObserver& o) { o.modifiedChanged(modified); });
}

void CKanalyxDoc::UpdateAllViews()
{
    m_observers.forEachOfCopy([](DocumentObserver& o) { o.OnUpdate(); });
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
    const auto replace = [this](ListKind kind, std::vector<std::unique_ptr<CChannelRec>> records) {
        ListCtrl& rows = list(kind);
        rows.deleteAllItems();
        rows.appendItems(std::move(records));
    };
    if (choice.tv) {
        replace(ListKind::Analog, std::move(contents.analog));
    }
    if (choice.dtv) {
        replace(ListKind::DigitalTV, std::move(contents.digitalTV));
    }
    if (choice.fm) {
        replace(ListKind::Radio, std::move(contents.radio));
    }
    UpdateAllViews();
    // Without this an import of lists whose rows are all unticked would leave the flag clear,
    // and closing the window would drop the imported lists without asking.
    if (choice.tv || choice.fm || choice.dtv) {
        SetModifiedFlag(true);
    }
}

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
        for (const ListKind kind : {ListKind::Analog, ListKind::Radio, ListKind::DigitalTV}) {
            const ListCtrl& rows = list(kind);
            for (int row = 0; row < rows.itemCount(); ++row) {
                recordOf(rows, row).WriteHexRow(file);
                file.write("\r\n");
            }
        }
    });
}

} // namespace kx
