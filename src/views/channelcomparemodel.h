#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/channelidentity.h"
#include "document/listdiff.h"
#include "document/listkind.h"

namespace kx {

class CKanalyxDoc;
struct CodecSettings;

// The comparison of the open document with the lists of another file (any file Kanalyx opens,
// or a reference list), as the window's compare pane shows it: the differences DiffLists finds,
// grouped by list, worked out again whenever the document changed, and for each the channel of
// the document it names, so that choosing a line selects that channel.
class ChannelCompareModel
{
public:
    // The differences of one list: those of a list of the document (removed, moved, renamed, and
    // added where the other file's list has the same name), then those of each list only the
    // other file has.
    struct Group
    {
        std::string list;
        std::vector<std::size_t> entries; // indexes into diff().entries
        DiffSummary summary;
    };

    // other: the other file's lists.
    explicit ChannelCompareModel(std::vector<ChannelList> other);

    // Compares what the document holds now (its names shown under codec) with the other lists.
    void Refresh(const CKanalyxDoc& doc, const CodecSettings& codec);

    const ListDiff& diff() const noexcept { return m_diff; }
    const std::vector<Group>& groups() const noexcept { return m_groups; }

    // The document's list and row of an entry's channel; none for a channel only the other file
    // has, or one of a list the document no longer has.
    struct Target
    {
        ListKind list;
        int row;
    };
    std::optional<Target> TargetOf(const DiffEntry& entry) const;

private:
    std::vector<ChannelList> m_other;
    // The document's lists as last compared: their kinds and the rows of their channels.
    std::vector<ListKind> m_kinds;
    std::vector<std::vector<int>> m_rows;
    ListDiff m_diff;
    std::vector<Group> m_groups;
};

} // namespace kx
