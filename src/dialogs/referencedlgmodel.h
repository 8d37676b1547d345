#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/channelidentity.h"
#include "document/referenceplan.h"

namespace kx {

// What applying a reference would do to the open file, as the dialog that asks before it shows
// it: per list of the file how many channels match the reference by identity and by name and
// how many do not, for each channel that does not what becomes of it under the user's choice
// (kept, and with which number, or deleted), and how many channels get another number. The plan
// is PlanReference's, made again when the choice changes; OK hands it to the document.
class ReferenceDlgModel
{
public:
    // One list of the file.
    struct ListRow
    {
        std::string list; // the file list's name ("dtv")
        int channels = 0;
        int byIdentity = 0;
        int byName = 0;
        int unmatched = 0;
        // Matched channels numbered after the highest, where the reference gave their number
        // twice (see PlanReference); 0 for a list numbered in order.
        int renumbered = 0;
        // Whether the reference has channels of any kind this list holds.
        bool paired = false;
    };

    // What becomes of a channel the reference does not hold.
    enum class Fate
    {
        Kept,      // after the matched channels, numbered newNumber
        Deleted,   // taken out of the file
        Unchanged, // the reference has no channel of its kind: it stays as it is
    };

    struct UnmatchedRow
    {
        std::string list;
        int row = 0; // in the file's list
        int number = 0;
        std::string name;
        Fate fate = Fate::Kept;
        int newNumber = 0;
    };

    // file: the open document's lists (ChannelListsOf); reference: the reference's lists.
    // numberedInOrder (one per list of the file, false where missing): the lists the document
    // numbers 1 to n in their new order rather than with the plan's numbers, as it does for
    // receivers that want their records sorted (CKanalyxDoc::KeepsPlaces false).
    ReferenceDlgModel(std::vector<ChannelList> file, std::vector<ChannelList> reference,
                      std::vector<bool> numberedInOrder = {});

    UnmatchedRows choice() const noexcept { return m_choice; }
    // Plans again for the choice.
    void setChoice(UnmatchedRows choice);

    const ReferencePlan& plan() const noexcept { return m_plan; }
    // Applying changes nothing: the lists follow the reference already.
    bool changesNothing() const noexcept { return m_plan.changesNothing(); }

    // One per list of the file, in its order.
    std::vector<ListRow> lists() const;
    // The channels the reference does not hold, list by list in row order.
    std::vector<UnmatchedRow> unmatched() const;
    // Totals over the lists.
    int matchedCount() const noexcept;
    int unmatchedCount() const noexcept;
    int deletedCount() const noexcept;
    // The channels that stay and get another number than they have now.
    int changedNumberCount() const;

private:
    // The file's channel of a plan's row (ListChannel::row), or null.
    const ListChannel* channelOf(std::size_t list, int row) const;
    // The number a row of a list has once the plan is applied.
    std::vector<int> numbersAfter(std::size_t list) const;

    std::vector<ChannelList> m_file;
    std::vector<ChannelList> m_reference;
    std::vector<bool> m_numberedInOrder;
    // Which kinds of channel the reference has.
    std::array<bool, kChannelKindCount> m_referenceKinds{};
    UnmatchedRows m_choice = UnmatchedRows::Keep;
    ReferencePlan m_plan;
};

} // namespace kx
