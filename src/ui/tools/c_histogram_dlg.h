// CHistogramDlg ("ヒストグラム", dialog 198): the red, green and blue
// histograms of the picture with an upper and a lower limit, for all three
// channels or one, and the channel values cut at those limits by clamping
// ("処理１") or by setting them to full and zero ("処理２"). Keeping the
// result works as in every image tool.
#pragma once

#include "core/filters/histogram.h"
#include "core/filters/histogram_tool_state.h"
#include "ui/tools/c_tool_dialog.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace pictra::ui {

class HistogramFrame;

class CHistogramDlg : public CToolDialog {
    Q_OBJECT
public:
    CHistogramDlg(ToolContext context, QWidget* parent);

    const HistogramToolState& limitState() const { return m_state; }
    const Histogram& histogram() const { return m_histogram; }

private:
    enum class Limit { Upper, Lower };
    void buildLimitRow(Limit limit, const QString& label, int sliderId, int editId, int upDownId);
    void limitEdited(Limit limit);
    void sliderMoved(Limit limit, int position);
    void sliderFinished(Limit limit);
    void channelChosen(int index);
    void modeChosen(HistogramMode mode);
    void process();

    Histogram m_histogram;
    HistogramToolState m_state;
    HistogramFrame* m_frame = nullptr;
    QComboBox* m_channel = nullptr;
    QSlider* m_slider[2] = {};
    QLineEdit* m_edit[2] = {};
    QRadioButton* m_mode[2] = {};
};

} // namespace pictra::ui
