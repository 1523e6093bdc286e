// Painting the RGB histogram box.
#include "ui/infobar/histogram_box.h"

#include <QPainter>
#include <QPolygon>

namespace pictra::ui {

HistogramBox::HistogramBox(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("1031"));
    setFrameShape(QFrame::Box);
    setMinimumSize(140, 60);
}

void HistogramBox::setHistogram(std::optional<RgbHistogram> histogram)
{
    m_histogram = std::move(histogram);
    update();
}

void HistogramBox::paintEvent(QPaintEvent* event)
{
    if (!m_histogram) {
        QFrame::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect r = rect();
    painter.fillRect(r, Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    // Inside the frame; y grows downward, so the bottom line is the zero count.
    const Rect box{r.left() + 1, r.top() + 1, r.right() - 1, r.bottom() - 1};
    const std::uint32_t largest = m_histogram->largest();
    const std::array<std::pair<const std::array<std::uint32_t, 256>*, QColor>, 3> channels = {{
        {&m_histogram->red, QColor(255, 0, 0)},
        {&m_histogram->green, QColor(0, 255, 0)},
        {&m_histogram->blue, QColor(0, 0, 255)},
    }};
    for (const auto& [counts, colour] : channels) {
        QPolygon line;
        for (const IntPoint& p : histogramPolyline(*counts, largest, box))
            line << QPoint(p.x, p.y);
        painter.setPen(QPen(colour, 1));
        painter.drawPolyline(line);
    }
}

} // namespace pictra::ui
