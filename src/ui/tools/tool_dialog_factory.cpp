// One dialog class per kind of parameter.
#include "ui/tools/tool_dialog_factory.h"

#include "ui/tools/c_adjust_tool_dlgs.h"
#include "ui/tools/c_histogram_dlg.h"
#include "ui/tools/c_simple_tool_dlgs.h"

namespace pictra::ui {

std::unique_ptr<CToolDialog> makeToolDialog(ToolContext context, ImageTool tool, QWidget* parent)
{
    switch (tool) {
    case ImageTool::Rgb:
    case ImageTool::LightnessHueSaturation: return std::make_unique<CColorAdjustDlg>(std::move(context), tool, parent);
    case ImageTool::Threshold: return std::make_unique<CThresholdDlg>(std::move(context), parent);
    case ImageTool::Rotate: return std::make_unique<CRotateDlg>(std::move(context), parent);
    case ImageTool::Flip: return std::make_unique<CFlipDlg>(std::move(context), parent);
    case ImageTool::GrayScale: return std::make_unique<CGrayScaleDlg>(std::move(context), parent);
    case ImageTool::Histogram: return std::make_unique<CHistogramDlg>(std::move(context), parent);
    case ImageTool::Negative:
    case ImageTool::Noise:
    case ImageTool::RedScale:
    case ImageTool::GreenScale:
    case ImageTool::BlueScale: break;
    }
    return std::make_unique<CFilterDlg>(std::move(context), tool, parent);
}

} // namespace pictra::ui
