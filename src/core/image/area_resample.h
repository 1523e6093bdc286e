// Shrinking a 24-bit picture to an exact smaller size by averaging the
// source pixels each target pixel covers.
#pragma once

#include "core/image/image_record.h"

namespace pictra {

// Shrinks the record in place to width × height (each at most the current
// side and at least 1). False, with the record unchanged, when the record
// is not a valid 24-bit picture or the size is not a reduction.
bool shrinkByArea(ImageRecord& record, int width, int height);

} // namespace pictra
