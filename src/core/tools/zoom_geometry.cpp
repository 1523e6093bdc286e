// Zoom and pan arithmetic.
#include "core/tools/zoom_geometry.h"

#include "core/image/fit_share.h"

#include <cmath>

namespace pictra {

std::optional<Outline> fittedOutline(const Outline& picture, const Rect& rect)
{
    const double spanX = picture[2].x - picture[0].x;
    const double spanY = picture[2].y - picture[0].y;
    if (spanX == 0 || spanY == 0)
        return std::nullopt;
    const double sx = std::abs(kFitShare * rect.width() / spanX);
    const double sy = std::abs(kFitShare * rect.height() / spanY);
    const double scale = sx > sy ? sy : sx;
    const PointD c{(rect.left + rect.right) / 2.0, (rect.top + rect.bottom) / 2.0};
    const PointD mid{(picture[0].x + picture[2].x) / 2.0, (picture[0].y + picture[2].y) / 2.0};
    Outline o = picture;
    for (PointD& p : o) {
        const double x = p.x + (c.x - mid.x);
        const double y = p.y + (c.y - mid.y);
        p = {c.x + (x - c.x) * scale, c.y - (y - c.y) * scale};
    }
    return o;
}

bool usableZoomRect(PointD a, PointD b)
{
    return std::abs(b.x - a.x) >= kMinZoomRectPixels && std::abs(b.y - a.y) >= kMinZoomRectPixels;
}

std::optional<Outline> zoomedOutline(PointD a, PointD b, int clientWidth, int clientHeight, const Outline& current)
{
    const double dx = std::abs(b.x - a.x);
    const double dy = std::abs(b.y - a.y);
    if (dx == 0 || dy == 0)
        return std::nullopt;
    const double sx = clientWidth / dx;
    const double sy = clientHeight / dy;
    const double scale = sx >= sy ? sy : sx;
    const PointD m{(a.x + b.x) / 2.0, (a.y + b.y) / 2.0};
    Outline o = current;
    for (PointD& p : o)
        p = {m.x + (p.x - m.x) * scale, m.y + (p.y - m.y) * scale};
    return o;
}

std::optional<Outline> pannedOutline(const Outline& current, double dx, double dy, const Rect& client)
{
    Outline o = current;
    for (PointD& p : o)
        p = {p.x + dx, p.y + dy};
    if (client.left >= o[0].x && client.right <= o[1].x && client.top >= o[0].y && client.bottom <= o[2].y)
        return o;
    return std::nullopt;
}

} // namespace pictra
