#pragma once

namespace kx {

// A rectangle of a dialog's arrangement in dialog units, as the widgets lay the dialogs out.
struct DialogRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// A point in client pixels of a custom-painted window.
struct PixelPoint
{
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A rectangle in client pixels; the left and top edges are inside, the right and bottom outside.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(int x, int y) const noexcept
    {
        return x >= left && x < right && y >= top && y < bottom;
    }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

} // namespace kx
