#include "views/channelcomparemodel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/documentlists.h"
#include "document/kanalyxdoc.h"
#include "model/namecodec.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx {
namespace {

using test::RecordBytes;
using test::TllBuilder;

// A digital cable TV channel of a 176-byte file: source byte 3, service id, network 1, stream 1.
RecordBytes cableTv(std::uint16_t number, std::uint16_t sid, const char* name)
{
    return RecordBytes(2).numberWord(number).name(name).u8(8, 3).u16(72, sid).u16(94, 1).u16(96, 1);
}

class ChannelCompareModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc.OnOpenDocument(dir.write("list.tll", TllBuilder(2)
                                                     .digital(cableTv(1, 101, "Alpha"))
                                                     .digital(cableTv(2, 102, "Beta"))
                                                     .digital(cableTv(3, 103, "Gamma"))
                                                     .digital(cableTv(4, 104, "Delta"))
                                                     .trailing("T")
                                                     .build()));
    }

    // The document's lists with Beta renamed, Gamma numbered 7 and Delta gone, and a list of
    // another name that holds a channel the document lacks.
    std::vector<ChannelList> edited() const
    {
        std::vector<ChannelList> lists = ChannelListsOf(doc, codec);
        ChannelList& dtv = lists.at(2);
        EXPECT_EQ(dtv.name, "dtv");
        dtv.channels.at(1).name = "Beta HD";
        dtv.channels.at(2).number = 7;
        ListChannel omega = dtv.channels.at(3);
        dtv.channels.pop_back();
        omega.id.sid = 500;
        omega.name = "Omega";
        omega.row = 0;
        lists.push_back({"DCT0", {omega}});
        return lists;
    }

    test::TempDir dir;
    CodecSettings codec;
    CKanalyxDoc doc;
};

TEST_F(ChannelCompareModelTest, GroupsByList_NamesTheDocumentsRowOfEachLine)
{
    ChannelCompareModel model(edited());
    model.Refresh(doc, codec);
    // Per group its list and counts (added, removed, moved, renamed), then per line what
    // differs, the name and the row of the document to select (-1: only in the other file).
    std::vector<std::string> shown;
    for (const ChannelCompareModel::Group& group : model.groups()) {
        const DiffSummary& n = group.summary;
        shown.push_back(group.list + " " + std::to_string(n.added) + std::to_string(n.removed) +
                        std::to_string(n.moved) + std::to_string(n.renamed));
        for (const std::size_t index : group.entries) {
            const DiffEntry& entry = model.diff().entries.at(index);
            const auto target = model.TargetOf(entry);
            EXPECT_TRUE(!target || target->list == ListKind::DigitalTV);
            const char* kind = entry.kind == DiffKind::Added     ? "added "
                               : entry.kind == DiffKind::Removed ? "removed "
                               : entry.kind == DiffKind::Moved   ? "moved "
                                                                 : "renamed ";
            shown.push_back(kind + (entry.kind == DiffKind::Added ? entry.nameB : entry.nameA) +
                            " " + std::to_string(target ? target->row : -1));
        }
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"dtv 0111", "renamed Beta 1", "moved Gamma 2",
                                               "removed Delta 3", "DCT0 1000", "added Omega -1"}))
        << "lists without differences are left out";
    // Compared with itself, a file has no differences.
    ChannelCompareModel same(ChannelListsOf(doc, codec));
    same.Refresh(doc, codec);
    EXPECT_TRUE(same.groups().empty());
}

} // namespace
} // namespace kx
