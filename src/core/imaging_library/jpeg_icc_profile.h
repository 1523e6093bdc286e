// The ICC profile a JPEG file carries in its APP2 "ICC_PROFILE" segments.
// A profile longer than one segment holds is split into numbered chunks:
//
//   APP2: "ICC_PROFILE\0" | chunk number (1..n) | n | profile bytes ...
#pragma once

#include "core/util/byte_reader.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pictra {

// Joins APP2 payloads (from the signature on) into one profile, chunks in
// the order of their numbers. Empty (no profile) when there is no chunk, a
// payload is too short, the chunks disagree on their count, a number is 0,
// above the count or given twice, or one is missing.
std::vector<std::uint8_t> assembleIccChunks(std::span<const ByteSpan> payloads);

// The profile of a JPEG file held in memory, from its segments before the
// first scan; empty when it has none or its chunks do not add up.
std::vector<std::uint8_t> jpegIccProfile(ByteSpan jpeg);

} // namespace pictra
