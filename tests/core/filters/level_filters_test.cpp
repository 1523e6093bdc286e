// Threshold, grey scale, negative and single-channel scales.
#include "core/filters/channel_scale.h"
#include "core/filters/gray_scale.h"
#include "core/filters/negative.h"
#include "core/filters/threshold.h"
#include "test_picture.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

using test::Bgr;
using test::TestPicture;

TEST(Threshold, RangeDefaultAndVminMakingAllWhite)
{
    TestPicture pic(3, 1);
    pic.setPixel(0, 0, {1, 0, 0});   // 0x010000
    pic.setPixel(1, 0, {0, 0, 9});   // 9
    pic.setPixel(2, 0, {2, 3, 4});   // 0x020304
    const Result<PackedRange> range = packedRange(pic.record());
    ASSERT_TRUE(range.ok());
    EXPECT_EQ(range->vmin, 9);
    EXPECT_EQ(range->vmax, 0x020304);
    EXPECT_EQ(defaultThreshold(*range), (9 + 0x020304) / 2);
    ASSERT_EQ(applyThreshold(pic.record(), range->vmin), Status::Ok);
    EXPECT_EQ(pic.pixels(), std::vector<Bgr>(3, Bgr{255, 255, 255}));
    EXPECT_TRUE(pic.paddingIntact());
}

TEST(Threshold, SplitsAtTheThresholdValue)
{
    TestPicture pic(3, 1);
    pic.setPixel(0, 0, {0x10, 0xFF, 0xFF}); // just below: blue decides
    pic.setPixel(1, 0, {0x11, 0x00, 0x00}); // equal
    pic.setPixel(2, 0, {0x11, 0x00, 0x01});
    ASSERT_EQ(applyThreshold(pic.record(), 0x110000), Status::Ok);
    EXPECT_EQ(pic.pixels(), (std::vector<Bgr>{{0, 0, 0}, {255, 255, 255}, {255, 255, 255}}));
    EXPECT_EQ(applyThreshold(pic.record(), -1), Status::InvalidArgument);
    EXPECT_EQ(applyThreshold(pic.record(), kMaxPackedValue + 1), Status::InvalidArgument);
}

struct GrayCase {
    int levels;
    Bgr in;
    std::uint8_t out;
};

class GrayScale : public testing::TestWithParam<GrayCase> {};

TEST_P(GrayScale, MapsTheChannelAverage)
{
    const GrayCase c = GetParam();
    TestPicture pic(5, 2);
    pic.setPixel(3, 1, c.in);
    ASSERT_EQ(grayScale(pic.record(), c.levels), Status::Ok);
    EXPECT_EQ(pic.pixel(3, 1), (Bgr{c.out, c.out, c.out}));
    EXPECT_TRUE(pic.paddingIntact());
}

constexpr Bgr grey(std::uint8_t v) { return {v, v, v}; }

INSTANTIATE_TEST_SUITE_P(
    Boundaries, GrayScale,
    testing::Values(GrayCase{256, {10, 20, 31}, 20}, GrayCase{256, {0, 0, 2}, 0},
                    GrayCase{16, grey(0), 0}, GrayCase{16, grey(7), 0}, GrayCase{16, grey(8), 16},
                    GrayCase{16, grey(23), 16}, GrayCase{16, grey(24), 32}, GrayCase{16, grey(247), 240},
                    GrayCase{16, grey(248), 255}, GrayCase{16, grey(255), 255},
                    GrayCase{2, grey(85), 0}, GrayCase{2, {86, 86, 85}, 0},
                    GrayCase{2, grey(86), 192}, GrayCase{2, grey(169), 192}, GrayCase{2, grey(170), 255}));

TEST(Negative, ComplementsEveryByteAndTwiceRestores)
{
    TestPicture pic(7, 3);
    const std::vector<Bgr> before = pic.pixels();
    ASSERT_EQ(makeNegative(pic.record()), Status::Ok);
    const Bgr p = before[4];
    EXPECT_EQ(pic.pixels()[4], (Bgr{std::uint8_t(255 - p.b), std::uint8_t(255 - p.g), std::uint8_t(255 - p.r)}));
    ASSERT_EQ(makeNegative(pic.record()), Status::Ok);
    EXPECT_EQ(pic.pixels(), before);
    EXPECT_TRUE(pic.paddingIntact());
}

struct ScaleCase {
    ScaleChannel channel;
    Bgr out;
};

class ChannelScale : public testing::TestWithParam<ScaleCase> {};

TEST_P(ChannelScale, SpreadsOneChannelTowardWhite)
{
    TestPicture pic(5, 2);
    pic.setPixel(1, 1, {30, 60, 90});
    ASSERT_EQ(channelScale(pic.record(), GetParam().channel), Status::Ok);
    EXPECT_EQ(pic.pixel(1, 1), GetParam().out);
    EXPECT_TRUE(pic.paddingIntact());
}

INSTANTIATE_TEST_SUITE_P(Channels, ChannelScale,
                         testing::Values(ScaleCase{ScaleChannel::Red, {90, 90, 255}},
                                         ScaleCase{ScaleChannel::Green, {60, 255, 60}},
                                         ScaleCase{ScaleChannel::Blue, {255, 30, 30}}));

TEST(LevelFilters, RefuseRecordsThatAreNotSound24BitPictures)
{
    TestPicture pic(5, 2);
    pic.record().infoHeader.bitCount = 8;
    EXPECT_EQ(makeNegative(pic.record()), Status::Unsupported);
    pic.record().infoHeader.bitCount = 24;
    pic.record().infoHeader.height = 3; // rows beyond the buffer
    EXPECT_EQ(makeNegative(pic.record()), Status::InvalidArgument);
    EXPECT_FALSE(packedRange(pic.record()).ok());
}

TEST(LevelFilters, RefuseOtherLevelCountsAndChangeNothing)
{
    TestPicture pic(5, 2);
    const std::vector<Bgr> before = pic.pixels();
    EXPECT_EQ(grayScale(pic.record(), 8), Status::InvalidArgument);
    EXPECT_EQ(pic.pixels(), before);
}

} // namespace
} // namespace pictra
