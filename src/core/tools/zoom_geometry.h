// Where the enlarged view puts its picture: fitted into the window, a chosen
// rectangle magnified to the window, and panning a magnified picture. All
// in client coordinates (y down); an outline's p0 is the top-left corner,
// p1 top-right, p2 bottom-right, p3 bottom-left once on screen.
#pragma once

#include "core/album/album_record.h"
#include "core/image/image_record.h"

#include <optional>

namespace pictra {

// A rubber band narrower or lower than this (pixels) is no zoom rectangle:
// a second click on the first corner would magnify without bound.
inline constexpr double kMinZoomRectPixels = 4;

// The outline scaled by min(|s·w / (p2.x − p0.x)|, |s·h / (p2.y − p0.y)|), s = kFitShare,
// about the rectangle's centre and mirrored from y up to y down. nullopt
// for an empty outline.
std::optional<Outline> fittedOutline(const Outline& picture, const Rect& rect);

// True when the rectangle between the corners a and b is large enough to zoom into.
bool usableZoomRect(PointD a, PointD b);

// The outline magnified about the centre of the rectangle a-b so that the
// rectangle fills a client area of the given size. nullopt for an empty rectangle.
std::optional<Outline> zoomedOutline(PointD a, PointD b, int clientWidth, int clientHeight, const Outline& current);

// The outline moved by (dx, dy), when it then still covers the whole client
// rectangle (left >= p0.x, right <= p1.x, top >= p0.y, bottom <= p2.y);
// nullopt when the move would show an edge, so a fitted picture never moves.
std::optional<Outline> pannedOutline(const Outline& current, double dx, double dy, const Rect& client);

} // namespace pictra
