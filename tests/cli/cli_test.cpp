#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "clirunner.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx::test {
namespace {

// A variant-1 list whose column texts are worked out by hand below.
std::string fieldList()
{
    return TllBuilder(1)
        .analog(RecordBytes(1).numberWord(1).name("News").u16(22, 0x20).u16(24, 0x0105))
        .analog(RecordBytes(1)
                    .numberWord(2)
                    .name("\x01\xBC\xD8\xE0") // Cyrillic table, ISO 8859-5 bytes of "Мир"
                    .u16(22, 0x50)
                    .u16(24, 0x0023)
                    .unchecked(true))
        .settings("SETTINGS")
        .digital(RecordBytes(1)
                     .numberWord(3)
                     .name("\x0BK\xF6ln") // Latin 9
                     .frequency(402000)
                     .u32(92, 6900u << 8 | 5))
        .digital(RecordBytes(1).numberWord(16384 + 7).name("Jazz").frequency(466000))
        .build();
}

// One analog channel whose name is stored without a prefix: the ISO 8859-5 bytes of "Первый".
std::string unprefixedCyrillic()
{
    return TllBuilder(2)
        .analog(RecordBytes(2).numberWord(1).name("\xBF\xD5\xE0\xD2\xEB\xD9"))
        .trailing(std::string(1, '\0'))
        .build();
}

class Cli : public ::testing::Test
{
protected:
    std::filesystem::path write(const std::string& name, const std::string& bytes)
    {
        return dir.write(name, bytes);
    }
    bool exists(const std::string& name) const { return std::filesystem::exists(dir.file(name)); }
    std::string path(const std::string& name) const { return dir.file(name).string(); }

