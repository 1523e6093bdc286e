// Grey scale in 256, 16 or 2 levels.
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

namespace pictra {

// With a = ⌊(B + G + R) / 3⌋ every byte of a pixel becomes
//   256 levels: a;
//    16 levels: 16 · roundHalfAway(a / 16), at most 255;
//     2 levels: 0 for a <= 85, 192 for 85 < a < 170, 255 for a >= 170.
// InvalidArgument for another number of levels, Unsupported/InvalidArgument
// for a record that is not a sound 24-bit picture; the picture is then unchanged.
Status grayScale(ImageRecord& record, int levels);

} // namespace pictra
