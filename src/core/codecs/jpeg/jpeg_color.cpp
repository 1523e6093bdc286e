// YCbCr to BGR in 14-bit fixed point (floor and truncation toward zero
// differ only below zero, where the result is clamped to 0 either way), and
// BGR to level-shifted YCbCr in single precision for the encoder.
#include "core/codecs/jpeg/jpeg_color.h"

#include <algorithm>

namespace pictra::jpeg {
namespace {

constexpr int kBits = 14;
constexpr std::int32_t fixed(double v) { return static_cast<std::int32_t>(v * (1 << kBits) + (v < 0 ? -0.5 : 0.5)); }

constexpr std::int32_t kCbToB = fixed(1.7718);
constexpr std::int32_t kCbToG = fixed(0.3441);
constexpr std::int32_t kCrToG = fixed(0.7139);
constexpr std::int32_t kCrToR = fixed(1.402);

// Toward zero; the conversion to int does that and vectorises, unlike std::trunc.
inline float truncate(float v) { return static_cast<float>(static_cast<std::int32_t>(v)); }

inline std::uint8_t clampByte(std::int32_t v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

inline void storePixel(std::uint8_t* bgr, std::int32_t luma, std::int32_t blue, std::int32_t green, std::int32_t red)
{
    bgr[0] = clampByte(luma + blue);
    bgr[1] = clampByte(luma + green);
    bgr[2] = clampByte(luma + red);
}

// The chroma contributions of one (Cb, Cr) pair, floored.
struct ChromaTerms {
    std::int32_t blue, green, red;
};

inline ChromaTerms chromaTerms(std::int32_t cb, std::int32_t cr)
{
    const std::int32_t b = cb - 128;
    const std::int32_t r = cr - 128;
    return {(kCbToB * b) >> kBits, (-kCbToG * b - kCrToG * r) >> kBits, (kCrToR * r) >> kBits};
}

void convertFullChroma(const std::int16_t* y, const std::int16_t* cb, const std::int16_t* cr, std::uint8_t* bgr,
                       int width)
{
    for (int x = 0; x < width; ++x) {
        const ChromaTerms t = chromaTerms(cb[x], cr[x]);
        storePixel(bgr + 3 * x, y[x], t.blue, t.green, t.red);
    }
}

// Two neighbouring pixels share one chroma sample.
void convertHalfChroma(const std::int16_t* y, const std::int16_t* cb, const std::int16_t* cr, std::uint8_t* bgr,
                       int width)
{
    const int pairs = width / 2;
    for (int i = 0; i < pairs; ++i) {
        const ChromaTerms t = chromaTerms(cb[i], cr[i]);
        storePixel(bgr + 6 * i, y[2 * i], t.blue, t.green, t.red);
        storePixel(bgr + 6 * i + 3, y[2 * i + 1], t.blue, t.green, t.red);
    }
    if (width % 2 != 0) {
        const ChromaTerms t = chromaTerms(cb[pairs], cr[pairs]);
        storePixel(bgr + 6 * pairs, y[2 * pairs], t.blue, t.green, t.red);
    }
}

} // namespace

void yccRowToBgr(const std::int16_t* y, const std::int16_t* cb, const std::int16_t* cr, int chromaShift,
                 std::uint8_t* bgr, int width)
{
    if (chromaShift == 0)
        convertFullChroma(y, cb, cr, bgr, width);
    else
        convertHalfChroma(y, cb, cr, bgr, width);
}

void greyRowToBgr(const std::int16_t* y, std::uint8_t* bgr, int width)
{
    for (int x = 0; x < width; ++x) {
        const std::uint8_t v = clampByte(y[x]);
        bgr[3 * x + 0] = v;
        bgr[3 * x + 1] = v;
        bgr[3 * x + 2] = v;
    }
}

void bgrRowToYcc(const std::uint8_t* bgr, int width, int paddedWidth, float* y, float* cb, float* cr)
{
    for (int x = 0; x < width; ++x) {
        const float b = bgr[3 * x], g = bgr[3 * x + 1], r = bgr[3 * x + 2];
        y[x] = truncate(0.299f * r + 0.587f * g + 0.114f * b - 128.0f);
    }
    std::fill(y + width, y + paddedWidth, width > 0 ? y[width - 1] : 0.0f);
    if (!cb || !cr)
        return;
    const int chromaWidth = (width + 1) / 2;
    for (int i = 0; i < chromaWidth; ++i) {
        const float b = bgr[6 * i], g = bgr[6 * i + 1], r = bgr[6 * i + 2];
        cb[i] = truncate(-0.1687f * r - 0.3313f * g + 0.5f * b);
        cr[i] = truncate(0.5f * r - 0.4187f * g - 0.0813f * b);
    }
    std::fill(cb + chromaWidth, cb + paddedWidth / 2, cb[chromaWidth - 1]);
    std::fill(cr + chromaWidth, cr + paddedWidth / 2, cr[chromaWidth - 1]);
}

} // namespace pictra::jpeg
