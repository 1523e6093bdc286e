// Negative picture: every colour byte b becomes 255 - b.
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

namespace pictra {

// Unsupported/InvalidArgument for a record that is not a sound 24-bit
// picture (unchanged then).
Status makeNegative(ImageRecord& record);

} // namespace pictra
