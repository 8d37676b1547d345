// Reference lists on every real file of both formats: a file's own order, as a file or as its
// exported reference list, changes nothing; a file sorted by name gets its order back from
// either; the other editor's reference list of a file changes nothing; and diffs of a file with
// itself and with an edited copy name what changed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <numeric>
#include <string>
#include <vector>

#include "document/documentlists.h"
#include "document/kanalyxdoc.h"
#include "document/listdiff.h"
#include "document/referencelist.h"
#include "document/referenceplan.h"
#include "model/channelrec.h"
#include "model/namecodec.h"
#include "model/namecontrolcodes.h"
#include "platform/error.h"
#include "support/realdata.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx {
namespace {

std::vector<std::string> realFiles()
{
    std::vector<std::string> names;
    const std::filesystem::path folder = test::realDataDir();
    if (folder.empty()) {
        return {"(no real files)"};
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".TLL.in") || name.starts_with("GlobalClone")) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// What the lists show, row by row: each channel's list and name (sorted layouts number their
// rows anew after any change, so numbers are left out).
std::vector<std::string> rowsOf(const CKanalyxDoc& doc)
{
    std::vector<std::string> rows;
    for (const ListKind list : doc.Lists()) {
        for (int row = 0; row < doc.ChannelCount(list); ++row) {
            const CChannelRec& channel = doc.Channel(list, row);
            rows.push_back(ListName(list) + " " + DisplayNameOf(channel, CodecSettings{}).name);
        }
    }
    return rows;
}

class RealReference : public ::testing::TestWithParam<std::string>
{
protected:
    void SetUp() override
    {
        KX_REQUIRE_REALDATA();
        path = test::realDataFile(GetParam());
        doc.OnOpenDocument(path);
        original = saved();
    }
    std::string saved()
    {
        const auto out = dir.file(GetParam());
        doc.OnSaveDocument(out);
        return test::readFile(out);
    }
    // Sorts every list by name, as one step each.
    void sortByName()
    {
        for (const ListKind list : doc.Lists()) {
            std::vector<int> order(static_cast<std::size_t>(doc.ChannelCount(list)));
            std::iota(order.begin(), order.end(), 0);
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                return DisplayNameOf(doc.Channel(list, a), codec).name <
                       DisplayNameOf(doc.Channel(list, b), codec).name;
            });
            doc.SortRows(list, order);
        }
    }
    bool apply(const std::vector<ChannelList>& reference, UnmatchedRows unmatched)
    {
        return doc.ApplyReference(PlanReference(ChannelListsOf(doc, codec), reference, unmatched));
    }

    CodecSettings codec;
    std::filesystem::path path;
    std::string original;
    CKanalyxDoc doc;
    test::TempDir dir;
};

TEST_P(RealReference, OwnOrderChangesNothingAndBringsASortedFileBack)
{
    const std::vector<ChannelList> own = ChannelListsOf(doc, codec);
    const std::vector<std::string> rows = rowsOf(doc);
    const auto csv = dir.file("own.csv");
    WriteReferenceListFile(csv, own);
    for (const bool fromList : {false, true}) {
        SCOPED_TRACE(fromList ? "from its reference list" : "from the file");
        const std::vector<ChannelList> reference =
            fromList ? ReadReference(csv, codec) : ReadReference(path, codec);
        EXPECT_FALSE(apply(reference, UnmatchedRows::Keep)) << "no step";
        EXPECT_EQ(saved(), original);

        sortByName();
        const ReferencePlan plan =
            PlanReference(ChannelListsOf(doc, codec), reference, UnmatchedRows::Keep);
        int unmatched = 0;
        for (const ListPlan& list : plan.lists) {
            unmatched += list.unmatched;
        }
        EXPECT_EQ(unmatched, 0) << "every channel is told by its identity or its name";
        doc.ApplyReference(plan);
        EXPECT_EQ(rowsOf(doc), rows);
        while (doc.CanUndo()) {
            doc.Undo();
        }
        EXPECT_EQ(saved(), original) << "undone to the bytes";
    }
}

TEST_P(RealReference, OtherEditorsReferenceListChangesNothing)
{
    const std::string stem = GetParam().substr(0, GetParam().find('.'));
    const std::filesystem::path peer = test::referenceListFile(stem);
    if (peer.empty()) {
        GTEST_SKIP() << "no reference list of " << stem;
    }
    EXPECT_FALSE(apply(ReadReferenceListFile(peer), UnmatchedRows::Keep));
    EXPECT_EQ(saved(), original);
}

