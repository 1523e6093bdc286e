// Mirroring a picture left-right and/or top-bottom, in place.
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

namespace pictra {

struct FlipFlags {
    bool leftRight = false; // "左右": reverse the pixel order within every row
    bool upDown = false;    // "上下": reverse the order of the rows
};

// Both flags together make a half turn; neither changes nothing.
// Unsupported/InvalidArgument for a record that is not a sound 24-bit
// picture (unchanged then).
Status flipPicture(ImageRecord& record, FlipFlags flags);

} // namespace pictra
