// Dispatch of a tool edit to its filter, and the text form pictra-cli takes.
#include "core/tools/tool_edit.h"

#include "core/filters/channel_scale.h"
#include "core/filters/gray_scale.h"
#include "core/filters/negative.h"
#include "core/filters/noise_filter.h"
#include "core/filters/rgb_adjust.h"
#include "core/filters/rotation.h"
#include "core/filters/threshold.h"
#include "core/util/typed_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <vector>

namespace pictra {

ToolEdit toolEditFor(ImageTool tool)
{
    ToolEdit edit;
    edit.tool = tool;
    return edit;
}

Status applyToolEdit(const ToolEdit& edit, ImageRecord& record)
{
    switch (edit.tool) {
    case ImageTool::Rotate: return rotateQuarterTurns(record, edit.rotationStep);
    case ImageTool::Flip: return flipPicture(record, edit.flip);
    case ImageTool::Threshold: {
        std::int32_t t = edit.threshold;
        if (t < 0) {
            const Result<PackedRange> range = packedRange(record);
            if (!range)
                return range.status();
            t = defaultThreshold(*range);
        }
        return applyThreshold(record, t);
    }
    case ImageTool::Rgb: return adjustRgb(record, edit.rgb.r, edit.rgb.g, edit.rgb.b);
    case ImageTool::LightnessHueSaturation: return adjustLightnessHueSaturation(record, edit.lhs);
    case ImageTool::GrayScale: return grayScale(record, edit.grayLevels);
    case ImageTool::Negative: return makeNegative(record);
    case ImageTool::Noise: return applyNoiseFilter(record);
    case ImageTool::RedScale: return channelScale(record, ScaleChannel::Red);
    case ImageTool::GreenScale: return channelScale(record, ScaleChannel::Green);
    case ImageTool::BlueScale: return channelScale(record, ScaleChannel::Blue);
    case ImageTool::Histogram:
        return applyHistogramLimits(record, edit.histogramChannel, edit.histogramMode, edit.histogramLimits);
    }
    return Status::InvalidArgument;
}

bool editParametersValid(const ToolEdit& edit)
{
    const auto within = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    switch (edit.tool) {
    case ImageTool::Rotate: return within(edit.rotationStep, 0, 3);
    case ImageTool::Threshold: return within(edit.threshold, -1, kMaxPackedValue);
    case ImageTool::Rgb:
        return within(edit.rgb.r, kRgbPercentMin, kRgbPercentMax) && within(edit.rgb.g, kRgbPercentMin, kRgbPercentMax) &&
               within(edit.rgb.b, kRgbPercentMin, kRgbPercentMax);
    case ImageTool::LightnessHueSaturation:
        return within(edit.lhs.lightness, kLightnessMin, kLightnessMax) && within(edit.lhs.hue, kHueMin, kHueMax) &&
               within(edit.lhs.saturation, kSaturationMin, kSaturationMax);
    case ImageTool::GrayScale: return edit.grayLevels == 2 || edit.grayLevels == 16 || edit.grayLevels == 256;
    case ImageTool::Histogram:
        return within(edit.histogramLimits.upper, 0, 255) && within(edit.histogramLimits.lower, 0, 255);
    case ImageTool::Flip:
    case ImageTool::Negative:
    case ImageTool::Noise:
    case ImageTool::RedScale:
    case ImageTool::GreenScale:
    case ImageTool::BlueScale: return true;
    }
    return false;
}

bool movesPixelsOnly(const ToolEdit& edit)
{
    return edit.tool == ImageTool::Rotate || edit.tool == ImageTool::Flip;
}

namespace {

std::optional<int> parseInt(std::string_view text, int lo, int hi)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < lo || value > hi)
        return std::nullopt;
    return value;
}

std::vector<std::string_view> splitCommas(std::string_view text)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos)
            return parts;
        start = comma + 1;
    }
}

// Three numbers "a,b,c" with their own ranges.
std::optional<std::array<int, 3>> parseTriple(std::string_view text, std::array<std::array<int, 2>, 3> ranges)
{
    const std::vector<std::string_view> parts = splitCommas(text);
    if (parts.size() != 3)
        return std::nullopt;
    std::array<int, 3> values{};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<int> v = parseInt(parts[i], ranges[i][0], ranges[i][1]);
        if (!v)
            return std::nullopt;
        values[i] = *v;
    }
    return values;
}

