#include "views/commandstate.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "document/kanalyxdoc.h"
#include "model/namecodec.h"
#include "platform/strings.h"
#include "support/tempdir.h"
#include "support/tllbuilder.h"
#include "views/documentviews.h"

namespace kx {
namespace {

using test::RecordBytes;
using test::TllBuilder;

// The English name of a step as the Edit menu shows it.
std::string shown(const TextRef& text)
{
    std::string name = Strings::text(text.id);
    const std::size_t mark = name.find("%1");
    if (mark != std::string::npos) {
        name.replace(mark, 2, std::to_string(text.count));
    }
    return name;
}

TEST(StepName, NamesEveryKindForOneAndForSeveralChannels)
{
    const struct
    {
        StepKind kind;
        const char* one;
        const char* three;
    } cases[] = {
        {StepKind::MoveUp, "Move 1 channel up", "Move 3 channels up"},
        {StepKind::MoveDown, "Move 1 channel down", "Move 3 channels down"},
        {StepKind::Duplicate, "Duplicate 1 channel", "Duplicate 3 channels"},
        {StepKind::Delete, "Delete 1 channel", "Delete 3 channels"},
        {StepKind::Rename, "Rename channel", "Rename channel"},
        {StepKind::Tick, "Tick 1 channel", "Tick 3 channels"},
        {StepKind::Untick, "Untick 1 channel", "Untick 3 channels"},
        {StepKind::ChannelProperties, "Channel properties", "Channel properties"},
        {StepKind::Settings, "More Settings", "More Settings"},
        {StepKind::DataBlock, "Data Block", "Data Block"},
        {StepKind::Import, "Import", "Import"},
        {StepKind::MoveTo, "Move 1 channel", "Move 3 channels"},
        {StepKind::Drag, "Move 1 channel", "Move 3 channels"},
        {StepKind::Sort, "Sort", "Sort"},
        {StepKind::Flags, "Set the flags of 1 channel", "Set the flags of 3 channels"},
        {StepKind::Reference, "Apply reference list", "Apply reference list"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shown(StepName({c.kind, 1})), c.one);
        EXPECT_EQ(shown(StepName({c.kind, 3})), c.three);
    }
}

class CommandStatesTest : public ::testing::Test
{
protected:
    void open(const std::string& bytes, const char* name = "list.tll")
    {
        doc.OnOpenDocument(dir.write(name, bytes));
    }
    CommandStates states(ListKind active, DialogsGiven dialogs = {true, true, true, true})
    {
        return WorkOutCommandStates(doc, views.view(active), dialogs);
    }
    static void select(CKanalyxView& view, int row) { view.SelectRows({{row}, row}); }

