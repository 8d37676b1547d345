#include "document/history.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "document/kanalyxdoc.h"
#include "model/channelflags.h"
#include "model/channelrec.h"
#include "model/namecodec.h"
#include "platform/archive.h"
#include "platform/error.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"

namespace kx {
namespace {

using test::RecordBytes;
using test::TllBuilder;

// Analog numbers with gaps, so that renumbering after a command changes bytes of records it did
// not move; two digital TV and two radio channels; an unticked analog channel.
std::string editableList()
{
    return TllBuilder(2)
        .analog(RecordBytes(2).numberWord(1).name("A1"))
        .analog(RecordBytes(2).numberWord(2).name("A2").unchecked(true))
        .analog(RecordBytes(2).numberWord(5).name("A5"))
        .analog(RecordBytes(2).numberWord(7).name("A7"))
        .analog(RecordBytes(2).numberWord(9).name("\x15\xD0\x96"))
        .settings("SETTINGS-0123456789")
        .digital(RecordBytes(2).numberWord(3).name("D3"))
        .digital(RecordBytes(2).numberWord(16384 + 1).name("R1"))
        .digital(RecordBytes(2).numberWord(4).name("D4"))
        .digital(RecordBytes(2).numberWord(16384 + 2).name("R2"))
        .trailing("T")
        .build();
}

struct Command
{
    const char* name;
    StepKind kind;
    std::function<void(CKanalyxDoc&, const test::TempDir& dir)> run;
    // The file the command runs on.
    std::string (*file)() = editableList;
};

// A list whose records keep their places, with satellite channels.
std::string newerWithSatellite()
{
    return test::newerList(true);
}

void PrintTo(const Command& command, std::ostream* os)
{
    *os << command.name;
}

std::vector<int> rows(std::initializer_list<int> list)
{
    return list;
}

CodecSettings cyrillicWithPrefix()
{
    CodecSettings codec;
    codec.characterTable = 2;
    codec.prefix = true;
    return codec;
}

const Command kCommands[] = {
    {"UpBlock", StepKind::MoveUp,
     [](CKanalyxDoc& doc, const auto&) {
         doc.MoveUp(ListKind::Analog, rows({2, 3}));
     }},
    {"UpScattered", StepKind::MoveUp,
     [](CKanalyxDoc& doc, const auto&) {
         doc.MoveUp(ListKind::Analog, rows({1, 3, 4}));
     }},
    {"DownRadio", StepKind::MoveDown,
     [](CKanalyxDoc& doc, const auto&) { doc.MoveDown(ListKind::Radio, rows({0})); }},
    {"Duplicate", StepKind::Duplicate,
     [](CKanalyxDoc& doc, const auto&) {
         doc.Duplicate(ListKind::Analog, rows({0, 2, 4}));
     }},
    {"MoveToTheTop", StepKind::MoveTo,
     [](CKanalyxDoc& doc, const auto&) {
         doc.MoveRowsTo(ListKind::Analog, rows({2, 4}), 0, StepKind::MoveTo);
     }},
    {"DragBeyondTheEnd", StepKind::Drag,
     [](CKanalyxDoc& doc, const auto&) {
         doc.MoveRowsTo(ListKind::Analog, rows({0, 1}), 99, StepKind::Drag);
     }},
    {"Sort", StepKind::Sort,
     [](CKanalyxDoc& doc, const auto&) {
         doc.SortRows(ListKind::Analog, rows({4, 3, 2, 1, 0}));
     }},
    {"DeleteSome", StepKind::Delete,
     [](CKanalyxDoc& doc, const auto&) {
         doc.Delete(ListKind::Analog, rows({0, 2, 3}));
     }},
    {"DeleteAll", StepKind::Delete,
     [](CKanalyxDoc& doc, const auto&) {
         doc.Delete(ListKind::DigitalTV, rows({0, 1}));
     }},
    {"RenameUnderAnotherTable", StepKind::Rename,
     [](CKanalyxDoc& doc, const auto&) {
         doc.Rename(ListKind::Analog, 4, "Мир", cyrillicWithPrefix());
     }},
    {"Tick", StepKind::Tick,
     [](CKanalyxDoc& doc, const auto&) {
         doc.SetChecked(ListKind::Analog, rows({0, 1, 2}), true);
     }},
    {"Untick", StepKind::Untick,
     [](CKanalyxDoc& doc, const auto&) {
         doc.SetChecked(ListKind::Analog, rows({0, 1}), false);
     }},
    {"ChannelProperties", StepKind::ChannelProperties,
     [](CKanalyxDoc& doc, const auto&) {
         std::vector<std::uint8_t> bytes(doc.Channel(ListKind::Radio, 1).raw().begin(),
                                         doc.Channel(ListKind::Radio, 1).raw().end());
         bytes[0] = 0x42;
         bytes[175] = 0x24;
         doc.SetChannelBytes(ListKind::Radio, 1, bytes);
     }},
    {"Settings", StepKind::Settings,
     [](CKanalyxDoc& doc, const auto&) {
         std::string settings = "settings-0123456789";
         doc.SetSettings({reinterpret_cast<const std::uint8_t*>(settings.data()), settings.size()},
                         StepKind::Settings);
     }},
    {"Import", StepKind::Import,
     [](CKanalyxDoc& doc, const test::TempDir& dir) {
         const auto other =
             dir.write("other.tll", TllBuilder(2)
                                        .analog(RecordBytes(2).numberWord(11))
                                        .settings("OTHER")
                                        .digital(RecordBytes(2).numberWord(16384 + 15))
                                        .build());
         doc.OnFileImport(other, {.tv = true, .fm = true, .dtv = false});
     }},
    // Lists whose records keep their places: numbers move, deleted records stay marked.
    {"KeepPlacesUp", StepKind::MoveUp,
     [](CKanalyxDoc& doc, const auto&) { doc.MoveUp(ListKind::Analog, rows({1})); },
     newerWithSatellite},
    {"KeepPlacesDelete", StepKind::Delete,
     [](CKanalyxDoc& doc, const auto&) { doc.Delete(ListKind::Radio, rows({0})); },
     newerWithSatellite},
    {"SatelliteDown", StepKind::MoveDown,
     [](CKanalyxDoc& doc, const auto&) { doc.MoveDown(ListKind::SatTV, rows({0})); },
     newerWithSatellite},
    {"SatelliteDelete", StepKind::Delete,
     [](CKanalyxDoc& doc, const auto&) {
         doc.Delete(ListKind::SatTV, rows({0, 1}));
     },
     newerWithSatellite},
    {"Flags", StepKind::Flags,
     [](CKanalyxDoc& doc, const auto&) {
         doc.SetFlags(ListKind::SatTV, rows({0, 1}), channelflags::kLock,
                      channelflags::kLock | channelflags::kHide | channelflags::kFavourite1);
     },
     newerWithSatellite},
    {"SatelliteImport", StepKind::Import,
     [](CKanalyxDoc& doc, const test::TempDir& dir) {
         const auto other = dir.write(
             "other.tll",
             TllBuilder(3)
                 .digital(RecordBytes(3).numberWord(7).name("Seven"))
                 .satellite(test::SatelliteBlockBytes().channel(0x4000 + 5, "Five").build())
                 .trailing(std::string(8, '\0'))
                 .build());
         doc.OnFileImport(other, {.tv = false, .fm = true, .dtv = true, .sat = true});
     },
     newerWithSatellite},
};

class HistoryCommands : public ::testing::TestWithParam<Command>
{
protected:
    void SetUp() override
    {
        const auto* command =
            ::testing::UnitTest::GetInstance()->current_test_info()->value_param();
        m_doc.OnOpenDocument(
            m_dir.write("list.tll", command != nullptr ? GetParam().file() : editableList()));
    }