    TempDir dir;
};

TEST_F(Cli, Info_PrintsTheSizesOfEveryListAndBlock)
{
    const auto result = runCli({"info", write("list.tll", fieldList()).string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "variant: 1\nanalog: 2\nradio: 1\ndtv: 1\nsettings: 8\ntrailing: 0\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(Cli, List_PrintsTheSixColumnsAndTheTickOfEveryRow)
{
    const std::string file = write("list.tll", fieldList()).string();
    auto result = runCli({"list", file, "--list", "analog"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "1\tNews\tNone\tI\tV/UHF\t5\t1\n"
                          "2\t\xD0\x9C\xD0\xB8\xD1\x80\tCyrillic\tDK\tCable\t35\t0\n");

    result = runCli({"list", file, "--list=dtv"});
    EXPECT_EQ(result.out, "3\tK\xC3\xB6ln\tEuropean(Latin 9)\t402000\t6900\tQAM64\t1\n");

    result = runCli({"list", file, "--list", "radio"});
    EXPECT_EQ(result.out, "7\tJazz\tNone\t466000\t0\tQAM2\t1\n");
}

TEST_F(Cli, List_NameOptionsChooseHowUnprefixedNamesRead)
{
    const std::string file = write("cyr.tll", unprefixedCyrillic()).string();
    auto result = runCli({"list", file, "--list", "analog", "--charset", "2"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "1\t\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB2\xD1\x8B\xD0\xB9\tNone\tBG\tCable\t0\t1\n");

    // "User" with the identity table shows the bytes in the system code page: CP1251 here.
    result = runCli({"list", file, "--list", "analog", "--codepage", "1251"});
    EXPECT_EQ(result.out,
              "1\t\xD1\x97\xD0\xA5\xD0\xB0\xD0\xA2\xD0\xBB\xD0\xA9\tNone\tBG\tCable\t0\t1\n");

    // A user table that maps stored byte 0xBF to 'A'.
    std::string table(128, '\0');
    for (int j = 0; j < 128; ++j) {
        table[static_cast<std::size_t>(j)] = static_cast<char>(128 + j);
    }
    table[0xBF - 128] = 'A';
    result = runCli({"list", file, "--list", "analog", "--codepage", "1251", "--user-table",
                     write("code.dat", table).string()});
    EXPECT_EQ(result.out, "1\tA\xD0\xA5\xD0\xB0\xD0\xA2\xD0\xBB\xD0\xA9\tNone\tBG\tCable\t0\t1\n");

    result = runCli({"list", file, "--list", "analog", "--user-table", path("missing.dat")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("missing.dat: cannot open it"), std::string::npos) << result.err;
}

TEST_F(Cli, SaveAndExport_WriteExactlyToTheNameGiven)
{
    const std::string file = write("list.tll", fieldList()).string();
    auto result = runCli({"save", file, path("copy.tll")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(readFile(dir.file("copy.tll")), fieldList());

    result = runCli({"export", file, path("rows.xls")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string text = readFile(dir.file("rows.xls"));
    EXPECT_EQ(text.size(), 4u * 494u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
    // Analog, analog, radio, digital TV: the number words 1, 2, 16384 + 7, 3 at bytes 10 and 11.
    EXPECT_EQ(text.substr(30, 6), "01\t00\t");
    EXPECT_EQ(text.substr(494 + 30, 6), "02\t00\t");
    EXPECT_EQ(text.substr(2 * 494 + 30, 6), "07\t40\t");
    EXPECT_EQ(text.substr(3 * 494 + 30, 6), "03\t00\t");

    result = runCli({"export", file, path("rows.txt")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(exists("rows.txt"));
    EXPECT_FALSE(exists("rows.txt.xls"));
}

TEST_F(Cli, Import_ReplacesTheChosenListsAndSaves)
{
    const std::string mine = write("mine.tll", fieldList()).string();
    const std::string other = write("other.tll", TllBuilder(1)
                                                     .analog(RecordBytes(1).numberWord(21))
                                                     .settings("OTHER")
                                                     .digital(RecordBytes(1).numberWord(23))
                                                     .digital(RecordBytes(1).numberWord(16384 + 24))
                                                     .build())
                                  .string();
    auto result = runCli({"import", mine, other, "--dtv", "-o", path("out.tll")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string onlyDigitalTV =
        TllBuilder(1)
            .analog(RecordBytes(1).numberWord(1).name("News").u16(22, 0x20).u16(24, 0x0105))
            .analog(RecordBytes(1)
                        .numberWord(2)
                        .name("\x01\xBC\xD8\xE0")
                        .u16(22, 0x50)
                        .u16(24, 0x0023)
                        .unchecked(true))
            .settings("SETTINGS")
            .digital(RecordBytes(1).numberWord(23))
            .digital(RecordBytes(1).numberWord(16384 + 7).name("Jazz").frequency(466000))
            .build();
    EXPECT_EQ(readFile(dir.file("out.tll")), onlyDigitalTV);

    result = runCli({"import", mine, other, "--output", path("all.tll")});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(runCli({"info", path("all.tll")}).out,
              "variant: 1\nanalog: 1\nradio: 1\ndtv: 1\nsettings: 8\ntrailing: 0\n");
}

TEST_F(Cli, FileErrors_ExitOneWithOneLineAndNoOutputFile)
{
    std::string truncated = fieldList();
    truncated.resize(100);
    const std::string bad = write("bad.tll", truncated).string();
    auto result = runCli({"info", bad});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "kanalyx-cli info: " + bad +
                              ": the analog block promises 2 records of 164 bytes but only 92 "
                              "bytes remain at offset 8\n");

    const std::string mine = write("mine.tll", fieldList()).string();
    const std::string otherVariant = write("v2.tll", unprefixedCyrillic()).string();
    result = runCli({"import", mine, otherVariant, "-o", path("out.tll")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_NE(result.err.find(otherVariant + ": "), std::string::npos) << result.err;
    EXPECT_FALSE(exists("out.tll"));

    write("keep.tll", "old content");
    result = runCli({"save", bad, path("keep.tll")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(readFile(dir.file("keep.tll")), "old content");

    result = runCli({"save", mine, path("no/such/folder.tll")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("folder.tll"), std::string::npos) << result.err;
}

TEST_F(Cli, UsageErrors_ExitTwo)
{
    const std::string file = write("list.tll", fieldList()).string();
    EXPECT_EQ(runCli({}).exitCode, 2);
    EXPECT_EQ(runCli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(runCli({"info"}).exitCode, 2);
    EXPECT_EQ(runCli({"info", file, "extra"}).exitCode, 2);
    EXPECT_EQ(runCli({"list", file}).exitCode, 2);
    EXPECT_EQ(runCli({"list", file, "--list", "sat"}).exitCode, 2);
    EXPECT_EQ(runCli({"list", file, "--list"}).exitCode, 2);
    EXPECT_EQ(runCli({"list", file, "--list", "dtv", "--charset", "13"}).exitCode, 2);
    EXPECT_EQ(runCli({"list", file, "--list", "dtv", "--codepage", "1258"}).exitCode, 2);
    EXPECT_EQ(runCli({"list", file, "--list", "dtv", "--bogus"}).exitCode, 2);
    const auto result = runCli({"import", file, file, "--tv"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, "kanalyx-cli import: -o OUT is required (see 'kanalyx-cli import "
                          "--help')\n");
}

TEST_F(Cli, Help_ForEveryCommandExitsZero)
{
    for (const char* command : {"info", "list", "edit", "export", "save", "import", "sample",
                                "apply-reference", "export-reference", "diff"}) {
        const auto result = runCli({command, "--help"});
        EXPECT_EQ(result.exitCode, 0) << command;
        EXPECT_EQ(result.out.rfind(std::string("Usage: kanalyx-cli ") + command, 0), 0u)
            << result.out;
    }
    EXPECT_NE(runCli({"list", "--help"}).out.find("--user-table PATH"), std::string::npos);
    EXPECT_NE(runCli({"--help"}).out.find("sample"), std::string::npos);
    EXPECT_NE(runCli({"diff", "--help"}).out.find("LIST  WHAT  NUMBER-A  NUMBER-B"),
              std::string::npos);
}

TEST_F(Cli, Sample_IsTheCommittedSampleList)
{
    const auto result = runCli({"sample", path("sample.tll")});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(readFile(dir.file("sample.tll")) == readFile(sampleList()))
        << "resources/samples/sample.tll is not what `kanalyx-cli sample` writes; regenerate it";
    EXPECT_EQ(runCli({"info", sampleList().string()}).out,
              "variant: 2\nanalog: 6\nradio: 6\ndtv: 12\nsettings: 23096\ntrailing: 1\n");
}

} // namespace
} // namespace kx::test