    test::TempDir dir;
    CodecSettings codec;
    CKanalyxDoc doc;
    DocumentViews views{doc, codec};
};

TEST_F(CommandStatesTest, WithoutAFile_OnlyWhatNeedsNoFileIsEnabled)
{
    const CommandStates now = states(ListKind::Analog);
    for (const CommandId command :
         {CommandId::FileSave, CommandId::FileSaveAs, CommandId::FileImport, CommandId::FileExport,
          CommandId::MoreSettings, CommandId::DataBlock, CommandId::EditUp, CommandId::EditDelete,
          CommandId::EditDuplicate, CommandId::EditRename, CommandId::EditUndo, CommandId::EditRedo,
          CommandId::FlagLock, CommandId::FileApplyReference, CommandId::FileExportReference,
          CommandId::FileCompare, CommandId::FileRevert, CommandId::FileOpenBackup}) {
        EXPECT_FALSE(now[command].enabled) << static_cast<int>(command);
    }
    for (const CommandId command :
         {CommandId::FileOpen, CommandId::FileExit, CommandId::UserSettings, CommandId::EditFind,
          CommandId::FileKeepBackup}) {
        EXPECT_TRUE(now[command].enabled) << static_cast<int>(command);
    }
    EXPECT_FALSE(now.flagsShown);
    EXPECT_FALSE(now[CommandId::FileOpenBackup].why.has_value()) << "no file, nothing to explain";
}

TEST_F(CommandStatesTest, OpenBackup_OnlyWhileTheBackupIsThere_ElseSaysWhy)
{
    const std::string bytes =
        TllBuilder(2).analog(RecordBytes(2).numberWord(1).name("A")).trailing("T").build();
    open(bytes);
    const CommandStates before = states(ListKind::Analog);
    for (const CommandId command : {CommandId::FileApplyReference, CommandId::FileExportReference,
                                    CommandId::FileCompare, CommandId::FileRevert}) {
        EXPECT_TRUE(before[command].enabled) << static_cast<int>(command);
    }
    EXPECT_FALSE(before[CommandId::FileOpenBackup].enabled);
    ASSERT_TRUE(before[CommandId::FileOpenBackup].why.has_value());
    EXPECT_EQ(before[CommandId::FileOpenBackup].why->id, ids::kWhyNoBackup);

    doc.OnSaveDocument(doc.GetPathName(), true);
    const CommandStates after = states(ListKind::Analog);
    EXPECT_TRUE(after[CommandId::FileOpenBackup].enabled);
    EXPECT_FALSE(after[CommandId::FileOpenBackup].why.has_value());

    // A folder of that name is no backup.
    std::filesystem::remove(CKanalyxDoc::BackupPathOf(doc.GetPathName()));
    std::filesystem::create_directory(CKanalyxDoc::BackupPathOf(doc.GetPathName()));
    EXPECT_FALSE(states(ListKind::Analog)[CommandId::FileOpenBackup].enabled);
}

TEST_F(CommandStatesTest, Selection_EnablesTheListCommands_MissingDialogsStayOff)
{
    open(TllBuilder(2)
             .analog(RecordBytes(2).numberWord(1).name("A"))
             .analog(RecordBytes(2).numberWord(2).name("B"))
             .trailing("T")
             .build());
    select(views.view(ListKind::Analog), 1);
    const CommandStates given = states(ListKind::Analog);
    for (const CommandId command :
         {CommandId::EditUp, CommandId::EditDown, CommandId::EditDelete, CommandId::EditMoveTo,
          CommandId::EditTick, CommandId::EditDuplicate, CommandId::EditRename,
          CommandId::ChannelProperties, CommandId::MoreSettings, CommandId::DataBlock}) {
        EXPECT_TRUE(given[command].enabled) << static_cast<int>(command);
    }
    const CommandStates missing = states(ListKind::Analog, {});
    for (const CommandId command : {CommandId::ChannelProperties, CommandId::MoreSettings,
                                    CommandId::DataBlock, CommandId::UserSettings}) {
        EXPECT_FALSE(missing[command].enabled) << static_cast<int>(command);
    }
    EXPECT_FALSE(states(ListKind::Radio)[CommandId::EditUp].enabled) << "nothing selected there";

    views.view(ListKind::Analog).OnDeleteRows();
    const CommandStates after = states(ListKind::Analog);
    ASSERT_TRUE(after.undoStep.has_value());
    EXPECT_EQ(shown(*after.undoStep), "Delete 1 channel");
    EXPECT_FALSE(after.redoStep.has_value());
    doc.Undo();
    const CommandStates undone = states(ListKind::Analog);
    EXPECT_FALSE(undone[CommandId::EditUndo].enabled);
    ASSERT_TRUE(undone.redoStep.has_value());
    EXPECT_EQ(shown(*undone.redoStep), "Delete 1 channel");
}

TEST_F(CommandStatesTest, KeptPlaces_NoDuplicate_FlagsOfTheFocusedRowChecked)
{
    open(test::newerList(true), "xxLM620S-ZE00001.TLL");
    CKanalyxView& satellite = views.view(ListKind::SatTV);
    ASSERT_GE(satellite.GetListCtrl().itemCount(), 2);
    satellite.SetRowFlags(1, channelflags::kLock | channelflags::kFavourite1);
    select(satellite, 1);
    const CommandStates now = states(ListKind::SatTV);
    EXPECT_TRUE(now.flagsShown);
    EXPECT_FALSE(now[CommandId::EditDuplicate].enabled);
    EXPECT_TRUE(now[CommandId::FlagLock].enabled);
    EXPECT_TRUE(now[CommandId::FlagLock].checked);
    EXPECT_TRUE(now[CommandId::Favourite1].checked);
    EXPECT_FALSE(now[CommandId::FlagSkip].checked);
    EXPECT_FALSE(now[CommandId::Favourite2].checked);
}

} // namespace
} // namespace kx
