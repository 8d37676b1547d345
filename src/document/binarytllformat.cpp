#include "document/binarytllformat.h"

#include "model/channelflags.h"
#include "model/channelrec.h"
#include "model/recordlayout.h"

namespace kx {

bool BinaryTllFormat::keepsPlaces(ListKind list) const noexcept
{
    if (IsSatelliteList(list)) {
        return true;
    }
    return m_frame.layout != nullptr && !m_frame.layout->sorted;
}

unsigned BinaryTllFormat::flagsKept(ListKind list) const noexcept
{
    const bool flags =
        IsSatelliteList(list) || (m_frame.layout != nullptr && m_frame.layout->flagsShown());
    return flags ? channelflags::kFavourites4 | channelflags::kLock | channelflags::kSkip |
                       channelflags::kHide
                 : 0U;
}

std::span<std::uint8_t> BinaryTllFormat::block(FormatBlock which) noexcept
{
    return which == FormatBlock::Settings ? m_frame.settings.span() : m_frame.satellite.span();
}

void BinaryTllFormat::write(Archive& ar, std::span<const DocumentList> lists) const
{
    TllRecords records;
    for (const DocumentList& list : lists) {
        const auto index = static_cast<std::size_t>(list.kind);
        if (index < records.shown.size()) {
            records.shown.at(index) = &list.shown;
            records.deleted.at(index) = &list.deleted;
        }
    }
    WriteTll(ar, m_frame, records);
}

LoadedFile BinaryTllFormat::FromContents(TllContents contents)
{
    LoadedFile file;
    const bool satellite = contents.frame.satelliteLayout != nullptr;
    for (const ListKind kind : kListKinds) {
        if (IsSatelliteList(kind) && !satellite) {
            continue;
        }
        const auto index = static_cast<std::size_t>(kind);
        file.lists.push_back(
            {kind, std::move(contents.lists.at(index)), std::move(contents.deleted.at(index))});
    }
    file.format = std::make_unique<BinaryTllFormat>(std::move(contents.frame));
    return file;
}

} // namespace kx
