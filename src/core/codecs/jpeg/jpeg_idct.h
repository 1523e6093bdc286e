// Inverse DCT of one 8x8 block in 32-bit fixed point.
#pragma once

#include <cstddef>
#include <cstdint>

namespace pictra::jpeg {

// Transforms dequantised coefficients (transposed: coef[u * 8 + v] holds
// horizontal frequency u, vertical frequency v) into 64 level-shifted
// samples written row by row at out[y * stride + x]. Samples are rounded
// to the nearest integer and not clamped to 0..255 (colour conversion
// does that). Coefficients must lie within ±4095.
void inverseDct(const std::int32_t* coef, std::int16_t* out, std::ptrdiff_t stride);

// The block of a DC-only coefficient set: every sample equals the DC level.
void inverseDctDcOnly(std::int32_t dc, std::int16_t* out, std::ptrdiff_t stride);

} // namespace pictra::jpeg
