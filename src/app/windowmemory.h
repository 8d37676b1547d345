#pragma once

#include <QSize>

class QMainWindow;
class QWidget;

namespace kx {

class SettingsProfile;

// Keeps the main window's size and position, its splitters and each channel list's column widths
// in the user's profile, so that the next run opens the window as it was left. The splitters and
// lists are found by their object names.
class WindowMemory
{
public:
    // Applies what the profile holds; without a stored size the window takes defaultSize().
    static void restore(QMainWindow& window, const SettingsProfile& profile);
    // Stores the window's present layout.
    static void save(const QMainWindow& window, SettingsProfile& profile);

    // The size that shows every column of every list, within the screen's free area.
    static QSize defaultSize(const QMainWindow& window);
    // The width a widget needs to show every column of the lists inside it: the lists' own widths,
    // side by side in a horizontal splitter, one above the other in a vertical one, and the
    // widest page of tabs.
    static int widthForAllColumns(const QWidget& widget);
    // Narrows or widens the name columns of the lists inside widget (within their limits) so
    // that the columns fill width pixels, sharing the difference among the parts side by side;
    // every page of tabs fills the width.
    static void fitNameColumns(QWidget& widget, int width);
};

} // namespace kx
