#include "document/referenceplan.h"

#include <algorithm>
#include <cstddef>
#include <unordered_map>
#include <utility>

namespace kx {

namespace {

// One numbering: a source, TV or radio (and analog apart, for a source of Unknown).
int numberingOf(const ChannelIdentity& id)
{
    return static_cast<int>(id.source) * 4 + (id.analog ? 2 : 0) + (id.radio ? 1 : 0);
}

// The numbers given so far in the numberings of one list: which numbering of the reference gave
// each, and the highest.
class Numberings
{
public:
    // Whether number may be taken in numbering for a row whose reference channel is in the
    // reference's numbering from; takes it if so.
    bool take(int numbering, int number, int from)
    {
        Numbering& target = m_numberings[numbering];
        const auto [place, added] = target.givenBy.try_emplace(number, from);
        if (!added && place->second != from) {
            return false;
        }
        target.highest = std::max(target.highest, number);
        return true;
    }
    // The next number after the highest of numbering, taken.
    int next(int numbering)
    {
        Numbering& target = m_numberings[numbering];
        ++target.highest;
        target.givenBy.try_emplace(target.highest, -1);
        return target.highest;
    }

private:
    struct Numbering
    {
        std::unordered_map<int, int> givenBy;
        int highest = 0;
    };
    std::unordered_map<int, Numbering> m_numberings;
};

ListPlan planList(const ChannelList& list, const std::vector<ChannelMatch::Entry>& matches,
                  std::span<const ChannelList> reference, std::span<const std::size_t> firstOfList,
                  const ChannelMatch& match, UnmatchedRows unmatched)
{
    ListPlan plan;
    plan.list = list.name;
    const std::vector<ListChannel>& channels = list.channels;
    for (const ListChannel& channel : channels) {
        plan.paired =
            plan.paired || match.secondHasKind[static_cast<std::size_t>(KindOf(channel.id))];
    }
    plan.rows.resize(channels.size());
    for (std::size_t i = 0; i < channels.size(); ++i) {
        RowPlan& row = plan.rows[i];
        row.row = channels[i].row;
        row.number = channels[i].number;
        row.how = matches[i].how;
        row.reference = matches[i].other;
        plan.byIdentity += row.how == MatchKind::Identity ? 1 : 0;
        plan.byName += row.how == MatchKind::Name ? 1 : 0;
    }
    plan.unmatched = static_cast<int>(channels.size()) - plan.byIdentity - plan.byName;

    // Matched rows in the reference's order.
    std::vector<std::pair<std::size_t, std::size_t>> matched; // (reference position, index)
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const ChannelRef ref = matches[i].other;
        if (ref.valid()) {
            matched.emplace_back(firstOfList[static_cast<std::size_t>(ref.list)] +
                                     static_cast<std::size_t>(ref.index),
                                 i);
        }
    }
    std::sort(matched.begin(), matched.end());

    Numberings numberings;
    std::vector<std::size_t> collided;
    for (const auto& [position, i] : matched) {
        const ChannelRef ref = matches[i].other;
        const ListChannel& source = reference[static_cast<std::size_t>(ref.list)]
                                        .channels[static_cast<std::size_t>(ref.index)];
        if (numberings.take(numberingOf(channels[i].id), source.number, numberingOf(source.id))) {
            plan.rows[i].number = source.number;
        } else {
            collided.push_back(i);
        }
        plan.order.push_back(channels[i].row);
    }
    for (const std::size_t i : collided) {
        plan.rows[i].number = numberings.next(numberingOf(channels[i].id));
    }
    plan.renumbered = static_cast<int>(collided.size());
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (matches[i].other.valid()) {
            continue;
        }
        if (!match.secondHasKind[static_cast<std::size_t>(KindOf(channels[i].id))]) {
            // Its numbering is not one the reference speaks of: left as it is.
            plan.order.push_back(channels[i].row);
        } else if (unmatched == UnmatchedRows::Delete) {
            plan.rows[i].deleted = true;
            plan.deletedRows.push_back(channels[i].row);
        } else {
            plan.rows[i].number = numberings.next(numberingOf(channels[i].id));
            plan.order.push_back(channels[i].row);
        }
    }

    plan.changesNothing = plan.deletedRows.empty();
    for (std::size_t i = 0; i < channels.size() && plan.changesNothing; ++i) {
        plan.changesNothing =
            plan.order[i] == channels[i].row && plan.rows[i].number == channels[i].number;
    }
    return plan;
}

} // namespace

bool NumbersRiseInOrder(const ListPlan& list)
{
    std::unordered_map<int, int> numberOf;
    for (const RowPlan& row : list.rows) {
        numberOf.emplace(row.row, row.number);
    }
    int previous = 0;
    for (const int row : list.order) {
        const auto found = numberOf.find(row);
        if (found == numberOf.end() || found->second <= previous) {
            return false;
        }
        previous = found->second;
    }
    return true;
}

bool ReferencePlan::changesNothing() const noexcept
{
    return std::all_of(lists.begin(), lists.end(),
                       [](const ListPlan& list) { return list.changesNothing; });
}

ReferencePlan PlanReference(std::span<const ChannelList> file,
                            std::span<const ChannelList> reference, UnmatchedRows unmatched)
{
    const ChannelMatch match = MatchChannels(file, reference);
    // Where each reference list starts in the reference's order.
    std::vector<std::size_t> firstOfList;
    std::size_t position = 0;
    for (const ChannelList& list : reference) {
        firstOfList.push_back(position);
        position += list.channels.size();
    }
    ReferencePlan plan;
    for (std::size_t list = 0; list < file.size(); ++list) {
        plan.lists.push_back(
            planList(file[list], match.first[list], reference, firstOfList, match, unmatched));
    }
    return plan;
}

} // namespace kx
