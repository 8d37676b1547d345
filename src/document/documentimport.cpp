#include <algorithm>
#include <numeric>
#include <string>
#include <utility>

#include "document/binarytllformat.h"
#include "document/globalclonefile.h"
#include "document/kanalyxdoc.h"
#include "document/stepbuilder.h"
#include "model/channelrec.h"
#include "model/recordlayout.h"
#include "platform/archive.h"
#include "platform/error.h"
#include "platform/file.h"
#include "platform/filelock.h"

// Import: the lists of another binary file replace those of the open one, as one step.

namespace kx {

namespace {

std::vector<int> allRows(int count)
{
    std::vector<int> rows(static_cast<std::size_t>(count));
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

} // namespace

void CKanalyxDoc::OnFileImport(const std::filesystem::path& other, ImportChoice choice)
{
    if (m_format == nullptr) {
        throw Error(ErrorCode::Usage, other.string() + ": no channel list is open to import into");
    }
    if (!CanImport()) {
        throw Error(ErrorCode::Usage,
                    "the open GlobalClone file takes no lists of another file: its receiver keeps "
                    "every channel of a scan once, and has no use for a second copy of one");
    }
    const TllFrame& mine = binary()->frame();
    std::string bytes;
    {
        const FileLock lock = FileLock::acquire(other, FileLock::Mode::Shared);
        bytes = File::readAll(other);
    }
    if (GlobalCloneFile::looksLikeXml(bytes)) {
        throw Error(ErrorCode::Usage,
                    other.string() + ": it is a GlobalClone file; only the lists of a binary TLL "
                                     "file of the same kind can be imported");
    }
    Archive ar(std::move(bytes), other.string());
    TllContents contents = ReadTll(ar);
    const TllFrame& theirs = contents.frame;
    const auto classic = [](int variant) { return variant == 1 || variant == 2; };
    if (theirs.variant != mine.variant && classic(theirs.variant) && classic(mine.variant)) {
        throw Error(ErrorCode::Unsupported,
                    other.string() + ": its channel records are " +
                        std::to_string(RecordSizeOf(theirs.variant)) +
                        " bytes long, those of the open list " +
                        std::to_string(RecordSizeOf(mine.variant)) +
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
    if (bringsRecords && theirs.layout != mine.layout) {
        if (mine.layout == nullptr) {
            throw Error(ErrorCode::Unsupported,
                        other.string() + ": the open list holds no cable or antenna channel, so "
                                         "the record layout its receiver reads is unknown");
        }
        throw Error(ErrorCode::Unsupported, other.string() + ": its channel records follow the " +
                                                layoutName(*theirs.layout) +
                                                ", those of the open list the " +
                                                layoutName(*mine.layout) +
                                                "; only a list of the same kind can be imported");
    }
    if (choice.sat &&
        (theirs.satelliteLayout == nullptr || theirs.satelliteLayout != mine.satelliteLayout)) {
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
        step.changeBlock(FormatBlock::Satellite, theirs.satellite.span());
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

} // namespace kx
