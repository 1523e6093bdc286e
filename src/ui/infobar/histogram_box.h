// Box 1031 of the information bar: the RGB histogram of the shown picture as
// three polylines (red, then green, then blue) on white in a black frame.
#pragma once

#include "core/infobar/rgb_histogram.h"

#include <QFrame>

#include <optional>

namespace pictra::ui {

class HistogramBox : public QFrame {
    Q_OBJECT
public:
    explicit HistogramBox(QWidget* parent = nullptr);

    // Shows the counts of `image`; nullopt draws nothing (an album without images).
    void setHistogram(std::optional<RgbHistogram> histogram);
    const std::optional<RgbHistogram>& histogram() const { return m_histogram; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<RgbHistogram> m_histogram;
};

} // namespace pictra::ui
