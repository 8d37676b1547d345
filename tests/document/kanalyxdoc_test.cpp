#include "document/kanalyxdoc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/channelrec.h"
#include "platform/archive.h"
#include "platform/error.h"
#include "platform/file.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx {
namespace {

using test::RecordBytes;
using test::TempDir;
using test::TllBuilder;

// A variant-2 list: analog 1 and 2, settings "SETTINGS", digital TV 3, radio 4, trailing "T".
std::string smallList(int variant = 2)
{
    return TllBuilder(variant)
        .analog(RecordBytes(variant).numberWord(1).name("A1"))
        .analog(RecordBytes(variant).numberWord(2).name("A2"))
        .settings("SETTINGS")
        .digital(RecordBytes(variant).numberWord(3).name("D3"))
        .digital(RecordBytes(variant).numberWord(16384 + 4).name("R4"))
        .trailing(variant == 2 ? "T" : "")
        .build();
}

std::vector<int> numbers(const CKanalyxDoc& doc, ListKind kind)
{
    std::vector<int> result;
    for (int row = 0; row < doc.ChannelCount(kind); ++row) {
        result.push_back(doc.Channel(kind, row).GetNumber());
    }
    return result;
}

class Watcher : public DocumentObserver
{
public:
    explicit Watcher(CKanalyxDoc& doc) : m_doc(doc) { m_doc.addObserver(this); }
    ~Watcher() override { m_doc.removeObserver(this); }
    Watcher(const Watcher&) = delete;
    Watcher& operator=(const Watcher&) = delete;

    void OnInitialUpdate() override { log += "initial;"; }
    void rowsRemoved(ListKind, std::span<const int> rows) override
    {
        log += "removed " + std::to_string(rows.size()) + ";";
    }
    void rowsInserted(ListKind, std::span<const int> rows) override
    {
        log += "inserted " + std::to_string(rows.size()) + ";";
    }
    void modifiedChanged(bool modified) override { log += modified ? "dirty;" : "clean;"; }
    std::string log;

private:
    CKanalyxDoc& m_doc;
};

// A record whose bytes cannot be written: stands for a disk that fails in the middle of a save.
class UnwritableRec : public CChannelRec
{
public:
    void WriteToArchive(Archive& /*ar*/) const override
    {
        throw Error(ErrorCode::Io, "list.tll: cannot write it (No space left on device)");
    }
};

TEST(CKanalyxDoc, NewDocument_HasNoVariantAndDisablesFileCommands)
{
    CKanalyxDoc doc;
    EXPECT_EQ(doc.GetVariant(), 0);
    EXPECT_FALSE(doc.OnUpdateFileCommand());
    EXPECT_FALSE(doc.IsModified());
    TempDir dir;
    EXPECT_THROW(doc.OnSaveDocument(dir.file("x.tll")), Error);
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.tll")));
}

TEST(CKanalyxDoc, Open_FillsListsClearsFlagAndTellsObservers)
{
    TempDir dir;
    const auto path = dir.write("list.tll", smallList());
    CKanalyxDoc doc;
    doc.SetModifiedFlag(true);
    Watcher watcher(doc);
    doc.OnOpenDocument(path);
    EXPECT_EQ(watcher.log, "initial;clean;");
    EXPECT_EQ(numbers(doc, ListKind::Analog), (std::vector<int>{1, 2}));
    EXPECT_EQ(numbers(doc, ListKind::DigitalTV), (std::vector<int>{3}));
    EXPECT_EQ(numbers(doc, ListKind::Radio), (std::vector<int>{4}));
    EXPECT_EQ(std::string(doc.Settings().begin(), doc.Settings().end()), "SETTINGS");
    EXPECT_TRUE(doc.OnUpdateFileCommand());
    EXPECT_EQ(doc.GetPathName(), path);
}

// A refused file is read and checked in full before anything changes: the open document keeps
// its lists, history, path and modified flag, and Undo still works on it.
TEST(CKanalyxDoc, RefusedFile_LeavesTheOpenDocumentAndItsHistory)
{
    TempDir dir;
    CKanalyxDoc doc;
    const auto good = dir.write("good.tll", smallList());
    doc.OnOpenDocument(good);
    const int first[] = {0};
    doc.Delete(ListKind::Analog, first);
    std::string truncated = smallList();
    truncated.resize(truncated.size() - 10); // ends inside the radio record
    Watcher watcher(doc);
    EXPECT_THROW(doc.OnOpenDocument(dir.write("bad.tll", truncated)), Error);
    EXPECT_EQ(watcher.log, "") << "the views have nothing to show anew";
    EXPECT_EQ(doc.GetVariant(), 2);
    EXPECT_EQ(numbers(doc, ListKind::Analog), (std::vector<int>{1}));
    EXPECT_EQ(doc.GetPathName(), good);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.CanUndo());
    doc.Undo();
    EXPECT_EQ(numbers(doc, ListKind::Analog), (std::vector<int>{1, 2}));
    EXPECT_FALSE(doc.IsModified());
    doc.OnSaveDocument(good);
    EXPECT_EQ(test::readFile(good), smallList());
}

