// Bringing a loaded picture to 24 bits, the only depth the tools, the
// histogram and the printers work on.
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

namespace pictra {

// A 1-, 4- or 8-bit paletted record becomes a 24-bit record of the same size
// and outline; a 24-bit record is left as it is. TooLarge when the 24-bit
// rows do not fit the pixel buffer, Unsupported for other depths,
// InvalidArgument for a record with no sound picture; the record is then
// unchanged.
Status convertTo24(ImageRecord& record);

} // namespace pictra
