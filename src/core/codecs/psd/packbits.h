// PackBits run-length decoding, as used by PSD rows.
#pragma once

#include "core/util/byte_reader.h"

#include <cstdint>
#include <span>

namespace pictra {

// Decodes `packed` into `out`. A header byte n of 0..127 copies the next
// n + 1 bytes; -127..-1 repeats the next byte 1 - n times; -128 is skipped.
// True when the codes fill `out` exactly within `packed`; false when they
// run short or spill past its end.
bool unpackBits(ByteSpan packed, std::span<std::uint8_t> out);

} // namespace pictra