TEST(CKanalyxDoc, UnreadableFile_ChangesNothing)
{
    TempDir dir;
    CKanalyxDoc doc;
    const auto good = dir.write("good.tll", smallList());
    doc.OnOpenDocument(good);
    doc.SetModifiedFlag(true);
    try {
        doc.OnOpenDocument(dir.file("missing.tll"));
        FAIL() << "a missing file must not open";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Io);
        EXPECT_NE(std::string(error.what()).find("missing.tll: cannot open it"), std::string::npos);
    }
    EXPECT_EQ(doc.GetVariant(), 2);
    EXPECT_EQ(doc.ChannelCount(ListKind::Analog), 2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), good);
}

TEST(CKanalyxDoc, Save_WritesTheVariantItWasLoadedIn)
{
    for (const int variant : {1, 2}) {
        SCOPED_TRACE(variant);
        TempDir dir;
        CKanalyxDoc doc;
        doc.OnOpenDocument(dir.write("in.tll", smallList(variant)));
        doc.SetModifiedFlag(true);
        const auto out = dir.file("out.tll");
        doc.OnSaveDocument(out);
        EXPECT_EQ(test::readFile(out), smallList(variant));
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.GetPathName(), out);
    }
}

TEST(CKanalyxDoc, Backup_KeepsTheOpenedFileOnceAndNeverOverwritesOne)
{
    TempDir dir;
    const std::string original = smallList();
    const auto path = dir.write("list.tll", original);
    const auto backup = CKanalyxDoc::BackupPathOf(path);
    CKanalyxDoc doc;
    doc.OnOpenDocument(path);
    doc.OnSaveDocument(dir.file("elsewhere.tll"), true);
    EXPECT_FALSE(std::filesystem::exists(backup)) << "only a save over the opened file keeps one";
    doc.OnOpenDocument(path);
    doc.Delete(ListKind::Analog, std::vector<int>{0});
    doc.OnSaveDocument(path, true);
    EXPECT_EQ(test::readFile(backup), original);
    doc.Delete(ListKind::Analog, std::vector<int>{0});
    doc.OnSaveDocument(path, true);
    EXPECT_EQ(test::readFile(backup), original) << "once per opened file";

    // A backup already there stays as it is; without asking, none is written.
    doc.OnOpenDocument(path);
    doc.OnSaveDocument(path, true);
    EXPECT_EQ(test::readFile(backup), original);
    std::filesystem::remove(backup);
    doc.OnOpenDocument(path);
    doc.OnSaveDocument(path);
    EXPECT_FALSE(std::filesystem::exists(backup));
}

