#include "views/commandstate.h"

#include <filesystem>
#include <system_error>

#include "document/kanalyxdoc.h"
#include "model/channelrec.h"
#include "platform/strings.h"
#include "views/kanalyxview.h"

namespace kx {

namespace {

// The text of a step that counts channels: the one-channel text, or the next id for %1.
TextRef counted(int oneChannel, int count)
{
    return count == 1 ? TextRef{oneChannel, 1} : TextRef{oneChannel + 1, count};
}

} // namespace

TextRef StepName(const StepLabel& label)
{
    const int n = label.count;
    switch (label.kind) {
    case StepKind::MoveUp:
        return counted(ids::kStepMoveUp, n);
    case StepKind::MoveDown:
        return counted(ids::kStepMoveDown, n);
    case StepKind::Duplicate:
        return counted(ids::kStepDuplicate, n);
    case StepKind::Delete:
        return counted(ids::kStepDelete, n);
    case StepKind::Rename:
        return {ids::kStepRename, 0};
    case StepKind::Tick:
        return counted(ids::kStepTick, n);
    case StepKind::Untick:
        return counted(ids::kStepUntick, n);
    case StepKind::ChannelProperties:
        return {ids::kStepChannelProperties, 0};
    case StepKind::Settings:
        return {ids::kStepSettings, 0};
    case StepKind::DataBlock:
        return {ids::kStepDataBlock, 0};
    case StepKind::Import:
        return {ids::kStepImport, 0};
    case StepKind::MoveTo:
    case StepKind::Drag:
        return counted(ids::kStepMove, n);
    case StepKind::Sort:
        return {ids::kStepSort, 0};
    case StepKind::Flags:
        return counted(ids::kStepFlags, n);
    case StepKind::Reference:
        return {ids::kStepReference, 0};
    }
    return {};
}

CommandStates WorkOutCommandStates(const CKanalyxDoc& doc, const CKanalyxView& active,
                                   DialogsGiven dialogs)
{
    CommandStates states;
    const auto set = [&states](CommandId command, bool enabled) {
        states.commands.at(static_cast<std::size_t>(command)).enabled = enabled;
    };
    const bool fileLoaded = doc.OnUpdateFileCommand();
    for (const CommandId command :
         {CommandId::FileSave, CommandId::FileSaveAs, CommandId::FileImport, CommandId::FileExport,
          CommandId::FileApplyReference, CommandId::FileExportReference, CommandId::FileCompare}) {
        set(command, fileLoaded);
    }
    const std::filesystem::path& path = doc.GetPathName();
    set(CommandId::FileRevert, fileLoaded && !path.empty());
    std::error_code error;
    const bool backup = fileLoaded && !path.empty() &&
                        std::filesystem::is_regular_file(CKanalyxDoc::BackupPathOf(path), error);
    set(CommandId::FileOpenBackup, backup);
    const auto why = [&states](CommandId command, int textId) {
        states.commands.at(static_cast<std::size_t>(command)).why = TextRef{textId, 0};
    };
    set(CommandId::MoreSettings, fileLoaded && dialogs.moreSettings && doc.HasSettings());
    set(CommandId::DataBlock, fileLoaded && dialogs.dataBlock && doc.HasSettings());
    set(CommandId::FileExport, fileLoaded && doc.HasRawRecords());
    set(CommandId::UserSettings, dialogs.userSettings);
    if (fileLoaded && !doc.HasSettings()) {
        why(CommandId::MoreSettings, ids::kWhyNoSettings);
        why(CommandId::DataBlock, ids::kWhyNoSettings);
    }
    if (fileLoaded && !doc.HasRawRecords()) {
        why(CommandId::FileExport, ids::kWhyNoExport);
        why(CommandId::ChannelProperties, ids::kWhyNoChannelDialog);
    }
    if (fileLoaded && !backup) {
        why(CommandId::FileOpenBackup, ids::kWhyNoBackup);
    }
    if (fileLoaded && !doc.CanImport()) {
        // Import stays enabled and says why it refuses, when chosen.
        why(CommandId::FileImport, ids::kWhyNoImport);
    }

    const bool selection = active.OnUpdateNeedSelection();
    for (const CommandId command :
         {CommandId::EditUp, CommandId::EditDown, CommandId::EditDelete, CommandId::EditMoveTo,
          CommandId::EditTick, CommandId::EditUntick}) {
        set(command, selection);
    }
    // Where the file keeps each record in its place, a channel cannot be duplicated.
    set(CommandId::EditDuplicate, active.OnUpdateDuplicate());
    if (fileLoaded && doc.KeepsPlaces(active.kind())) {
        why(CommandId::EditDuplicate, ids::kWhyNoDuplicate);
    }
    const ListCtrl& rows = active.GetListCtrl();
    const bool focused = rows.focusedItem() >= 0;
    set(CommandId::EditRename, focused);
    set(CommandId::ChannelProperties, focused && dialogs.channel && doc.HasRawRecords());

    // The flag commands show the flags of the focused (else the first selected) row.
    states.flagsShown = active.ShowsFlags();
    const bool flags = selection && states.flagsShown;
    const int shown = rows.focusedItem() >= 0 && rows.itemState(rows.focusedItem(), lvis::kSelected)
                          ? rows.focusedItem()
                          : (selection ? rows.selectedItems().front() : -1);
    const unsigned current = flags ? rows.itemData(shown)->GetFlags() : 0U;
    const unsigned kept = doc.FlagsKept(active.kind());
    for (const auto& [command, flag] : kFlagCommands) {
        CommandStates::State& state = states.commands.at(static_cast<std::size_t>(command));
        state.enabled = flags && (kept & flag) != 0;
        state.checked = (current & flag) != 0;
        // Favourites 5 to 8 show only where the list keeps them.
        const bool fifthOrLater =
            flag >= (channelflags::kFavourite1 << 4) && flag <= (channelflags::kFavourite1 << 7);
        state.visible = !fifthOrLater || (kept & flag) != 0;
    }

    if (const std::optional<StepLabel> undo = doc.UndoLabel()) {
        states.undoStep = StepName(*undo);
    }
    if (const std::optional<StepLabel> redo = doc.RedoLabel()) {
        states.redoStep = StepName(*redo);
    }
    set(CommandId::EditUndo, states.undoStep.has_value());
    set(CommandId::EditRedo, states.redoStep.has_value());
    return states;
}

} // namespace kx
