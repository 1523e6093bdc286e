#include "core/image/image_format.h"
#include "core/image/image_format_sniff.h"
#include "core/image/shared_image.h"
#include "core/image_io/image_file_io.h"
#include "core/util/file_io.h"
#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace pictra {
namespace {

std::string fileBytes(const std::string& path)
{
    const auto bytes = readFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

class ImageFileIoTest : public ::testing::Test {
protected:
    test::TempDir dir;
    ImageBuffers buffers{4'000'000};
    ImageFileIO io;
};

TEST_F(ImageFileIoTest, LoadsJpegUnderAnyCaseOfItsExtension)
{
    const test::RgbImage image = test::makePhotoLike(37, 21, 3);
    const auto jpeg = test::encodeWithTurbo(image, 90, test::TurboSampling::S420);
    for (const char* name : {"a.JPG", "b.Jpeg", "c.jpg"}) {
        test::writeBytes(dir.file(name), std::string(jpeg.begin(), jpeg.end()));
        ASSERT_EQ(io.loadImage(dir.file(name), buffers.record()), Status::Ok) << name;
        EXPECT_EQ(buffers.record().width(), 37);
        EXPECT_EQ(buffers.record().height(), 21);
        EXPECT_EQ(test::fromRecord(buffers.record()).rgb, test::decodeWithTurbo(jpeg, false).rgb);
    }
}

TEST_F(ImageFileIoTest, ChoosesTheReaderByTheFirstBytesWhateverTheName)
{
    const test::RgbImage image = test::makePhotoLike(9, 7, 4);
    test::fillRecord(image, buffers);
    ASSERT_EQ(io.saveImage(dir.file("real.bmp"), buffers.record()), Status::Ok);
    ASSERT_EQ(io.saveImage(dir.file("real.tif"), buffers.record()), Status::Ok);
    const auto jpeg = test::encodeWithTurbo(test::makePhotoLike(8, 6), 90, test::TurboSampling::S444);
    struct Renamed {
        const char* name;
        std::string bytes;
    };
    const Renamed cases[] = {
        {"photo.png", std::string(jpeg.begin(), jpeg.end())},
        {"photo", std::string(jpeg.begin(), jpeg.end())},
        {"photo.tifff", std::string(jpeg.begin(), jpeg.end())},
        {"bitmap.jpg", fileBytes(dir.file("real.bmp"))},
        {"scan.psd", fileBytes(dir.file("real.tif"))},
    };
    for (const Renamed& c : cases) {
        test::writeBytes(dir.file(c.name), c.bytes);
        EXPECT_EQ(io.loadImage(dir.file(c.name), buffers.record()), Status::Ok) << c.name;
        EXPECT_GT(buffers.record().width(), 0) << c.name;
        EXPECT_EQ(formatOfFile(dir.file(c.name)), sniffFormat(ByteSpan(
                                                      reinterpret_cast<const std::uint8_t*>(c.bytes.data()), 8)))
            << c.name;
    }
}

TEST_F(ImageFileIoTest, FallsBackOnTheNameAndRefusesWhatNoReaderKnows)
{
    // A PCX header without its usual version byte is still read by name.
    test::fillRecord(test::makePhotoLike(5, 4, 2), buffers);
    ASSERT_EQ(io.saveImage(dir.file("a.pcx"), buffers.record()), Status::Ok);
    std::string pcx = fileBytes(dir.file("a.pcx"));
    pcx[1] = 9;
    test::writeBytes(dir.file("odd.pcx"), pcx);
    EXPECT_EQ(formatOfFile(dir.file("odd.pcx")), ImageFormat::Pcx);
    EXPECT_EQ(formatOfFile(dir.file("missing.webp")), ImageFormat::Webp);

    for (const char* name : {"notes.tifff", "notes", "notes.txt"}) {
        test::writeBytes(dir.file(name), "just some words\n");
        ASSERT_EQ(buffers.record().setup24(5, 5), Status::Ok);
        EXPECT_EQ(io.loadImage(dir.file(name), buffers.record()), Status::Unsupported) << name;
        EXPECT_EQ(buffers.record().width(), 0) << name;
        EXPECT_EQ(io.saveImage(dir.file(name), buffers.record()), Status::Unsupported) << name;
    }
    ASSERT_EQ(buffers.record().setup24(5, 5), Status::Ok);
    for (const char* name : {"a.gif", "a.heic", "a.avif", "a.jxl"})
        EXPECT_EQ(io.saveImage(dir.file(name), buffers.record()), Status::Unsupported) << name;
}

TEST_F(ImageFileIoTest, EveryLosslessFormatRoundTripsThroughItsOwnWriterAndReader)
{
    const test::RgbImage image = test::makePhotoLike(45, 23, 8); // odd width: padded rows
    test::fillRecord(image, buffers);
    for (const char* name : {"a.bmp", "a.TIF", "a.psd", "a.Pcx"}) {
        ASSERT_EQ(io.saveImage(dir.file(name), buffers.record()), Status::Ok) << name;
        ImageBuffers back(1 << 20);
        ASSERT_EQ(io.loadImage(dir.file(name), back.record()), Status::Ok) << name;
        EXPECT_EQ(test::fromRecord(back.record()).rgb, image.rgb) << name;
    }
}

TEST_F(ImageFileIoTest, RefusesAPictureLargerThanTheBuffer)
{
    ImageBuffers small(100 * 100 * 3);
    const auto jpeg = test::encodeWithTurbo(test::makePhotoLike(120, 100), 80, test::TurboSampling::S420);
    test::writeBytes(dir.file("big.jpg"), std::string(jpeg.begin(), jpeg.end()));
    EXPECT_EQ(io.loadImage(dir.file("big.jpg"), small.record()), Status::TooLarge);
    EXPECT_EQ(small.record().width(), 0);
    EXPECT_EQ(io.loadImage(dir.file("missing.jpg"), small.record()), Status::NotFound);
}

TEST_F(ImageFileIoTest, SavedJpegReadsBackCloseToTheOriginal)
{
    const test::RgbImage image = test::makePhotoLike(33, 17, 5);
    test::fillRecord(image, buffers);
    ImageFileIO best(JpegSaveOptions{JpegCoding::Baseline, 100, JpegSampling::S444, ""});
    ASSERT_EQ(best.saveImage(dir.file("out.JPEG"), buffers.record()), Status::Ok);
    ImageBuffers back(4'000'000);
    ASSERT_EQ(io.loadImage(dir.file("out.JPEG"), back.record()), Status::Ok);
    const test::RgbImage decoded = test::fromRecord(back.record());
    ASSERT_EQ(decoded.rgb.size(), image.rgb.size());
    for (std::size_t i = 0; i < image.rgb.size(); ++i)
        ASSERT_NEAR(decoded.rgb[i], image.rgb[i], 8) << i;
}

TEST(JpegSaveOptionsFromSettings, MapsTheJpegSection)
{
    WorkModeSettings s;
    s.jpegCoding = 2;
    s.jpegQuality = 250;
    s.jpegSampling = 2;
    s.jpegComment = {'P', 'i', 'c'};
    JpegSaveOptions o = jpegSaveOptions(s);
    EXPECT_EQ(o.coding, JpegCoding::Progressive);
    EXPECT_EQ(o.quality, 100);
    EXPECT_EQ(o.sampling, JpegSampling::S421);
    EXPECT_EQ(o.comment, "Pic");

    s = {}; // a missing settings file reads as zeros
    o = jpegSaveOptions(s);
    EXPECT_EQ(o.coding, JpegCoding::Baseline);
    EXPECT_EQ(o.quality, 1);
    EXPECT_EQ(o.sampling, JpegSampling::S411);
}

TEST(SharedImage, GrowsOnDemandUpToTheSettingsCap)
{
    WorkModeSettings s;
    s.imageBufferMb = 3;
    std::unique_ptr<ImageBuffers> shared;
    makeSharedImage(shared, s);
    ASSERT_TRUE(shared);
    EXPECT_EQ(shared->cap(), 3'000'000u);
    EXPECT_EQ(shared->capacity(), 0u);
    ImageRecord& record = shared->record();
    ASSERT_EQ(record.setup24(1000, 900), Status::Ok); // 2.7 MB
    EXPECT_GE(record.pixels.size(), 2'700'000u);
    EXPECT_EQ(record.setup24(1000, 1001), Status::TooLarge);
    EXPECT_EQ(record.width(), 1000); // a refused picture leaves the record alone
    const ImageBuffers* first = shared.get();
    s.imageBufferMb = 2;
    makeSharedImage(shared, s);
    EXPECT_EQ(shared.get(), first);
    EXPECT_EQ(shared->capacity(), 0u); // above the new cap: given back
    EXPECT_EQ(record.width(), 0);
    s.imageBufferMb = 0;
    EXPECT_EQ(imageBufferBytes(s), static_cast<std::size_t>(kSharedImageFallbackMb) * 1'000'000);
}

TEST_F(ImageFileIoTest, NewFormatsRoundTripThroughTheDoorWhateverTheirNames)
{
    const test::RgbImage image = test::makePhotoLike(31, 17, 6);
    test::fillRecord(image, buffers);
    ImageFileIO lossless(JpegSaveOptions{}, WebpSaveOptions{WebpCompression::Lossless, 60});
    for (const char* name : {"a.png", "a.WEBP"}) {
        ASSERT_EQ(lossless.saveImage(dir.file(name), buffers.record()), Status::Ok) << name;
        const std::string renamed = dir.file(std::string(name) + ".jpg");
        test::writeBytes(renamed, fileBytes(dir.file(name)));
        ImageBuffers back(1 << 20);
        ASSERT_EQ(io.loadImage(renamed, back.record()), Status::Ok) << name;
        EXPECT_EQ(test::fromRecord(back.record()).rgb, image.rgb) << name;
    }
    ASSERT_EQ(io.saveImage(dir.file("lossy.webp"), buffers.record()), Status::Ok);
    EXPECT_LT(fileBytes(dir.file("lossy.webp")).size(), fileBytes(dir.file("a.WEBP")).size());
}

TEST_F(ImageFileIoTest, AHeicNamedJpgIsTakenForHeif)
{
    if (!fileExists("/usr/bin/heif-enc"))
        GTEST_SKIP() << "heif-enc is not installed";
    test::fillRecord(test::makePhotoLike(16, 8, 1), buffers);
    ASSERT_EQ(io.saveImage(dir.file("in.png"), buffers.record()), Status::Ok);
    const std::string encode = "/usr/bin/heif-enc -q 60 " + dir.file("in.png") + " -o " + dir.file("IMG_1.heic");
    ASSERT_EQ(std::system((encode + " >/dev/null 2>&1").c_str()), 0);
    test::writeBytes(dir.file("IMG_1.jpg"), fileBytes(dir.file("IMG_1.heic")));
    EXPECT_EQ(formatOfFile(dir.file("IMG_1.jpg")), ImageFormat::Heif);
    EXPECT_NE(io.loadImage(dir.file("IMG_1.jpg"), buffers.record()), Status::Corrupt); // never the JPEG reader's verdict
}

} // namespace
} // namespace pictra
