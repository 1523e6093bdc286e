// Profiles built from primaries, checked by converting colours with lcms2
// against the colour-space arithmetic done by hand; and the nclx
// descriptions HEIF files carry, mapped to those colour spaces.
#include "core/codecs/heif/heif_colour.h"
#include "core/colour/rgb_profile.h"

#include <gtest/gtest.h>
#include <lcms2.h>

#include <array>
#include <cmath>
#include <memory>

namespace pictra {
namespace {

struct ProfileClose {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
struct TransformFree {
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};

std::array<std::uint8_t, 3> toSrgb(const std::vector<std::uint8_t>& icc, std::array<std::uint8_t, 3> rgb)
{
    const std::unique_ptr<void, ProfileClose> from(
        cmsOpenProfileFromMem(icc.data(), static_cast<cmsUInt32Number>(icc.size())));
    const std::unique_ptr<void, ProfileClose> to(cmsCreate_sRGBProfile());
    EXPECT_TRUE(from && to);
    const std::unique_ptr<void, TransformFree> transform(cmsCreateTransform(
        from.get(), TYPE_RGB_8, to.get(), TYPE_RGB_8, INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOCACHE));
    EXPECT_TRUE(transform);
    std::array<std::uint8_t, 3> out{};
    cmsDoTransform(transform.get(), rgb.data(), out.data(), 1);
    return out;
}

double srgbDecode(double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); }
double srgbEncode(double v) { return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055; }

TEST(RgbProfile, DisplayP3ConvertsAsItsPrimariesSay)
{
    const auto icc = buildRgbProfile(displayP3());
    ASSERT_GT(icc.size(), 128u);
    // Display P3 to sRGB in linear light (both D65); the colours lie inside both gamuts.
    constexpr double m[3][3] = {{1.2249, -0.2247, 0.0}, {-0.0420, 1.0419, 0.0}, {-0.0197, -0.0786, 1.0979}};
    for (const std::array<std::uint8_t, 3> p3 : {std::array<std::uint8_t, 3>{150, 120, 100}, {100, 150, 120}}) {
        const auto got = toSrgb(icc, p3);
        for (int c = 0; c < 3; ++c) {
            double linear = 0;
            for (int k = 0; k < 3; ++k)
                linear += m[c][k] * srgbDecode(p3[k] / 255.0);
            EXPECT_NEAR(got[c], 255 * srgbEncode(linear), 2.5) << "channel " << c;
        }
    }
}

TEST(RgbProfile, SrgbPrimariesGiveAnIdentityAndDegenerateOnesNoProfile)
{
    const RgbColourSpace srgb{{0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}, {0.3127, 0.3290}, ToneCurve::Srgb};
    const auto got = toSrgb(buildRgbProfile(srgb), {200, 100, 50});
    EXPECT_NEAR(got[0], 200, 1);
    EXPECT_NEAR(got[1], 100, 1);
    EXPECT_NEAR(got[2], 50, 1);
    RgbColourSpace linear = srgb;
    linear.curve = ToneCurve::Linear;
    EXPECT_NEAR(toSrgb(buildRgbProfile(linear), {55, 55, 55})[1], 255 * srgbEncode(55 / 255.0), 1.5);
    RgbColourSpace flat = srgb;
    flat.white = {0.3, 0.0};
    EXPECT_TRUE(buildRgbProfile(flat).empty());
}

heif_color_profile_nclx nclx(heif_color_primaries primaries, heif_transfer_characteristics transfer)
{
    heif_color_profile_nclx out{};
    out.color_primaries = primaries;
    out.transfer_characteristics = transfer;
    const RgbColourSpace p3 = displayP3();
    out.color_primary_red_x = float(p3.red.x);
    out.color_primary_red_y = float(p3.red.y);
    out.color_primary_green_x = float(p3.green.x);
    out.color_primary_green_y = float(p3.green.y);
    out.color_primary_blue_x = float(p3.blue.x);
    out.color_primary_blue_y = float(p3.blue.y);
    out.color_primary_white_x = float(p3.white.x);
    out.color_primary_white_y = float(p3.white.y);
    return out;
}

TEST(NclxColourSpace, SrgbNeedsNoProfileOtherSpacesGetTheirPrimariesAndCurve)
{
    EXPECT_FALSE(nclxColourSpace(nclx(heif_color_primaries_ITU_R_BT_709_5, heif_transfer_characteristic_IEC_61966_2_1)));
    EXPECT_FALSE(nclxColourSpace(nclx(heif_color_primaries_unspecified, heif_transfer_characteristic_unspecified)));
    EXPECT_FALSE(nclxColourSpace(nclx(heif_color_primaries_ITU_R_BT_709_5, heif_transfer_characteristic_ITU_R_BT_709_5)));

    const auto p3 = nclxColourSpace(nclx(heif_color_primaries_SMPTE_EG_432_1, heif_transfer_characteristic_IEC_61966_2_1));
    ASSERT_TRUE(p3);
    EXPECT_NEAR(p3->red.x, 0.680, 1e-6);
    EXPECT_NEAR(p3->green.y, 0.690, 1e-6);
    EXPECT_EQ(p3->curve, ToneCurve::Srgb);

    const auto linear = nclxColourSpace(nclx(heif_color_primaries_ITU_R_BT_709_5, heif_transfer_characteristic_linear));
    ASSERT_TRUE(linear);
    EXPECT_NEAR(linear->red.x, 0.64, 1e-6) << "BT.709 primaries, whatever the file's decoded values";
    EXPECT_EQ(linear->curve, ToneCurve::Linear);
}

} // namespace
} // namespace pictra