TEST(CKanalyxDoc, Save_DigitalBlockHoldsTelevisionThenRadioWhateverWasDeleted)
{
    TempDir dir;
    CKanalyxDoc doc;
    doc.OnOpenDocument(dir.write("in.tll", smallList()));
    const int first[] = {0};
    doc.Delete(ListKind::DigitalTV, first);
    const auto out = dir.file("out.tll");
    doc.OnSaveDocument(out);
    const std::string expected = TllBuilder(2)
                                     .analog(RecordBytes(2).numberWord(1).name("A1"))
                                     .analog(RecordBytes(2).numberWord(2).name("A2"))
                                     .settings("SETTINGS")
                                     .digital(RecordBytes(2).numberWord(16384 + 4).name("R4"))
                                     .trailing("T")
                                     .build();
    EXPECT_EQ(test::readFile(out), expected);
}

TEST(CKanalyxDoc, FailedSave_LeavesTheFileOnDiskAndTheDocumentAsTheyWere)
{
    TempDir dir;
    CKanalyxDoc doc;
    const auto path = dir.write("list.tll", smallList());
    doc.OnOpenDocument(path);

    // A write that fails half-way through the analog block.
    Archive in(smallList(), "list.tll");
    TllContents contents = ReadTll(in);
    auto& analog = ListOf(contents, ListKind::Analog);
    analog.insert(analog.begin() + 1, std::make_unique<UnwritableRec>());
    doc.SetContents(std::move(contents));
    doc.SetModifiedFlag(true);
    EXPECT_THROW(doc.OnSaveDocument(path), Error);
    EXPECT_EQ(test::readFile(path), smallList());
    EXPECT_TRUE(doc.IsModified());

    // A target that cannot be replaced (a folder) and a folder that does not exist.
    std::filesystem::create_directory(dir.file("folder.tll"));
    std::filesystem::create_directory(dir.file("folder.tll") / "inside");
    EXPECT_THROW(doc.OnSaveDocument(dir.file("folder.tll")), Error);
    EXPECT_THROW(doc.OnSaveDocument(dir.file("nowhere") / "list.tll"), Error);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), path);

    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"folder.tll", "list.tll"}))
        << "no temporary file is left behind";
}

TEST(CKanalyxDoc, Save_KeepsThePermissionsOfTheFileItReplaces)
{
    TempDir dir;
    CKanalyxDoc doc;
    const auto path = dir.write("list.tll", smallList());
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    doc.OnOpenDocument(path);
    doc.OnSaveDocument(path);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_write |
                                                               std::filesystem::perms::group_read);
}

// Another program (here a second document) writes the file a window has open.
TEST(CKanalyxDoc, ChangedOnDisk_WhenAnotherWroteOtherBytesSinceItWasReadOrSaved)
{
    TempDir dir;
    const auto path = dir.write("list.tll", smallList());
    CKanalyxDoc doc;
    doc.OnOpenDocument(path);
    EXPECT_FALSE(doc.ChangedOnDisk());

    // The same bytes again, under a new time: no change.
    dir.write("copy.tll", smallList());
    std::filesystem::rename(dir.file("copy.tll"), path);
    EXPECT_FALSE(doc.ChangedOnDisk());

    // Other bytes of the same length, written into the file itself through its other name.
    std::filesystem::create_hard_link(path, dir.file("link.tll"));
    CKanalyxDoc other;
    other.OnOpenDocument(dir.file("link.tll"));
    other.MoveDown(ListKind::Analog, std::vector<int>{0});
    other.OnSaveDocument(dir.file("link.tll"));
    EXPECT_TRUE(doc.ChangedOnDisk());
    EXPECT_TRUE(doc.WouldOverwriteChanges(path));
    EXPECT_TRUE(doc.WouldOverwriteChanges(dir.file("link.tll"))) << "the same file";
    EXPECT_FALSE(doc.WouldOverwriteChanges(dir.file("elsewhere.tll")));

    doc.OnSaveDocument(path); // the user chose to overwrite them
    EXPECT_FALSE(doc.ChangedOnDisk());
    std::filesystem::remove(path);
    EXPECT_FALSE(doc.ChangedOnDisk()) << "a file that is gone holds no change to lose";
}

