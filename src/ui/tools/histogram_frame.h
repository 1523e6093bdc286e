// HistogramFrame: the histogram tool's curves (red, green, blue, or only the
// chosen channel) scaled to the largest bin, and the two limit lines.
#pragma once

#include "core/filters/histogram.h"
#include "core/filters/histogram_tool_state.h"

#include <QWidget>

namespace pictra::ui {

class HistogramFrame : public QWidget {
    Q_OBJECT
public:
    HistogramFrame(const Histogram& histogram, const HistogramToolState& state, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Histogram& m_histogram;
    const HistogramToolState& m_state;
};

} // namespace pictra::ui
