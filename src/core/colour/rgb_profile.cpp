// Building RGB profiles with lcms2.
#include "core/colour/rgb_profile.h"

#include <lcms2.h>

#include <memory>

namespace pictra {
namespace {

struct ProfileClose {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
struct CurveFree {
    void operator()(cmsToneCurve* curve) const { cmsFreeToneCurve(curve); }
};

std::unique_ptr<cmsToneCurve, CurveFree> makeCurve(ToneCurve curve)
{
    switch (curve) {
    case ToneCurve::Linear: return std::unique_ptr<cmsToneCurve, CurveFree>(cmsBuildGamma(nullptr, 1.0));
    case ToneCurve::Gamma22: return std::unique_ptr<cmsToneCurve, CurveFree>(cmsBuildGamma(nullptr, 2.2));
    case ToneCurve::Gamma28: return std::unique_ptr<cmsToneCurve, CurveFree>(cmsBuildGamma(nullptr, 2.8));
    case ToneCurve::Srgb: break;
    }
    // IEC 61966-2-1: Y = ((aX + b)^g for X >= d, cX below.
    const cmsFloat64Number srgb[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
    return std::unique_ptr<cmsToneCurve, CurveFree>(cmsBuildParametricToneCurve(nullptr, 4, srgb));
}

} // namespace

RgbColourSpace displayP3()
{
    return {{0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}, {0.3127, 0.3290}, ToneCurve::Srgb};
}

std::vector<std::uint8_t> buildRgbProfile(const RgbColourSpace& space)
{
    const cmsCIExyY white{space.white.x, space.white.y, 1.0};
    const cmsCIExyYTRIPLE primaries{{space.red.x, space.red.y, 1.0},
                                    {space.green.x, space.green.y, 1.0},
                                    {space.blue.x, space.blue.y, 1.0}};
    const auto curve = makeCurve(space.curve);
    if (!curve || space.white.y <= 0)
        return {};
    cmsToneCurve* curves[3] = {curve.get(), curve.get(), curve.get()};
    const std::unique_ptr<void, ProfileClose> profile(cmsCreateRGBProfile(&white, &primaries, curves));
    cmsUInt32Number size = 0;
    if (!profile || !cmsSaveProfileToMem(profile.get(), nullptr, &size) || size == 0)
        return {};
    std::vector<std::uint8_t> bytes(size);
    if (!cmsSaveProfileToMem(profile.get(), bytes.data(), &size))
        return {};
    bytes.resize(size);
    return bytes;
}

} // namespace pictra
