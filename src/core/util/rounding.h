// The two ways a double becomes an int in this program. Every conversion goes
// through one of these so each can be found.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace pictra {

// Truncation toward zero, saturated to the int range (NaN gives 0).
constexpr int truncToward0(double v)
{
    if (!(v == v))
        return 0;
    if (v >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// Rounding half away from zero (2.5 -> 3, -2.5 -> -3), saturated like truncToward0.
constexpr int roundHalfAway(double v)
{
    return truncToward0(v < 0 ? v - 0.5 : v + 0.5);
}

} // namespace pictra
