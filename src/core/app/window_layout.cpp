// Cascading, tiling and lining up album windows.
#include "core/app/window_layout.h"

#include <algorithm>

namespace pictra {

WindowBox cascadedWindow(AreaSize area, int before, AreaSize preferred)
{
    if (area.width <= 0 || area.height <= 0)
        return {0, 0, preferred.width, preferred.height};
    const int width = std::clamp(preferred.width, 1, area.width);
    const int height = std::clamp(preferred.height, 1, area.height);
    // How many steps fit before the window would pass the right or bottom edge.
    const int steps = std::min(area.width - width, area.height - height) / kCascadeStep + 1;
    const int k = std::max(before, 0) % steps;
    return {k * kCascadeStep, k * kCascadeStep, width, height};
}

std::vector<WindowBox> cascadedAll(AreaSize area, int count)
{
    std::vector<WindowBox> boxes;
    if (count <= 0 || area.width <= 0 || area.height <= 0)
        return boxes;
    const long long shrink = static_cast<long long>(count - 1) * kCascadeStep;
    const auto side = [shrink](int whole) {
        return static_cast<int>(std::max<long long>(whole - shrink, whole * 2LL / 3));
    };
    const AreaSize size{side(area.width), side(area.height)};
    for (int i = 0; i < count; ++i)
        boxes.push_back(cascadedWindow(area, i, size));
    return boxes;
}

std::vector<WindowBox> tiledSideBySide(AreaSize area, int count)
{
    std::vector<WindowBox> boxes;
    if (count <= 0)
        return boxes;
    int x = 0;
    for (int i = 0; i < count; ++i) {
        const int right = static_cast<int>(static_cast<long long>(area.width) * (i + 1) / count);
        boxes.push_back({x, 0, right - x, area.height});
        x = right;
    }
    return boxes;
}

std::vector<WindowBox> iconRows(AreaSize area, AreaSize icon, int count)
{
    std::vector<WindowBox> boxes;
    if (count <= 0 || icon.width <= 0 || icon.height <= 0)
        return boxes;
    const int perRow = std::max(area.width / icon.width, 1);
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        const int column = i % perRow;
        boxes.push_back({column * icon.width, area.height - (row + 1) * icon.height, icon.width, icon.height});
    }
    return boxes;
}

} // namespace pictra
