// Test profiles built from primaries and tone curves with lcms2.
#include "support/colour_profiles.h"

#include <lcms2.h>

#include <cmath>
#include <memory>
#include <string_view>
#include <type_traits>

namespace pictra::test {
namespace {

struct ProfileClose {
    void operator()(cmsHPROFILE p) const { cmsCloseProfile(p); }
};
using Profile = std::unique_ptr<std::remove_pointer_t<cmsHPROFILE>, ProfileClose>;
struct CurveFree {
    void operator()(cmsToneCurve* c) const { cmsFreeToneCurve(c); }
};
using Curve = std::unique_ptr<cmsToneCurve, CurveFree>;

std::vector<std::uint8_t> save(const Profile& profile)
{
    cmsUInt32Number size = 0;
    if (!profile || !cmsSaveProfileToMem(profile.get(), nullptr, &size))
        return {};
    std::vector<std::uint8_t> bytes(size);
    cmsSaveProfileToMem(profile.get(), bytes.data(), &size);
    return bytes;
}

cmsCIExyY d65()
{
    cmsCIExyY white;
    cmsWhitePointFromTemp(&white, 6504);
    return white;
}

Curve srgbCurve()
{
    const cmsFloat64Number params[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
    return Curve(cmsBuildParametricToneCurve(nullptr, 4, params));
}

std::vector<std::uint8_t> rgbProfile(const cmsCIExyYTRIPLE& primaries, const Curve& curve)
{
    const cmsCIExyY white = d65();
    cmsToneCurve* curves[3] = {curve.get(), curve.get(), curve.get()};
    return save(Profile(cmsCreateRGBProfile(&white, &primaries, curves)));
}

} // namespace

std::vector<std::uint8_t> displayP3Profile()
{
    const cmsCIExyYTRIPLE p3 = {{0.680, 0.320, 1.0}, {0.265, 0.690, 1.0}, {0.150, 0.060, 1.0}};
    return rgbProfile(p3, srgbCurve());
}

std::vector<std::uint8_t> adobeRgbProfile()
{
    const cmsCIExyYTRIPLE adobe = {{0.640, 0.330, 1.0}, {0.210, 0.710, 1.0}, {0.150, 0.060, 1.0}};
    return rgbProfile(adobe, Curve(cmsBuildGamma(nullptr, 563.0 / 256.0)));
}

std::vector<std::uint8_t> srgbProfile() { return save(Profile(cmsCreate_sRGBProfile())); }

std::vector<std::uint8_t> greyGammaProfile(double gamma)
{
    const cmsCIExyY white = d65();
    const Curve curve(cmsBuildGamma(nullptr, gamma));
    return save(Profile(cmsCreateGrayProfile(&white, curve.get())));
}

std::vector<std::uint8_t> withIccSegment(const std::vector<std::uint8_t>& jpeg, const std::vector<std::uint8_t>& profile)
{
    const std::string_view signature("ICC_PROFILE\0", 12);
    const std::size_t length = 2 + signature.size() + 2 + profile.size();
    std::vector<std::uint8_t> out;
    out.reserve(jpeg.size() + length + 2);
    out.push_back(0xFF);
    out.push_back(0xD8);
    out.push_back(0xFF);
    out.push_back(0xE2);
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    out.push_back(static_cast<std::uint8_t>(length & 0xFF));
    out.insert(out.end(), signature.begin(), signature.end());
    out.push_back(1); // chunk 1
    out.push_back(1); // of 1
    out.insert(out.end(), profile.begin(), profile.end());
    if (jpeg.size() > 2)
        out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

double deltaE76(const Rgb8& a, const Rgb8& b)
{
    const Profile srgb(cmsCreate_sRGBProfile());
    const Profile lab(cmsCreateLab4Profile(nullptr));
    const auto transform = cmsCreateTransform(srgb.get(), TYPE_RGB_8, lab.get(), TYPE_Lab_DBL,
                                              INTENT_RELATIVE_COLORIMETRIC, 0);
    cmsCIELab labA{}, labB{};
    cmsDoTransform(transform, a.data(), &labA, 1);
    cmsDoTransform(transform, b.data(), &labB, 1);
    cmsDeleteTransform(transform);
    return cmsDeltaE(&labA, &labB);
}

} // namespace pictra::test
