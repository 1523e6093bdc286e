// The PNG reader against ImageMagick's decode of files it wrote in every
// colour type, the size and damage checks, and the writer's round trip.
#include "core/codecs/png/png_file.h"

#include "codec_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace pictra {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The PNG chunk checksum (CRC-32 of type and data), for headers built here.
std::uint32_t crc32(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putBe32(Bytes& out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void putChunk(Bytes& out, const char* type, const Bytes& data)
{
    putBe32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    putBe32(out, crc32(out.data() + start, out.size() - start));
}

// A PNG whose header claims width x height RGB pixels, with `idat` as its only data.
Bytes pngClaiming(std::uint32_t width, std::uint32_t height, const Bytes& idat)
{
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes ihdr;
    putBe32(ihdr, width);
    putBe32(ihdr, height);
    ihdr.insert(ihdr.end(), {8, 2, 0, 0, 0});
    putChunk(png, "IHDR", ihdr);
    putChunk(png, "IDAT", idat);
    putChunk(png, "IEND", {});
    return png;
}

struct TheirPng {
    const char* what;
    const char* options; // convert options that make the variant
    const char* prefix;  // convert's format prefix for the file it writes
    int colours;         // 0: a photo-like picture, else at most this many colours
    double minPsnr;      // against convert's own decode over white
};

class PngFromConvert : public testing::TestWithParam<TheirPng> {
protected:
    void SetUp() override
    {
        if (!test::haveTool(test::kConvert))
            GTEST_SKIP() << "ImageMagick convert is not installed";
    }
    test::TempDir m_dir;
};

TEST_P(PngFromConvert, DecodesLikeConvertOverWhite)
{
    const TheirPng& c = GetParam();
    const auto image = c.colours ? test::makeFewColours(37, 21, c.colours) : test::makePhotoLike(37, 21, 5);
    test::writeAll(m_dir.file("in.ppm"), test::toPpm(image));
    const std::string png = m_dir.file("theirs.png");
    ASSERT_TRUE(test::runCommand(std::string(test::kConvert) + " " + m_dir.file("in.ppm") + " " + c.options + " " + c.prefix + png))
        << c.what;
    const auto expected = test::decodeWithTool(std::string(test::kConvert) + " " + png + " " + test::kOnWhite + " -depth 8 " +
                                                   m_dir.file("expected.ppm"),
                                               m_dir.file("expected.ppm"));
    ASSERT_TRUE(expected) << c.what;
    const test::Decoded ours = test::decodeWith(readPngBytes, test::readAll(png));
    ASSERT_EQ(ours.status, Status::Ok) << c.what;
    EXPECT_GE(test::psnr(ours.image, *expected), c.minPsnr) << c.what;
    EXPECT_EQ(ours.outline, pixelOutline(37, 21)) << c.what;
}

// What made each variant: convert in.ppm OPTIONS PREFIXtheirs.png.
INSTANTIATE_TEST_SUITE_P(
    Variants, PngFromConvert,
    testing::Values(
        TheirPng{"rgb", "", "PNG24:", 0, 99},
        TheirPng{"palette", "-colors 12", "PNG8:", 12, 99},
        TheirPng{"grey", "-colorspace Gray -depth 8", "", 0, 99},
        TheirPng{"grey 2-bit", "-colorspace Gray -depth 2", "", 0, 99},
        TheirPng{"grey with alpha", "-colorspace Gray -alpha set -channel A -fx '(i+j)/(w+h)' +channel "
                                    "-define png:color-type=4",
                 "", 0, 40},
        TheirPng{"rgba", "-alpha set -channel A -fx '(i*j)/(w*h)' +channel", "PNG32:", 0, 40},
        TheirPng{"16-bit rgb", "-depth 16", "PNG48:", 0, 45},
        TheirPng{"16-bit rgba", "-depth 16 -alpha set -channel A -fx 'i/w' +channel", "PNG64:", 0, 40},
        TheirPng{"interlaced", "-interlace PNG", "PNG24:", 0, 99},
        TheirPng{"interlaced palette with alpha", "-alpha set -channel A -fx 'j/h' +channel -interlace PNG", "", 0, 40},
        TheirPng{"palette with a transparent colour", "-transparent '#28e161'", "PNG8:", 6, 99},
        TheirPng{"rgb with a transparent colour", "-transparent '#28e161' -define png:color-type=2", "", 6, 99}));

TEST(PngReader, RefusesPicturesBeyondTheBufferFromTheHeaderAlone)
{
    ImageBuffers buffers(test::kTestBufferBytes);
    EXPECT_EQ(readPngBytes(pngClaiming(30000, 30000, {0x78, 0x9C, 0x03, 0x00}), buffers.record()), Status::TooLarge);
    EXPECT_EQ(buffers.record().width(), 0);
    EXPECT_EQ(buffers.capacity(), test::kTestBufferBytes); // nothing was allocated for it
}

TEST(PngReader, RefusesATinyFileClaimingAHugePictureBeforeAllocating)
{
    ImageBuffers buffers(1 << 20, 64 << 20); // the picture (48 MB) is within the cap
    EXPECT_EQ(readPngBytes(pngClaiming(4000, 4000, {0x78, 0x9C, 0x03, 0x00}), buffers.record()), Status::Corrupt);
    EXPECT_EQ(buffers.capacity(), std::size_t{1} << 20);
}

TEST(PngReader, KeepsTheRowsBeforeWhereTheFileEnds)
{
    const auto image = test::makePhotoLike(40, 30, 2);
    ImageBuffers buffers(test::kTestBufferBytes);
    test::fillRecord(image, buffers);
    const auto png = writePngBytes(buffers.record());
    ASSERT_TRUE(png);
    const Bytes cut(png->begin(), png->begin() + static_cast<std::ptrdiff_t>(png->size() * 2 / 3));
    ImageBuffers partBuffers(test::kTestBufferBytes);
    ASSERT_EQ(readPngBytes(cut, partBuffers.record()), Status::Partial);
    const test::RgbImage part = test::fromRecord(partBuffers.record());
    ASSERT_EQ(part.rgb.size(), image.rgb.size());
    EXPECT_TRUE(std::equal(image.rgb.begin(), image.rgb.begin() + 40 * 3 * 5, part.rgb.begin()));
    EXPECT_EQ(part.rgb.back(), 0xFF); // the bottom rows stay white

    const Bytes header(png->begin(), png->begin() + 40);
    EXPECT_EQ(test::decodeWith(readPngBytes, header).status, Status::Truncated);
    Bytes notPng = *png;
    notPng[1] = 'Q';
    EXPECT_EQ(test::decodeWith(readPngBytes, notPng).status, Status::Corrupt);
}

TEST(PngReader, SurvivesDamagedFiles)
{
    const auto image = test::makePhotoLike(23, 11, 9);
    ImageBuffers buffers(test::kTestBufferBytes);
    test::fillRecord(image, buffers);
    const auto png = writePngBytes(buffers.record());
    ASSERT_TRUE(png);
    test::sweepDamagedInputs(readPngBytes, *png, 8 + 25 + 8); // up to the first data chunk
}

TEST(PngWriter, WritesWhatItReadsBackAndConvertReads)
{
    const auto image = test::makePhotoLike(45, 23, 8);
    ImageBuffers buffers(test::kTestBufferBytes);
    test::fillRecord(image, buffers);
    test::TempDir dir;
    ASSERT_EQ(writePng(dir.file("ours.png"), buffers.record()), Status::Ok);
    const test::Decoded back = test::decodeWith(readPngBytes, test::readAll(dir.file("ours.png")));
    ASSERT_EQ(back.status, Status::Ok);
    EXPECT_EQ(back.image.rgb, image.rgb);
    if (test::haveTool(test::kConvert)) {
        const auto theirs = test::decodeWithTool(std::string(test::kConvert) + " " + dir.file("ours.png") + " " +
                                                     dir.file("back.ppm"),
                                                 dir.file("back.ppm"));
        ASSERT_TRUE(theirs);
        EXPECT_EQ(theirs->rgb, image.rgb);
    }
    buffers.record().clearHeaders();
    EXPECT_EQ(writePngBytes(buffers.record()).status(), Status::InvalidArgument);
}

} // namespace
} // namespace pictra
