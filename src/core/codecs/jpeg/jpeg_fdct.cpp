// Separable forward DCT in single precision: the 8-point transform
// F[k] = c(k)/2 · Σ cos((2n+1)kπ/16) · s[n] (c(0) = 1/√2, otherwise 1) on
// columns, then on rows, split into even and odd halves and run across 8
// lanes at once so the compiler can vectorise it.
#include "core/codecs/jpeg/jpeg_fdct.h"

#include "core/codecs/jpeg/jpeg_tables.h"

#include <algorithm>

namespace pictra::jpeg {
namespace {

// in[n * inStride + lane] holds sample n of lane; frequency k goes to out[k * 8 + lane].
inline void transformLanes(const float* in, std::ptrdiff_t inStride, float* out)
{
    for (int lane = 0; lane < 8; ++lane) {
        float s[8];
        for (int n = 0; n < 8; ++n)
            s[n] = in[n * inStride + lane];
        const float a0 = s[0] + s[7], a1 = s[1] + s[6], a2 = s[2] + s[5], a3 = s[3] + s[4];
        const float d0 = s[0] - s[7], d1 = s[1] - s[6], d2 = s[2] - s[5], d3 = s[3] - s[4];
        const float e0 = a0 + a3, e1 = a1 + a2, f0 = a0 - a3, f1 = a1 - a2;
        out[0 * 8 + lane] = kDctDc * (e0 + e1);
        out[4 * 8 + lane] = kDctDc * (e0 - e1);
        out[2 * 8 + lane] = kDctC2 * f0 + kDctC6 * f1;
        out[6 * 8 + lane] = kDctC6 * f0 - kDctC2 * f1;
        out[1 * 8 + lane] = kDctC1 * d0 + kDctC3 * d1 + kDctC5 * d2 + kDctC7 * d3;
        out[3 * 8 + lane] = kDctC3 * d0 - kDctC7 * d1 - kDctC1 * d2 - kDctC5 * d3;
        out[5 * 8 + lane] = kDctC5 * d0 - kDctC1 * d1 + kDctC7 * d2 + kDctC3 * d3;
        out[7 * 8 + lane] = kDctC7 * d0 - kDctC5 * d1 + kDctC3 * d2 - kDctC1 * d3;
    }
}

// Quantised values stay within what the standard Huffman tables can code.
constexpr float kQuantLimit = 1023.0f;
constexpr float kIntegerSlack = 1.0f / 1024;

} // namespace

QuantDivisors makeQuantDivisors(const std::array<std::uint8_t, 64>& table)
{
    QuantDivisors d;
    for (int v = 0; v < 8; ++v)
        for (int u = 0; u < 8; ++u)
            d.reciprocal[static_cast<std::size_t>(u * 8 + v)] =
                1.0f / static_cast<float>(std::max<int>(1, table[static_cast<std::size_t>(v * 8 + u)]));
    return d;
}

void forwardDctQuantise(const float* in, std::ptrdiff_t stride, const QuantDivisors& divisors,
                        std::int16_t* zigzagOut)
{
    alignas(32) float columns[64];
    alignas(32) float turned[64];
    alignas(32) float coef[64];
    transformLanes(in, stride, columns);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            turned[c * 8 + r] = columns[r * 8 + c];
    transformLanes(turned, 8, coef);
    alignas(32) std::int16_t quantised[64];
    for (int i = 0; i < 64; ++i) {
        // trunc(trunc(F) / Q). F is first nudged away from zero by a little
        // more than the single-precision error, so an exact integer F (a
        // flat block) is not truncated to the integer below it; its whole
        // part, nudged by half a step, times 1/Q stays clear of exact
        // multiples. Float-to-int conversion truncates toward zero.
        const float f = coef[i];
        const auto whole = static_cast<float>(static_cast<std::int32_t>(f + (f < 0 ? -kIntegerSlack : kIntegerSlack)));
        const float scaled = (whole + (whole < 0 ? -0.5f : 0.5f)) * divisors.reciprocal[static_cast<std::size_t>(i)];
        const float limited = std::min(std::max(scaled, -kQuantLimit), kQuantLimit);
        quantised[i] = static_cast<std::int16_t>(static_cast<std::int32_t>(limited));
    }
    for (int k = 0; k < 64; ++k)
        zigzagOut[k] = quantised[kTransposedZigzag[static_cast<std::size_t>(k)]];
}

} // namespace pictra::jpeg
