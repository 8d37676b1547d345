#include "options.h"

#include <charconv>
#include <iostream>

#include "model/namecodec.h"
#include "platform/codepage.h"
#include "platform/file.h"
#include "platform/profile.h"
#include "platform/programfolder.h"
#include "views/listspec.h"

namespace kx::cli {

namespace {

const OptionSpec kCodecSpecs[] = {
    {"--charset", 1}, {"--prefix", 0}, {"--unicode", 0}, {"--codepage", 1}, {"--user-table", 1},
};

} // namespace

void throwUsage(const std::string& message)
{
    throw Error(ErrorCode::Usage, message);
}

const std::string_view kCodecOptionsHelp =
    "Channel names:\n"
    "  --charset N        character table 0 to 12 (0 None, 1 User, 2 Cyrillic, ... 12 Unicode);\n"
    "                     default 1\n"
    "  --prefix           write the table's prefix byte in front of names\n"
    "  --unicode          write names as UTF-8\n"
    "  --codepage CP      the system code page, 1250 to 1257; default: the locale's\n"
    "  --user-table PATH  the user character table; default: code.dat beside the program\n";

Args Args::parse(std::span<const std::string> arguments, std::span<const OptionSpec> specs)
{
    Args args;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() < 2 || argument[0] != '-') {
            args.m_positionals.push_back(argument);
            continue;
        }
        std::string name = argument;
        std::vector<std::string> values;
        if (const auto equals = argument.find('=');
            argument.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = argument.substr(0, equals);
            values.push_back(argument.substr(equals + 1));
        }
        const OptionSpec* known = nullptr;
        for (const OptionSpec& candidate : specs) {
            if (candidate.name == name) {
                known = &candidate;
            }
        }
        if (known == nullptr) {
            throwUsage("unknown option " + name);
        }
        if (!values.empty() && known->values != 1) {
            throwUsage("option " + name + " takes " + std::to_string(known->values) +
                       " values, not one after '='");
        }
        while (static_cast<int>(values.size()) < known->values) {
            if (++i >= arguments.size()) {
                throwUsage("option " + name + " needs " + std::to_string(known->values) +
                           (known->values == 1 ? " value" : " values"));
            }
            values.push_back(arguments[i]);
        }
        args.m_options.push_back(Option{name, std::move(values)});
    }
    return args;
}

bool Args::has(std::string_view name) const
{
    for (const Option& option : m_options) {
        if (option.name == name) {
            return true;
        }
    }
    return false;
}

const std::string* Args::value(std::string_view name) const
{
    const std::string* found = nullptr;
    for (const Option& option : m_options) {
        if (option.name == name && !option.values.empty()) {
            found = &option.values.front();
        }
    }
    return found;
}

void Args::expectPositionals(std::initializer_list<std::string_view> names) const
{
    if (m_positionals.size() == names.size()) {
        return;
    }
    std::string expected;
    for (const std::string_view name : names) {
        expected += expected.empty() ? "" : " ";
        expected += name;
    }
    if (m_positionals.size() < names.size()) {
        throwUsage("expected " + expected);
    }
    throwUsage("unexpected argument '" + m_positionals[names.size()] + "'");
}

int parseInt(std::string_view text, std::string_view what, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low ||
        value > high) {
        throwUsage(std::string(what) + " must be a number from " + std::to_string(low) + " to " +
                   std::to_string(high) + ", not '" + std::string(text) + "'");
    }
    return value;
}

std::vector<ListKind> nameableLists(const CKanalyxDoc& doc)
{
    if (doc.Format() == FileFormat::GlobalClone) {
        return doc.Lists();
    }
    return {std::begin(kListKinds), std::end(kListKinds)};
}

ListKind parseListKind(std::string_view text, const CKanalyxDoc* doc)
{
    std::vector<ListKind> lists(std::begin(kListKinds), std::end(kListKinds));
    if (doc != nullptr) {
        lists = nameableLists(*doc);
    } else {
        for (const ListSpec& spec : ListSpecs()) {
            lists.push_back(spec.kind);
        }
    }
    if (const ListSpec* spec = FindListSpec(text, lists)) {
        return spec->kind;
    }
    if (doc == nullptr && text.starts_with("source-")) {
        return ListKind::Analog; // a list of an unknown source: told once the file is read
    }
    if (doc != nullptr && doc->Format() == FileFormat::GlobalClone) {
        std::string names;
        for (const ListKind kind : lists) {
            names += (names.empty() ? "" : ", ") + ListSpecOf(kind).name;
        }
        throwUsage("--list must name a list of this file (" + names + "), not '" +
                   std::string(text) + "'");
    }
    throwUsage("--list must be analog, radio or dtv, not '" + std::string(text) + "'");
}

void refuseGlobalClone(const CKanalyxDoc& doc, const std::string& path, std::string_view why)
{
    if (doc.Format() == FileFormat::GlobalClone) {
        throwUsage(path + ": " + std::string(why));
    }
}

std::span<const OptionSpec> codecOptionSpecs()
{
    return kCodecSpecs;
}

std::vector<OptionSpec> withCodecOptions(std::initializer_list<OptionSpec> own)
{
    std::vector<OptionSpec> specs(own);
    specs.insert(specs.end(), std::begin(kCodecSpecs), std::end(kCodecSpecs));
    return specs;
}

void openDocument(CKanalyxDoc& doc, const std::string& path)
{
    doc.OnOpenDocument(path);
    for (const LoadWarning& warning : doc.LoadWarnings()) {
        std::cerr << "kanalyx-cli: warning: " << path << ": " << LoadWarningText(warning) << "\n";
    }
}

FileLock lockOutput(const std::string& out)
{
    if (File::NamesStandardOutput(out)) {
        return {};
    }
    return FileLock::acquire(out, FileLock::Mode::Exclusive);
}

const std::string* optionalOutput(const Args& args)
{
    const std::string* out = args.value("-o");
    if (const std::string* longForm = args.value("--output")) {
        out = longForm;
    }
    return out;
}

const std::string& outputOf(const Args& args)
{
    const std::string* out = optionalOutput(args);
    if (out == nullptr) {
        throwUsage("-o OUT is required");
    }
    return *out;
}

void saveDocument(CKanalyxDoc& doc, const std::string& out, bool backup)
{
    if (doc.WouldOverwriteChanges(out)) {
        throw Error(ErrorCode::Io,
                    out + ": another program changed it after it was read; nothing was written");
    }
    doc.OnSaveDocument(out, backup);
}

CodecSettings codecFromOptions(const Args& args)
{
    MemoryProfile profile;
    if (const std::string* charset = args.value("--charset")) {
        profile.setInt(kCodecSection, kCharacterValue, parseInt(*charset, "--charset", 0, 12));
    }
    profile.setInt(kCodecSection, kPrefixValue, args.has("--prefix") ? 1 : 0);
    profile.setInt(kCodecSection, kUnicodeValue, args.has("--unicode") ? 1 : 0);
    if (const std::string* codePage = args.value("--codepage")) {
        profile.setInt(kCodecSection, kCodePageValue,
                       parseInt(*codePage, "--codepage", 1250, 1257));
    }
    CodecSettings codec = LoadCodecSettings(ProgramFolder(), profile);
    if (const std::string* userTable = args.value("--user-table")) {
        // A table named on the command line must be there; only the default may be missing.
        File check(*userTable, File::Mode::Read);
        check.close();
        codec.userTable = ReadUserTable(*userTable);
    }
    return codec;
}

} // namespace kx::cli
