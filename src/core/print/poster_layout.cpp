// Poster geometry for preview and print.
#include "core/print/poster_layout.h"

#include "core/util/rounding.h"

#include <algorithm>
#include <cmath>

namespace pictra {
namespace {

RectD centred(double width, double height, const RectD& around)
{
    const double left = around.left + (around.width() - width) / 2;
    const double top = around.top + (around.height() - height) / 2;
    return {left, top, left + width, top + height};
}

Rect scaled(const RectD& r, double scale, int x, int y)
{
    return {x + roundHalfAway(r.left * scale), y + roundHalfAway(r.top * scale), x + roundHalfAway(r.right * scale),
            y + roundHalfAway(r.bottom * scale)};
}

} // namespace

PosterPlan posterPlan(const PosterSetup& setup, int bw, int bh)
{
    PosterPlan plan;
    plan.grid = posterGrid(setup);
    if (plan.grid.sheets() == 0)
        return plan;
    plan.sheetWidth = setup.sheetWidth;
    plan.sheetHeight = setup.sheetHeight;
    const RectD sheets{0, 0, plan.grid.across * plan.sheetWidth, plan.grid.down * plan.sheetHeight};
    plan.poster = centred(setup.posterWidth, setup.posterHeight, sheets);
    if (bw > 0 && bh > 0) {
        const double k = std::min(plan.poster.width() / bw, plan.poster.height() / bh); // mm per pixel
        plan.picture = centred(bw * k, bh * k, plan.poster);
    }
    return plan;
}

PosterPreview posterPreview(const PosterPlan& plan, const Rect& frame)
{
    PosterPreview preview;
    const PosterGrid g = plan.grid;
    if (g.sheets() == 0 || frame.width() <= 0 || frame.height() <= 0)
        return preview;
    const double totalW = g.across * plan.sheetWidth;
    const double totalH = g.down * plan.sheetHeight;
    const double s = std::min(frame.width() / totalW, frame.height() / totalH);
    const int w = truncToward0(totalW * s);
    const int h = truncToward0(totalH * s);
    const int cx = (frame.left + frame.right) / 2;
    const int cy = (frame.top + frame.bottom) / 2;
    preview.area = {cx - w / 2, cy - h / 2, cx - w / 2 + w, cy - h / 2 + h};
    const Rect& a = preview.area;
    for (int j = 0; j < g.down; ++j) {
        for (int k = 0; k < g.across; ++k) {
            preview.sheets.push_back({a.left + roundHalfAway(double(k) * w / g.across),
                                      a.top + roundHalfAway(double(j) * h / g.down),
                                      a.left + roundHalfAway(double(k + 1) * w / g.across),
                                      a.top + roundHalfAway(double(j + 1) * h / g.down)});
        }
    }
    preview.poster = scaled(plan.poster, s, a.left, a.top);
    preview.picture = scaled(plan.picture, s, a.left, a.top);
    return preview;
}

std::vector<PosterSheet> posterSheets(const PosterPlan& plan, int bw, int bh)
{
    std::vector<PosterSheet> out;
    const RectD& pic = plan.picture;
    if (plan.grid.sheets() == 0 || bw <= 0 || bh <= 0 || pic.width() <= 0 || pic.height() <= 0)
        return out;
    const double k = pic.width() / bw; // mm per pixel, the same down
    for (int row = plan.grid.down - 1; row >= 0; --row) {
        for (int column = 0; column < plan.grid.across; ++column) {
            PosterSheet sheet;
            sheet.row = row;
            sheet.column = column;
            const RectD on{column * plan.sheetWidth, row * plan.sheetHeight, (column + 1) * plan.sheetWidth,
                           (row + 1) * plan.sheetHeight};
            const double left = std::max(on.left, pic.left);
            const double right = std::min(on.right, pic.right);
            const double top = std::max(on.top, pic.top);
            const double bottom = std::min(on.bottom, pic.bottom);
            if (right > left && bottom > top) {
                // Whole pixels, taken outward and kept inside the picture.
                const int x0 = std::clamp(truncToward0(std::floor((left - pic.left) / k)), 0, bw - 1);
                const int x1 = std::clamp(truncToward0(std::ceil((right - pic.left) / k)), x0 + 1, bw);
                const int y0 = std::clamp(truncToward0(std::floor((top - pic.top) / k)), 0, bh - 1);
                const int y1 = std::clamp(truncToward0(std::ceil((bottom - pic.top) / k)), y0 + 1, bh);
                sheet.blank = false;
                sheet.source = {x0, y0, x1 - x0, y1 - y0};
                sheet.target = {pic.left + x0 * k - on.left, pic.top + y0 * k - on.top, pic.left + x1 * k - on.left,
                                pic.top + y1 * k - on.top};
            }
            out.push_back(sheet);
        }
    }
    return out;
}

} // namespace pictra
