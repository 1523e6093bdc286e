// Separable inverse DCT: the 8-point transform x[n] = sum over u of
// c(u)/2 · cos((2n+1)uπ/16) · F[u] (c(0) = 1/√2, otherwise 1), applied to
// columns and then rows, split into its even and odd halves. Constants carry
// 13 fraction bits; the first pass keeps 2 fraction bits for the second.
// Each pass runs across 8 lanes at once so the compiler can vectorise it.
#include "core/codecs/jpeg/jpeg_idct.h"

#include <algorithm>

namespace pictra::jpeg {
namespace {

constexpr int kConstBits = 13;
constexpr int kPass1Bits = 2;

// round(2^13 · c(u)/2 · cos(kπ/16)) for the factors the halves need.
constexpr std::int32_t kDc = 2896; // 1/(2√2)
constexpr std::int32_t kC2 = 3784; // cos(2π/16)/2
constexpr std::int32_t kC6 = 1567; // cos(6π/16)/2
constexpr std::int32_t kC1 = 4017; // cos(π/16)/2
constexpr std::int32_t kC3 = 3406; // cos(3π/16)/2
constexpr std::int32_t kC5 = 2276; // cos(5π/16)/2
constexpr std::int32_t kC7 = 799;  // cos(7π/16)/2

// One 1-D transform for each of 8 lanes: in[k * 8 + lane] holds frequency k,
// the result for position n goes to out[n * 8 + lane] as
// (sum + bias) >> shift.
inline void transformLanes(const std::int32_t* in, std::int32_t* out, int shift, std::int32_t bias)
{
    for (int lane = 0; lane < 8; ++lane) {
        const std::int32_t f0 = in[0 * 8 + lane], f1 = in[1 * 8 + lane], f2 = in[2 * 8 + lane],
                           f3 = in[3 * 8 + lane], f4 = in[4 * 8 + lane], f5 = in[5 * 8 + lane],
                           f6 = in[6 * 8 + lane], f7 = in[7 * 8 + lane];
        const std::int32_t a0 = kDc * (f0 + f4) + bias;
        const std::int32_t a1 = kDc * (f0 - f4) + bias;
        const std::int32_t b0 = kC2 * f2 + kC6 * f6;
        const std::int32_t b1 = kC6 * f2 - kC2 * f6;
        const std::int32_t e0 = a0 + b0, e3 = a0 - b0, e1 = a1 + b1, e2 = a1 - b1;
        const std::int32_t o0 = kC1 * f1 + kC3 * f3 + kC5 * f5 + kC7 * f7;
        const std::int32_t o1 = kC3 * f1 - kC7 * f3 - kC1 * f5 - kC5 * f7;
        const std::int32_t o2 = kC5 * f1 - kC1 * f3 + kC7 * f5 + kC3 * f7;
        const std::int32_t o3 = kC7 * f1 - kC5 * f3 + kC3 * f5 - kC1 * f7;
        out[0 * 8 + lane] = (e0 + o0) >> shift;
        out[7 * 8 + lane] = (e0 - o0) >> shift;
        out[1 * 8 + lane] = (e1 + o1) >> shift;
        out[6 * 8 + lane] = (e1 - o1) >> shift;
        out[2 * 8 + lane] = (e2 + o2) >> shift;
        out[5 * 8 + lane] = (e2 - o2) >> shift;
        out[3 * 8 + lane] = (e3 + o3) >> shift;
        out[4 * 8 + lane] = (e3 - o3) >> shift;
    }
}

void transpose(const std::int32_t* in, std::int32_t* out)
{
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            out[c * 8 + r] = in[r * 8 + c];
}

} // namespace

void inverseDct(const std::int32_t* coef, std::int16_t* out, std::ptrdiff_t stride)
{
    constexpr int shift1 = kConstBits - kPass1Bits;
    constexpr int shift2 = kConstBits + kPass1Bits;
    // The second pass folds the +128 level shift and the rounding into its bias.
    constexpr std::int32_t bias2 = (128 << shift2) + (1 << (shift2 - 1));
    alignas(32) std::int32_t pass1[64];
    alignas(32) std::int32_t turned[64];
    alignas(32) std::int32_t samples[64];
    transformLanes(coef, pass1, shift1, 1 << (shift1 - 1));
    transpose(pass1, turned);
    transformLanes(turned, samples, shift2, bias2);
    for (int y = 0; y < 8; ++y) {
        std::int16_t* row = out + y * stride;
        for (int x = 0; x < 8; ++x)
            row[x] = static_cast<std::int16_t>(std::clamp(samples[y * 8 + x], -32768, 32767));
    }
}

void inverseDctDcOnly(std::int32_t dc, std::int16_t* out, std::ptrdiff_t stride)
{
    // F(0,0) · (1/2)·(1/2)·(1/2): the DC gain of the two passes.
    const auto level = static_cast<std::int16_t>(((dc + 4) >> 3) + 128);
    for (int y = 0; y < 8; ++y)
        std::fill_n(out + y * stride, 8, level);
}

} // namespace pictra::jpeg
