#pragma once

#include <string_view>
#include <vector>

#include "options.h"

namespace kx::cli {

// One command of kanalyx-cli. A command lives in a file of its own (cmd_<name>.cpp) and is
// listed once in main.cpp's table.
struct Command
{
    std::string_view name;
    // One line for the list of commands.
    std::string_view summary;
    // The text that `kanalyx-cli NAME --help` prints.
    std::string_view help;
    // The options the command accepts.
    std::vector<OptionSpec> (*options)();
    // Runs the command; returns the exit code. Throws Error (ErrorCode::Usage for a usage error).
    int (*run)(const Args& args);
};

// The option list of a command that takes none.
inline std::vector<OptionSpec> noOptions()
{
    return {};
}

extern const Command kInfoCommand;
extern const Command kListCommand;
extern const Command kExportCommand;
extern const Command kSaveCommand;
extern const Command kImportCommand;
extern const Command kSampleCommand;
extern const Command kSettingsCommand;
extern const Command kCompareCommand;
extern const Command kEditCommand;
extern const Command kApplyReferenceCommand;
extern const Command kExportReferenceCommand;
extern const Command kDiffCommand;

} // namespace kx::cli
