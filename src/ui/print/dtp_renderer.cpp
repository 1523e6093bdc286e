// Drawing a DTP page.
#include "ui/print/dtp_renderer.h"

#include "core/util/rounding.h"
#include "ui/print/printer_page.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace pictra::ui {
namespace {

// Text is set in tenths of a millimetre: fonts take whole-number pixel sizes.
constexpr double kTextUnitsPerMm = 10;

QFont pageFont(const DtpContent& c)
{
    QFont font(c.fontFamily);
    font.setPixelSize(std::max(1, roundHalfAway(c.charHeight * kTextUnitsPerMm)));
    font.setStretch(std::clamp(roundHalfAway(100 * c.charWidth / c.charHeight), 1, 4000));
    return font;
}

void paintVertical(QPainter& painter, const DtpContent& c)
{
    const VerticalText laid =
        layoutVerticalText(c.text.toStdString(), c.charWidth, c.charHeight, c.setup.width(), c.setup.height());
    const QFontMetricsF metrics(painter.font());
    for (const VerticalGlyph& glyph : laid.glyphs) {
        const RectD& r = glyph.cell;
        const QRectF cell(r.left * kTextUnitsPerMm, r.top * kTextUnitsPerMm, r.width() * kTextUnitsPerMm,
                          r.height() * kTextUnitsPerMm);
        const QString character = QString::fromStdString(glyph.character);
        // A turned character runs along the column; the others across it.
        const double along = glyph.rotated ? cell.height() : cell.width();
        const double across = glyph.rotated ? cell.width() : cell.height();
        // A font that ignores the stretch asked for is narrowed into its cell, so no column spills over.
        const double advance = metrics.horizontalAdvance(character);
        const double squeeze = advance > along && advance > 0 ? along / advance : 1.0;
        painter.save();
        painter.translate(cell.center() + QPointF(glyph.shiftRight * cell.width(), -glyph.shiftUp * cell.height()));
        if (glyph.rotated)
            painter.rotate(90);
        painter.scale(squeeze, 1);
        painter.drawText(QRectF(-along / 2 / squeeze, -across / 2, along / squeeze, across), Qt::AlignCenter, character);
        painter.restore();
    }
}

} // namespace

void paintDtpPage(QPainter& painter, const DtpContent& c, const QImage& picture)
{
    const double w = c.setup.width();
    const double h = c.setup.height();
    painter.fillRect(QRectF(0, 0, w, h), Qt::white);
    if (!picture.isNull()) {
        if (const auto placed = dtpPicturePlacement(c.setup, picture.width(), picture.height())) {
            // Placements are 0.1 mm with y up; the page here is mm with y down.
            const QRectF at(placed->x / 10.0, -(placed->y + placed->height) / 10.0, placed->width / 10.0,
                            placed->height / 10.0);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(at, picture);
        }
    }
    if (c.text.isEmpty() || c.charWidth <= 0 || c.charHeight <= 0)
        return;
    painter.save();
    painter.setClipRect(QRectF(0, 0, w, h));
    painter.scale(1 / kTextUnitsPerMm, 1 / kTextUnitsPerMm);
    painter.setFont(pageFont(c));
    painter.setPen(c.colour);
    if (c.direction == TextDirection::Vertical)
        paintVertical(painter, c);
    else
        painter.drawText(QRectF(0, 0, w * kTextUnitsPerMm, h * kTextUnitsPerMm),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, c.text);
    painter.restore();
}

bool renderDtpPage(QPrinter& printer, const DtpContent& content, const QImage& picture)
{
    preparePrinter(printer, dtpWorkingSheet(content.setup));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    scaleToSheet(painter, printer, content.setup.margin);
    paintDtpPage(painter, content, picture);
    painter.end();
    return true;
}

} // namespace pictra::ui
