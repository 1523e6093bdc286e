// The 3 × 3 noise filter: a rank filter on packed colour values
// v = R + 256·G + 65536·B.
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

#include <array>
#include <cstdint>

namespace pictra {

// The value a pixel takes from the nine packed values of its 3 × 3
// neighbourhood: list the distinct values in ascending order, pad the list
// with the largest value to nine slots, and take slot 4. Nine different
// values give the median; repeated values push the choice toward larger
// values (eight equal values and one larger give the larger one).
std::int32_t noiseRank(std::array<std::int32_t, 9> values);

// Replaces every pixel off the one-pixel border by the noiseRank of its
// neighbourhood in the original picture; border pixels stay, and pictures
// narrower or lower than 3 pixels are unchanged. Uses three rows of packed
// values it allocates itself. Unsupported/InvalidArgument for a record that
// is not a sound 24-bit picture (unchanged then).
Status applyNoiseFilter(ImageRecord& record);

} // namespace pictra