TEST(CKanalyxDoc, ModifiedFlag_TellsObserversOnlyOnChange)
{
    CKanalyxDoc doc;
    Watcher watcher(doc);
    doc.SetModifiedFlag(true);
    doc.SetModifiedFlag(true);
    doc.SetModifiedFlag(false);
    doc.SetModifiedFlag(false);
    EXPECT_EQ(watcher.log, "dirty;clean;");
}

class Import : public ::testing::Test
{
protected:
    void SetUp() override { doc.OnOpenDocument(dir.write("mine.tll", smallList())); }

    // Another variant-2 list: analog 11, digital TV 13 and 14, radio 15.
    std::filesystem::path other()
    {
        return dir.write("other.tll", TllBuilder(2)
                                          .analog(RecordBytes(2).numberWord(11))
                                          .settings("OTHER SETTINGS")
                                          .digital(RecordBytes(2).numberWord(13))
                                          .digital(RecordBytes(2).numberWord(16384 + 15))
                                          .digital(RecordBytes(2).numberWord(14))
                                          .trailing("XYZ")
                                          .build());
    }

    void expectUnchanged()
    {
        EXPECT_EQ(numbers(doc, ListKind::Analog), (std::vector<int>{1, 2}));
        EXPECT_EQ(numbers(doc, ListKind::DigitalTV), (std::vector<int>{3}));
        EXPECT_EQ(numbers(doc, ListKind::Radio), (std::vector<int>{4}));
        EXPECT_FALSE(doc.IsModified());
    }

    TempDir dir;
    CKanalyxDoc doc;
};

TEST_F(Import, OnlyDigitalTV_ReplacesThatListAndDropsTheOtherRadio)
{
    Watcher watcher(doc);
    doc.OnFileImport(other(), {.tv = false, .fm = false, .dtv = true});
    EXPECT_EQ(numbers(doc, ListKind::DigitalTV), (std::vector<int>{13, 14}));
    EXPECT_EQ(numbers(doc, ListKind::Analog), (std::vector<int>{1, 2}));
    EXPECT_EQ(numbers(doc, ListKind::Radio), (std::vector<int>{4}));
    EXPECT_EQ(std::string(doc.Settings().begin(), doc.Settings().end()), "SETTINGS");
    EXPECT_EQ(std::string(doc.Trailing().begin(), doc.Trailing().end()), "T");
    EXPECT_EQ(watcher.log, "removed 1;inserted 2;dirty;");
}

TEST_F(Import, AllLists_TakesEveryListAsTheOtherFileHasIt)
{
    doc.OnFileImport(other(), {});
    EXPECT_EQ(numbers(doc, ListKind::Analog), (std::vector<int>{11}));
    EXPECT_EQ(numbers(doc, ListKind::DigitalTV), (std::vector<int>{13, 14}));
    EXPECT_EQ(numbers(doc, ListKind::Radio), (std::vector<int>{15}));
    EXPECT_EQ(doc.GetVariant(), 2);
}

TEST_F(Import, EmptyListInTheOtherFile_EmptiesTheChosenList)
{
    doc.OnFileImport(dir.write("empty.tll", TllBuilder(2).build()),
                     {.tv = true, .fm = false, .dtv = false});
    EXPECT_EQ(doc.ChannelCount(ListKind::Analog), 0);
    EXPECT_EQ(doc.ChannelCount(ListKind::Radio), 1);
    EXPECT_TRUE(doc.IsModified()) << "an emptied list must not be lost without a question";
}

TEST_F(Import, OtherVariantOrDamagedFile_ChangesNothing)
{
    try {
        doc.OnFileImport(dir.write("v1.tll", smallList(1)), {});
        FAIL() << "a list of the other variant must not be imported";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Unsupported);
        EXPECT_NE(std::string(error.what()).find("only a list of the same kind"), std::string::npos)
            << error.what();
    }
    expectUnchanged();

    std::string damaged = TllBuilder(2)
                              .analog(RecordBytes(2).numberWord(11))
                              .settings("S")
                              .digital(RecordBytes(2).numberWord(13))
                              .build();
    damaged.resize(damaged.size() - 3); // the trailing block size is cut short
    EXPECT_THROW(doc.OnFileImport(dir.write("damaged.tll", damaged), {}), Error);
    expectUnchanged();
    EXPECT_THROW(doc.OnFileImport(dir.file("missing.tll"), {}), Error);
    expectUnchanged();
}

