// The JPEG XL reader against libjxl's own tools: files made by cjxl at test
// time (lossless, lossy, alpha, JPEG transcodes, an Exif orientation),
// decoded by djxl for comparison; the Exif box; oversized and damaged files.
#include "core/codecs/jxl/jxl_file.h"

#include "codec_test_support.h"
#include "tool_images.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

enum class Input { Png, PngHalfAlpha, Jpeg, JpegTurned };

struct JxlVariant {
    const char* name;
    Input input;
    const char* options; // cjxl's, after the file names
    double minPsnr;      // against djxl's decode
    double minPsnrToSource = 0;
};

// Writes the source picture in the input form; a turned JPEG carries Exif
// orientation 6 (shown turned a quarter clockwise), which cjxl takes over.
std::string writeInput(const test::TempDir& dir, const test::RgbImage& image, Input input)
{
    if (input == Input::Png || input == Input::PngHalfAlpha) {
        const std::string png = dir.file("in.png");
        EXPECT_TRUE(test::writePngWithTool(png, image, input == Input::PngHalfAlpha));
        return png;
    }
    const std::string jpeg = dir.file("in.jpg");
    test::writeAll(jpeg, test::encodeWithTurbo(image, 95, test::TurboSampling::S444));
    if (input == Input::JpegTurned) {
        EXPECT_TRUE(test::runCommand("exiftool -q -overwrite_original -Orientation#=6 -Artist=Pictra-JXL " + jpeg));
    }
    return jpeg;
}

class JxlToolVariant : public testing::TestWithParam<JxlVariant> {};

TEST_P(JxlToolVariant, MatchesDjxl)
{
    ASSERT_TRUE(test::haveTool("/usr/bin/cjxl")) << "libjxl-tools is installed by scripts/install-deps";
    const JxlVariant& v = GetParam();
    test::TempDir dir;
    const test::RgbImage source = test::makePhotoLike(37, 22, 4);
    const std::string in = writeInput(dir, source, v.input);
    const std::string out = dir.file("a.jxl");
    std::string log;
    ASSERT_TRUE(test::runCommand("cjxl " + in + " " + out + " " + v.options, &log)) << log;
    const test::Decoded ours = test::decodeWith(readJxl, test::readAll(out));
    ASSERT_EQ(ours.status, Status::Ok);
    ASSERT_TRUE(test::runCommand("djxl " + out + " " + dir.file("ref.png")));
    const auto theirs = test::readWithTool(dir, dir.file("ref.png"));
    ASSERT_TRUE(theirs);
    ASSERT_EQ(ours.image.width, theirs->width);
    ASSERT_EQ(ours.image.height, theirs->height);
    EXPECT_GE(test::psnr(ours.image, *theirs), v.minPsnr);
    if (v.input == Input::JpegTurned) {
        // Clockwise is three turns to the left.
        EXPECT_EQ(ours.image.width, source.height);
        EXPECT_GE(test::psnr(ours.image, test::turnedLeft(test::turnedLeft(test::turnedLeft(source)))), 30);
    } else if (v.minPsnrToSource > 0) {
        EXPECT_GE(test::psnr(ours.image, source), v.minPsnrToSource);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Jxl, JxlToolVariant,
    testing::Values(JxlVariant{"lossless", Input::Png, "-d 0", 40, 40},
                    JxlVariant{"lossy", Input::Png, "-d 1", 30},
                    JxlVariant{"alpha", Input::PngHalfAlpha, "-d 0", 40},
                    JxlVariant{"jpeg_transcode", Input::Jpeg, "", 40},
                    JxlVariant{"jpeg_turned", Input::JpegTurned, "-j 0", 30},
                    JxlVariant{"jpeg_transcode_turned", Input::JpegTurned, "", 40}),
    [](const testing::TestParamInfo<JxlVariant>& info) { return std::string(info.param.name); });

// A bare codestream header announcing a square picture of `side` pixels
// with default metadata: all a decoder needs for the picture's size.
std::vector<std::uint8_t> claimedSquare(std::uint32_t side)
{
    std::vector<std::uint8_t> out{0xFF, 0x0A};
    std::uint64_t bits = 0;
    int count = 0;
    auto put = [&](std::uint64_t value, int n) {
        bits |= value << count;
        count += n;
    };
    put(0, 1);        // height not a multiple of 8
    put(3, 2);        // height - 1 in 30 bits
    put(side - 1, 30);
    put(1, 3);        // width : height = 1 : 1
    put(1, 1);        // default metadata
    for (int i = 0; i < count; i += 8)
        out.push_back(static_cast<std::uint8_t>(bits >> i));
    out.resize(out.size() + 64, 0);
    return out;
}

TEST(JxlSize, AClaimedSizeOverTheBufferCapIsRefusedBeforeDecoding)
{
    for (const std::uint32_t side : {2000u, 60000u, 1u << 29}) {
        ImageBuffers buffers(0, 1 << 20);
        EXPECT_EQ(readJxl(claimedSquare(side), buffers.record()), Status::TooLarge) << side;
        EXPECT_EQ(buffers.record().width(), 0);
        EXPECT_EQ(buffers.capacity(), 0u);
    }
    ImageBuffers buffers(0, 1 << 20);
    EXPECT_NE(readJxl(claimedSquare(200), buffers.record()), Status::Ok) << "a header alone is no picture";
}

TEST(JxlExif, ComesFromTheContainersBoxAndIsNotFoundInABareCodestream)
{
    test::TempDir dir;
    const test::RgbImage image = test::makePhotoLike(16, 16, 1);
    const std::string jpeg = writeInput(dir, image, Input::JpegTurned);
    ASSERT_TRUE(test::runCommand("cjxl " + jpeg + " " + dir.file("exif.jxl")));
    const auto exif = jxlExif(test::readAll(dir.file("exif.jxl")));
    ASSERT_TRUE(exif) << statusName(exif.status());
    const std::string block(exif->begin(), exif->end());
    EXPECT_TRUE(block.starts_with("MM") || block.starts_with("II")) << block.substr(0, 8);
    EXPECT_NE(block.find("Pictra-JXL"), std::string::npos);

    const std::string png = writeInput(dir, image, Input::Png);
    ASSERT_TRUE(test::runCommand("cjxl " + png + " " + dir.file("bare.jxl") + " -d 0"));
    EXPECT_EQ(jxlExif(test::readAll(dir.file("bare.jxl"))).status(), Status::NotFound);
    EXPECT_NE(jxlExif(std::vector<std::uint8_t>{'n', 'o', 't', ' ', 'j', 'x', 'l'}).status(), Status::Ok);
}

TEST(JxlDamage, TruncatedAndFlippedFilesFailCleanly)
{
    test::TempDir dir;
    const test::RgbImage image = test::makePhotoLike(16, 16, 6);
    ASSERT_TRUE(test::runCommand("cjxl " + writeInput(dir, image, Input::Png) + " " + dir.file("a.jxl") + " -d 1"));
    const auto lossy = test::readAll(dir.file("a.jxl"));
    test::sweepDamagedInputs(readJxl, lossy, lossy.size());
    ASSERT_TRUE(test::runCommand("cjxl " + writeInput(dir, image, Input::JpegTurned) + " " + dir.file("b.jxl")));
    const auto container = test::readAll(dir.file("b.jxl"));
    test::sweepDamagedInputs(readJxl, container, container.size() / 2);
    test::sweepDamagedInputs(
        [](ByteSpan data, ImageRecord&) { return jxlExif(data).ok() ? Status::Ok : Status::Corrupt; }, container, 0);
}

} // namespace
} // namespace pictra
