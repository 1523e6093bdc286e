// Milliseconds of the monotonic clock, truncated to 32 bits.
#include "core/util/tick_count.h"

#include <chrono>

namespace pictra {

std::uint32_t tickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

} // namespace pictra