TEST(CKanalyxDoc, Import_WithoutAnOpenListIsRefused)
{
    TempDir dir;
    CKanalyxDoc doc;
    EXPECT_THROW(doc.OnFileImport(dir.write("o.tll", smallList()), {}), Error);
    EXPECT_EQ(doc.ChannelCount(ListKind::Analog), 0);
}

TEST(CKanalyxDoc, Export_WritesAnalogThenRadioThenDigitalTVAsHexLines)
{
    TempDir dir;
    CKanalyxDoc doc;
    // Two analog, one radio and three digital TV records, told apart by their first byte.
    doc.OnOpenDocument(
        dir.write("v1.tll", TllBuilder(1)
                                .analog(RecordBytes(1).u8(0, 0xA1))
                                .analog(RecordBytes(1).u8(0, 0xA2))
                                .digital(RecordBytes(1).u8(0, 0xD1))
                                .digital(RecordBytes(1).u8(0, 0xD2))
                                .digital(RecordBytes(1).u8(0, 0xF1).numberWord(16384 + 1))
                                .digital(RecordBytes(1).u8(0, 0xD3))
                                .build()));
    const auto out = dir.file("export.xls");
    doc.WriteExport(out);
    const std::string text = test::readFile(out);
    ASSERT_EQ(text.size(), 6u * 494u);
    std::string firstCells;
    for (std::size_t line = 0; line < 6; ++line) {
        const std::string row = text.substr(line * 494, 494);
        firstCells += row.substr(0, 3);
        EXPECT_EQ(row.substr(489), "00\t\r\n");
    }
    EXPECT_EQ(firstCells, "A1\tA2\tF1\tD1\tD2\tD3\t");
    // The number word (bytes 10 and 11) of the radio record on the third line: 01 40.
    EXPECT_EQ(text.substr(2 * 494 + 30, 6), "01\t40\t");
}

TEST(CKanalyxDoc, Export_ZeroRecordAndEmptyLists)
{
    TempDir dir;
    CKanalyxDoc doc;
    doc.OnOpenDocument(dir.write("empty.tll", TllBuilder(2).build()));
    doc.WriteExport(dir.file("empty.xls"));
    EXPECT_EQ(test::readFile(dir.file("empty.xls")), "");

    doc.OnOpenDocument(dir.write("one.tll", TllBuilder(2).analog(RecordBytes(2)).build()));
    std::string zeroLine;
    for (int i = 0; i < 176; ++i) {
        zeroLine += "00\t";
    }
    zeroLine += "\r\n";
    EXPECT_EQ(doc.OnFileExport(dir.file("one")), dir.file("one.xls"));
    EXPECT_EQ(test::readFile(dir.file("one.xls")), zeroLine);
}

TEST(CKanalyxDoc, ExportPathFor_AppendsTheExtensionOnlyWhenMissing)
{
    EXPECT_EQ(CKanalyxDoc::ExportPathFor("/tmp/list"), "/tmp/list.xls");
    EXPECT_EQ(CKanalyxDoc::ExportPathFor("/tmp/list.xls"), "/tmp/list.xls");
    EXPECT_EQ(CKanalyxDoc::ExportPathFor("/tmp/LIST.XlS"), "/tmp/LIST.XlS");
    EXPECT_EQ(CKanalyxDoc::ExportPathFor("/tmp/list.xlsx"), "/tmp/list.xlsx.xls");
    EXPECT_EQ(CKanalyxDoc::ExportPathFor("/tmp/xls"), "/tmp/xls.xls");
    EXPECT_EQ(CKanalyxDoc::ExportPathFor("/tmp/a.xls.d/list"), "/tmp/a.xls.d/list.xls");
}

} // namespace
} // namespace kx