    test::TempDir m_dir;
    CKanalyxDoc m_doc;
};

// Every command: one step that changes the file; Undo gives back exactly the bytes and order
// before it, Redo exactly those after it, as often as asked.
TEST_P(HistoryCommands, UndoAndRedo_RestoreTheExactBytes)
{
    const std::string before = test::documentBytes(m_doc);
    GetParam().run(m_doc, m_dir);
    const std::string after = test::documentBytes(m_doc);
    ASSERT_NE(after, before);
    ASSERT_TRUE(m_doc.CanUndo());
    EXPECT_EQ(m_doc.UndoLabel()->kind, GetParam().kind);
    EXPECT_TRUE(m_doc.IsModified());
    for (int round = 0; round < 2; ++round) {
        m_doc.Undo();
        EXPECT_EQ(test::documentBytes(m_doc), before) << "round " << round;
        EXPECT_FALSE(m_doc.IsModified()) << "back at the state on disk";
        EXPECT_FALSE(m_doc.CanUndo());
        m_doc.Redo();
        EXPECT_EQ(test::documentBytes(m_doc), after) << "round " << round;
        EXPECT_TRUE(m_doc.IsModified());
        EXPECT_FALSE(m_doc.CanRedo());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, HistoryCommands, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

class History : public HistoryCommands
{};

TEST_F(History, CommandsThatChangeNothing_AddNoStep)
{
    EXPECT_TRUE(m_doc.MoveUp(ListKind::Analog, rows({0, 1})).rows.empty());
    EXPECT_TRUE(m_doc.MoveDown(ListKind::Analog, rows({4})).rows.empty());
    m_doc.SetChecked(ListKind::Analog, rows({0}), true);
    m_doc.Delete(ListKind::Analog, {});
    m_doc.SetSettings(m_doc.Settings(), StepKind::DataBlock);
    EXPECT_FALSE(m_doc.CanUndo());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(History, RefusedRename_ChangesNothingAndAddsNoStep)
{
    const std::string before = test::documentBytes(m_doc);
    CodecSettings latin; // "User" under code page 1252
    EXPECT_THROW(m_doc.Rename(ListKind::Analog, 4, "Первый HD", latin), Error);
    EXPECT_EQ(test::documentBytes(m_doc), before);
    EXPECT_FALSE(m_doc.CanUndo());
}

TEST_F(History, ModifiedFlag_FollowsTheSavedState)
{
    m_doc.MoveDown(ListKind::Analog, rows({0}));
    m_doc.OnSaveDocument(m_dir.file("saved.tll"));
    m_doc.MoveDown(ListKind::Analog, rows({1}));
    EXPECT_TRUE(m_doc.IsModified());
    m_doc.Undo();
    EXPECT_FALSE(m_doc.IsModified());
    m_doc.Undo();
    EXPECT_TRUE(m_doc.IsModified()) << "before the saved state";
    m_doc.Redo();
    EXPECT_FALSE(m_doc.IsModified());

    // A new step after an undo drops the steps that were undone.
    m_doc.Undo();
    m_doc.Delete(ListKind::Analog, rows({4}));
    EXPECT_FALSE(m_doc.CanRedo());
    EXPECT_EQ(m_doc.history().stepCount(), 1u);
    m_doc.Undo();
    EXPECT_TRUE(m_doc.IsModified()) << "the saved state was dropped with the redo steps";
}

TEST_F(History, UndoRedo_ReportTheRowsTheStepTouched)
{
    m_doc.Delete(ListKind::Analog, rows({1, 3}));
    const auto undone = m_doc.Undo();
    ASSERT_TRUE(undone.first);
    EXPECT_EQ(*undone.first, ListKind::Analog);
    EXPECT_EQ(undone.second.rows, rows({1, 3}));
    const auto redone = m_doc.Redo();
    EXPECT_EQ(redone.second.rows, rows({1})) << "the row that took the first one's place";
    m_doc.SetSettings(m_doc.Settings(), StepKind::Settings);
    std::string settings(m_doc.Settings().begin(), m_doc.Settings().end());
    settings[0] = 'x';
    m_doc.SetSettings({reinterpret_cast<const std::uint8_t*>(settings.data()), settings.size()},
                      StepKind::DataBlock);
    EXPECT_FALSE(m_doc.Undo().first) << "a settings step belongs to no list";
}

TEST_F(History, LongHistory_KeepsTheNewestStepsOnly)
{
    for (std::size_t i = 0; i < kx::History::kMaxSteps + 5; ++i) {
        m_doc.SetChecked(ListKind::Analog, rows({0}), i % 2 == 1);
    }
    EXPECT_EQ(m_doc.history().stepCount(), kx::History::kMaxSteps);
    EXPECT_GE(m_doc.history().stepCount(), kx::History::kMinSteps);
    while (m_doc.CanUndo()) {
        m_doc.Undo();
    }
    EXPECT_TRUE(m_doc.IsModified()) << "the opened state is no longer in the history";
}

// Where records keep their places, a move changes only the number fields and a deletion marks
// the record where it stands, as the receiver does.
TEST(KeepPlaces, MoveAndDelete_ChangeOnlyNumbersAndTheDeletionMark)
{
    const std::string file = test::newerList(false);
    CKanalyxDoc doc;
    Archive in(file, "list.tll");
    doc.Serialize(in);
    // Analog records at 12 and 12 + 192; digital after them, the settings and hospitality.
    const std::size_t analog = 12;
    const std::size_t digital = analog + 2 * 192 + 4 + 16 + 4 + 8 + 8;

    doc.MoveUp(ListKind::Analog, rows({1})); // "Two", row 1 in programme order, to the top
    std::string expected = file;
    for (const auto& [record, number] : {std::pair{analog, 1}, std::pair{analog + 192, 2}}) {
        expected.replace(record + 12, 2, test::u32le(number).substr(0, 2));
        expected.replace(record + 128, 2, test::u32le(number).substr(0, 2));
    }
    EXPECT_TRUE(test::documentBytes(doc) == expected);

    doc.Delete(ListKind::Radio, rows({0}));
    EXPECT_EQ(doc.ChannelCount(ListKind::Radio), 0);
    expected[digital + 134] = 0x43; // 0x42 marks the channel deleted
    expected.replace(digital + 12, 2, std::string("\x00\x40", 2));
    expected.replace(digital + 128, 2, std::string("\x00\x40", 2));
    EXPECT_TRUE(test::documentBytes(doc) == expected);

    try {
        doc.Duplicate(ListKind::DigitalTV, rows({0}));
        ADD_FAILURE() << "a record that keeps its place was duplicated";
    } catch (const Error& error) {
        EXPECT_EQ(error.code(), ErrorCode::Usage);
    }
    EXPECT_TRUE(test::documentBytes(doc) == expected);

    // An import brings the other file's deleted records along, after the places in use.
    test::TempDir dir;
    const auto other = dir.write("other.tll", TllBuilder(3)
                                                  .digital(RecordBytes(3).numberWord(5).name("V"))
                                                  .digital(RecordBytes(3).u8(134, 0x43))
                                                  .trailing(std::string(8, '\0'))
                                                  .build());
    doc.OnFileImport(other, {.tv = false, .fm = false, .dtv = true});
    EXPECT_EQ(doc.ChannelCount(ListKind::DigitalTV), 1);
    EXPECT_EQ(doc.DeletedCount(ListKind::DigitalTV), 1);
    const std::string imported = test::documentBytes(doc);
    EXPECT_EQ(imported.size(), expected.size() + 192) << "our deleted radio record stays";
    EXPECT_EQ(static_cast<unsigned char>(imported[digital + 2 * 192 + 134]), 0x43u)
        << "their deleted record comes last";
}

TEST(BytePatches, KeepOnlyTheRunsThatDiffer)
{
    const std::vector<std::uint8_t> before(100, 0);
    std::vector<std::uint8_t> after = before;
    after[3] = 1;
    after[5] = 2; // joins the run of byte 3
    after[60] = 3;
    after[99] = 4; // past the last whole word of eight bytes
    BytePatches patches;
    patches.add(7, before, after);
    patches.add(8, before, before);
    EXPECT_EQ(patches.targets(), rows({7}));
    EXPECT_LT(patches.memoryBytes(), 100u);
    std::vector<std::uint8_t> bytes = before;
    patches.apply(true, [&](int) { return std::span<std::uint8_t>(bytes); });
    EXPECT_EQ(bytes, after);
    patches.apply(false, [&](int) { return std::span<std::uint8_t>(bytes); });
    EXPECT_EQ(bytes, before);
}

} // namespace
} // namespace kx
