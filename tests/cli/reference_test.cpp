// kanalyx-cli's reference lists, diffs, --move-to, --sort and --backup.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "clirunner.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx::test {
namespace {

using Arguments = std::vector<std::string>;

// A sorted 164-byte list out of name order: analog Delta, alpha, Charlie, Alpha (told by their
// frequencies), digital TV Gamma, Alpha, Beta, New (service ids 11 to 14; Beta's is betaSid, as
// after a rescan on another transponder), radio Radio B, Radio A (21, 22).
std::string unsorted(std::uint16_t betaSid = 13)
{
    TllBuilder file(1);
    int n = 0;
    for (const char* name : {"Delta", "alpha", "Charlie", "Alpha"}) {
        ++n;
        file.analog(RecordBytes(1).numberWord(n).name(name).u16(20, 1000 * n));
    }
    const std::uint16_t sids[] = {11, 12, betaSid, 14, 21, 22};
    n = 0;
    for (const char* name : {"Gamma", "Alpha", "Beta", "New", "Radio B", "Radio A"}) {
        const int word = n < 4 ? n + 1 : 16384 + n - 3;
        file.digital(RecordBytes(1).numberWord(word).name(name).u16(70, sids[n++]));
    }
    return file.settings("S").build();
}

class CliReference : public ::testing::Test
{
protected:
    std::string path(const std::string& name) const { return dir.file(name).string(); }
    static std::string ok(const Arguments& arguments)
    {
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, 0) << arguments.front() << ": " << result.err;
        return result.out;
    }
    // The number and name of every row of the lists: "1 Alpha;2 Beta;".
    static std::string names(const std::string& file, const Arguments& lists)
    {
        std::string summary;
        for (const std::string& list : lists) {
            const std::string text = ok({"list", file, "--list", list});
            for (std::size_t start = 0; start < text.size(); start = text.find('\n', start) + 1) {
                const std::size_t tab = text.find('\t', start);
                summary += text.substr(start, tab - start) + " " +
                           text.substr(tab + 1, text.find('\t', tab + 1) - tab - 1) + ";";
            }
        }
        return summary;
    }

    TempDir dir;
};

struct RoundTrip
{
    const char* name;
    std::string file;
    Arguments lists;
    Arguments scramble; // edit operations that put the lists out of order
};

class CliRoundTrip : public CliReference, public ::testing::WithParamInterface<RoundTrip>
{};

