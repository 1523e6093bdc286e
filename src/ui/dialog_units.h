// Dialog layouts are given in dialog units; one fixed conversion turns them
// into pixels (a dialog unit is a quarter of a 6-pixel average character
// width across and an eighth of a 13-pixel character height down).
#pragma once

#include <QRect>

namespace pictra::ui {

constexpr int dluToPixelsX(int dlu) { return dlu * 6 / 4; }
constexpr int dluToPixelsY(int dlu) { return dlu * 13 / 8; }

inline QRect dluRect(int x, int y, int width, int height)
{
    return {dluToPixelsX(x), dluToPixelsY(y), dluToPixelsX(width), dluToPixelsY(height)};
}

} // namespace pictra::ui
