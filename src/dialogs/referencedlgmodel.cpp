#include "dialogs/referencedlgmodel.h"

#include <unordered_map>

namespace kx {

ReferenceDlgModel::ReferenceDlgModel(std::vector<ChannelList> file,
                                     std::vector<ChannelList> reference,
                                     std::vector<bool> numberedInOrder)
    : m_file(std::move(file)), m_reference(std::move(reference)),
      m_numberedInOrder(std::move(numberedInOrder))
{
    m_numberedInOrder.resize(m_file.size(), false);
    for (const ChannelList& list : m_reference) {
        for (const ListChannel& channel : list.channels) {
            m_referenceKinds.at(static_cast<std::size_t>(KindOf(channel.id))) = true;
        }
    }
    m_plan = PlanReference(m_file, m_reference, m_choice);
}

void ReferenceDlgModel::setChoice(UnmatchedRows choice)
{
    if (choice != m_choice) {
        m_choice = choice;
        m_plan = PlanReference(m_file, m_reference, m_choice);
    }
}

const ListChannel* ReferenceDlgModel::channelOf(std::size_t list, int row) const
{
    if (list >= m_file.size()) {
        return nullptr;
    }
    const std::vector<ListChannel>& channels = m_file[list].channels;
    // A document's lists name each channel by its index; other lists are searched.
    const auto index = static_cast<std::size_t>(row);
    if (row >= 0 && index < channels.size() && channels[index].row == row) {
        return &channels[index];
    }
    for (const ListChannel& channel : channels) {
        if (channel.row == row) {
            return &channel;
        }
    }
    return nullptr;
}

std::vector<int> ReferenceDlgModel::numbersAfter(std::size_t list) const
{
    const ListPlan& plan = m_plan.lists.at(list);
    std::vector<int> numbers(plan.rows.size(), 0);
    for (std::size_t i = 0; i < plan.rows.size(); ++i) {
        numbers[i] = plan.rows[i].number;
    }
    if (m_numberedInOrder.at(list) && !plan.changesNothing && !NumbersRiseInOrder(plan)) {
        // Such a list is numbered 1 to n in its new order, whatever numbers the plan gives.
        std::unordered_map<int, std::size_t> indexOfRow;
        for (std::size_t i = 0; i < plan.rows.size(); ++i) {
            indexOfRow.emplace(plan.rows[i].row, i);
        }
        for (std::size_t place = 0; place < plan.order.size(); ++place) {
            const auto found = indexOfRow.find(plan.order[place]);
            if (found != indexOfRow.end()) {
                numbers[found->second] = static_cast<int>(place) + 1;
            }
        }
    }
    return numbers;
}

std::vector<ReferenceDlgModel::ListRow> ReferenceDlgModel::lists() const
{
    std::vector<ListRow> rows;
    for (std::size_t i = 0; i < m_plan.lists.size(); ++i) {
        const ListPlan& list = m_plan.lists[i];
        // A list numbered in its order has no numbers that could clash.
        const int renumbered =
            m_numberedInOrder.at(i) && !NumbersRiseInOrder(list) ? 0 : list.renumbered;
        rows.push_back({list.list, static_cast<int>(list.rows.size()), list.byIdentity, list.byName,
                        list.unmatched, renumbered, list.paired});
    }
    return rows;
}

std::vector<ReferenceDlgModel::UnmatchedRow> ReferenceDlgModel::unmatched() const
{
    std::vector<UnmatchedRow> rows;
    for (std::size_t i = 0; i < m_plan.lists.size(); ++i) {
        const ListPlan& list = m_plan.lists[i];
        const std::vector<int> numbers = numbersAfter(i);
        for (std::size_t k = 0; k < list.rows.size(); ++k) {
            const RowPlan& row = list.rows[k];
            if (row.how != MatchKind::None) {
                continue;
            }
            UnmatchedRow entry;
            entry.list = list.list;
            entry.row = row.row;
            entry.newNumber = numbers[k];
            if (const ListChannel* channel = channelOf(i, row.row)) {
                entry.number = channel->number;
                entry.name = channel->name;
                if (!m_referenceKinds.at(static_cast<std::size_t>(KindOf(channel->id)))) {
                    entry.fate = Fate::Unchanged;
                }
            }
            if (row.deleted) {
                entry.fate = Fate::Deleted;
            }
            rows.push_back(std::move(entry));
        }
    }
    return rows;
}

int ReferenceDlgModel::matchedCount() const noexcept
{
    int count = 0;
    for (const ListPlan& list : m_plan.lists) {
        count += list.byIdentity + list.byName;
    }
    return count;
}

int ReferenceDlgModel::unmatchedCount() const noexcept
{
    int count = 0;
    for (const ListPlan& list : m_plan.lists) {
        count += list.unmatched;
    }
    return count;
}

int ReferenceDlgModel::deletedCount() const noexcept
{
    int count = 0;
    for (const ListPlan& list : m_plan.lists) {
        count += static_cast<int>(list.deletedRows.size());
    }
    return count;
}

int ReferenceDlgModel::changedNumberCount() const
{
    int count = 0;
    for (std::size_t i = 0; i < m_plan.lists.size(); ++i) {
        const ListPlan& list = m_plan.lists[i];
        const std::vector<int> numbers = numbersAfter(i);
        for (std::size_t k = 0; k < list.rows.size(); ++k) {
            const ListChannel* channel = channelOf(i, list.rows[k].row);
            if (!list.rows[k].deleted && channel != nullptr && channel->number != numbers[k]) {
                ++count;
            }
        }
    }
    return count;
}

} // namespace kx
