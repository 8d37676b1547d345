#pragma once

#include <array>
#include <optional>
#include <utility>

#include "document/history.h"
#include "model/channelflags.h"

namespace kx {

class CKanalyxDoc;
class CKanalyxView;

// The commands of the editor's window: its menus, toolbar and keys.
enum class CommandId
{
    FileOpen,
    FileSave,
    FileSaveAs,
    FileImport,
    FileExport,
    FileExit,
    EditUndo,
    EditRedo,
    EditUp,
    EditDown,
    EditDuplicate,
    EditDelete,
    MoreSettings,
    UserSettings,
    DataBlock,
    ViewToolbar,
    ViewStatusBar,
    LanguageEnglish,
    LanguageRussian,
    LanguageGerman,
    AppAbout,
    NextPane,
    PrevPane,
    EditMoveTo,
    EditFind,
    EditTick,
    EditUntick,
    EditRename,
    ChannelProperties,
    HelpManual,
    Favourite1,
    Favourite2,
    Favourite3,
    Favourite4,
    FlagLock,
    FlagSkip,
    FlagHide,
    Favourite5,
    Favourite6,
    Favourite7,
    Favourite8,
    FileApplyReference,
    FileExportReference,
    FileCompare,
    FileRevert,
    FileOpenBackup,
    // Whether the first save over the opened file keeps it as NAME.bak (a preference).
    FileKeepBackup,
};
inline constexpr int kCommandCount = static_cast<int>(CommandId::FileKeepBackup) + 1;

// The flag commands with the flag each sets or clears.
inline constexpr std::pair<CommandId, unsigned> kFlagCommands[] = {
    {CommandId::Favourite1, channelflags::kFavourite1},
    {CommandId::Favourite2, channelflags::kFavourite1 << 1},
    {CommandId::Favourite3, channelflags::kFavourite1 << 2},
    {CommandId::Favourite4, channelflags::kFavourite1 << 3},
    {CommandId::Favourite5, channelflags::kFavourite1 << 4},
    {CommandId::Favourite6, channelflags::kFavourite1 << 5},
    {CommandId::Favourite7, channelflags::kFavourite1 << 6},
    {CommandId::Favourite8, channelflags::kFavourite1 << 7},
    {CommandId::FlagLock, channelflags::kLock},
    {CommandId::FlagSkip, channelflags::kSkip},
    {CommandId::FlagHide, channelflags::kHide},
};

// A text the core hands to the widgets to show: the id of an English text of the core's table
// (platform/strings.h), which the widgets translate, and the number that stands for %1 in it.
struct TextRef
{
    int id = 0;
    int count = 0;

    bool operator==(const TextRef&) const = default;
};

// The name of a step of the history as the Edit menu gives it after "Undo" and "Redo" ("Delete
// 3 channels").
TextRef StepName(const StepLabel& label);

// Which of the window's dialogs were supplied; a command whose dialog is missing stays disabled.
struct DialogsGiven
{
    bool moreSettings = false;
    bool dataBlock = false;
    bool userSettings = false;
    bool channel = false;
};

// What the commands may do now, by the rules of the document and of the list that commands act
// on; the window enables, checks and names its actions from it.
struct CommandStates
{
    struct State
    {
        bool enabled = true;
        bool checked = false;
        // Whether the menus show it (favourites 5 to 8 only for lists that keep them).
        bool visible = true;
        // Why it is disabled, where the open file's format is the reason.
        std::optional<TextRef> why;
    };
    std::array<State, kCommandCount> commands{};
    // The Flags menu shows only for lists with favourites and flags.
    bool flagsShown = false;
    // The steps Undo and Redo would take back or do again.
    std::optional<TextRef> undoStep;
    std::optional<TextRef> redoStep;

    const State& operator[](CommandId command) const
    {
        return commands.at(static_cast<std::size_t>(command));
    }
};

// The states of every command that depends on the document or the active list; the others
// (Open, Exit, the view and language commands, the backup preference) stay enabled and
// unchecked. Open Backup looks on the disk for the open file's backup.
CommandStates WorkOutCommandStates(const CKanalyxDoc& doc, const CKanalyxView& active,
                                   DialogsGiven dialogs);

} // namespace kx
