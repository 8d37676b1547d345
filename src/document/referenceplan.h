#pragma once

#include <span>
#include <string>
#include <vector>

#include "document/channelidentity.h"
#include "document/channelmatch.h"

namespace kx {

// What becomes of the channels of a file that the reference does not hold.
enum class UnmatchedRows
{
    Keep,   // after the matched ones, in their current order
    Delete, // taken out of the file
};

// What applying a reference does to one channel of a file's list.
struct RowPlan
{
    int row = 0; // the channel's ListChannel::row
    MatchKind how = MatchKind::None;
    ChannelRef reference; // the reference channel it matched (invalid for none)
    // The new programme number; a deleted row keeps its current one.
    int number = 0;
    bool deleted = false;
};

// What applying a reference does to one list of a file.
struct ListPlan
{
    std::string list; // the file list's name
    // Whether the reference has channels of a kind this list holds. Channels of a kind the
    // reference has none of are left as they are (even with UnmatchedRows::Delete): they keep
    // their numbers and come after the matched rows with the unmatched ones; they count as
    // unmatched. So a list that is not paired does not change at all.
    bool paired = false;
    // One entry per channel, in the list's current order.
    std::vector<RowPlan> rows;
    // The rows that stay (ListChannel::row), in their new order: matched rows in the reference's
    // order (its lists in order, each in row order), then unmatched kept rows (and those of a
    // kind the reference lacks) in their current order.
    std::vector<int> order;
    // The rows taken out, in their current order.
    std::vector<int> deletedRows;
    int byIdentity = 0;
    int byName = 0;
    int unmatched = 0;
    // Matched rows whose reference number another numbering of the reference had already given
    // in the same numbering of this list (see PlanReference).
    int renumbered = 0;
    // Nothing moves, no row goes and no number changes.
    bool changesNothing = true;
};

// Whether the plan's numbers rise along its new order, from 1 up: a list whose receiver wants
// its records sorted by number can then take them as they are (gaps included); otherwise it is
// numbered 1 to n in the new order.
bool NumbersRiseInOrder(const ListPlan& list);

struct ReferencePlan
{
    std::vector<ListPlan> lists; // one per list of the file, in the file's order
    bool changesNothing() const noexcept;
};

// The plan of applying reference to file, the channels paired by MatchChannels.
//
// Numbers. A list's numberings are its channels of one source, TV and radio apart (the way the
// receivers number: cable TV 1..n and antenna TV 1..m may share a list). In each numbering:
// - a matched row takes the number of its reference channel;
// - the reference's own duplicates are kept: two rows whose reference channels share a number
//   within one numbering of the reference (receivers' own files hold such pairs) both take it;
// - a collision, the same number given by two different numberings of the reference (a
//   reference with cable and antenna lists applied to an antenna-only file, say), is settled in
//   the new order: the first row keeps the number, each later one gets the next number after
//   the highest of the numbering (counted in renumbered);
// - unmatched rows that are kept follow with the next numbers after that;
// - rows of a kind the reference has none of keep their numbers.
// The plan does not check the numbers against what a receiver allows; the document does.
//
// Applying a list's own channels (or their reference list) changes nothing when every channel
// has an identity or a name unique in its kind, so that each pairs with itself.
ReferencePlan PlanReference(std::span<const ChannelList> file,
                            std::span<const ChannelList> reference, UnmatchedRows unmatched);

} // namespace kx
