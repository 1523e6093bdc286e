// The millisecond tick count (wraps like a 32-bit counter), used for
// identity stamps and timing.
#pragma once

#include <cstdint>

namespace pictra {

std::uint32_t tickCount();

} // namespace pictra
