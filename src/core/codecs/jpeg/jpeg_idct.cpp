// Separable inverse DCT: the 8-point transform x[n] = sum over u of
// c(u)/2 · cos((2n+1)uπ/16) · F[u] (c(0) = 1/√2, otherwise 1), applied to
// columns and then rows, split into its even and odd halves. Single
// precision keeps every sample well within a hundredth of the exact sum,
// and each pass runs across 8 lanes at once so the compiler vectorises it
// with plain SSE2.
#include "core/codecs/jpeg/jpeg_idct.h"

#include "core/codecs/jpeg/jpeg_tables.h"

#include <algorithm>

namespace pictra::jpeg {
namespace {

// One 1-D transform for each of 8 lanes: in[k * 8 + lane] holds frequency
// k, position n goes to out[n * 8 + lane].
inline void transformLanes(const float* in, float* out)
{
    for (int lane = 0; lane < 8; ++lane) {
        const float f0 = in[0 * 8 + lane], f1 = in[1 * 8 + lane], f2 = in[2 * 8 + lane], f3 = in[3 * 8 + lane],
                    f4 = in[4 * 8 + lane], f5 = in[5 * 8 + lane], f6 = in[6 * 8 + lane], f7 = in[7 * 8 + lane];
        const float a0 = kDctDc * (f0 + f4);
        const float a1 = kDctDc * (f0 - f4);
        const float b0 = kDctC2 * f2 + kDctC6 * f6;
        const float b1 = kDctC6 * f2 - kDctC2 * f6;
        const float e0 = a0 + b0, e3 = a0 - b0, e1 = a1 + b1, e2 = a1 - b1;
        const float o0 = kDctC1 * f1 + kDctC3 * f3 + kDctC5 * f5 + kDctC7 * f7;
        const float o1 = kDctC3 * f1 - kDctC7 * f3 - kDctC1 * f5 - kDctC5 * f7;
        const float o2 = kDctC5 * f1 - kDctC1 * f3 + kDctC7 * f5 + kDctC3 * f7;
        const float o3 = kDctC7 * f1 - kDctC5 * f3 + kDctC3 * f5 - kDctC1 * f7;
        out[0 * 8 + lane] = e0 + o0;
        out[7 * 8 + lane] = e0 - o0;
        out[1 * 8 + lane] = e1 + o1;
        out[6 * 8 + lane] = e1 - o1;
        out[2 * 8 + lane] = e2 + o2;
        out[5 * 8 + lane] = e2 - o2;
        out[3 * 8 + lane] = e3 + o3;
        out[4 * 8 + lane] = e3 - o3;
    }
}

} // namespace

void inverseDct(const float* coef, std::int16_t* out, std::ptrdiff_t stride)
{
    alignas(32) float pass1[64];
    alignas(32) float turned[64];
    alignas(32) float samples[64];
    transformLanes(coef, pass1);
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            turned[c * 8 + r] = pass1[r * 8 + c];
    transformLanes(turned, samples);
    for (int y = 0; y < 8; ++y) {
        std::int16_t* row = out + y * stride;
        for (int x = 0; x < 8; ++x) {
            // Level shift and rounding; the conversion truncates, which
            // rounds correctly for every sample above -128.
            const float v = std::min(std::max(samples[y * 8 + x] + 128.5f, -32768.0f), 32767.0f);
            row[x] = static_cast<std::int16_t>(static_cast<std::int32_t>(v));
        }
    }
}

void inverseDctDcOnly(float dc, std::int16_t* out, std::ptrdiff_t stride)
{
    // F(0,0) · (1/2)·(1/2)·(1/2): the DC gain of the two passes.
    const float v = std::min(std::max(dc * 0.125f + 128.5f, -32768.0f), 32767.0f);
    const auto level = static_cast<std::int16_t>(static_cast<std::int32_t>(v));
    for (int y = 0; y < 8; ++y)
        std::fill_n(out + y * stride, 8, level);
}

} // namespace pictra::jpeg
