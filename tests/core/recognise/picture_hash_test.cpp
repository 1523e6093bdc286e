#include "core/recognise/picture_hash.h"

#include "core/image/orientation.h"
#include "core/image_io/thumbnail_loader.h"
#include "core/util/pixel_bytes.h"
#include "support/synthetic_scene.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace pictra {
namespace {

std::uint64_t hashOf(const test::RgbImage& image) { return perceptualHash(test::bufferedRecord(image)->record()); }

std::uint64_t hashOfJpeg(const test::RgbImage& image, int quality, int cellWidth, int cellHeight)
{
    const auto jpeg = test::encodeWithTurbo(image, quality, test::TurboSampling::S420);
    auto decoded = decodeJpegThumbnail(ByteSpan(jpeg),
                                       cellWidth, cellHeight, std::size_t{64} << 20);
    EXPECT_TRUE(decoded.ok());
    return decoded ? perceptualHash((*decoded)->record()) : 0;
}

TEST(HashDistance, CountsDifferingBits)
{
    EXPECT_EQ(hashDistance(0, 0), 0);
    EXPECT_EQ(hashDistance(0x5, 0x4), 1);
    EXPECT_EQ(hashDistance(0, ~std::uint64_t{0}), 64);
    EXPECT_EQ(hashDistance(0xF0F0, 0x0F0F), 16);
}

TEST(PerceptualHash, HalfTheBitsAreSet)
{
    const std::uint64_t hash = hashOf(test::makeScene(320, 240, 3));
    EXPECT_NEAR(std::popcount(hash), 32, 1);
}

// The decodes the relink search compares: the same picture at another size,
// re-encoded, or DCT-reduced, all land within the near distance.
TEST(PerceptualHash, OneSceneDecodedManyWaysStaysNear)
{
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        const test::RgbImage original = test::makeScene(1024, 768, seed);
        const std::uint64_t full = hashOf(original);
        EXPECT_LE(hashDistance(full, hashOf(test::shrinkRgb(original, 640, 480))), kHashNearDistance);
        EXPECT_LE(hashDistance(full, hashOf(test::shrinkRgb(original, 37, 29))), kHashNearDistance);
        EXPECT_LE(hashDistance(full, hashOfJpeg(original, 60, 160, 120)), kHashNearDistance);
        EXPECT_LE(hashDistance(full, hashOfJpeg(test::shrinkRgb(original, 640, 480), 85, 160, 120)),
                  kHashNearDistance);
    }
}

TEST(PerceptualHash, DifferentScenesAreFarApart)
{
    std::vector<std::uint64_t> hashes;
    for (std::uint32_t seed = 1; seed <= 24; ++seed)
        hashes.push_back(hashOf(test::makeScene(160, 120, seed)));
    for (std::size_t i = 0; i < hashes.size(); ++i)
        for (std::size_t j = i + 1; j < hashes.size(); ++j)
            EXPECT_GT(hashDistance(hashes[i], hashes[j]), 2 * kHashNearDistance) << i + 1 << " vs " << j + 1;
}

// Rows are bottom-up in the record; a hash that read them the other way
// round would match a picture with its upside-down copy.
TEST(PerceptualHash, TurnedPictureIsFar)
{
    const test::RgbImage scene = test::makeScene(320, 240, 5);
    auto turned = test::bufferedRecord(scene);
    ASSERT_EQ(applyOrientation(turned->record(), 3), Status::Ok);
    EXPECT_GT(hashDistance(hashOf(scene), perceptualHash(turned->record())), 2 * kHashNearDistance);
}

TEST(PerceptualHash, PaletteAndTrueColourOfOnePictureHashAlike)
{
    const test::RgbImage scene = test::makeScene(96, 64, 11);
    ImageBuffers grey(*pixelBytes(96, 64, 24));
    ImageRecord& rec = grey.record();
    ASSERT_EQ(rec.setup24(96, 64), Status::Ok);
    rec.infoHeader.bitCount = 8;
    test::RgbImage greyRgb = scene;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x) {
            const std::uint8_t* px = scene.rgb.data() + (y * 96 + x) * 3;
            const auto level = static_cast<std::uint8_t>((px[0] * 299 + px[1] * 587 + px[2] * 114) / 1000);
            rec.row(63 - y)[x] = level;
            std::memset(greyRgb.rgb.data() + (y * 96 + x) * 3, level, 3);
        }
    for (int i = 0; i < 256; ++i)
        std::memset(rec.palette.data() + i * 4, i, 3);
    EXPECT_LE(hashDistance(perceptualHash(rec), hashOf(greyRgb)), 1);
}

TEST(PerceptualHash, RecordWithoutPictureGivesZero)
{
    ImageBuffers empty(16);
    EXPECT_EQ(perceptualHash(empty.record()), 0u);
    ImageBuffers small(16);
    ASSERT_EQ(small.record().setup24(2, 2), Status::Ok);
    small.record().infoHeader.bitCount = 16;
    EXPECT_EQ(perceptualHash(small.record()), 0u);
}

} // namespace
} // namespace pictra
