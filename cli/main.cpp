// kanalyx-cli: the editor's core from the command line, for scripts.
//
// Exit codes: 0 success, 1 a file could not be read, written or understood (one line on stderr
// names the file and the problem) or a fault of the program, 2 a usage error: the user's mistake
// only.
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "commands.h"
#include "platform/error.h"

namespace {

using kx::cli::Command;

// One line per command, in the order the overview lists them.
// clang-format off
const std::array kCommands = {
    &kx::cli::kInfoCommand,
    &kx::cli::kListCommand,
    &kx::cli::kEditCommand,
    &kx::cli::kExportCommand,
    &kx::cli::kSaveCommand,
    &kx::cli::kImportCommand,
    &kx::cli::kSampleCommand,
    &kx::cli::kSettingsCommand,
    &kx::cli::kCompareCommand,
    &kx::cli::kApplyReferenceCommand,
    &kx::cli::kExportReferenceCommand,
    &kx::cli::kDiffCommand,
};
// clang-format on

constexpr int kExitFileError = 1;
constexpr int kExitUsage = 2;

void printOverview(std::ostream& out)
{
    out << "Usage: kanalyx-cli COMMAND [ARGUMENTS]\n"
           "Reads, edits and writes TLL channel-list files.\n\nCommands:\n";
    // A name too long for the column gets a line of its own.
    constexpr std::size_t kColumn = 10;
    for (const Command* command : kCommands) {
        std::string name(command->name);
        if (name.size() < kColumn) {
            name.resize(kColumn, ' ');
        } else {
            name += "\n" + std::string(kColumn + 2, ' ');
        }
        out << "  " << name << command->summary << "\n";
    }
    out << "\nRun 'kanalyx-cli COMMAND --help' for the arguments of a command.\n"
           "Exit codes: 0 success, 1 file error, 2 usage error.\n";
}

const Command* findCommand(const std::string& name)
{
    for (const Command* command : kCommands) {
        if (command->name == name) {
            return command;
        }
    }
    return nullptr;
}

// One line, whatever the message holds.
std::string oneLine(std::string text)
{
    for (char& c : text) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        printOverview(std::cerr);
        return kExitUsage;
    }
    if (arguments.front() == "--help" || arguments.front() == "-h" || arguments.front() == "help") {
        printOverview(std::cout);
        return 0;
    }
    if (arguments.front() == "--version") {
        std::cout << "kanalyx-cli " KANALYX_VERSION "\n";
        return 0;
    }
    const Command* command = findCommand(arguments.front());
    if (command == nullptr) {
        std::cerr << "kanalyx-cli: unknown command '" << arguments.front()
                  << "'; run 'kanalyx-cli --help' for the list\n";
        return kExitUsage;
    }
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    for (const std::string& argument : rest) {
        if (argument == "--help" || argument == "-h") {
            std::cout << command->help;
            for (const kx::cli::OptionSpec& option : command->options()) {
                if (option.name == "--charset") {
                    std::cout << kx::cli::kCodecOptionsHelp;
                }
            }
            return 0;
        }
    }
    try {
        const std::vector<kx::cli::OptionSpec> specs = command->options();
        const kx::cli::Args args = kx::cli::Args::parse(rest, specs);
        const int code = command->run(args);
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "kanalyx-cli: cannot write the output\n";
            return kExitFileError;
        }
        return code;
    } catch (const kx::Error& error) {
        if (error.code() == kx::ErrorCode::Usage) {
            std::cerr << "kanalyx-cli " << command->name << ": " << oneLine(error.what())
                      << " (see 'kanalyx-cli " << command->name << " --help')\n";
            return kExitUsage;
        }
        // A fault of the program is not the user's mistake: it never exits with the usage code.
        std::cerr << "kanalyx-cli " << command->name << ": "
                  << (error.code() == kx::ErrorCode::Internal ? "internal error: " : "")
                  << oneLine(error.what()) << "\n";
        return kExitFileError;
    } catch (const std::exception& error) {
        std::cerr << "kanalyx-cli " << command->name << ": " << oneLine(error.what()) << "\n";
        return kExitFileError;
    }
}
