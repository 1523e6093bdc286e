// Turns and mirrors as one value: first a number of quarter turns
// counter-clockwise, then (optionally) a left-right mirror. Every
// combination of the rotate and flip tools, and every Exif orientation, is
// one of these eight.
#pragma once

#include "core/tools/tool_edit.h"

namespace pictra {

struct PixelTransform {
    int quarterTurns = 0; // counter-clockwise, 0..3
    bool mirror = false;  // then left-right
    friend bool operator==(const PixelTransform&, const PixelTransform&) = default;
};

// `second` applied after `first`.
PixelTransform thenApply(PixelTransform first, PixelTransform second);

// The transform a rotate or flip edit makes; identity for other tools.
PixelTransform transformOfEdit(const ToolEdit& edit);

// What turns stored pixels with this Exif orientation (1..8) upright;
// identity for 1 and for values out of range.
PixelTransform uprightTransform(int exifOrientation);

} // namespace pictra
