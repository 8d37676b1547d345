#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kx {

// Text that the dialogs show from, and store as, bytes of the system code page (the Channel
// dialog's name boxes, the user character table). codePage is the system code page in force
// (CodecSettings::systemCodePage).

// The UTF-8 text of bytes; a byte without a character shows as U+FFFD.
std::string systemBytesToText(std::string_view bytes, int codePage);

// The bytes of UTF-8 text, or nullopt when the system code page cannot hold one of its
// characters (or the text is not valid UTF-8).
std::optional<std::string> textToSystemBytes(std::string_view text, int codePage);

} // namespace kx
