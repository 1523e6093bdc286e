// Lightness/hue/saturation as a linear map of (R, G, B). Turning (u, w) by
// θ = angle' - angle and scaling it by k gives
//   u' = k (u cos θ + w sin θ),   w' = k (w cos θ - u sin θ),
// so every output byte is a fixed linear combination of R, G and B. The
// combination is evaluated with per-channel tables in 16.16 fixed point.
#include "core/filters/lightness_hue_saturation.h"

#include "core/filters/pixel_rows.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pictra {
namespace {

constexpr double kAngleUnit = 3.1415 / 180; // the turn uses 3.1415, not π
constexpr double kGreenFromU = 0.5084745762711864; // 0.30 / 0.59
constexpr double kGreenFromW = 0.1864406779661017; // 0.11 / 0.59
constexpr int kFractionBits = 16;

// A linear form over (R, G, B).
struct Form {
    double r = 0, g = 0, b = 0;
};

Form operator+(Form a, Form b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Form operator-(Form a, Form b) { return {a.r - b.r, a.g - b.g, a.b - b.b}; }
Form operator*(double k, Form a) { return {k * a.r, k * a.g, k * a.b}; }

// term[out][in][v]: the fixed-point share of input channel `in` with value v
// in output byte `out` (0 blue, 1 green, 2 red; same order for inputs).
using Terms = std::array<std::array<std::array<std::int32_t, 256>, 3>, 3>;

std::array<Form, 3> outputForms(const LhsParams& p)
{
    const Form y{0.3, 0.59, 0.11};
    const Form u = Form{1, 0, 0} - y;
    const Form w = Form{0, 0, 1} - y;
    const double theta = p.hue * kAngleUnit;
    const double k = p.saturation / 100.0 + 1;
    const Form u2 = k * (std::cos(theta) * u + std::sin(theta) * w);
    const Form w2 = k * (std::cos(theta) * w - std::sin(theta) * u);
    const Form y2 = (p.lightness / 100.0 + 1) * y;
    return {y2 + w2, y2 - kGreenFromU * u2 - kGreenFromW * w2, y2 + u2};
}

void fillTerms(Terms& terms, const LhsParams& p)
{
    const std::array<Form, 3> forms = outputForms(p);
    const double scale = 1 << kFractionBits;
    for (int out = 0; out < 3; ++out) {
        const std::array<double, 3> coef{forms[out].b, forms[out].g, forms[out].r};
        for (int in = 0; in < 3; ++in)
            for (int v = 0; v < 256; ++v)
                terms[out][in][v] = static_cast<std::int32_t>(std::lround(coef[in] * v * scale));
    }
}

// The sum's floor; negative sums clamp to 0, where floor and trunc agree.
std::uint8_t toByte(std::int32_t sum)
{
    return static_cast<std::uint8_t>(std::clamp(sum >> kFractionBits, 0, 255));
}

void applyTerms(ImageRecord& record, const Terms& t)
{
    for (int y = 0; y < record.height(); ++y) {
        std::uint8_t* p = record.row(y);
        std::uint8_t* const end = p + static_cast<std::size_t>(record.width()) * 3;
        for (; p != end; p += 3) {
            const int b = p[0], g = p[1], r = p[2];
            p[0] = toByte(t[0][0][b] + t[0][1][g] + t[0][2][r]);
            p[1] = toByte(t[1][0][b] + t[1][1][g] + t[1][2][r]);
            p[2] = toByte(t[2][0][b] + t[2][1][g] + t[2][2][r]);
        }
    }
}

} // namespace

Status adjustLightnessHueSaturation(ImageRecord& record, LhsParams params)
{
    if (params.lightness < kLightnessMin || params.lightness > kLightnessMax ||
        params.hue < kHueMin || params.hue > kHueMax || params.saturation < kSaturationMin ||
        params.saturation > kSaturationMax)
        return Status::InvalidArgument;
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    if (params.lightness == 0 && params.hue == 0 && params.saturation == 0)
        return Status::Ok;
    Terms terms; // 9 KB
    fillTerms(terms, params);
    applyTerms(record, terms);
    return Status::Ok;
}

} // namespace pictra
