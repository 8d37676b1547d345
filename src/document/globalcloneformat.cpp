#include "document/globalcloneformat.h"

#include <algorithm>
#include <map>

#include "model/channelflags.h"
#include "platform/archive.h"

namespace kx {

namespace {

// The list a channel belongs to, by its source and kind.
ListKind listOf(const GlobalCloneItem& item)
{
    if (item.analog()) {
        return ListKind::Analog;
    }
    const std::int64_t type = item.number(GlobalCloneField::ServiceType).value_or(0);
    const bool radio = type == 2 || type == 10;
    const std::int64_t source = item.number(GlobalCloneField::SourceIndex).value_or(0);
    switch (source) {
    case 1:
        return radio ? ListKind::AntennaRadio : ListKind::AntennaTV;
    case 3:
        return radio ? ListKind::CableRadio : ListKind::CableTV;
    case 7:
        return radio ? ListKind::DvbSRadio : ListKind::DvbSTV;
    default:
        return OtherSourceList(static_cast<int>(std::clamp<std::int64_t>(source, 0, 1000)), radio);
    }
}

} // namespace

LoadedFile GlobalCloneFormat::Read(std::string bytes, const std::string& fileName)
{
    auto format = std::make_unique<GlobalCloneFormat>();
    auto channels = std::make_shared<GlobalCloneChannels>(
        GlobalCloneChannels{GlobalCloneFile::read(std::move(bytes), fileName), {}, {}});
    channels->loaded = channels->file.states();
    channels->records.assign(channels->loaded.size(), nullptr);
    // Lists in the document's order: ListKind orders them by source, TV before radio.
    std::map<ListKind, DocumentList> lists;
    const std::vector<GlobalCloneItem>& items = channels->file.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const GlobalCloneItemState& state = channels->loaded[i];
        if (state.isDeleted.value_or(0) != 0) {
            ++format->m_deleted;
            continue;
        }
        if (state.prNum.value_or(-1) < 0) {
            ++format->m_unlisted;
            continue;
        }
        const ListKind kind = listOf(items[i]);
        DocumentList& list = lists[kind];
        list.kind = kind;
        list.shown.push_back(
            std::make_unique<GlobalCloneChannelRec>(channels, i, IsRadioList(kind)));
    }
    LoadedFile file;
    for (auto& [kind, list] : lists) {
        // The rows in programme order, as the receiver shows them; equal numbers keep file order.
        std::stable_sort(list.shown.begin(), list.shown.end(), [](const auto& a, const auto& b) {
            return a->GetNumber() < b->GetNumber();
        });
        file.lists.push_back(std::move(list));
    }
    format->m_channels = std::move(channels);
    file.format = std::move(format);
    return file;
}

unsigned GlobalCloneFormat::flagsKept(ListKind /*list*/) const noexcept
{
    return channelflags::kAll;
}

void GlobalCloneFormat::write(Archive& ar, std::span<const DocumentList> lists) const
{
    // Items no list shows keep their loaded state; the others get what their records hold.
    std::vector<GlobalCloneItemState> states = m_channels->loaded;
    for (const DocumentList& list : lists) {
        for (const Records* part : {&list.shown, &list.deleted}) {
            for (const auto& record : *part) {
                const auto& channel = static_cast<const GlobalCloneChannelRec&>(*record);
                states.at(channel.item()) = channel.StateToWrite();
            }
        }
    }
    const std::string bytes = m_channels->file.write(states);
    ar.write(bytes.data(), bytes.size());
}

} // namespace kx
