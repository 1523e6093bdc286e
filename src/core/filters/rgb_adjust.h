// RGB adjustment: scales each channel by its own percentage.
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

namespace pictra {

inline constexpr int kRgbPercentMin = -100;
inline constexpr int kRgbPercentMax = 100;

// Each channel byte c becomes clamp(trunc(c · (p/100 + 1))) for its
// percentage p (red r, green g, blue b), -100..100: -100 empties the channel,
// 100 doubles it. All three 0 leave the picture untouched. InvalidArgument
// for a percentage out of range, Unsupported/InvalidArgument for a record
// that is not a sound 24-bit picture; the picture is then unchanged.
Status adjustRgb(ImageRecord& record, int r, int g, int b);

} // namespace pictra