TEST_P(CliRoundTrip, OwnOrderChangesNothingAndBringsAReorderedFileBack)
{
    const RoundTrip& trip = GetParam();
    const std::string original = trip.file.empty() ? unsorted() : readFile(trip.file);
    const std::string file = dir.write("list.tll", original).string();
    const std::string shown = names(file, trip.lists);
    ok({"export-reference", file, "-o", path("own.csv")});
    Arguments scramble = {"edit", file, "-o", path("scrambled.tll")};
    scramble.insert(scramble.end(), trip.scramble.begin(), trip.scramble.end());
    ok(scramble);
    ASSERT_NE(names(path("scrambled.tll"), trip.lists), shown);
    for (const std::string& reference : {file, path("own.csv")}) {
        SCOPED_TRACE(reference);
        EXPECT_EQ(ok({"diff", file, reference}), "0 added, 0 removed, 0 moved, 0 renamed\n");
        ok({"apply-reference", file, reference, "-o", path("same.tll")});
        EXPECT_TRUE(readFile(path("same.tll")) == original) << "the same bytes";
        ok({"apply-reference", path("scrambled.tll"), reference, "-o", path("back.tll")});
        EXPECT_EQ(names(path("back.tll"), trip.lists), shown);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, CliRoundTrip,
    ::testing::Values(RoundTrip{"SortedByName",
                                "",
                                {"analog", "radio", "dtv"},
                                {"--sort", "name", "--list", "dtv", "--sort", "name", "--list",
                                 "radio", "--sort", "name"}},
                      RoundTrip{"GlobalClone",
                                KANALYX_GLOBALCLONE_CORPUS "/gc-satellite-lf.tll",
                                {"dvbs-tv", "dvbs-radio"},
                                {"--list", "dvbs-tv", "--select", "1", "--move-to", "1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliReference, SortIsStableAndMoveToPlacesTheBlock)
{
    const std::string file = dir.write("list.tll", unsorted()).string();
    ok({"edit", file, "-o", path("out.tll"), "--sort", "name", "--list", "dtv", "--select", "3,0",
        "--move-to", "2"});
    EXPECT_EQ(names(path("out.tll"), {"analog", "dtv"}),
              "1 alpha;2 Alpha;3 Charlie;4 Delta;1 Alpha;2 Gamma;3 New;4 Beta;");
}

TEST_F(CliReference, ApplyReference_CountsAndKeepsOrDeletesWhatTheReferenceLacks)
{
    const std::string file = dir.write("list.tll", unsorted()).string();
    // Beta on another transponder; New and Radio A gone; sorted by name.
    ok({"edit", dir.write("rescan.tll", unsorted(99)).string(), "-o", path("old.tll"), "--list",
        "dtv", "--select", "3", "--delete", "--sort", "name", "--list", "radio", "--select", "1",
        "--delete"});
    for (const auto& [unmatched, deleted, dtv] :
         {std::tuple{"keep", "0", "1 Alpha;2 Beta;3 Gamma;4 New;"},
          std::tuple{"delete", "1", "1 Alpha;2 Beta;3 Gamma;"}}) {
        EXPECT_EQ(ok({"apply-reference", file, path("old.tll"), "--unmatched", unmatched, "-o",
                      path("new.tll")}),
                  std::string("analog: 4 by identity, 0 by name, 0 unmatched, 0 deleted\n") +
                      "radio: 1 by identity, 0 by name, 1 unmatched, " + deleted + " deleted\n" +
                      "dtv: 2 by identity, 1 by name, 1 unmatched, " + deleted + " deleted\n");
        EXPECT_EQ(names(path("new.tll"), {"dtv"}), dtv);
    }
}

TEST_F(CliReference, Diff_NamesEveryChangeOfAnEditedCopy)
{
    const std::string file = dir.write("list.tll", unsorted()).string();
    ok({"edit", file, "-o", path("edited.tll"), "--list", "dtv", "--select", "3", "--delete",
        "--rename", "0", "Gamma 2", "--select", "2", "--move-to", "1"});
    EXPECT_EQ(ok({"diff", file, path("edited.tll")}),
              "dtv\tmoved\t1\t2\tGamma\tGamma 2\tC-0-0-11-00\n"
              "dtv\trenamed\t1\t2\tGamma\tGamma 2\tC-0-0-11-00\n"
              "dtv\tmoved\t2\t3\tAlpha\tAlpha\tC-0-0-12-00\n"
              "dtv\tmoved\t3\t1\tBeta\tBeta\tC-0-0-13-00\n"
              "dtv\tremoved\t4\t\tNew\t\tC-0-0-14-00\n"
              "0 added, 1 removed, 3 moved, 1 renamed\n");
    EXPECT_TRUE(ok({"diff", path("edited.tll"), file})
                    .ends_with("\n1 added, 0 removed, 3 moved, 1 renamed\n"));
}

TEST_F(CliReference, Backup_KeepsTheFirstBytesOnceAndOnlyWhenAsked)
{
    const std::string original = unsorted();
    const std::string file = path("list.tll");
    const std::string other = dir.write("other.tll", unsorted(99)).string();
    for (Arguments command : std::vector<Arguments>{
             {"edit", file, "-o", file, "--list", "dtv", "--select", "1", "--up"},
             {"save", file, file},
             {"import", file, other, "--dtv", "-o", file},
             {"settings", file, "-o", file},
             {"apply-reference", file, other, "-o", file}}) {
        SCOPED_TRACE(command.front());
        dir.write("list.tll", original);
        ok(command);
        EXPECT_FALSE(std::filesystem::exists(file + ".bak"));
        dir.write("list.tll", original);
        command.emplace_back("--backup");
        ok(command);
        ok(command);
        EXPECT_TRUE(readFile(file + ".bak") == original) << "written once, never again";
        dir.write("list.tll.bak", "kept");
        ok(command);
        EXPECT_EQ(readFile(file + ".bak"), "kept");
        std::filesystem::remove(file + ".bak");
    }
    ok({"save", other, path("copy.tll"), "--backup"});
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"copy.tll", "list.tll", "other.tll"}))
        << "a save elsewhere keeps no backup";
}

TEST_F(CliReference, RefusedRuns_ExitWithTheirCodeAndWriteNothing)
{
    const std::string file = dir.write("list.tll", unsorted()).string();
    const std::string o = path("out.tll");
    const struct
    {
        Arguments arguments;
        int exitCode;
        const char* says;
    } cases[] = {
        {{"apply-reference", file, file}, 2, "-o OUT is required"},
        {{"apply-reference", file, file, "-o", o, "--unmatched", "drop"}, 2, "keep or delete"},
        {{"edit", file, "-o", o, "--move-to", "1"}, 2, "--move-to: no row of the analog list"},
        {{"edit", file, "-o", o, "--select", "0", "--move-to", "5"}, 2, "1 to 4, not '5'"},
        {{"edit", file, "-o", o, "--sort", "Name"}, 2, "one of number, name, short-name,"},
        {{"edit", file, "-o", o, "--list", "dtv", "--sort", "service-id"},
         2,
         "the dtv list of this file has no column service-id; it has number, name, character, "
         "frequency, symbol-rate, modulation, short-name"},
        // Analog channels without a frequency have no identity to write.
        {{"export-reference", dir.write("new.tll", newerList(false)).string(), "-o", o},
         1,
         "channel 1 \"One\" of list analog: a reference list cannot name"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        const CliResult result = runCli(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_NE(result.err.find(c.says), std::string::npos) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(o));
}

} // namespace
} // namespace kx::test
