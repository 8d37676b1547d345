#include "dialogs/systemtext.h"

#include "platform/codepage.h"

namespace kx {

std::string systemBytesToText(std::string_view bytes, int codePage)
{
    return CodePage::toUtf8(bytes, codePage);
}

std::optional<std::string> textToSystemBytes(std::string_view text, int codePage)
{
    // The conversion puts '?' for what it cannot hold; a text that comes back unchanged had
    // every character in the code page.
    std::string bytes = CodePage::fromUtf8(text, codePage);
    if (CodePage::toUtf8(bytes, codePage) != text) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace kx
