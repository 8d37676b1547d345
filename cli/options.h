#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/kanalyxdoc.h"
#include "model/namecodec.h"
#include "platform/error.h"
#include "platform/filelock.h"

namespace kx::cli {

// A command line that cannot be carried out as given: Error(ErrorCode::Usage), exit code 2.
[[noreturn]] void throwUsage(const std::string& message);

// An option a command accepts: its name as typed ("--list", "-o") and how many values follow it.
struct OptionSpec
{
    std::string_view name;
    int values = 0;
};

// One option as it was given, with its values.
struct Option
{
    std::string name;
    std::vector<std::string> values;
};

// The arguments of one command: the positional arguments and the options in the order given
// (the order matters to commands that run their options as steps).
class Args
{
public:
    // Throws a usage error for an unknown option or an option without its values. "--name=value"
    // is taken for an option with one value.
    static Args parse(std::span<const std::string> arguments, std::span<const OptionSpec> specs);

    const std::vector<std::string>& positionals() const noexcept { return m_positionals; }
    const std::vector<Option>& options() const noexcept { return m_options; }
    bool has(std::string_view name) const;
    // The value of the last occurrence of a one-value option, or nullptr.
    const std::string* value(std::string_view name) const;

    // Throws a usage error unless exactly these positional arguments were given.
    void expectPositionals(std::initializer_list<std::string_view> names) const;

private:
    std::vector<std::string> m_positionals;
    std::vector<Option> m_options;
};

// An integer argument in [low, high]; what names it in the message of the usage error.
int parseInt(std::string_view text, std::string_view what, int low, int high);

// A list's name: of a binary file "analog", "radio", "dtv", "sat-tv" or "sat-radio", of a
// GlobalClone file the names of its lists ("dvbs-tv", ...). Without doc, every name any file may
// have is taken (to refuse a misspelt name before a file is read).
ListKind parseListKind(std::string_view text, const CKanalyxDoc* doc = nullptr);
// The lists of a document that the command line can name: every list of a binary file (a list
// the file lacks has no rows), the lists a GlobalClone file has.
std::vector<ListKind> nameableLists(const CKanalyxDoc& doc);
// Refuses (a usage error naming path) a command that GlobalClone files do not take.
void refuseGlobalClone(const CKanalyxDoc& doc, const std::string& path, std::string_view why);

// The options that choose how channel names are decoded and encoded.
std::span<const OptionSpec> codecOptionSpecs();
// Their lines for a command's help text.
extern const std::string_view kCodecOptionsHelp;
// The name codec settings the options give: --charset N (0 to 12, default 1), --prefix,
// --unicode, --codepage CP (1250 to 1257; default: the locale's), --user-table PATH (default:
// code.dat beside the program).
CodecSettings codecFromOptions(const Args& args);

// Specs made of the command's own and the shared codec options.
std::vector<OptionSpec> withCodecOptions(std::initializer_list<OptionSpec> own);

// Opens FILE into doc and writes what the user should know about it to stderr, one line each.
void openDocument(CKanalyxDoc& doc, const std::string& path);

// The exclusive lock of the file a command writes, taken before the command reads anything and
// held until it saved: runs that write one file (this tool's or the editor's) wait for each
// other, and each reads what the one before it wrote, so none loses another's change.
FileLock lockOutput(const std::string& out);

// The value of -o or --output (the one given last wins within each; --output over -o), or
// nullptr; outputOf throws a usage error when neither was given.
const std::string* optionalOutput(const Args& args);
const std::string& outputOf(const Args& args);

// The option of the commands that may save over their input.
inline constexpr OptionSpec kBackupSpec{"--backup", 0};

// Saves doc to out; refused when out is the file doc was read from and another program changed
// it since (one that takes no lock). With backup, a save over that file keeps its bytes as
// FILE.bak first, unless a FILE.bak is there already (CKanalyxDoc::OnSaveDocument).
void saveDocument(CKanalyxDoc& doc, const std::string& out, bool backup = false);

} // namespace kx::cli
