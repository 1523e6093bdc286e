// Slider-row tools.
#include "ui/tools/c_adjust_tool_dlgs.h"

#include "core/filters/lightness_hue_saturation.h"
#include "core/filters/rgb_adjust.h"
#include "core/filters/threshold.h"
#include "ui/tools/slider_row.h"

#include <QBoxLayout>
#include <QLabel>

#include <array>

namespace pictra::ui {
namespace {

struct RowSpec {
    const char* label;
    const char* unit;
    int minimum;
    int maximum;
};

constexpr std::array<SliderRowIds, 3> kRowIds = {{{1083, 1000, 1016}, {1084, 1001, 1018}, {1085, 1002, 1019}}};

constexpr std::array<RowSpec, 3> kRgbRows = {{{"Ｒ", "％", kRgbPercentMin, kRgbPercentMax},
                                              {"Ｇ", "％", kRgbPercentMin, kRgbPercentMax},
                                              {"Ｂ", "％", kRgbPercentMin, kRgbPercentMax}}};
constexpr std::array<RowSpec, 3> kLhsRows = {{{"明暗", "％", kLightnessMin, kLightnessMax},
                                              {"色相", "度", kHueMin, kHueMax},
                                              {"彩度", "％", kSaturationMin, kSaturationMax}}};

// The parameter a row of the colour tools sets.
int& parameterOf(ToolEdit& edit, std::size_t row)
{
    if (edit.tool == ImageTool::Rgb)
        return row == 0 ? edit.rgb.r : row == 1 ? edit.rgb.g : edit.rgb.b;
    return row == 0 ? edit.lhs.lightness : row == 1 ? edit.lhs.hue : edit.lhs.saturation;
}

} // namespace

CColorAdjustDlg::CColorAdjustDlg(ToolContext context, ImageTool tool, QWidget* parent)
    : CToolDialog(std::move(context), tool, ToolButtonIds{1017, 1020, 1021}, parent)
{
    const auto& specs = tool == ImageTool::Rgb ? kRgbRows : kLhsRows;
    for (std::size_t i = 0; i < specs.size(); ++i) {
        const RowSpec& spec = specs[i];
        m_rows.push_back(new SliderRow(*this, parameterArea(), QString::fromUtf8(spec.label),
                                       QString::fromUtf8(spec.unit), kRowIds[i], spec.minimum, spec.maximum, 0,
                                       [this, i](int value) {
                                           parameterOf(editToChange(), i) = value;
                                           recompute();
                                       }));
    }
    for (SliderRow* row : m_rows)
        row->setReady();
    setReady();
}

CThresholdDlg::CThresholdDlg(ToolContext context, QWidget* parent)
    : CToolDialog(std::move(context), ImageTool::Threshold, ToolButtonIds{}, parent)
{
    PackedRange range;
    if (hasSource())
        if (const Result<PackedRange> found = packedRange(source()))
            range = *found;
    const std::int32_t start = defaultThreshold(range);
    editToChange().threshold = start;
    m_row = new SliderRow(*this, parameterArea(), QStringLiteral("ＲＧＢでのしきい値"), QString(), {1083, 1000, 1016},
                          range.vmin, range.vmax, start, [this](int value) {
                              editToChange().threshold = value;
                              recompute();
                          });
    m_row->setReady();
    setReady();
}

} // namespace pictra::ui
