#include "core/print/paper_layout.h"

#include "core/util/rounding.h"

#include <algorithm>
#include <cmath>

namespace pictra {

namespace {

PaperCorners cornersOf(const RectD& mm)
{
    const double x0 = 10 * mm.left;
    const double x1 = 10 * mm.right;
    const double y0 = -10 * mm.top;
    const double y1 = -10 * mm.bottom;
    return {PointD{x0, y0}, PointD{x1, y0}, PointD{x1, y1}, PointD{x0, y1}};
}

double distance(PointD a, PointD b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

} // namespace

PaperLayout paperLayout(const SheetGeometry& geometry)
{
    PaperLayout layout;
    layout.frame = cornersOf(geometry.frame);
    layout.cells.reserve(geometry.cells.size());
    for (const RectD& cell : geometry.cells)
        layout.cells.push_back(cornersOf(cell));
    return layout;
}

std::optional<PaperPlacement> fitIntoFrame(const PaperCorners& frame, int bw, int bh)
{
    if (bw <= 0 || bh <= 0)
        return std::nullopt;
    const int fw = roundHalfAway(distance(frame[0], frame[1]));
    const int fh = roundHalfAway(distance(frame[0], frame[3]));
    if (fw <= 0 || fh <= 0)
        return std::nullopt;
    const double k = std::min(static_cast<double>(fw) / bw, static_cast<double>(fh) / bh);
    PaperPlacement p;
    p.width = roundHalfAway(bw * k);
    p.height = roundHalfAway(bh * k);
    p.x = truncToward0(frame[0].x + roundHalfAway((fw - p.width) / 2.0));
    p.y = truncToward0((frame[0].y - fh) + roundHalfAway((fh - p.height) / 2.0));
    return p;
}

} // namespace pictra
