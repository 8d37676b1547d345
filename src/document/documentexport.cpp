#include <algorithm>
#include <cctype>
#include <string>

#include "document/kanalyxdoc.h"
#include "model/channelrec.h"
#include "platform/error.h"
#include "platform/file.h"

// Export: every record as a line of tab-separated hexadecimal bytes, for a spreadsheet.

namespace kx {

std::filesystem::path CKanalyxDoc::ExportPathFor(const std::filesystem::path& chosen)
{
    const std::string name = chosen.filename().string();
    std::string ending = name.size() >= 4 ? name.substr(name.size() - 4) : std::string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == ".xls") {
        return chosen;
    }
    std::filesystem::path result = chosen;
    result += ".xls";
    return result;
}

std::filesystem::path CKanalyxDoc::OnFileExport(const std::filesystem::path& chosen) const
{
    std::filesystem::path path = ExportPathFor(chosen);
    WriteExport(path);
    return path;
}

void CKanalyxDoc::WriteExport(const std::filesystem::path& path) const
{
    if (!HasRawRecords()) {
        throw Error(ErrorCode::Usage,
                    path.string() + ": the channels of a GlobalClone file are XML elements, not "
                                    "records of bytes; there is nothing to export as bytes");
    }
    File::writeAtomically(path, [this](File& file) {
        for (const ListKind list : kListKinds) {
            for (const auto& record : channels(list)) {
                record->WriteHexRow(file);
                file.write("\r\n");
            }
        }
    });
}

} // namespace kx
