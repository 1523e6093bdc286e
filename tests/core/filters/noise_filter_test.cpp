// The 3 × 3 noise filter and its distinct-values rank.
#include "core/filters/noise_filter.h"
#include "core/filters/threshold.h"
#include "test_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace pictra {
namespace {

using test::Bgr;
using test::TestPicture;

// The slot list built literally: slot k is the smallest value not yet
// listed, or the maximum once every value is listed.
std::int32_t referenceRank(const std::array<std::int32_t, 9>& values)
{
    const std::int32_t m = *std::max_element(values.begin(), values.end());
    std::vector<std::int32_t> slots;
    for (int k = 0; k < 9; ++k) {
        std::int32_t best = std::numeric_limits<std::int32_t>::max();
        for (std::int32_t v : values)
            if (std::find(slots.begin(), slots.end(), v) == slots.end())
                best = std::min(best, v);
        slots.push_back(best == std::numeric_limits<std::int32_t>::max() ? m : best);
    }
    return slots[4];
}

struct RankCase {
    std::array<std::int32_t, 9> values;
    std::int32_t rank;
};

class NoiseRank : public testing::TestWithParam<RankCase> {};

TEST_P(NoiseRank, TakesTheFifthDistinctValueOrTheMaximum)
{
    EXPECT_EQ(noiseRank(GetParam().values), GetParam().rank);
    EXPECT_EQ(referenceRank(GetParam().values), GetParam().rank);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, NoiseRank,
    testing::Values(RankCase{{9, 1, 8, 2, 7, 3, 6, 4, 5}, 5},       // nine different: the median
                    RankCase{{4, 4, 4, 4, 9, 4, 4, 4, 4}, 9},       // eight equal, one larger
                    RankCase{{1, 1, 2, 2, 3, 3, 4, 4, 4}, 4},       // four distinct: the maximum
                    RankCase{{1, 2, 3, 4, 5, 5, 5, 5, 5}, 5},       // exactly five distinct
                    RankCase{{1, 1, 1, 1, 1, 2, 3, 4, 5}, 5},       // duplicates below the median
                    RankCase{{7, 7, 7, 7, 7, 7, 7, 7, 7}, 7}));

TEST(NoiseFilter, ReplacesInteriorPixelsAndKeepsTheBorder)
{
    TestPicture pic(7, 6, 5);
    pic.setPixel(3, 3, {255, 255, 255}); // a lone speck
    const std::vector<Bgr> before = pic.pixels();
    const auto original = [&](int x, int y) { return before[static_cast<std::size_t>(y * 7 + x)]; };
    ASSERT_EQ(applyNoiseFilter(pic.record()), Status::Ok);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 7; ++x) {
            Bgr want = original(x, y);
            if (x > 0 && x < 6 && y > 0 && y < 5) {
                std::array<std::int32_t, 9> values{};
                int n = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const Bgr p = original(x + dx, y + dy);
                        values[n++] = packedValue(p.b, p.g, p.r);
                    }
                const std::int32_t v = referenceRank(values);
                want = {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
            }
            ASSERT_EQ(pic.pixel(x, y), want) << x << "," << y;
        }
    }
    EXPECT_NE(pic.pixel(3, 3), (Bgr{255, 255, 255}));
    EXPECT_TRUE(pic.paddingIntact());
}

TEST(NoiseFilter, SmallPicturesChangeOnlyTheirInterior)
{
    for (const auto& [w, h] : {std::pair{1, 1}, {2, 2}, {2, 5}, {5, 2}}) {
        TestPicture pic(w, h);
        const std::vector<Bgr> before = pic.pixels();
        ASSERT_EQ(applyNoiseFilter(pic.record()), Status::Ok);
        EXPECT_EQ(pic.pixels(), before) << w << "x" << h;
        EXPECT_TRUE(pic.paddingIntact());
    }
    // 3 × 3: only the centre takes the rank of all nine.
    TestPicture pic(3, 3);
    for (int i = 0; i < 9; ++i)
        pic.setPixel(i % 3, i / 3, {0, 0, std::uint8_t(10 * (9 - i))});
    ASSERT_EQ(applyNoiseFilter(pic.record()), Status::Ok);
    EXPECT_EQ(pic.pixel(1, 1), (Bgr{0, 0, 50}));
    EXPECT_EQ(pic.pixel(0, 0), (Bgr{0, 0, 90}));
    EXPECT_TRUE(pic.paddingIntact());
}

} // namespace
} // namespace pictra
