// Forward DCT and quantisation of one 8x8 block for the encoder.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace pictra::jpeg {

// Divisors of one quantisation table, prepared for quantiseBlock.
struct QuantDivisors {
    std::array<float, 64> reciprocal{}; // 1/Q, transposed natural order
};

// `table` in natural order.
QuantDivisors makeQuantDivisors(const std::array<std::uint8_t, 64>& table);

// Transforms 64 level-shifted samples (rows of 8 at in[y * stride + x]) into
// coefficients F(u, v) = 0.25·c(u)c(v)·Σ s(x, y)·cos((2x+1)uπ/16)·cos((2y+1)vπ/16),
// truncated toward zero, and quantises each as trunc(F / Q) toward zero.
// The result is in file (zig-zag) order.
void forwardDctQuantise(const float* in, std::ptrdiff_t stride, const QuantDivisors& divisors,
                        std::int16_t* zigzagOut);

} // namespace pictra::jpeg
