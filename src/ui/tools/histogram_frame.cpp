// HistogramFrame drawing.
#include "ui/tools/histogram_frame.h"

#include "core/tools/histogram_plot.h"
#include "ui/dialog_units.h"
#include "ui/drawing/image_painter.h"

#include <QPainter>
#include <QPolygon>

#include <array>

namespace pictra::ui {

HistogramFrame::HistogramFrame(const Histogram& histogram, const HistogramToolState& state, QWidget* parent)
    : QWidget(parent), m_histogram(histogram), m_state(state)
{
    setObjectName(QStringLiteral("1033"));
    setMinimumSize(dluToPixelsX(182), dluToPixelsY(80));
}

void HistogramFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    ImagePainter draw(painter);
    const Rect frame{0, 0, width() - 1, height() - 1};
    draw.drawCell(frame);
    painter.setPen(QPen(Qt::black, 1));
    for (const int value : {m_state.limits.upper, m_state.limits.lower}) {
        const int x = limitLineX(frame, value);
        painter.drawLine(x, frame.bottom, x, frame.top);
    }
    const std::array<const HistogramCounts*, 3> tables = {&m_histogram.red, &m_histogram.green, &m_histogram.blue};
    const std::array<QColor, 3> colours = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
    for (std::size_t k = 0; k < tables.size(); ++k) {
        const bool shown = m_state.channel == HistogramChannel::Rgb ||
                           static_cast<std::size_t>(m_state.channel) == k + 1;
        if (!shown)
            continue;
        QPolygon line;
        for (const IntPoint& p : histogramCurve(*tables[k], m_histogram.peak, frame))
            line << QPoint(p.x, p.y);
        painter.setPen(QPen(colours[k], 1));
        painter.drawPolyline(line);
    }
}

} // namespace pictra::ui
