#include "core/album/store_copy.h"
#include "core/codecs/webp/webp_file.h"
#include "core/image/area_resample.h"
#include "core/image/shared_image.h"
#include "core/image_io/store_load.h"
#include "core/settings/settings_file.h"
#include "core/util/file_io.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pictra {
namespace {

void writeJpeg(const std::string& path, const test::RgbImage& image)
{
    ASSERT_EQ(writeFile(path, test::encodeWithTurbo(image, 85, test::TurboSampling::S420)), Status::Ok);
}

// A picture in four flat quarters, so a reduced copy can be checked by eye.
test::RgbImage quarters(int width, int height)
{
    test::RgbImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.rgb.data() + (static_cast<std::size_t>(y) * width + x) * 3;
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            p[0] = right ? 230 : 20;
            p[1] = bottom ? 200 : 40;
            p[2] = right != bottom ? 180 : 60;
        }
    }
    return image;
}

struct StoreSizeCase {
    int width, height, storeWidth, storeHeight;
};

class StoreSizeFromJpeg : public ::testing::TestWithParam<StoreSizeCase> {};

// The DCT-reduced path must land on exactly the sides of a full decode
// followed by the point-sampling reduction.
TEST_P(StoreSizeFromJpeg, KeepsTheSidesOfTheReductionRule)
{
    const StoreSizeCase c = GetParam();
    test::TempDir dir;
    const std::string path = dir.file("p.jpg");
    writeJpeg(path, quarters(c.width, c.height));
    ImageBuffers buffers(0, 10'000'000);
    ImageFileIO io;
    ASSERT_EQ(loadForStore(io, path, buffers.record()), Status::Ok);
    EXPECT_EQ(storeSize(c.width, c.height), (PictureSize{c.storeWidth, c.storeHeight}));
    EXPECT_EQ(buffers.record().width(), c.storeWidth);
    EXPECT_EQ(buffers.record().height(), c.storeHeight);
    const test::RgbImage copy = test::fromRecord(buffers.record());
    const auto at = [&](int x, int y) { return copy.rgb.data() + (static_cast<std::size_t>(y) * copy.width + x) * 3; };
    EXPECT_NEAR(at(2, 2)[0], 20, 8);                          // top left
    EXPECT_NEAR(at(copy.width - 3, copy.height - 3)[1], 200, 8); // bottom right
}

INSTANTIATE_TEST_SUITE_P(Sizes, StoreSizeFromJpeg,
                         testing::Values(StoreSizeCase{1600, 1200, 533, 400}, StoreSizeCase{4000, 3000, 571, 428},
                                         StoreSizeCase{1280, 960, 640, 480}, StoreSizeCase{640, 480, 640, 480},
                                         StoreSizeCase{3000, 200, 600, 40}, StoreSizeCase{301, 2000, 60, 400}));

TEST(BigPictures, ATwentyFourMegapixelJpegLoadsWithTheShippedSettings)
{
    test::TempDir dir;
    const std::string source = dir.file("camera.jpg");
    writeJpeg(source, test::makePhotoLike(6000, 4000, 3));
    std::unique_ptr<ImageBuffers> shared;
    const WorkModeSettings settings = defaultWorkModeSettings();
    makeSharedImage(shared, settings);
    ImageFileIO io(jpegSaveOptions(settings));
    ASSERT_EQ(io.loadImage(source, shared->record()), Status::Ok);
    EXPECT_EQ(shared->record().width(), 6000);
    EXPECT_EQ(shared->record().height(), 4000);

    ASSERT_EQ(makeStoreCopy(io, shared->record(), dir.file("prog"), dir.file("a.abm"), source), Status::Ok);
    ImageBuffers copy(0, 1'000'000);
    ASSERT_EQ(io.loadImage(dir.file("prog/CMP/a/camera.jpg"), copy.record()), Status::Ok);
    EXPECT_EQ(copy.record().width(), 600);
    EXPECT_EQ(copy.record().height(), 400);
}

TEST(BigPictures, AJpegOverTheCapStillGivesItsStoreCopy)
{
    test::TempDir dir;
    const std::string source = dir.file("big.jpg");
    writeJpeg(source, quarters(2400, 1800)); // 13 MB decoded, 0.8 MB at a quarter
    ImageBuffers buffers(0, 4'000'000);
    ImageFileIO io;
    EXPECT_EQ(io.loadImage(source, buffers.record()), Status::TooLarge);
    ASSERT_EQ(loadForStore(io, source, buffers.record()), Status::Ok);
    EXPECT_EQ(buffers.record().width(), 600);
    EXPECT_EQ(buffers.record().height(), 450);
}

TEST(AreaShrink, AveragesTheCoveredPixelsInPlace)
{
    ImageBuffers buffers(0, 1 << 16);
    ImageRecord& record = buffers.record();
    ASSERT_EQ(record.setup24(6, 4), Status::Ok);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            for (int c = 0; c < 3; ++c)
                record.row(y)[3 * x + c] = static_cast<std::uint8_t>(x % 2 == 0 ? 0 : 100 + 10 * y);
    ASSERT_TRUE(shrinkByArea(record, 3, 2));
    EXPECT_EQ(record.width(), 3);
    EXPECT_EQ(record.stride(), 12u);
    EXPECT_EQ(record.row(0)[0], 53); // rows 0, 1: (0 + 100 + 0 + 110) / 4 rounded
    EXPECT_EQ(record.row(1)[6], 63); // rows 2, 3
    EXPECT_EQ(record.row(0)[9], 0);  // padding
    EXPECT_FALSE(shrinkByArea(record, 4, 2)); // not a reduction
}

// A still WebP is scaled while it decodes: its copy has the rule's sides,
// and a picture over the buffer's cap at full size still gives its copy.
TEST(StoreFromWebp, ScalesWhileDecodingWithinASmallBuffer)
{
    test::TempDir dir;
    ImageBuffers source(0, 20'000'000);
    test::fillRecord(quarters(2400, 1800), source); // 13 MB decoded
    const std::string path = dir.file("wide.jpg"); // the bytes, not the name, choose the reader
    ASSERT_EQ(writeWebp(path, source.record(), {WebpCompression::Lossless, 50}), Status::Ok);
    ImageBuffers buffers(0, 2'000'000);
    ImageFileIO io;
    EXPECT_EQ(io.loadImage(path, buffers.record()), Status::TooLarge);
    ASSERT_EQ(loadForStore(io, path, buffers.record()), Status::Ok);
    EXPECT_EQ((PictureSize{buffers.record().width(), buffers.record().height()}), storeSize(2400, 1800));
    const test::RgbImage copy = test::fromRecord(buffers.record());
    const std::uint8_t* bottomRight = copy.rgb.data() + copy.rgb.size() - 3;
    EXPECT_EQ(std::vector<int>(copy.rgb.begin(), copy.rgb.begin() + 3), (std::vector<int>{20, 40, 60}));
    EXPECT_EQ(std::vector<int>(bottomRight, bottomRight + 3), (std::vector<int>{230, 200, 60}));
}

} // namespace
} // namespace pictra
