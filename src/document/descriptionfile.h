#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

// The settings description files that lie beside the program: more.txt for variant-1 documents
// (and any variant but 2 and 3), more10.txt for variant-2 documents, more3.txt for the newer
// receivers (variant 3), whose settings blocks no shipped file describes yet. A file is a list of
// definition lines (see DescriptionLine) in file order; comment lines (first character '#') and
// empty lines are not entries, and stay where they are when the file is written again.
//
// Lines hold the file's bytes unchanged (the files made by this project are ASCII).
class DescriptionFile
{
public:
    // "more10.txt" for variant 2, "more3.txt" for variant 3, otherwise "more.txt".
    static std::string_view fileName(int variant);
    // The description file of the variant in folder (normally the program's folder).
    static std::filesystem::path pathFor(const std::filesystem::path& folder, int variant);

    // The entries of text: one per line that is neither empty nor starts with '#', without its
    // line end (CR LF or LF). A last line without a line end counts.
    static std::vector<std::string> parse(std::string_view text);

    // The text of the file at path. A file that does not exist is empty; a file that exists but
    // cannot be read throws Error(ErrorCode::Io), so that a caller never mistakes it for an
    // empty one and overwrites it.
    static std::string readText(const std::filesystem::path& path);
    // The entries of the file at path (parse(readText(path))).
    static std::vector<std::string> read(const std::filesystem::path& path);

    // The text that write() stores: the entries in order, each followed by CR LF, in the places
    // of original's entries, with original's comment and empty lines kept where they stand.
    // Entries beyond original's go at the end; original's entry lines beyond the entries go.
    static std::string format(std::string_view original, const std::vector<std::string>& entries);

    // Replaces the file at path with format(original, entries). The text goes to a temporary file
    // beside it that is renamed over it only when every byte is on the disk, so a failed write
    // leaves the old file as it was; the failure throws Error(ErrorCode::Io).
    static void write(const std::filesystem::path& path, std::string_view original,
                      const std::vector<std::string>& entries);
};

} // namespace kx
