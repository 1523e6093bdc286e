// The tools with slider rows: RGB adjustment (three percentages), lightness,
// hue and saturation, and the two-level threshold over the picture's packed
// value range.
#pragma once

#include "ui/tools/c_tool_dialog.h"

#include <vector>

namespace pictra::ui {

class SliderRow;

// "ＲＧＢ調整" (145) and "色相、彩度、明暗" (146).
class CColorAdjustDlg : public CToolDialog {
    Q_OBJECT
public:
    CColorAdjustDlg(ToolContext context, ImageTool tool, QWidget* parent);

private:
    std::vector<SliderRow*> m_rows;
};

// "２値化" (150).
class CThresholdDlg : public CToolDialog {
    Q_OBJECT
public:
    CThresholdDlg(ToolContext context, QWidget* parent);

private:
    SliderRow* m_row = nullptr;
};

} // namespace pictra::ui