TEST_P(RealReference, DiffNamesWhatAnEditChanged)
{
    const std::vector<ChannelList> before = ChannelListsOf(doc, codec);
    EXPECT_TRUE(DiffLists(before, before).entries.empty());
    const ListKind list = doc.Lists().back();
    const int count = doc.ChannelCount(list);
    if (count < 3 || doc.Channel(list, 0).GetNumber() == doc.Channel(list, count - 1).GetNumber()) {
        GTEST_SKIP() << "no channels to move apart";
    }
    doc.Rename(list, 1, "Renamed 1", codec);
    doc.MoveRowsTo(list, std::vector<int>{0}, count, StepKind::MoveTo);
    const ListDiff diff = DiffLists(before, ChannelListsOf(doc, codec));
    EXPECT_EQ(diff.summary.renamed, 1);
    EXPECT_EQ(diff.summary.added + diff.summary.removed, 0);
    EXPECT_GE(diff.summary.moved, 1);
}

TEST_P(RealReference, AnotherFileAsReference_AccountsForEveryChannelAndUndoes)
{
    // The next file of the folder: of another receiver, or another list of one, so that it holds
    // some of the channels and others.
    const std::vector<std::string> files = realFiles();
    const auto self = std::find(files.begin(), files.end(), GetParam());
    ASSERT_NE(self, files.end());
    const std::string& other = std::next(self) == files.end() ? files.front() : *std::next(self);
    SCOPED_TRACE(other);
    const ReferencePlan plan =
        PlanReference(ChannelListsOf(doc, codec), ReadReference(test::realDataFile(other), codec),
                      UnmatchedRows::Delete);
    for (const ListPlan& list : plan.lists) {
        EXPECT_EQ(list.byIdentity + list.byName + list.unmatched,
                  static_cast<int>(list.rows.size()))
            << list.list;
        for (const RowPlan& row : list.rows) {
            EXPECT_EQ(row.how != MatchKind::None, row.reference.valid()) << list.list;
        }
    }
    if (doc.ApplyReference(plan)) {
        doc.Undo();
    }
    EXPECT_EQ(saved(), original);
}

INSTANTIATE_TEST_SUITE_P(EveryRealFile, RealReference, ::testing::ValuesIn(realFiles()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::erase_if(name, [](char c) { return !std::isalnum(c); });
                             return name;
                         });

// A rescan on another transponder: the identities differ, the names do not; and what the
// reference lacks is kept after the rest or deleted.
TEST(ApplyReference, MatchesByNameAndKeepsOrDeletesWhatTheReferenceLacks)
{
    using test::RecordBytes;
    test::TempDir dir;
    const auto file = [&](const char* name, std::vector<std::pair<int, const char*>> channels) {
        test::TllBuilder builder(2);
        builder.settings("S");
        for (const auto& [number, channel] : channels) {
            builder.digital(
                RecordBytes(2).numberWord(static_cast<std::uint16_t>(number)).name(channel));
        }
        return dir.write(name, builder.trailing("T").build());
    };
    const CodecSettings codec;
    CKanalyxDoc doc;
    doc.OnOpenDocument(file("new.tll", {{1, "Alpha"}, {2, "Beta"}, {3, "Gamma"}, {4, "New"}}));
    const auto reference =
        ReadReference(file("old.tll", {{1, "Gamma"}, {2, "Alpha"}, {3, "Beta"}}), codec);
    for (const auto& [unmatched, names] :
         {std::pair{UnmatchedRows::Keep, std::vector<std::string>{"Gamma", "Alpha", "Beta", "New"}},
          {UnmatchedRows::Delete, std::vector<std::string>{"Gamma", "Alpha", "Beta"}}}) {
        ASSERT_TRUE(
            doc.ApplyReference(PlanReference(ChannelListsOf(doc, codec), reference, unmatched)));
        std::vector<std::string> shown;
        for (int row = 0; row < doc.ChannelCount(ListKind::DigitalTV); ++row) {
            shown.push_back(doc.Channel(ListKind::DigitalTV, row).GetName(codec));
            EXPECT_EQ(doc.Channel(ListKind::DigitalTV, row).GetNumber(), row + 1);
        }
        EXPECT_EQ(shown, names);
        doc.Undo();
    }
}

} // namespace
} // namespace kx
