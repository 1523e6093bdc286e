#include "core/image_io/jpeg_codec.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pictra {
namespace {

// A baseline JPEG carrying a segment under a reserved marker (0xFF02), as
// some old software wrote: libjpeg-turbo refuses the whole file, our
// decoder skips the segment by its length.
std::vector<std::uint8_t> reservedMarkerJpeg(const test::RgbImage& image)
{
    std::vector<std::uint8_t> jpeg = test::encodeWithTurbo(image, 95, test::TurboSampling::S420);
    const std::size_t app0End = 4 + ((std::size_t{jpeg[4]} << 8) | jpeg[5]);
    const std::uint8_t segment[] = {0xFF, 0x02, 0x00, 0x04, 0xAA, 0xBB};
    jpeg.insert(jpeg.begin() + static_cast<std::ptrdiff_t>(app0End), std::begin(segment), std::end(segment));
    return jpeg;
}

TEST(JpegCodec, FallsBackToTheOwnDecoderWhenTheLibraryRefuses)
{
    test::TempDir dir;
    const test::RgbImage image = test::makePhotoLike(48, 32, 6);
    const auto jpeg = reservedMarkerJpeg(image);
    test::writeBytes(dir.file("odd.jpg"), std::string(jpeg.begin(), jpeg.end()));
    ImageBuffers buffers(1 << 20);

    ASSERT_EQ(JpegCodec(1).loadJpeg(dir.file("odd.jpg"), buffers.record()), Status::Ok);
    const test::RgbImage decoded = test::fromRecord(buffers.record());
    ASSERT_EQ(decoded.width, 48);
    ASSERT_EQ(decoded.height, 32);
    double error = 0;
    for (std::size_t i = 0; i < image.rgb.size(); ++i)
        error += std::abs(decoded.rgb[i] - image.rgb[i]);
    EXPECT_LT(error / static_cast<double>(image.rgb.size()), 12.0);
}

TEST(JpegCodec, OwnBackEndReadsAndWritesWithoutTheLibrary)
{
    test::TempDir dir;
    ImageBuffers buffers(1 << 20);
    test::fillRecord(test::makePhotoLike(30, 20), buffers);
    const JpegCodec own(0);
    ASSERT_EQ(own.saveJpeg(dir.file("own.jpg"), buffers.record()), Status::Ok);
    ImageBuffers back(1 << 20);
    ASSERT_EQ(own.loadJpeg(dir.file("own.jpg"), back.record()), Status::Ok);
    EXPECT_EQ(back.record().width(), 30);
    // The library reads what our encoder wrote.
    ASSERT_EQ(JpegCodec(1).loadJpeg(dir.file("own.jpg"), back.record()), Status::Ok);
    EXPECT_EQ(back.record().height(), 20);
}

TEST(JpegCodec, NeitherBackEndAcceptsJunk)
{
    test::TempDir dir;
    test::writeBytes(dir.file("junk.jpg"), std::string("\xFF\xD8\xFF\xD9 junk", 9));
    ImageBuffers buffers(1 << 16);
    EXPECT_NE(JpegCodec(1).loadJpeg(dir.file("junk.jpg"), buffers.record()), Status::Ok);
    EXPECT_EQ(buffers.record().width(), 0);
    EXPECT_EQ(JpegCodec(1).loadJpeg(dir.file("none.jpg"), buffers.record()), Status::NotFound);
}

} // namespace
} // namespace pictra
