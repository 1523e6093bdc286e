// The image resources section of a PSD file: a list of blocks
//
//   "8BIM" | id (2) | Pascal name, padded to even | size (4) | data, padded to even
//
// of which the program reads the embedded colour profile (id 1039).
#pragma once

#include "core/util/byte_reader.h"

namespace pictra {

inline constexpr std::uint16_t kPsdIccProfileResource = 1039;

// The data of the first resource block with this id, or an empty span when
// there is none or the list breaks off before it.
ByteSpan psdResource(ByteSpan resources, std::uint16_t id);

} // namespace pictra
