// ImagePainter: draws ImageRecords and the frames around them on a QPainter.
// Every window that shows pictures draws through it. It lives for one paint
// and owns nothing of the painter. Rectangles are device pixels (left, top,
// right, bottom); outlines are the record's four corners p0..p3.
#pragma once

#include "core/album/album_record.h"
#include "core/image/image_record.h"
#include "core/util/rounding.h"

#include <QImage>
#include <QSize>

class QPainter;

namespace pictra::ui {

using pictra::roundHalfAway;

enum class SelectionMark { Draw, Erase };

class ImagePainter {
public:
    explicit ImagePainter(QPainter& painter) : m_painter(painter) {}

    // Four one-pixel black lines along the rectangle's edges.
    void drawFrame(const Rect& rect);
    // The blue two-pixel selection frame (Draw), or its removal: white two
    // pixels, then the black frame again (Erase). `page` is the album whose
    // page is painted, when the painter draws on one: an ordinary album page
    // of a single cell never shows a selection frame, and false is returned.
    bool drawSelection(SelectionMark mark, const Rect& rect, const AlbumRecord* page = nullptr);
    // White inside with a white two-pixel outline.
    void fillCell(const Rect& rect);
    // fillCell and drawFrame: an empty white cell with a black border.
    void drawCell(const Rect& rect);
    // Draws the record at its outline: at (p0), as wide as |p0 p1| and as high
    // as |p0 p3|, stretched nearest-neighbour. 24-bit, 8-bit and 1-bit
    // records; other depths and empty outlines draw nothing.
    void drawImage(const ImageRecord& record);
    // Fits the record into kFitShare of `rect`, centred, mirrors its y-up outline
    // into device coordinates, draws it and a black frame around it. The
    // outline stays in device coordinates. Nothing for an empty outline.
    void drawFitted(const Rect& rect, ImageRecord& record);
    // Magnifies the record's device outline about the centre of the
    // rectangle a-b so that the rectangle fills `client`, then draws it.
    // Nothing for an empty rectangle.
    void drawZoomed(PointD a, PointD b, QSize client, ImageRecord& record);

private:
    QPainter& m_painter;
};

// The record's picture as an upright image of its own (rows top-down):
// 24-bit, 8-bit and 1-bit records; a null image for anything else.
QImage uprightImage(const ImageRecord& record);

// The one-cell rule of drawSelection on its own, for callers that decide
// before drawing.
bool showsSelectionFrames(const AlbumRecord& page);

} // namespace pictra::ui
