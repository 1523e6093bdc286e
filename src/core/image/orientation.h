// Turning a picture upright by its Exif orientation (1..8).
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

namespace pictra {

// True for the orientations that exchange width and height (5..8).
constexpr bool swapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

// Turns and mirrors a 24-bit record so that a picture stored with this
// orientation shows upright. 1 and values outside 1..8 change nothing.
// TooLarge when the turned rows do not fit the buffer (headers cleared).
Status applyOrientation(ImageRecord& record, int orientation);

} // namespace pictra
