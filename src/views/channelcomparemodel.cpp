#include "views/channelcomparemodel.h"

#include <algorithm>

#include "document/documentlists.h"
#include "document/kanalyxdoc.h"

namespace kx {

namespace {

void count(DiffSummary& summary, DiffKind kind)
{
    switch (kind) {
    case DiffKind::Added:
        ++summary.added;
        break;
    case DiffKind::Removed:
        ++summary.removed;
        break;
    case DiffKind::Moved:
        ++summary.moved;
        break;
    case DiffKind::Renamed:
        ++summary.renamed;
        break;
    }
}

} // namespace

ChannelCompareModel::ChannelCompareModel(std::vector<ChannelList> other) : m_other(std::move(other))
{}

void ChannelCompareModel::Refresh(const CKanalyxDoc& doc, const CodecSettings& codec)
{
    const std::vector<ChannelList> lists = ChannelListsOf(doc, codec);
    m_kinds = doc.Lists();
    m_rows.clear();
    for (const ChannelList& list : lists) {
        std::vector<int>& rows = m_rows.emplace_back();
        rows.reserve(list.channels.size());
        for (const ListChannel& channel : list.channels) {
            rows.push_back(channel.row);
        }
    }
    m_diff = DiffLists(lists, m_other);

    // The document's lists first, in its order, each named once.
    m_groups.clear();
    for (const ChannelList& list : lists) {
        m_groups.push_back({list.name, {}, {}});
    }
    for (std::size_t i = 0; i < m_diff.entries.size(); ++i) {
        const DiffEntry& entry = m_diff.entries[i];
        auto group = std::find_if(m_groups.begin(), m_groups.end(),
                                  [&](const Group& g) { return g.list == entry.list; });
        if (group == m_groups.end()) {
            group = m_groups.insert(m_groups.end(), Group{entry.list, {}, {}});
        }
        group->entries.push_back(i);
        count(group->summary, entry.kind);
    }
    std::erase_if(m_groups, [](const Group& group) { return group.entries.empty(); });
}

std::optional<ChannelCompareModel::Target>
ChannelCompareModel::TargetOf(const DiffEntry& entry) const
{
    if (!entry.a.valid()) {
        return std::nullopt;
    }
    const auto list = static_cast<std::size_t>(entry.a.list);
    const auto index = static_cast<std::size_t>(entry.a.index);
    if (list >= m_rows.size() || entry.a.index < 0 || index >= m_rows[list].size()) {
        return std::nullopt;
    }
    return Target{m_kinds.at(list), m_rows[list][index]};
}

} // namespace kx
