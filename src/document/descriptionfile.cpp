#include "document/descriptionfile.h"

#include <system_error>

#include "platform/file.h"

namespace kx {

std::string_view DescriptionFile::fileName(int variant)
{
    return variant == 2 ? "more10.txt" : "more.txt";
}

std::filesystem::path DescriptionFile::pathFor(const std::filesystem::path& folder, int variant)
{
    return folder / fileName(variant);
}

std::vector<std::string> DescriptionFile::parse(std::string_view text)
{
    std::vector<std::string> entries;
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
        if (!line.empty() && line.front() != '#') {
            entries.emplace_back(line);
        }
        start = next;
    }
    return entries;
}

std::vector<std::string> DescriptionFile::read(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        return {};
    }
    return parse(File::readAll(path));
}

std::string DescriptionFile::format(const std::vector<std::string>& entries)
{
    std::string text;
    for (const std::string& entry : entries) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

void DescriptionFile::write(const std::filesystem::path& path,
                            const std::vector<std::string>& entries)
{
    const std::string text = format(entries);
    File::writeAtomically(path, [&text](File& file) { file.write(text); });
}

} // namespace kx
