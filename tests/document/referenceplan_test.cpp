// Applying a reference and comparing two files' lists: small hand-made lists for each matching
// and numbering rule, and every real reference list against itself, a copy sorted by name, a
// rescan and an edited copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "document/listdiff.h"
#include "document/referencelist.h"
#include "document/referenceplan.h"
#include "platform/file.h"
#include "support/realdata.h"

namespace kx {
namespace {

// The lists of a reference-list text, or all of them as one list.
std::vector<ChannelList> lists(const char* text, bool asOne)
{
    std::vector<ChannelList> read = ReadReferenceList(text, "t.csv");
    if (!asOne) {
        return read;
    }
    ChannelList one{"all", {}};
    for (const ChannelList& list : read) {
        for (ListChannel channel : list.channels) {
            channel.row = static_cast<int>(one.channels.size());
            one.channels.push_back(std::move(channel));
        }
    }
    return {one};
}

// The plan as text: per list ('|' apart; '~' for a list left alone) the rows in their new order
// as how:name=number (i identity, n name, - none), then the deleted rows as x:name.
std::string describe(const ReferencePlan& plan, const std::vector<ChannelList>& file)
{
    std::string text;
    for (std::size_t l = 0; l < plan.lists.size(); ++l) {
        const ListPlan& list = plan.lists[l];
        text += l == 0 ? "" : " | ";
        text += list.paired ? "" : "~ ";
        for (const int row : list.order) {
            const RowPlan& r = list.rows[static_cast<std::size_t>(row)];
            text += std::string(r.how == MatchKind::Identity ? "i:"
                                : r.how == MatchKind::Name   ? "n:"
                                                             : "-:") +
                    file[l].channels[static_cast<std::size_t>(row)].name + '=' +
                    std::to_string(r.number) + ' ';
        }
        for (const int row : list.deletedRows) {
            text += "x:" + file[l].channels[static_cast<std::size_t>(row)].name + ' ';
        }
        text.pop_back();
    }
    return text;
}

struct PlanCase
{
    const char* what;
    const char* file;
    const char* reference;
    bool fileAsOne, referenceAsOne;
    UnmatchedRows unmatched;
    const char* expected;
};

void PrintTo(const PlanCase& c, std::ostream* out)
{
    *out << c.what;
}

class ReferencePlanCase : public testing::TestWithParam<PlanCase>
{};

TEST_P(ReferencePlanCase, PlansAsTheRulesSay)
{
    const PlanCase& c = GetParam();
    const std::vector<ChannelList> file = lists(c.file, c.fileAsOne);
    const ReferencePlan plan =
        PlanReference(file, lists(c.reference, c.referenceAsOne), c.unmatched);
    EXPECT_EQ(describe(plan, file), c.expected);
}

constexpr UnmatchedRows kKeep = UnmatchedRows::Keep;
constexpr UnmatchedRows kDelete = UnmatchedRows::Delete;
constexpr const char* kSports = ",1,,C-1-1-10-05,\"Sport\",DCT0,\n,2,,C-1-1-11-05,\"Sport\",DCT0,\n"
                                ",3,,C-1-1-12-05,\"News\",DCT0,\n,4,,C-1-1-13-05,\"\",DCT0,\n";
constexpr const char* kRescannedSports =
    ",1,,C-1-2-10-05,\"Sport\",DCT0,\n,2,,C-1-1-11-05,\"Sport\",DCT0,\n"
    ",3,,C-1-2-12-05,\"News\",DCT0,\n,4,,C-1-2-13-05,\"\",DCT0,\n";
constexpr const char* kTvAndRadio = ",1,,C-1-1-10-05,\"A\",DCT0,\n,2,,C-1-1-11-05,\"B\",DCT0,\n"
                                    ",1,,C-1-1-20-05,\"R1\",DCR0,\n";

INSTANTIATE_TEST_SUITE_P(
    Rules, ReferencePlanCase,
    testing::Values(
        PlanCase{"rescan on another transponder: by name, as it is and without case and blanks",
                 ",1,,C-1-200-12-05,\"3SAT\",DCT0,\n,2,,C-1-200-11-05,\"ZDF\",DCT0,\n"
                 ",3,,C-1-200-10-05,\"Das  erste\",DCT0,\n",
                 ",7,,C-1-100-10-05,\"Das Erste\",DCT0,\n,8,,C-1-100-11-05,\"ZDF\",DCT0,\n"
                 ",9,,C-1-100-12-05,\"3sat\",DCT0,\n",
                 false, false, kKeep, "n:Das  erste=7 n:ZDF=8 n:3SAT=9"},
        PlanCase{"a name twice and an empty name pair only by identity; the rest kept after",
                 kRescannedSports, kSports, false, false, kKeep,
                 "i:Sport=2 n:News=3 -:Sport=4 -:=5"},
        PlanCase{"unmatched rows deleted", kRescannedSports, kSports, false, false, kDelete,
                 "i:Sport=2 n:News=3 x:Sport x:"},
        PlanCase{"a name the other side holds only on a channel paired by identity pairs no more",
                 ",1,,C-1-1-10-05,\"X\",DCT0,\n,2,,C-1-1-11-05,\"Y\",DCT0,\n",
                 ",1,,C-1-1-11-05,\"X\",DCT0,\n", false, false, kKeep, "i:Y=1 -:X=2"},
        PlanCase{"a reference list of TV and radio pairs with the file's two lists",
                 ",5,,C-1-1-11-05,\"B\",DCT0,\n,6,,C-1-1-10-05,\"A\",DCT0,\n"
                 ",5,,C-1-1-20-05,\"R1\",DCR0,\n",
                 kTvAndRadio, false, true, kKeep, "i:A=1 i:B=2 | i:R1=1"},
        PlanCase{"the file's list of TV and radio pairs with the reference's two lists",
                 ",1,,C-1-1-20-05,\"R1\",DCR0,\n,2,,C-1-1-11-05,\"B\",DCT0,\n"
                 ",3,,C-1-1-10-05,\"A\",DCT0,\n",
                 kTvAndRadio, true, false, kKeep, "i:A=1 i:B=2 i:R1=1"},
        PlanCase{"radio in the file's list stays when the reference has only TV, even with delete",
                 ",4,,C-1-1-20-05,\"R1\",DCR0,\n,2,,C-1-1-10-05,\"A\",DCT0,\n"
                 ",3,,C-1-1-12-05,\"C\",DCT0,\n",
                 ",1,,C-1-1-10-05,\"A\",DCT0,\n", true, false, kDelete, "i:A=1 -:R1=4 x:C"},
        PlanCase{"cable and antenna numbers meeting in an antenna list: later ones renumbered",
                 ",1,,C-8-5-21-30,\"Delta\",DAT0,\n,2,,C-8-5-20-30,\"Gamma\",DAT0,\n"
                 ",3,,C-8-5-22-30,\"alpha\",DAT0,\n,4,,C-8-5-23-30,\"Beta\",DAT0,\n"
                 ",5,,C-8-5-24-30,\"New\",DAT0,\n",
                 ",1,,C-1-1-10-05,\"Alpha\",DCT0,\n,2,,C-1-1-11-05,\"Beta\",DCT0,\n"
                 ",1,,C-8-5-20-30,\"Gamma\",DAT0,\n,2,,C-8-5-21-30,\"Delta\",DAT0,\n",
                 false, false, kKeep, "n:alpha=1 n:Beta=2 i:Gamma=3 i:Delta=4 -:New=5"},
        PlanCase{"the reference's own duplicate numbers kept; a service twice pairs by name first",
                 ",1,,S19.2E-1-1007-4911,\"ORF eins HD\",DST0,\n"
                 ",2,,S19.2E-1-1007-4912,\"ORF2 HD\",DST0,\n"
                 ",3,,S19.2E-1-1007-4911,\"ORF1 HD\",DST0,\n",
                 ",5,,S19.2E-1-1007-4911,\"ORF1 HD\",DST0,\n"
                 ",5,,S19.2E-1-1007-4912,\"ORF2 HD\",DST0,\n"
                 ",6,,S19.2E-1-1007-4911,\"ORF eins HD\",DST0,\n",
                 false, false, kKeep, "i:ORF1 HD=5 i:ORF2 HD=5 i:ORF eins HD=6"},
        PlanCase{"frequency and satellite are identity; a kind the reference lacks is left alone",
                 ",3,,A-0-2945-0,\" S 06\",ACT0,\n,4,,A-0-2805-0,\"Other\",ACT0,\n"
                 ",1,,S13.0E-1-1-100,\"Sat B\",DST0,\n,7,,S19.2E-1-1-200,\"Radio\",DSR0,\n",
                 ",1,,A-0-2805-0,\" S 06\",ACT0,\n,1,,S19.2E-1-1-100,\"Sat A\",DST0,\n", false,
                 false, kDelete, "i:Other=1 x: S 06 | x:Sat B | ~ -:Radio=7"}));

std::vector<ChannelList> applied(const std::vector<ChannelList>& file, const ReferencePlan& plan)
{
    std::vector<ChannelList> result;
    for (std::size_t l = 0; l < file.size(); ++l) {
        result.push_back({file[l].name, {}});
        for (const int row : plan.lists[l].order) {
            ListChannel channel = file[l].channels[static_cast<std::size_t>(row)];
            channel.number = plan.lists[l].rows[static_cast<std::size_t>(row)].number;
            channel.row = static_cast<int>(result.back().channels.size());
            result.back().channels.push_back(std::move(channel));
        }
    }
    return result;
}

TEST(ListDiff, EachKindOfDifference_OneLineInTheDocumentedColumns)
{
    const auto a = lists(",1,,C-1-1-10-05,\"One\",DCT0,\n,2,,C-1-1-11-05,\"Two\",DCT0,\n"
                         ",3,,C-1-1-12-05,\"Three\",DCT0,\n",
                         false);
    const auto b = lists(",1,,C-1-1-10-05,\"One\",DCT0,\n,4,,C-1-1-12-05,\"Three\tHD\",DCT0,\n"
                         ",2,,A-0-2805-0,\"Four\",ACT0,\n",
                         false);
    const ListDiff diff = DiffLists(a, b);
    std::string lines;
    for (const DiffEntry& entry : diff.entries) {
        lines += FormatDiffLine(entry) + '\n';
    }
    EXPECT_EQ(lines, "DCT0\tremoved\t2\t\tTwo\t\tC-1-1-11-05\n"
                     "DCT0\tmoved\t3\t4\tThree\tThree HD\tC-1-1-12-05\n"
                     "DCT0\trenamed\t3\t4\tThree\tThree HD\tC-1-1-12-05\n"
                     "ACT0\tadded\t\t2\t\tFour\tA-0-2805-0\n");
    EXPECT_EQ(FormatDiffSummary(diff.summary), "1 added, 1 removed, 1 moved, 1 renamed");
}

class ReferenceListRealFile : public testing::TestWithParam<const char*>
{};

TEST_P(ReferenceListRealFile, RoundTripsAppliesAndDiffs)
{
    KX_REQUIRE_REALDATA();
    const std::filesystem::path path = test::referenceListFile(GetParam());
    ASSERT_FALSE(path.empty()) << GetParam();
    const std::string bytes = File::readAll(path);
    const std::vector<ChannelList> original = ReadReferenceListFile(path);
    std::size_t channels = 0;
    for (const ChannelList& list : original) {
        channels += list.channels.size();
    }
    ASSERT_EQ(channels, static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')));
    EXPECT_EQ(WriteReferenceList(original), bytes);

    // Its own reference changes nothing, and every channel pairs by identity.
    for (const UnmatchedRows unmatched : {UnmatchedRows::Keep, UnmatchedRows::Delete}) {
        const ReferencePlan plan = PlanReference(original, original, unmatched);
        EXPECT_TRUE(plan.changesNothing());
        for (std::size_t l = 0; l < original.size(); ++l) {
            EXPECT_EQ(plan.lists[l].byIdentity, static_cast<int>(original[l].channels.size()));
        }
    }
    EXPECT_TRUE(DiffLists(original, original).entries.empty());

    // Sorted by name and numbered 1 to n, the lists get their order and numbers back.
    std::vector<ChannelList> sorted = original;
    for (ChannelList& list : sorted) {
        std::stable_sort(
            list.channels.begin(), list.channels.end(),
            [](const ListChannel& x, const ListChannel& y) { return x.name < y.name; });
        for (std::size_t row = 0; row < list.channels.size(); ++row) {
            list.channels[row].row = static_cast<int>(row);
            list.channels[row].number = static_cast<int>(row) + 1;
        }
    }
    EXPECT_EQ(
        WriteReferenceList(applied(sorted, PlanReference(sorted, original, UnmatchedRows::Delete))),
        bytes);

    // After a rescan that found every digital service on another transponder, no pair is wrong.
    std::vector<ChannelList> rescanned = original;
    for (ChannelList& list : rescanned) {
        for (ListChannel& channel : list.channels) {
            if (channel.id.tsid) {
                channel.id.tsid = (*channel.id.tsid + 1) % 65536;
            }
        }
    }
    const ChannelMatch match = MatchChannels(rescanned, original);
    int byName = 0;
    int digital = 0;
    for (std::size_t l = 0; l < original.size(); ++l) {
        for (std::size_t i = 0; i < original[l].channels.size(); ++i) {
            const ChannelMatch::Entry& entry = match.first[l][i];
            byName += entry.how == MatchKind::Name ? 1 : 0;
            digital += original[l].channels[i].id.analog ? 0 : 1;
            if (entry.other.valid()) {
                EXPECT_EQ(original[static_cast<std::size_t>(entry.other.list)]
                              .channels[static_cast<std::size_t>(entry.other.index)]
                              .id.sid,
                          original[l].channels[i].id.sid);
            }
        }
    }
    EXPECT_EQ(byName > 0, digital > 0);

    // An edited copy: the first channel gone, the second moved, the third renamed, one new.
    std::vector<ChannelList> edited = original;
    auto& longest =
        *std::max_element(edited.begin(), edited.end(), [](const auto& x, const auto& y) {
            return x.channels.size() < y.channels.size();
        });
    ASSERT_GE(longest.channels.size(), 4U);
    ListChannel added = longest.channels[3];
    added.id.frequency = 999999999;
    added.id.sid = added.id.tsid = added.id.onid = 65535;
    added.name = "A channel no file has";
    longest.channels[1].number = 99999;
    longest.channels[2].name = "Renamed by a test";
    longest.channels.erase(longest.channels.begin());
    longest.channels.push_back(added);
    const DiffSummary summary = DiffLists(original, edited).summary;
    EXPECT_EQ(FormatDiffSummary(summary), "1 added, 1 removed, 1 moved, 1 renamed");
}

INSTANTIATE_TEST_SUITE_P(
    Exports, ReferenceListRealFile,
    testing::Values("xx2350D-PZM00001", "xxCS460S-ZA00001", "xxLA691S-ZA00004", "xxLA7408-ZB00001",
                    "xxLD750-ZA00001", "xxLE5500-ZA00002", "xxLH3000-ZA00002", "xxLH5000-ZB00002",
                    "xxLK450-ZB00001", "xxLK950S-ZA00001", "xxLM340S-ZA00001", "xxLM611S-ZA00001",
                    "xxLM620S-ZE00001", "xxLM640T-ZA00000", "xxLM860V-ZB99998", "xxLN5406-ZA99999",
                    "xxLN5758-ZE99999", "xxLP632H-ZA00001", "xxLS570S-ZB00001", "xxLT380H-ZA00001",
                    "xxLV375S-ZC00001", "xxLV470S-ZC00001", "xxLW4500-ZB00001", "xxLW659S-ZC00001",
                    "xxLX9500-ZA00001", "xxPM670S-ZA00001", "xxPN6500-ZB00001", "xxPT353-ZA00001"),
    [](const testing::TestParamInfo<const char*>& info) {
        std::string name = info.param;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

} // namespace
} // namespace kx
