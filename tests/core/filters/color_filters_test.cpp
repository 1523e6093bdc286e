// RGB and lightness/hue/saturation adjustment against literal per-pixel
// arithmetic.
#include "core/filters/lightness_hue_saturation.h"
#include "core/filters/rgb_adjust.h"
#include "test_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pictra {
namespace {

using test::Bgr;
using test::TestPicture;

std::uint8_t clampTrunc(double v) { return static_cast<std::uint8_t>(std::clamp(std::trunc(v), 0.0, 255.0)); }

// Adds pure colours, greys, black and white to the bottom row.
void addExtremes(TestPicture& pic)
{
    const Bgr extremes[] = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}, {0, 0, 0},
                            {255, 255, 255}, {128, 128, 128}, {7, 200, 90}};
    for (int x = 0; x < 7 && x < pic.width(); ++x)
        pic.setPixel(x, 0, extremes[x]);
}

struct RgbCase {
    int r, g, b;
};

class RgbAdjust : public testing::TestWithParam<RgbCase> {};

TEST_P(RgbAdjust, MatchesPerPixelArithmetic)
{
    const RgbCase c = GetParam();
    TestPicture pic(13, 9);
    addExtremes(pic);
    const std::vector<Bgr> before = pic.pixels();
    ASSERT_EQ(adjustRgb(pic.record(), c.r, c.g, c.b), Status::Ok);
    const std::vector<Bgr> after = pic.pixels();
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Bgr p = before[i];
        const Bgr want{clampTrunc(p.b * (c.b / 100.0 + 1)), clampTrunc(p.g * (c.g / 100.0 + 1)),
                       clampTrunc(p.r * (c.r / 100.0 + 1))};
        ASSERT_EQ(after[i], want) << "pixel " << i;
    }
    EXPECT_TRUE(pic.paddingIntact());
}

INSTANTIATE_TEST_SUITE_P(Percentages, RgbAdjust,
                         testing::Values(RgbCase{-100, 0, 0}, RgbCase{100, 0, 0}, RgbCase{0, -100, 100},
                                         RgbCase{37, -55, 12}, RgbCase{0, 0, 0}));

// The documented per-pixel formula, with atan2, sin and cos.
Bgr referenceLhs(Bgr p, LhsParams q)
{
    const double r = p.r, g = p.g, b = p.b;
    const double y = 0.3 * r + 0.59 * g + 0.11 * b;
    const double u = r - y;
    const double w = b - y;
    const double angle = std::atan2(u, w) + q.hue / 180.0 * 3.1415;
    const double radius = std::sqrt(u * u + w * w) * (q.saturation / 100.0 + 1);
    const double y2 = y * (q.lightness / 100.0 + 1);
    const double u2 = radius * std::sin(angle);
    const double w2 = radius * std::cos(angle);
    return {clampTrunc(y2 + w2), clampTrunc(y2 - 0.5084745762711864 * u2 - 0.1864406779661017 * w2),
            clampTrunc(y2 + u2)};
}

int maxDifference(Bgr a, Bgr b)
{
    return std::max({std::abs(a.b - b.b), std::abs(a.g - b.g), std::abs(a.r - b.r)});
}

class LhsAdjust : public testing::TestWithParam<LhsParams> {};

TEST_P(LhsAdjust, StaysWithinOneOfThePerPixelFormula)
{
    const LhsParams q = GetParam();
    TestPicture pic(31, 17, 7);
    addExtremes(pic);
    const std::vector<Bgr> before = pic.pixels();
    ASSERT_EQ(adjustLightnessHueSaturation(pic.record(), q), Status::Ok);
    const std::vector<Bgr> after = pic.pixels();
    std::size_t exact = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Bgr want = referenceLhs(before[i], q);
        ASSERT_LE(maxDifference(after[i], want), 1) << "pixel " << i;
        exact += after[i] == want;
    }
    // Off by one only where the exact value sits on an integer.
    EXPECT_GT(exact, before.size() * 95 / 100);
    EXPECT_TRUE(pic.paddingIntact());
}

INSTANTIATE_TEST_SUITE_P(Params, LhsAdjust,
                         testing::Values(LhsParams{0, 180, 0}, LhsParams{0, 0, -100}, LhsParams{0, -180, 100},
                                         LhsParams{100, 0, 0}, LhsParams{-100, 45, 0},
                                         LhsParams{30, -90, 40}, LhsParams{-20, 17, -60}));

TEST(LhsAdjust, HueHalfTurnMakesRedCyanAndNoSaturationMakesGrey)
{
    TestPicture pic(5, 2);
    pic.setPixel(0, 0, {0, 0, 255});
    ASSERT_EQ(adjustLightnessHueSaturation(pic.record(), {0, 180, 0}), Status::Ok);
    const Bgr cyan = pic.pixel(0, 0);
    EXPECT_EQ(cyan.r, 0);
    EXPECT_NEAR(cyan.g, 153, 1);
    EXPECT_NEAR(cyan.b, 153, 1);

    ASSERT_EQ(adjustLightnessHueSaturation(pic.record(), {0, 0, -100}), Status::Ok);
    for (const Bgr p : pic.pixels()) {
        EXPECT_LE(std::abs(p.r - p.g), 1);
        EXPECT_LE(std::abs(p.b - p.g), 1);
    }
}

TEST(ColorFilters, ParametersOutOfRangeChangeNothing)
{
    TestPicture pic(7, 3);
    const std::vector<Bgr> before = pic.pixels();
    EXPECT_EQ(adjustRgb(pic.record(), 101, 0, 0), Status::InvalidArgument);
    EXPECT_EQ(adjustRgb(pic.record(), 0, -101, 0), Status::InvalidArgument);
    EXPECT_EQ(adjustLightnessHueSaturation(pic.record(), {-101, 0, 0}), Status::InvalidArgument);
    EXPECT_EQ(adjustLightnessHueSaturation(pic.record(), {0, 181, 0}), Status::InvalidArgument);
    EXPECT_EQ(adjustLightnessHueSaturation(pic.record(), {0, 0, 101}), Status::InvalidArgument);
    EXPECT_EQ(pic.pixels(), before);
}

} // namespace
} // namespace pictra
