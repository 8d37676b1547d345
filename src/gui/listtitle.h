#pragma once

#include <string_view>

#include <QString>

namespace kx {

// The title a list shows under in the window's dialogs and panes, translated: "Digital TV" for
// the document's list "dtv", "Cable TV" for "dvbc-tv" and for a reference list's code "DCT0",
// "Source 5 radio" for "source-5-radio". A name it does not know comes back as it is.
QString ListTitle(std::string_view listName);

} // namespace kx
