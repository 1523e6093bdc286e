#include "core/recognise/picture_likeness.h"

#include "core/image/reduce_for_store.h"
#include "core/image_io/thumbnail_loader.h"
#include "core/util/pixel_bytes.h"
#include "support/synthetic_scene.h"

#include <gtest/gtest.h>

#include <memory>

namespace pictra {
namespace {

// The reduced decode the search makes of a candidate file.
PictureGrid gridOfJpeg(const test::RgbImage& image, int quality)
{
    const auto jpeg = test::encodeWithTurbo(image, quality, test::TurboSampling::S420);
    auto decoded = decodeJpegThumbnail(ByteSpan(jpeg),
                                       kLikenessWidth, kLikenessHeight, std::size_t{64} << 20);
    EXPECT_TRUE(decoded.ok());
    if (!decoded)
        return {};
    auto grid = likenessGrid((*decoded)->record());
    EXPECT_TRUE(grid.ok());
    return grid ? *grid : PictureGrid{};
}

// The album's store copy: point-sampled to fit 640 × 480, then a JPEG.
PictureGrid storeCopyGrid(const test::RgbImage& original)
{
    auto record = test::bufferedRecord(original);
    reduceForStore(record->record());
    return gridOfJpeg(test::fromRecord(record->record()), 75);
}

double psnr(const PictureGrid& a, const PictureGrid& b)
{
    const auto value = gridPsnr(a, b);
    EXPECT_TRUE(value.ok());
    return value ? *value : 0.0;
}

TEST(ReducedPsnr, IdenticalPicturesScoreTheCap)
{
    const auto scene = test::bufferedRecord(test::makeScene(200, 150, 2));
    const auto same = reducedPsnr(scene->record(), scene->record());
    ASSERT_TRUE(same.ok());
    EXPECT_EQ(*same, kIdenticalPsnr);
}

TEST(ReducedPsnr, SizeOfTheDecodeDoesNotMatter)
{
    const test::RgbImage scene = test::makeScene(1280, 960, 4);
    const auto big = test::bufferedRecord(scene);
    const auto small = test::bufferedRecord(test::shrinkRgb(scene, 320, 240));
    const auto value = reducedPsnr(big->record(), small->record());
    ASSERT_TRUE(value.ok());
    EXPECT_GT(*value, 45.0);
}

// The original's own file must score above every look-alike against the
// store copy, with room to spare, or the relink choice could pick a decoy.
TEST(ReducedPsnr, OriginalBeatsItsLookAlikes)
{
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        const test::RgbImage original = test::makeScene(1024, 768, seed);
        const PictureGrid store = storeCopyGrid(original);
        const double own = psnr(store, gridOfJpeg(original, 92));
        const double reencoded = psnr(store, gridOfJpeg(test::shrinkRgb(original, 800, 600), 70));
        const double cropped = psnr(store, gridOfJpeg(test::cropRgb(original, 40, 30, 944, 708), 92));
        const double burst = psnr(store, gridOfJpeg(test::makeScene(1024, 768, seed, 0.01), 92));
        const double other = psnr(store, gridOfJpeg(test::makeScene(1024, 768, seed + 100), 92));
        EXPECT_GT(own, reencoded);
        EXPECT_GT(own, cropped + 3.0);
        EXPECT_GT(own, burst + 3.0);
        EXPECT_GT(own, other + 10.0);
    }
}

TEST(ReducedPsnr, RefusesWhatIsNoLikenessGrid)
{
    ImageBuffers empty(16);
    const auto scene = test::bufferedRecord(test::makeScene(64, 48, 1));
    EXPECT_EQ(reducedPsnr(empty.record(), scene->record()).status(), Status::InvalidArgument);
    EXPECT_EQ(reducedPsnr(scene->record(), empty.record()).status(), Status::InvalidArgument);
    const PictureGrid wrongSize{8, 8, std::vector<float>(8 * 8 * 3)};
    const auto grid = likenessGrid(scene->record());
    ASSERT_TRUE(grid.ok());
    EXPECT_EQ(gridPsnr(*grid, wrongSize).status(), Status::InvalidArgument);
    EXPECT_EQ(gridPsnr(PictureGrid{}, *grid).status(), Status::InvalidArgument);
}

} // namespace
} // namespace pictra
