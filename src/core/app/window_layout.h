// Where the main window puts its album windows: new ones cascade from the
// top-left of the window area, and Tile sets them side by side.
#pragma once

#include <vector>

namespace pictra {

struct WindowBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowBox&, const WindowBox&) = default;
};

struct AreaSize {
    int width = 0;
    int height = 0;
};

// Each cascaded window sits this far right of and below the one before.
inline constexpr int kCascadeStep = 24;

// The place of a new window when `before` windows are already open: the
// preferred size shrunk to fit the area, moved by one step per window, and
// back to the top-left when it would leave the area. An area of no size
// (not shown yet) gives the preferred size at the top-left.
WindowBox cascadedWindow(AreaSize area, int before, AreaSize preferred);

// `count` windows side by side, each as high as the area; the widths differ
// by at most one pixel and fill the area exactly.
std::vector<WindowBox> tiledSideBySide(AreaSize area, int count);

} // namespace pictra
