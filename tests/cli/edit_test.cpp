#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "clirunner.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx::test {
namespace {

// A short row name: a letter and a number ("r2").
std::string tag(char letter, int number)
{
    std::string name(1, letter);
    name += std::to_string(number);
    return name;
}

// Analog a0 to a3 numbered 1 to 4 (a2 unticked), digital TV d0, radio f0 and f1.
std::string editable()
{
    TllBuilder file(1);
    for (int i = 0; i < 4; ++i) {
        file.analog(RecordBytes(1)
                        .numberWord(static_cast<std::uint16_t>(i + 1))
                        .name(tag('a', i))
                        .unchecked(i == 2));
    }
    return file.settings("S")
        .digital(RecordBytes(1).numberWord(1).name("d0"))
        .digital(RecordBytes(1).numberWord(16384 + 1).name("f0"))
        .digital(RecordBytes(1).numberWord(16384 + 2).name("f1"))
        .build();
}

class CliEdit : public ::testing::Test
{
protected:
    void SetUp() override { file = dir.write("in.tll", editable()).string(); }
    std::string out() const { return dir.file("out.tll").string(); }
    // The first two cells and the tick of every row of a list of the saved file.
    std::string rows(const char* list) const
    {
        const CliResult result = runCli({"list", out(), "--list", list});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        std::string summary;
        std::size_t start = 0;
        while (start < result.out.size()) {
            const std::size_t end = result.out.find('\n', start);
            const std::string line = result.out.substr(start, end - start);
            const std::size_t second = line.find('\t', line.find('\t') + 1);
            summary += line.substr(0, second) + " " + line.back() + ";";
            start = end + 1;
        }
        return summary;
    }

    TempDir dir;
    std::string file;
};

TEST_F(CliEdit, UpOnASelectedBlock_MovesAndRenumbersAsTheToolbarDoes)
{
    const CliResult result = runCli({"edit", file, "-o", out(), "--select", "1-2", "--up"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(rows("analog"), "1\ta1 1;2\ta2 0;3\ta0 1;4\ta3 1;");
    // The analog block of the saved file: a1, a2, a0, a3, numbered 1 to 4 with the derived
    // number 4n (analog) at offset 108.
    const std::string saved = readFile(out());
    EXPECT_EQ(saved.substr(8 + 2 * 164 + 28, 2), "a0");
    EXPECT_EQ(u16At(saved, 8 + 2 * 164 + 10), 3);
    EXPECT_EQ(u32At(saved, 8 + 2 * 164 + 108), 12u);
}

TEST_F(CliEdit, OperationsRunInOrderOnTheListLastNamed)
{
    const CliResult result =
        runCli({"edit",   file,     "-o",       out(),      "--list",   "radio",      "--select",
                "1",      "--up",   "--rename", "1",        "Welle",    "--untick",   "0",
                "--list", "analog", "--select", "0,3",      "--delete", "--undo",     "--tick",
                "1",      "--list", "dtv",      "--select", "0",        "--duplicate"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(rows("radio"), "1\tf1 0;2\tWelle 1;");
    EXPECT_EQ(rows("analog"), "1\ta0 1;2\ta1 1;3\ta2 0;4\ta3 1;")
        << "the deleted rows are back in their places; row 1 was ticked already";
    EXPECT_EQ(rows("dtv"), "1\td0 1;2\td0 1;");
}

TEST_F(CliEdit, OperationsTheEditorWouldNotRun_ExitTwoWithoutOutput)
{
    struct Case
    {
        std::initializer_list<std::string> arguments;
        const char* names;
    };
    const std::string in = file;
    const std::string o = out();
    for (const auto& [arguments, names] : {
             Case{{"edit", in, "-o", o, "--up"}, "--up: no row of the analog list is selected"},
             Case{{"edit", in, "-o", o, "--list", "dtv", "--select", "0", "--list", "radio",
                   "--delete"},
                  "--delete: no row of the radio list is selected"},
             Case{{"edit", in, "-o", o, "--undo"}, "--undo: there is nothing to undo"},
             Case{{"edit", in, "-o", o, "--select", "0", "--up", "--down", "--undo", "--redo",
                   "--redo"},
                  "--redo: there is nothing to redo"},
             Case{{"edit", in, "-o", o, "--select", "1", "--up", "--undo", "--up"},
                  "--up: no row of the analog list is selected"},
             Case{{"edit", in, "-o", o, "--codepage", "1252", "--rename", "0", "Первый HD"},
                  "--rename: the name cannot be stored: the character table \"User\" (code page "
                  "1252) has no code for \"Первый\""},
             Case{{"edit", in, "-o", o, "--select", "2-7"}, "--select: the row must be"},
             Case{{"edit", in, "-o", o, "--select", "3-1"}, "--select: the range 3-1 runs"},
             Case{{"edit", in, "-o", o, "--select", "1,"}, "--select: the row must be"},
             Case{{"edit", in, "-o", o, "--rename", "4", "x"}, "--rename: the row must be"},
             Case{{"edit", in, "-o", o, "--tick", "-1"}, "--tick: the row must be"},
             Case{{"edit", in, "--up"}, "-o OUT is required"},
         }) {
        const CliResult result = runCli(arguments);
        EXPECT_EQ(result.exitCode, 2) << names;
        EXPECT_NE(result.err.find(names), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(o)) << names;
    }
}

TEST_F(CliEdit, UndoAndRedo_StepThroughTheDocumentWhateverListTheyWereIn)
{
    const CliResult result =
        runCli({"edit", file, "-o", out(), "--list", "radio", "--select", "1", "--up", "--list",
                "analog", "--select", "0", "--delete", "--undo", "--undo", "--redo"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(rows("radio"), "1\tf1 1;2\tf0 1;") << "the radio move, undone and redone";
    EXPECT_EQ(rows("analog"), "1\ta0 1;2\ta1 1;3\ta2 0;4\ta3 1;");
    EXPECT_EQ(readFile(out()), [&] {
        const CliResult same = runCli({"edit", file, "-o", dir.file("same.tll").string(), "--list",
                                       "radio", "--select", "1", "--up"});
        EXPECT_EQ(same.exitCode, 0) << same.err;
        return readFile(dir.file("same.tll"));
    }());
}

TEST_F(CliEdit, RenameTakesUtf8AndTheNameOptions)
{
    const CliResult result = runCli({"edit", file, "-o", out(), "--charset", "2", "--prefix",
                                     "--rename", "0", "\xD0\x9C\xD0\xB8\xD1\x80"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // Cyrillic with its prefix byte: 01, then the ISO 8859-5 bytes BC D8 E0 and a zero.
    const std::string saved = readFile(out());
    EXPECT_EQ(saved.substr(8 + 28, 5), std::string("\x01\xBC\xD8\xE0\0", 5));
    EXPECT_EQ(rows("analog").substr(0, 10), "1\t\xD0\x9C\xD0\xB8\xD1\x80 1");
}

} // namespace
} // namespace kx::test
