// Turning a picture by quarter turns counter-clockwise (as seen on screen).
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace pictra {

// step 0: unchanged; 1: a quarter turn counter-clockwise; 2: a half turn
// (the same as flipping with both flags); 3: a quarter turn clockwise.
// Rows counted from the bottom as stored, step 1 puts the old pixel
// (y', H-1-x') at (x', y') and step 3 the old pixel (W-1-y', x').
// Quarter turns exchange width and height (headers, the horizontal and
// vertical resolution and the outline's extent) and re-pad the rows, with
// zeroed padding. They copy the old rows into `scratch` (at least
// rotationScratchBytes(record) bytes; reusing one buffer between calls
// spares fresh pages every time) and write the turned rows into the record.
// Fails with InvalidArgument for another step or a smaller scratch buffer,
// TooLarge when the turned rows would not fit the record's pixel buffer,
// Unsupported/InvalidArgument for a record that is not a sound 24-bit
// picture; the record is then unchanged.
Status rotateQuarterTurns(ImageRecord& record, int step, std::span<std::uint8_t> scratch);

// The same with a scratch buffer of its own for the call.
Status rotateQuarterTurns(ImageRecord& record, int step);

// Scratch bytes a quarter turn of `record` needs: its pixel bytes + 1.
std::size_t rotationScratchBytes(const ImageRecord& record);

} // namespace pictra
