#include "core/image_io/thumbnail_loader.h"

#include "support/synthetic_image.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pictra {
namespace {

constexpr std::size_t kCap = 1'000'000;

struct ScaleCase {
    int width, height, cellWidth, cellHeight, eighths;
};

class ThumbnailScale : public testing::TestWithParam<ScaleCase> {};

TEST_P(ThumbnailScale, IsTheSmallestStillAsLargeAsTheDrawnPicture)
{
    const ScaleCase& c = GetParam();
    EXPECT_EQ(thumbnailScaleEighths(c.width, c.height, c.cellWidth, c.cellHeight), c.eighths);
}

INSTANTIATE_TEST_SUITE_P(Cells, ThumbnailScale,
                         testing::Values(ScaleCase{640, 480, 80, 60, 1},   // fit 0.1225
                                         ScaleCase{640, 480, 81, 61, 1},   // fit 0.124 -> 1/8 = 0.125
                                         ScaleCase{640, 480, 83, 100, 2},  // fit 0.127
                                         ScaleCase{640, 480, 300, 200, 4}, // fit 0.408 (height)
                                         ScaleCase{640, 480, 240, 170, 4}, // fit 0.347: 3/8 is not faster
                                         ScaleCase{640, 480, 400, 300, 8}, // fit 0.6125: 5/8 would be slower
                                         ScaleCase{640, 480, 1000, 1000, 8}, ScaleCase{640, 480, 0, 10, 8},
                                         ScaleCase{0, 480, 100, 100, 8}));

TEST(ThumbnailLoader, DecodesAtReducedSizeBottomUp)
{
    // Top half white, bottom half black, 64 × 32.
    test::RgbImage image{64, 32, std::vector<std::uint8_t>(64 * 32 * 3, 0)};
    std::fill(image.rgb.begin(), image.rgb.begin() + 64 * 16 * 3, 255);
    const auto jpeg = test::encodeWithTurbo(image, 95, test::TurboSampling::S444);
    auto thumb = decodeJpegThumbnail(jpeg, 10, 10, kCap);
    ASSERT_TRUE(thumb.ok());
    const ImageRecord& r = (*thumb)->record();
    EXPECT_EQ(r.width(), 16); // 2/8 of 64: the fitted picture is 9.8 wide
    EXPECT_EQ(r.height(), 8);
    EXPECT_EQ(r.bitCount(), 24);
    EXPECT_LT(r.row(0)[0], 30);  // bottom row dark
    EXPECT_GT(r.row(7)[0], 225); // top row light
}

TEST(ThumbnailLoader, RefusesDamagedData)
{
    auto jpeg = test::encodeWithTurbo(test::makePhotoLike(16, 16), 90, test::TurboSampling::S420);
    EXPECT_FALSE(decodeJpegThumbnail(std::span(jpeg).first(20), 8, 8, kCap).ok());
    EXPECT_FALSE(decodeJpegThumbnail({}, 8, 8, kCap).ok());
    EXPECT_EQ(loadJpegThumbnail("/nonexistent/a.jpg", 8, 8, kCap).status(), Status::NotFound);
}

} // namespace
} // namespace pictra
