#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/channelidentity.h"
#include "document/channelmatch.h"

namespace kx {

enum class DiffKind
{
    Added,   // only in B
    Removed, // only in A
    Moved,   // in both, with another number in B
    Renamed, // in both, with another name in B
};

// One difference between two files' lists. A channel that both moved and was renamed gives two
// entries.
struct DiffEntry
{
    DiffKind kind = DiffKind::Added;
    // The list of A that holds the channel; for Added, the list of B.
    std::string list;
    // The channel on each side; invalid on the side that lacks it.
    ChannelRef a;
    ChannelRef b;
    std::optional<int> numberA;
    std::optional<int> numberB;
    std::string nameA;
    std::string nameB;
    // The reference-list UID of the channel (of A's channel, of B's for Added); empty when the
    // channel has none.
    std::string uid;
};

struct DiffSummary
{
    int added = 0;
    int removed = 0;
    int moved = 0;
    int renamed = 0;
};

// The differences between the lists of two files, their channels paired as MatchChannels pairs
// them: first the entries of A's lists in list and row order (removed, then moved and renamed
// for each channel), then the channels only in B in B's list and row order.
struct ListDiff
{
    std::vector<DiffEntry> entries;
    DiffSummary summary;
};

ListDiff DiffLists(std::span<const ChannelList> a, std::span<const ChannelList> b);

// The columns of FormatDiffLine, for the command line's help.
inline constexpr std::string_view kDiffLineHelp =
    "Each difference is one line of seven tab-separated columns:\n"
    "  LIST  WHAT  NUMBER-A  NUMBER-B  NAME-A  NAME-B  UID\n"
    "LIST is the list of A (of B for added channels); WHAT is added (only in B), removed\n"
    "(only in A), moved (another number in B) or renamed (another name in B); the number and\n"
    "name columns of the side that lacks the channel are empty; UID is the channel's\n"
    "reference-list UID (A-0-FREQ-0, C-ONID-TSID-SID-CH, S19.2E-ONID-TSID-SID), empty when it\n"
    "has none. Tabs and line breaks in names show as blanks. The last line counts them:\n"
    "N added, N removed, N moved, N renamed\n";

// One entry as a line of kDiffLineHelp's columns, without a line end.
std::string FormatDiffLine(const DiffEntry& entry);
// "N added, N removed, N moved, N renamed", without a line end.
std::string FormatDiffSummary(const DiffSummary& summary);

} // namespace kx
