#include <iostream>
#include <optional>
#include <string>

#include "commands.h"
#include "dialogs/countrypagemodel.h"
#include "dialogs/morepagemodel.h"
#include "document/descriptionfile.h"
#include "document/kanalyxdoc.h"
#include "platform/error.h"
#include "platform/programfolder.h"
#include "platform/sidefiles.h"

namespace kx::cli {

namespace {

std::vector<OptionSpec> options()
{
    return {{"--descriptions", 1}, {"--set", 1}, {"-o", 1}, {"--output", 1}, kBackupSpec};
}

// The rows of the More page: from the file the user named (which must then exist), or from the
// variant's file, the user's copy or else the program's, which may be missing as it may for the
// editor.
void loadRows(MorePageModel& more, const Args& args)
{
    if (const std::string* path = args.value("--descriptions")) {
        if (!std::filesystem::exists(*path)) {
            throw Error(ErrorCode::Io, *path + ": no such description file");
        }
        for (const std::string& line : DescriptionFile::read(*path)) {
            more.AddSettingRow(line);
        }
        return;
    }
    more.OnInitDialog(SideFiles::forProgram(ProgramFolder()));
}

// Takes one NAME=VALUE into the page that knows NAME: a Country page key first, else the first
// More row of that name.
void takeSetting(const std::string& assignment, CountryPageModel& country, MorePageModel& more)
{
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos) {
        throwUsage("--set wants NAME=VALUE, not '" + assignment + "'");
    }
    const std::string name = assignment.substr(0, equals);
    const std::string value = assignment.substr(equals + 1);
    if (const auto setting = CountryPageModel::settingForKey(name)) {
        if (country.list(*setting).items.empty()) {
            throwUsage("'" + name + "' is not a setting of this file");
        }
        if (!country.chooseText(*setting, value)) {
            throwUsage("'" + value + "' is not a value of '" + name + "'");
        }
        return;
    }
    if (const auto row = more.findRow(name)) {
        if (more.editorFor(*row) == MorePageModel::Editor::None) {
            throwUsage("'" + name + "' cannot be changed in this file");
        }
        if (!more.OnEndLabelEdit(*row, value)) {
            throwUsage("'" + value + "' is not a value of '" + name + "'" +
                       (more.editorFor(*row) == MorePageModel::Editor::HexByte
                            ? " (two upper-case hex digits)"
                            : ""));
        }
        return;
    }
    throwUsage("unknown setting '" + name + "'");
}

bool isLanguage(CountrySetting setting)
{
    return setting >= CountrySetting::MenuLanguage && setting <= CountrySetting::TeletextLanguage;
}

void print(const CountryPageModel& country, const MorePageModel& more, int variant)
{
    for (const auto& list : country.lists()) {
        // Lists of 176 bytes per record keep only the languages in their settings.
        if (variant == 2 && !isLanguage(list.setting)) {
            continue;
        }
        std::cout << list.key << ": " << country.selectedText(list.setting) << "\n";
    }
    for (const MorePageModel::Row& row : more.rows()) {
        std::cout << row.name << "\t" << row.address << "\t" << row.data << "\n";
    }
}

int run(const Args& args)
{
    args.expectPositionals({"FILE"});
    const std::string* out = optionalOutput(args);
    const bool changes = args.has("--set");
    if (changes && out == nullptr) {
        throwUsage("--set needs -o OUT to save the changes to");
    }

    CKanalyxDoc doc;
    const FileLock lock = out != nullptr ? lockOutput(*out) : FileLock();
    openDocument(doc, args.positionals()[0]);
    refuseGlobalClone(doc, args.positionals()[0],
                      "a GlobalClone file keeps its settings elsewhere than in a settings block; "
                      "they cannot be shown or changed here");
    const int variant = doc.GetVariant();
    // The pages work on a copy that goes back to the document as one change.
    std::vector<std::uint8_t> settings(doc.Settings().begin(), doc.Settings().end());
    CountryPageModel country(settings, variant);
    country.OnInitDialog();
    MorePageModel more(settings, variant);
    loadRows(more, args);

    for (const Option& option : args.options()) {
        if (option.name == "--set") {
            takeSetting(option.values.front(), country, more);
        }
    }
    // As the sheet's Apply does: the Country page first, then the More page.
    country.OnApply();
    more.OnApply();
    country.OnInitDialog();
    doc.SetSettings(settings, StepKind::Settings);

    if (out != nullptr) {
        saveDocument(doc, *out, args.has("--backup"));
    }
    print(country, more, variant);
    return 0;
}

} // namespace

const Command kSettingsCommand{
    "settings", "show or change the receiver settings of a file",
    "Usage: kanalyx-cli settings FILE [--descriptions PATH] [--set NAME=VALUE]... [-o OUT]\n"
    "                            [--backup]\n"
    "Prints the settings the editor's More Settings sheet shows, as they stand after the\n"
    "changes: first the Country page, one 'key: value' line each (country, menu-language,\n"
    "audio-language-1, audio-language-2, subtitle-language-1, subtitle-language-2,\n"
    "teletext-language, menu-item, time-zone, digital-audio-out; only the six languages for\n"
    "176-byte lists; an empty value where the list shows none), then one line per row of the\n"
    "description file: name, address and value, separated by tabs.\n"
    "  --descriptions PATH  the settings description file; default: more.txt (more10.txt for\n"
    "                       176-byte lists) beside the program\n"
    "  --set NAME=VALUE     change one setting: NAME is a key above or a row's name, VALUE a\n"
    "                       text the editor's list offers (e.g. time-zone=+3, country=Austria);\n"
    "                       a raw-byte row takes two upper-case hex digits. Repeatable.\n"
    "  -o, --output OUT     save the file with the changes to OUT; nothing else in it changes\n"
    "  --backup             when OUT is FILE, keep FILE's bytes as FILE.bak first; a FILE.bak\n"
    "                       that is there already is left as it is\n"
    "An unknown name or value is a usage error (exit code 2) and nothing is saved.\n",
    &options, &run};

} // namespace kx::cli
