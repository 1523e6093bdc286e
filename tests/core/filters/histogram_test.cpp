// Histogram counts, limit processing and the tool's limit state.
#include "core/filters/histogram.h"
#include "core/filters/histogram_tool_state.h"
#include "test_picture.h"

#include <gtest/gtest.h>

#include <numeric>

namespace pictra {
namespace {

using test::Bgr;
using test::TestPicture;

TEST(Histogram, CountsEveryPixelOnceAndNeverThePadding)
{
    TestPicture pic(5, 3); // one padding byte per row holding the sentinel
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            pic.setPixel(x, y, {std::uint8_t(x), 7, std::uint8_t(x < 2 ? 200 : 100)});
    const Result<Histogram> h = countHistogram(pic.record());
    ASSERT_TRUE(h.ok());
    EXPECT_EQ(std::accumulate(h->red.begin(), h->red.end(), 0), 15);
    EXPECT_EQ(h->blue[test::kPaddingSentinel], 0);
    EXPECT_EQ(h->blue[4], 3);
    EXPECT_EQ(h->red[200], 6);
    EXPECT_EQ(h->red[100], 9);
    EXPECT_EQ(h->green[7], 15);
    EXPECT_EQ(h->peak, 15);
}

struct CutCase {
    HistogramChannel channel;
    HistogramMode mode;
    HistogramLimits limits;
};

class HistogramCut : public testing::TestWithParam<CutCase> {};

TEST_P(HistogramCut, ChangesOnlyTheChosenChannelsByTheModesRule)
{
    const CutCase c = GetParam();
    TestPicture pic(7, 4);
    pic.setPixel(0, 0, {0, 255, 64});
    pic.setPixel(1, 0, {63, 127, 128});
    const std::vector<Bgr> before = pic.pixels();
    ASSERT_EQ(applyHistogramLimits(pic.record(), c.channel, c.mode, c.limits), Status::Ok);
    const std::vector<Bgr> after = pic.pixels();
    const bool all = c.channel == HistogramChannel::Rgb;
    const auto expect = [&](std::uint8_t v, HistogramChannel ch) {
        return all || c.channel == ch ? cutValue(v, c.mode, c.limits) : v;
    };
    for (std::size_t i = 0; i < before.size(); ++i) {
        const Bgr p = before[i];
        EXPECT_EQ(after[i].b, expect(p.b, HistogramChannel::Blue));
        EXPECT_EQ(after[i].g, expect(p.g, HistogramChannel::Green));
        EXPECT_EQ(after[i].r, expect(p.r, HistogramChannel::Red));
    }
    EXPECT_TRUE(pic.paddingIntact());
    if (c.limits == HistogramLimits{255, 0}) {
        EXPECT_EQ(after, before) << "full limits change nothing in either mode";
    }
}

INSTANTIATE_TEST_SUITE_P(
    ChannelsAndModes, HistogramCut,
    testing::Values(CutCase{HistogramChannel::Rgb, HistogramMode::Clamp, {255, 0}},
                    CutCase{HistogramChannel::Rgb, HistogramMode::Cut, {255, 0}},
                    CutCase{HistogramChannel::Red, HistogramMode::Clamp, {255, 0}},
                    CutCase{HistogramChannel::Green, HistogramMode::Cut, {255, 0}},
                    CutCase{HistogramChannel::Blue, HistogramMode::Cut, {255, 0}},
                    CutCase{HistogramChannel::Red, HistogramMode::Cut, {128, 64}},
                    CutCase{HistogramChannel::Red, HistogramMode::Clamp, {128, 64}},
                    CutCase{HistogramChannel::Rgb, HistogramMode::Clamp, {100, 150}},
                    CutCase{HistogramChannel::Blue, HistogramMode::Clamp, {200, 30}}));

struct ValueCase {
    HistogramMode mode;
    HistogramLimits limits;
    int in, out;
};

class CutValue : public testing::TestWithParam<ValueCase> {};

TEST_P(CutValue, AppliesUpperThenLower)
{
    const ValueCase c = GetParam();
    EXPECT_EQ(cutValue(c.in, c.mode, c.limits), c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CutValue,
    testing::Values(ValueCase{HistogramMode::Cut, {128, 64}, 128, 255}, ValueCase{HistogramMode::Cut, {128, 64}, 127, 127},
                    ValueCase{HistogramMode::Cut, {128, 64}, 64, 64}, ValueCase{HistogramMode::Cut, {128, 64}, 63, 0},
                    ValueCase{HistogramMode::Cut, {255, 0}, 255, 255}, ValueCase{HistogramMode::Cut, {255, 0}, 0, 0},
                    ValueCase{HistogramMode::Clamp, {128, 64}, 200, 128}, ValueCase{HistogramMode::Clamp, {128, 64}, 10, 64},
                    ValueCase{HistogramMode::Clamp, {100, 150}, 120, 150}, // upper first, then lower
                    ValueCase{HistogramMode::Clamp, {255, 0}, 255, 255}));

TEST(HistogramCut, RefusesLimitsOutsideTheScale)
{
    TestPicture pic(5, 2);
    const std::vector<Bgr> before = pic.pixels();
    EXPECT_EQ(applyHistogramLimits(pic.record(), HistogramChannel::Rgb, HistogramMode::Cut, {256, 0}),
              Status::InvalidArgument);
    EXPECT_EQ(applyHistogramLimits(pic.record(), HistogramChannel::Red, HistogramMode::Clamp, {255, -1}),
              Status::InvalidArgument);
    EXPECT_EQ(pic.pixels(), before);
}

TEST(HistogramToolState, RemembersLimitsPerChannelAndStopsSliders)
{
    HistogramToolState state;
    selectChannel(state, HistogramChannel::Red);
    setUpperLimit(state, 128);
    setLowerLimit(state, 64);
    selectChannel(state, HistogramChannel::Green);
    EXPECT_EQ(state.limits, (HistogramLimits{255, 0}));
    selectChannel(state, HistogramChannel::Red);
    EXPECT_EQ(state.limits, (HistogramLimits{128, 64}));

    EXPECT_EQ(upperSliderStop(state.limits, 30), 64);
    EXPECT_EQ(upperSliderStop(state.limits, 90), 90);
    EXPECT_EQ(lowerSliderStop(state.limits, 200), 128);
    EXPECT_EQ(lowerSliderStop(state.limits, 10), 10);
}

} // namespace
} // namespace pictra
