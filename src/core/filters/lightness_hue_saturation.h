// Lightness, hue and saturation adjustment in the luma/colour-difference
// space Y = 0.3 R + 0.59 G + 0.11 B, u = R - Y, w = B - Y.
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

namespace pictra {

inline constexpr int kLightnessMin = -100;
inline constexpr int kLightnessMax = 100;
inline constexpr int kHueMin = -180;
inline constexpr int kHueMax = 180;
inline constexpr int kSaturationMin = -100;
inline constexpr int kSaturationMax = 100;

struct LhsParams {
    int lightness = 0;  // percent, scales Y
    int hue = 0;        // degrees, turns the (u, w) colour vector
    int saturation = 0; // percent, scales the length of (u, w)
};

// Per pixel: Y' = Y·(l/100 + 1); (u, w) turned by h/180·3.1415 radians and
// scaled by (s/100 + 1) to (u', w'); then B' = Y' + w', R' = Y' + u',
// G' = Y' - (0.30 u' + 0.11 w') / 0.59, each truncated and clamped to 0..255.
// The turn and scale are applied as one linear map, so a result may differ
// by 1 from the same formula evaluated through atan2/sin/cos. All three 0
// leave the picture untouched. InvalidArgument for a value out of range,
// Unsupported/InvalidArgument for a record that is not a sound 24-bit
// picture; the picture is then unchanged.
Status adjustLightnessHueSaturation(ImageRecord& record, LhsParams params);

} // namespace pictra
