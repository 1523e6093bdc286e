#include "core/infobar/rgb_histogram.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(RgbHistogram, CountsEachChannelAndSkipsRowPadding)
{
    ImageBuffers buffers(1024);
    ImageRecord& r = buffers.record();
    ASSERT_EQ(r.setup24(3, 2), Status::Ok); // 9 bytes of pixels + 3 of padding per row
    std::fill(r.pixels.begin(), r.pixels.begin() + 24, std::uint8_t{0xEE}); // padding stays 0xEE
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            r.row(y)[x * 3 + 0] = 10;                          // blue
            r.row(y)[x * 3 + 1] = static_cast<std::uint8_t>(x); // green
            r.row(y)[x * 3 + 2] = 200;                         // red
        }
    const RgbHistogram h = countRgbHistogram(r);
    EXPECT_EQ(h.blue[10], 6u);
    EXPECT_EQ(h.green[0], 2u);
    EXPECT_EQ(h.green[2], 2u);
    EXPECT_EQ(h.red[200], 6u);
    EXPECT_EQ(h.blue[0xEE] + h.green[0xEE] + h.red[0xEE], 0u);
    EXPECT_EQ(h.largest(), 6u);
}

TEST(RgbHistogram, HeaderSizeLargerThanTheBufferCountsOnlyWhatExists)
{
    ImageBuffers buffers(64);
    ImageRecord& r = buffers.record();
    ASSERT_EQ(r.setup24(4, 4), Status::Ok);
    std::fill(r.pixels.begin(), r.pixels.end(), std::uint8_t{1});
    r.fileHeader.size = 0xFFFFFFFF;
    const RgbHistogram h = countRgbHistogram(r);
    EXPECT_EQ(h.blue[1], 16u);
    r.infoHeader.bitCount = 8;
    EXPECT_EQ(countRgbHistogram(r).largest(), 0u);
}

TEST(HistogramPolyline, ScalesIntoTheBoxWithHalfAwayRounding)
{
    std::array<std::uint32_t, 256> counts{};
    counts[0] = 4;
    counts[1] = 1;
    counts[255] = 2;
    const Rect box{10, 20, 138, 60}; // 128 wide, 40 high
    const auto points = histogramPolyline(counts, 4, box);
    ASSERT_EQ(points.size(), 256u);
    EXPECT_EQ(points[0], (IntPoint{10, 20}));       // the largest count reaches the top
    EXPECT_EQ(points[1], (IntPoint{11, 50}));       // 0.5 rounds up to 1; 1 × 10 = 10
    EXPECT_EQ(points[3], (IntPoint{12, 60}));       // 1.5 -> 2
    EXPECT_EQ(points[255], (IntPoint{138, 40}));    // 127.5 -> 128
    EXPECT_TRUE(histogramPolyline(counts, 0, box).empty());
}

TEST(HistogramPolyline, GreyPictureGivesThreeCoincidingCurves)
{
    ImageBuffers buffers(256);
    ImageRecord& r = buffers.record();
    ASSERT_EQ(r.setup24(4, 4), Status::Ok);
    std::fill(r.pixels.begin(), r.pixels.end(), std::uint8_t{128});
    const RgbHistogram h = countRgbHistogram(r);
    const Rect box{0, 0, 256, 100};
    EXPECT_EQ(histogramPolyline(h.red, h.largest(), box), histogramPolyline(h.green, h.largest(), box));
    EXPECT_EQ(histogramPolyline(h.blue, h.largest(), box), histogramPolyline(h.green, h.largest(), box));
}

} // namespace
} // namespace pictra
