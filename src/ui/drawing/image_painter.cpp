// ImagePainter: frames, cells and stretched bitmaps on a QPainter.
#include "ui/drawing/image_painter.h"

#include "core/album/page_position.h"
#include "core/tools/zoom_geometry.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace pictra::ui {
namespace {

const QColor kSelectionBlue(0, 0, 255);

double distance(PointD a, PointD b) { return std::hypot(b.x - a.x, b.y - a.y); }

// The palette entries (blue, green, red, 0) as a Qt colour table.
QList<QRgb> colourTable(const ImageRecord& record, int maxEntries)
{
    const int used = record.infoHeader.clrUsed == 0 ? maxEntries
                                                    : static_cast<int>(std::min<std::uint32_t>(
                                                          record.infoHeader.clrUsed, static_cast<std::uint32_t>(maxEntries)));
    QList<QRgb> table(maxEntries, qRgb(0, 0, 0));
    for (int i = 0; i < used && static_cast<std::size_t>(i) * 4 + 2 < record.palette.size(); ++i) {
        const std::uint8_t* p = record.palette.data() + static_cast<std::size_t>(i) * 4;
        table[i] = qRgb(p[2], p[1], p[0]);
    }
    return table;
}

// A view of the record's rows (bottom-up, so the image is upside down).
QImage wrapRows(const ImageRecord& record)
{
    const int w = record.width();
    const int h = std::abs(record.height());
    const std::size_t bytes = record.imageBytes();
    if (w <= 0 || h <= 0 || bytes == 0 || bytes > record.pixels.size())
        return {};
    const auto stride = static_cast<qsizetype>(record.stride());
    const uchar* data = record.pixels.data();
    switch (record.bitCount()) {
    case 24:
        return QImage(data, w, h, stride, QImage::Format_BGR888);
    case 8: {
        QImage image(data, w, h, stride, QImage::Format_Indexed8);
        image.setColorTable(colourTable(record, 256));
        return image;
    }
    case 1: {
        QImage image(data, w, h, stride, QImage::Format_Mono);
        image.setColorTable(colourTable(record, 2));
        return image;
    }
    default:
        return {};
    }
}

void drawEdges(QPainter& painter, const Rect& r)
{
    painter.drawLine(r.left, r.top, r.right, r.top);
    painter.drawLine(r.right, r.top, r.right, r.bottom);
    painter.drawLine(r.right, r.bottom, r.left, r.bottom);
    painter.drawLine(r.left, r.bottom, r.left, r.top);
}

} // namespace

QImage uprightImage(const ImageRecord& record)
{
    const QImage rows = wrapRows(record);
    return rows.isNull() ? QImage() : rows.mirrored();
}

bool showsSelectionFrames(const AlbumRecord& page)
{
    return !(page.kind == AlbumKind::Album && cellsPerPage(page) == 1);
}

void ImagePainter::drawFrame(const Rect& rect)
{
    m_painter.setPen(QPen(Qt::black, 1));
    drawEdges(m_painter, rect);
}

bool ImagePainter::drawSelection(SelectionMark mark, const Rect& rect, const AlbumRecord* page)
{
    if (page && !showsSelectionFrames(*page))
        return false;
    m_painter.setPen(QPen(mark == SelectionMark::Draw ? kSelectionBlue : QColor(Qt::white), 2));
    drawEdges(m_painter, rect);
    if (mark == SelectionMark::Erase)
        drawFrame(rect);
    return true;
}

void ImagePainter::fillCell(const Rect& rect)
{
    m_painter.setPen(QPen(Qt::white, 2));
    m_painter.setBrush(Qt::white);
    m_painter.drawRect(QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)));
    m_painter.setBrush(Qt::NoBrush);
}

void ImagePainter::drawCell(const Rect& rect)
{
    fillCell(rect);
    drawFrame(rect);
}

void ImagePainter::drawImage(const ImageRecord& record)
{
    const Outline& o = record.outline;
    const int x = roundHalfAway(o[0].x);
    const int y = roundHalfAway(o[0].y);
    const int width = roundHalfAway(distance(o[0], o[1]));
    const int height = roundHalfAway(distance(o[0], o[3]));
    if (width <= 0 || height <= 0)
        return;
    const QImage rows = wrapRows(record);
    if (rows.isNull())
        return;
    // The rows are bottom-up: draw them through a vertical flip.
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.translate(x, y + height);
    m_painter.scale(1, -1);
    m_painter.drawImage(QRect(0, 0, width, height), rows);
    m_painter.restore();
}

void ImagePainter::drawFitted(const Rect& rect, ImageRecord& record)
{
    const std::optional<Outline> fitted = fittedOutline(record.outline, rect);
    if (!fitted)
        return;
    record.outline = *fitted;
    const Outline& o = record.outline;
    drawImage(record);
    drawFrame({roundHalfAway(o[0].x), roundHalfAway(o[0].y), roundHalfAway(o[2].x), roundHalfAway(o[2].y)});
}

void ImagePainter::drawZoomed(PointD a, PointD b, QSize client, ImageRecord& record)
{
    const std::optional<Outline> zoomed = zoomedOutline(a, b, client.width(), client.height(), record.outline);
    if (!zoomed)
        return;
    record.outline = *zoomed;
    drawImage(record);
}

} // namespace pictra::ui
