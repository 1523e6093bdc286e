// Reduction of a picture to the size of the copy an album stores for it.
#pragma once

#include "core/image/image_record.h"

namespace pictra {

struct PictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The size reduceForStore gives a width × height picture (unchanged when it
// fits 640 × 480).
PictureSize storeSize(int width, int height);

// Shrinks a record to fit 640 × 480 by point sampling with step
// e = max(⌈W/640⌉, ⌈H/480⌉): new pixel (x, y) is old pixel (e·x, e·y), the
// new size ⌊W/e⌋ × ⌊H/e⌋ but at least 1 × 1. Works in place for any bit
// depth. True when it shrank, false when it already fitted (or the record
// holds no valid picture).
bool reduceForStore(ImageRecord& record);

} // namespace pictra
