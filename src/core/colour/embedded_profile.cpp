// Conversion of embedded colour profiles to sRGB.
#include "core/colour/embedded_profile.h"

namespace pictra {

void convertToSrgb(std::span<const std::uint8_t> /*profile*/, ImageRecord& /*record*/) {}

} // namespace pictra
