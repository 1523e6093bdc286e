// One tool edit as a value: the tool and its parameters, applied to a
// 24-bit picture. The dialogs, the histogram tool and pictra-cli all edit
// through applyToolEdit.
#pragma once

#include "core/filters/flip.h"
#include "core/filters/histogram.h"
#include "core/filters/lightness_hue_saturation.h"
#include "core/image/image_record.h"
#include "core/tools/image_tool.h"
#include "core/util/result.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace pictra {

struct RgbPercents {
    int r = 0;
    int g = 0;
    int b = 0;
};

struct ToolEdit {
    ImageTool tool = ImageTool::Negative;
    int rotationStep = 0;            // Rotate: quarter turns counter-clockwise, 0..3
    FlipFlags flip;                  // Flip
    std::int32_t threshold = -1;     // Threshold: packed value; -1 = the picture's default
    int grayLevels = 256;            // GrayScale: 256, 16 or 2
    RgbPercents rgb;                 // Rgb
    LhsParams lhs;                   // LightnessHueSaturation
    HistogramChannel histogramChannel = HistogramChannel::Rgb;
    HistogramMode histogramMode = HistogramMode::Clamp;
    HistogramLimits histogramLimits; // Histogram
};

// An edit of `tool` with every parameter at its start value.
ToolEdit toolEditFor(ImageTool tool);

// Edits the 24-bit record in place with the edit's filter. The filter's
// failure (InvalidArgument for a parameter out of range, Unsupported for a
// record that is not 24-bit, TooLarge for a turn that does not fit the
// buffer); the record is then unchanged.
Status applyToolEdit(const ToolEdit& edit, ImageRecord& record);

// True when every parameter the edit's tool uses is within its range: an
// edit box may hold any number, and an edit out of range is not computed.
bool editParametersValid(const ToolEdit& edit);

// True for the edits that only move pixels (turns and flips), which a JPEG
// file can take without re-encoding.
bool movesPixelsOnly(const ToolEdit& edit);

// Parses a pictra-cli edit: "rotate=N", "flip=v|h|vh", "threshold[=T]",
// "gray=256|16|2", "rgb=R,G,B", "lhs=L,H,S", "negative", "noise", "red",
// "green", "blue", "histogram=U,L,1|2[,rgb|red|green|blue]". Numbers are
// checked against the tool's ranges. InvalidArgument for anything else.
Result<ToolEdit> parseToolEdit(std::string_view text);

// The number at the start of an edit box's text as "%d" reads it (leading
// blanks, a sign, digits), held to the int range; nullopt without a digit.
std::optional<int> scanDecimal(std::string_view text);

// The number a tool's edit box gives its parameter: the number read as above
// when it lies within minimum..maximum, so the preview can show it; nullopt
// otherwise, and the parameter keeps its last accepted value.
std::optional<int> acceptedToolNumber(std::string_view text, int minimum, int maximum);

} // namespace pictra
