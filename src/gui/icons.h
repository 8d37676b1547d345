#pragma once

#include <QIcon>
#include <QPixmap>

namespace kx {

// The icon of a toolbar command: the desktop theme's icon of that name, or the project's own
// image of the same name when the theme has none.
QIcon commandIcon(const QString& themeName);

// The program's own icon, in every size it is drawn in.
QIcon programIcon();

// The check-box pictures of the channel lists (16 by 16): an empty box with a blue border for an
// unticked row, a black box with a black tick for a ticked one.
const QPixmap& checkBoxPixmap(bool ticked);

} // namespace kx
