// Where the main window puts its album windows: new ones and 重ねて表示
// cascade from the top-left of the window area, Tile sets them side by side,
// and minimised ones line up along the bottom.
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

// 重ねて表示: `count` windows stacked one step apart from the top-left, all
// of one size: the area less one step per other window, so the last one
// still fits, but never less than two thirds of the area each way, so every
// window keeps a usable page (a stack too deep to fit starts again at the
// top-left, as new windows do). No boxes for an area of no size.
std::vector<WindowBox> cascadedAll(AreaSize area, int count);

// `count` windows side by side, each as high as the area; the widths differ
// by at most one pixel and fill the area exactly.
std::vector<WindowBox> tiledSideBySide(AreaSize area, int count);

// `count` minimised windows of size `icon` in rows along the bottom of the
// area, left to right, a full row continuing in the row above:
//
//   +----------------------------+
//   |                            |
//   | [5]                        |
//   | [1] [2] [3] [4]            |
//   +----------------------------+
//
// A row holds at least one icon however narrow the area is.
std::vector<WindowBox> iconRows(AreaSize area, AreaSize icon, int count);

} // namespace pictra