std::optional<ToolEdit> parseHistogram(std::string_view args)
{
    const std::vector<std::string_view> parts = splitCommas(args);
    if (parts.size() != 3 && parts.size() != 4)
        return std::nullopt;
    const std::optional<int> upper = parseInt(parts[0], 0, 255);
    const std::optional<int> lower = parseInt(parts[1], 0, 255);
    const std::optional<int> mode = parseInt(parts[2], 1, 2);
    if (!upper || !lower || !mode)
        return std::nullopt;
    ToolEdit edit = toolEditFor(ImageTool::Histogram);
    edit.histogramLimits = {*upper, *lower};
    edit.histogramMode = *mode == 1 ? HistogramMode::Clamp : HistogramMode::Cut;
    if (parts.size() == 4) {
        constexpr std::array<std::string_view, kHistogramChannels> kNames = {"rgb", "red", "green", "blue"};
        const auto it = std::find(kNames.begin(), kNames.end(), parts[3]);
        if (it == kNames.end())
            return std::nullopt;
        edit.histogramChannel = static_cast<HistogramChannel>(it - kNames.begin());
    }
    return edit;
}

std::optional<ToolEdit> parseEdit(std::string_view name, std::optional<std::string_view> args)
{
    const auto plain = [&](ImageTool tool) -> std::optional<ToolEdit> {
        if (args)
            return std::nullopt;
        return toolEditFor(tool);
    };
    if (name == "negative") return plain(ImageTool::Negative);
    if (name == "noise") return plain(ImageTool::Noise);
    if (name == "red") return plain(ImageTool::RedScale);
    if (name == "green") return plain(ImageTool::GreenScale);
    if (name == "blue") return plain(ImageTool::BlueScale);
    if (name == "threshold") {
        ToolEdit edit = toolEditFor(ImageTool::Threshold);
        if (args) {
            const std::optional<int> t = parseInt(*args, 0, kMaxPackedValue);
            if (!t)
                return std::nullopt;
            edit.threshold = *t;
        }
        return edit;
    }
    if (!args)
        return std::nullopt;
    if (name == "rotate") {
        const std::optional<int> step = parseInt(*args, 0, 3);
        if (!step)
            return std::nullopt;
        ToolEdit edit = toolEditFor(ImageTool::Rotate);
        edit.rotationStep = *step;
        return edit;
    }
    if (name == "flip") {
        ToolEdit edit = toolEditFor(ImageTool::Flip);
        if (*args == "v" || *args == "vh" || *args == "hv")
            edit.flip.upDown = true;
        if (*args == "h" || *args == "vh" || *args == "hv")
            edit.flip.leftRight = true;
        if (!edit.flip.upDown && !edit.flip.leftRight)
            return std::nullopt;
        return edit;
    }
    if (name == "gray") {
        const std::optional<int> levels = parseInt(*args, 2, 256);
        if (!levels || (*levels != 2 && *levels != 16 && *levels != 256))
            return std::nullopt;
        ToolEdit edit = toolEditFor(ImageTool::GrayScale);
        edit.grayLevels = *levels;
        return edit;
    }
    if (name == "rgb") {
        const auto v = parseTriple(*args, {{{kRgbPercentMin, kRgbPercentMax},
                                            {kRgbPercentMin, kRgbPercentMax},
                                            {kRgbPercentMin, kRgbPercentMax}}});
        if (!v)
            return std::nullopt;
        ToolEdit edit = toolEditFor(ImageTool::Rgb);
        edit.rgb = {(*v)[0], (*v)[1], (*v)[2]};
        return edit;
    }
    if (name == "lhs") {
        const auto v = parseTriple(*args, {{{kLightnessMin, kLightnessMax},
                                            {kHueMin, kHueMax},
                                            {kSaturationMin, kSaturationMax}}});
        if (!v)
            return std::nullopt;
        ToolEdit edit = toolEditFor(ImageTool::LightnessHueSaturation);
        edit.lhs = {(*v)[0], (*v)[1], (*v)[2]};
        return edit;
    }
    if (name == "histogram")
        return parseHistogram(*args);
    return std::nullopt;
}

} // namespace

std::optional<int> scanDecimal(std::string_view text)
{
    return parseTypedNumber(text);
}

std::optional<int> acceptedToolNumber(std::string_view text, int minimum, int maximum)
{
    const std::optional<int> value = scanDecimal(text);
    if (!value || *value < minimum || *value > maximum)
        return std::nullopt;
    return value;
}

Result<ToolEdit> parseToolEdit(std::string_view text)
{
    const std::size_t eq = text.find('=');
    const std::string_view name = text.substr(0, eq);
    const std::optional<std::string_view> args =
        eq == std::string_view::npos ? std::nullopt : std::optional<std::string_view>(text.substr(eq + 1));
    const std::optional<ToolEdit> edit = parseEdit(name, args);
    if (!edit)
        return Status::InvalidArgument;
    return *edit;
}

} // namespace pictra
