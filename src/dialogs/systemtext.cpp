#include "dialogs/systemtext.h"

#include "platform/codepage.h"

namespace kx {

std::string systemBytesToText(std::string_view bytes)
{
    return CodePage::toUtf8(bytes, CodePage::kSystem);
}

std::optional<std::string> textToSystemBytes(std::string_view text)
{
    // The conversion puts '?' for what it cannot hold; a text that comes back unchanged had
    // every character in the code page.
    std::string bytes = CodePage::fromUtf8(text, CodePage::kSystem);
    if (CodePage::toUtf8(bytes, CodePage::kSystem) != text) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace kx
