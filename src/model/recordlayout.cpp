#include "model/recordlayout.h"

#include <algorithm>
#include <cctype>

namespace kx {

namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) ==
                      std::toupper(static_cast<unsigned char>(b));
           });
}

} // namespace

const RecordLayout* FindRecordLayout(std::size_t recordSize, bool magic, std::string_view model)
{
    const RecordLayout* found = nullptr;
    for (const RecordLayout* layout : kRecordLayouts) {
        if (layout->recordSize != recordSize || (layout->variant == 1) == magic) {
            continue;
        }
        if (layout->modelPrefix.empty()) {
            found = found != nullptr ? found : layout;
        } else if (startsWithIgnoringCase(model, layout->modelPrefix)) {
            return layout;
        }
    }
    return found;
}

const RecordLayout* RecordLayoutForModel(std::string_view model, bool magic)
{
    if (model.empty()) {
        return nullptr;
    }
    for (const RecordLayout* layout : kRecordLayouts) {
        if ((layout->variant == 1) != magic && !layout->modelPrefix.empty() &&
            startsWithIgnoringCase(model, layout->modelPrefix)) {
            return layout;
        }
    }
    for (const RecordLayout* layout : kRecordLayouts) {
        if ((layout->variant == 1) == magic) {
            continue;
        }
        std::string_view models = layout->models;
        while (!models.empty()) {
            const std::size_t comma = std::min(models.find(','), models.size());
            std::string_view entry = models.substr(0, comma);
            while (!entry.empty() && entry.front() == ' ') {
                entry.remove_prefix(1);
            }
            if (!entry.empty() && startsWithIgnoringCase(model, entry)) {
                return layout;
            }
            models.remove_prefix(std::min(comma + 1, models.size()));
        }
    }
    return nullptr;
}

std::string_view ModelOfFileName(std::string_view fileName)
{
    if (!startsWithIgnoringCase(fileName, "xx")) {
        return {};
    }
    fileName.remove_prefix(2);
    return fileName.substr(0, std::min(fileName.find_first_of("-."), fileName.size()));
}

} // namespace kx
