// Single-channel scales: the picture shown through one channel, from that
// channel's full colour (value 0) to white (value 255).
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

namespace pictra {

enum class ScaleChannel { Red, Green, Blue };

// With v the chosen channel's byte, that channel becomes 255 and the other
// two become v (red scale: B' = v, G' = v, R' = 255). Unsupported/
// InvalidArgument for a record that is not a sound 24-bit picture
// (unchanged then).
Status channelScale(ImageRecord& record, ScaleChannel channel);

} // namespace pictra
