// Lets GoogleTest print a Status by name in failure messages.
#pragma once

#include "core/util/result.h"

#include <ostream>

namespace pictra {

inline void PrintTo(Status status, std::ostream* out) { *out << statusName(status); }

} // namespace pictra
