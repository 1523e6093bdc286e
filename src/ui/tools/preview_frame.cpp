// PreviewFrame drawing.
#include "ui/tools/preview_frame.h"

#include "ui/dialog_units.h"
#include "ui/drawing/image_painter.h"

#include <QPainter>

namespace pictra::ui {

PreviewFrame::PreviewFrame(int controlId, QWidget* parent) : QWidget(parent)
{
    setObjectName(QString::number(controlId));
    setFixedSize(dluToPixelsX(182), dluToPixelsY(148));
}

void PreviewFrame::showPicture(const ImageRecord* picture)
{
    m_picture = picture;
    update();
}

void PreviewFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ImagePainter draw(painter);
    const Rect cell{0, 0, width() - 1, height() - 1};
    draw.drawCell(cell);
    if (!m_picture || m_picture->width() <= 0)
        return;
    // drawFitted moves the outline: draw a copy of the record's header.
    ImageRecord shown = *m_picture;
    draw.drawFitted(cell, shown);
}

} // namespace pictra::ui
