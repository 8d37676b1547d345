#include "document/listdiff.h"

#include <cstddef>

#include "document/referencelist.h"

namespace kx {

namespace {

const ListChannel& channelAt(std::span<const ChannelList> lists, ChannelRef ref)
{
    return lists[static_cast<std::size_t>(ref.list)].channels[static_cast<std::size_t>(ref.index)];
}

// Tabs and line breaks inside a cell would break the line format.
std::string cell(std::string text)
{
    for (char& c : text) {
        if (c == '\t' || c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

std::string numberCell(const std::optional<int>& number)
{
    return number ? std::to_string(*number) : std::string();
}

} // namespace

ListDiff DiffLists(std::span<const ChannelList> a, std::span<const ChannelList> b)
{
    const ChannelMatch match = MatchChannels(a, b);
    ListDiff diff;
    const auto add = [&diff](DiffKind kind, const std::string& list, ChannelRef refA,
                             const ListChannel* channelA, ChannelRef refB,
                             const ListChannel* channelB) {
        DiffEntry entry;
        entry.kind = kind;
        entry.list = list;
        entry.a = refA;
        entry.b = refB;
        if (channelA != nullptr) {
            entry.numberA = channelA->number;
            entry.nameA = channelA->name;
        }
        if (channelB != nullptr) {
            entry.numberB = channelB->number;
            entry.nameB = channelB->name;
        }
        const ListChannel* named = channelA != nullptr ? channelA : channelB;
        entry.uid = ReferenceUid(named->id).value_or(std::string());
        diff.entries.push_back(std::move(entry));
    };
    for (std::size_t list = 0; list < a.size(); ++list) {
        for (std::size_t index = 0; index < a[list].channels.size(); ++index) {
            const ChannelRef refA{static_cast<int>(list), static_cast<int>(index)};
            const ListChannel& channelA = a[list].channels[index];
            const ChannelRef refB = match.first[list][index].other;
            if (!refB.valid()) {
                add(DiffKind::Removed, a[list].name, refA, &channelA, refB, nullptr);
                ++diff.summary.removed;
                continue;
            }
            const ListChannel& channelB = channelAt(b, refB);
            if (channelA.number != channelB.number) {
                add(DiffKind::Moved, a[list].name, refA, &channelA, refB, &channelB);
                ++diff.summary.moved;
            }
            if (channelA.name != channelB.name) {
                add(DiffKind::Renamed, a[list].name, refA, &channelA, refB, &channelB);
                ++diff.summary.renamed;
            }
        }
    }
    for (std::size_t list = 0; list < b.size(); ++list) {
        for (std::size_t index = 0; index < b[list].channels.size(); ++index) {
            if (!match.second[list][index].other.valid()) {
                add(DiffKind::Added, b[list].name, {}, nullptr,
                    {static_cast<int>(list), static_cast<int>(index)}, &b[list].channels[index]);
                ++diff.summary.added;
            }
        }
    }
    return diff;
}

std::string FormatDiffLine(const DiffEntry& entry)
{
    static constexpr const char* kWhat[] = {"added", "removed", "moved", "renamed"};
    std::string line = cell(entry.list);
    for (const std::string& column :
         {std::string(kWhat[static_cast<int>(entry.kind)]), numberCell(entry.numberA),
          numberCell(entry.numberB), cell(entry.nameA), cell(entry.nameB), entry.uid}) {
        line += '\t';
        line += column;
    }
    return line;
}

std::string FormatDiffSummary(const DiffSummary& summary)
{
    return std::to_string(summary.added) + " added, " + std::to_string(summary.removed) +
           " removed, " + std::to_string(summary.moved) + " moved, " +
           std::to_string(summary.renamed) + " renamed";
}

} // namespace kx
