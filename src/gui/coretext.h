#pragma once

#include <string_view>

#include <QString>

namespace kx {

// The core's texts in the language of the user interface. The core hands out English texts of
// its table (platform/strings.h) by id, or texts made of them; the widgets translate them here,
// through the translation the program installed (the language library's, in the context
// "Strings"), so the core keeps no translator of its own.

// The text of id; %1 in it becomes count where count is not 0.
QString coreText(int id, int count = 0);
// An English text the core made from its table: a table text as it stands, or "N - text" (a
// character-table cell naming an unknown prefix byte). Other texts come back unchanged.
QString translatedCoreText(std::string_view english);

} // namespace kx
