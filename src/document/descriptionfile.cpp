#include "document/descriptionfile.h"

#include <system_error>

#include "platform/file.h"

namespace kx {

std::string_view DescriptionFile::fileName(int variant)
{
    if (variant == 3) {
        return "more3.txt";
    }
    return variant == 2 ? "more10.txt" : "more.txt";
}

std::filesystem::path DescriptionFile::pathFor(const std::filesystem::path& folder, int variant)
{
    return folder / fileName(variant);
}

namespace {

// Calls visit(line, lineEnd, isEntry) for every line of text; line is without its end.
template <typename Visit> void forEachLine(std::string_view text, Visit&& visit)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::string_view lineEnd =
            text.substr(start + line.size(), next - start - line.size());
        visit(line, lineEnd, !line.empty() && line.front() != '#');
        start = next;
    }
}

} // namespace

std::vector<std::string> DescriptionFile::parse(std::string_view text)
{
    std::vector<std::string> entries;
    forEachLine(text, [&entries](std::string_view line, std::string_view, bool isEntry) {
        if (isEntry) {
            entries.emplace_back(line);
        }
    });
    return entries;
}

std::string DescriptionFile::readText(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        return {};
    }
    return File::readAll(path);
}

std::vector<std::string> DescriptionFile::read(const std::filesystem::path& path)
{
    return parse(readText(path));
}

std::string DescriptionFile::format(std::string_view original,
                                    const std::vector<std::string>& entries)
{
    std::string text;
    std::size_t next = 0;
    forEachLine(original, [&](std::string_view line, std::string_view lineEnd, bool isEntry) {
        if (!isEntry) {
            text += line;
            text += lineEnd;
        } else if (next < entries.size()) {
            text += entries[next++];
            text += "\r\n";
        }
    });
    if (next < entries.size() && !text.empty() && text.back() != '\n') {
        text += "\r\n"; // a last comment without a line end gets one before the new entries
    }
    for (; next < entries.size(); ++next) {
        text += entries[next];
        text += "\r\n";
    }
    return text;
}

void DescriptionFile::write(const std::filesystem::path& path, std::string_view original,
                            const std::vector<std::string>& entries)
{
    const std::string text = format(original, entries);
    File::writeAtomically(path, [&text](File& file) { file.write(text); });
}

} // namespace kx
