// Inverse DCT of one 8x8 block.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pictra::jpeg {

// Transforms dequantised coefficients (transposed: coef[u * 8 + v] holds
// horizontal frequency u, vertical frequency v) into 64 level-shifted
// samples written row by row at out[y * stride + x]. Samples are rounded
// to the nearest integer and not clamped to 0..255 (colour conversion
// does that), only to the int16 range.
void inverseDct(const float* coef, std::int16_t* out, std::ptrdiff_t stride);

// The block of a DC-only coefficient set: every sample equals the DC level.
void inverseDctDcOnly(float dc, std::int16_t* out, std::ptrdiff_t stride);

} // namespace pictra::jpeg
