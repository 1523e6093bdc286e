// The WebP reader against libwebp's own command-line tools (cwebp makes the
// files, dwebp decodes them), scaled decoding, the size and damage checks,
// and the writer's round trips.
#include "core/codecs/webp/webp_file.h"

#include "core/image/area_resample.h"

#include "codec_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace pictra {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr const char* kCwebp = "/usr/bin/cwebp";
constexpr const char* kDwebp = "/usr/bin/dwebp";
constexpr const char* kGif2webp = "/usr/bin/gif2webp";

class WebpTools : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {kCwebp, kDwebp, kGif2webp, test::kConvert})
            if (!test::haveTool(tool))
                GTEST_SKIP() << tool << " is not installed";
    }
    // cwebp's file of `image` made with `options` ("-lossless", "-q 80").
    Bytes theirFile(const test::RgbImage& image, const std::string& options, const std::string& alpha = "")
    {
        test::writeAll(m_dir.file("in.ppm"), test::toPpm(image));
        std::string source = m_dir.file("in.ppm");
        if (!alpha.empty()) { // cwebp takes alpha from a PNG
            source = m_dir.file("in.png");
            EXPECT_TRUE(test::runCommand(std::string(test::kConvert) + " " + m_dir.file("in.ppm") + " " + alpha +
                                         " PNG32:" + source));
        }
        EXPECT_TRUE(test::runCommand(std::string(kCwebp) + " -quiet " + options + " " + source + " -o " +
                                     m_dir.file("theirs.webp")));
        return test::readAll(m_dir.file("theirs.webp"));
    }
    // dwebp's decode of the last file made, over white.
    std::optional<test::RgbImage> theirDecode()
    {
        if (!test::runCommand(std::string(kDwebp) + " -pam " + m_dir.file("theirs.webp") + " -o " + m_dir.file("d.pam")))
            return std::nullopt;
        return test::decodeWithTool(std::string(test::kConvert) + " " + m_dir.file("d.pam") + " " + test::kOnWhite +
                                        " " + m_dir.file("d.ppm"),
                                    m_dir.file("d.ppm"));
    }
    test::TempDir m_dir;
};

TEST_F(WebpTools, DecodesLosslessLossyAndAlphaLikeDwebp)
{
    const auto image = test::makePhotoLike(37, 21, 7);
    struct Variant {
        const char* options;
        const char* alpha;
        double minPsnr;
    };
    for (const Variant& v : {Variant{"-lossless", "", 99}, Variant{"-q 80", "", 40},
                             Variant{"-lossless", "-alpha set -channel A -fx '(i+j)/(w+h)' +channel", 40},
                             Variant{"-q 80", "-alpha set -channel A -fx 'i/w' +channel", 40}}) {
        const Bytes webp = theirFile(image, v.options, v.alpha);
        const auto expected = theirDecode();
        ASSERT_TRUE(expected) << v.options << v.alpha;
        const test::Decoded ours = test::decodeWith(readWebpBytes, webp);
        ASSERT_EQ(ours.status, Status::Ok) << v.options << v.alpha;
        EXPECT_EQ(ours.outline, pixelOutline(37, 21));
        EXPECT_GE(test::psnr(ours.image, *expected), v.minPsnr) << v.options << v.alpha;
        if (std::string(v.alpha).empty()) {
            EXPECT_GE(test::psnr(ours.image, image), 30) << v.options;
        }
    }
}

TEST_F(WebpTools, ReadsTheFirstFrameOfAnAnimation)
{
    test::writeAll(m_dir.file("in.ppm"), test::toPpm(test::makePhotoLike(30, 20, 2)));
    const std::string gif = m_dir.file("anim.gif");
    ASSERT_TRUE(test::runCommand(std::string(test::kConvert) + " " + m_dir.file("in.ppm") +
                                 " \\( -size 30x20 xc:blue \\) -colors 64 -loop 0 -delay 10 " + gif));
    ASSERT_TRUE(test::runCommand(std::string(kGif2webp) + " -quiet " + gif + " -o " + m_dir.file("anim.webp")));
    const auto expected = test::decodeWithTool(std::string(test::kConvert) + " \"" + gif + "[0]\" " +
                                                   m_dir.file("first.ppm"),
                                               m_dir.file("first.ppm"));
    ASSERT_TRUE(expected);
    const Bytes webp = test::readAll(m_dir.file("anim.webp"));
    const auto size = webpPictureSize(webp);
    ASSERT_TRUE(size);
    EXPECT_EQ(*size, (PictureSize{30, 20}));
    const test::Decoded ours = test::decodeWith(readWebpBytes, webp);
    ASSERT_EQ(ours.status, Status::Ok);
    EXPECT_EQ(ours.image.rgb, expected->rgb); // gif2webp keeps the colours losslessly

    ImageBuffers buffers(test::kTestBufferBytes);
    ASSERT_EQ(readWebpBytesAtSize(webp, buffers.record(), {15, 10}), Status::Ok);
    EXPECT_EQ(buffers.record().width(), 15);
}

TEST_F(WebpTools, DecodesScaledCloseToAFullDecodeShrunk)
{
    const Bytes webp = theirFile(test::makePhotoLike(160, 120, 4), "-q 90");
    ImageBuffers full(test::kTestBufferBytes);
    ASSERT_EQ(readWebpBytes(webp, full.record()), Status::Ok);
    ASSERT_TRUE(shrinkByArea(full.record(), 40, 30));
    ImageBuffers scaled(test::kTestBufferBytes);
    ASSERT_EQ(readWebpBytesAtSize(webp, scaled.record(), {40, 30}), Status::Ok);
    EXPECT_EQ(scaled.record().width(), 40);
    EXPECT_EQ(scaled.record().height(), 30);
    EXPECT_GE(test::psnr(test::fromRecord(scaled.record()), test::fromRecord(full.record())), 30);
    for (const PictureSize wrong : {PictureSize{0, 30}, PictureSize{161, 120}, PictureSize{40, -1}})
        EXPECT_EQ(readWebpBytesAtSize(webp, scaled.record(), wrong), Status::InvalidArgument);
}

// A lossless WebP header claiming a width x height picture, without its data.
Bytes losslessHeader(int width, int height)
{
    const std::uint32_t sizes = static_cast<std::uint32_t>(width - 1) | static_cast<std::uint32_t>(height - 1) << 14;
    const auto byte = [sizes](int shift) { return static_cast<std::uint8_t>(sizes >> shift); };
    return Bytes{'R', 'I', 'F', 'F', 18, 0, 0, 0, 'W', 'E', 'B', 'P', 'V', 'P', '8', 'L', 5, 0, 0, 0,
                 0x2F, byte(0), byte(8), byte(16), byte(24), 0};
}

TEST(WebpReader, RefusesPicturesBeyondTheBufferAndDamagedFiles)
{
    ImageBuffers buffers(test::kTestBufferBytes);
    EXPECT_EQ(readWebpBytes(losslessHeader(16383, 16383), buffers.record()), Status::TooLarge);
    EXPECT_EQ(buffers.record().width(), 0);
    EXPECT_EQ(readWebpBytes(losslessHeader(16, 16), buffers.record()), Status::Corrupt); // no pixel data
    EXPECT_EQ(readWebpBytes(Bytes{'R', 'I', 'F', 'F'}, buffers.record()), Status::Truncated);

    test::fillRecord(test::makePhotoLike(23, 11, 3), buffers);
    for (const WebpCompression compression : {WebpCompression::Lossless, WebpCompression::Lossy}) {
        const auto webp = writeWebpBytes(buffers.record(), {compression, 80});
        ASSERT_TRUE(webp);
        test::sweepDamagedInputs(readWebpBytes, *webp, 30);
    }
}

TEST(WebpWriter, RoundTripsLosslessExactlyAndLossyByQuality)
{
    const auto image = test::makePhotoLike(64, 48, 8);
    ImageBuffers buffers(test::kTestBufferBytes);
    test::fillRecord(image, buffers);
    const auto lossless = writeWebpBytes(buffers.record(), {WebpCompression::Lossless, 90});
    ASSERT_TRUE(lossless);
    EXPECT_EQ(test::decodeWith(readWebpBytes, *lossless).image.rgb, image.rgb);

    const auto good = writeWebpBytes(buffers.record(), {WebpCompression::Lossy, 95});
    const auto poor = writeWebpBytes(buffers.record(), {WebpCompression::Lossy, -5}); // clamped to 1
    ASSERT_TRUE(good);
    ASSERT_TRUE(poor);
    EXPECT_LT(poor->size(), good->size());
    EXPECT_GE(test::psnr(test::decodeWith(readWebpBytes, *good).image, image), 30);

    test::TempDir dir;
    ASSERT_EQ(writeWebp(dir.file("a.webp"), buffers.record(), {}), Status::Ok);
    if (test::haveTool(kDwebp)) {
        const auto theirs = test::decodeWithTool(std::string(kDwebp) + " -ppm " + dir.file("a.webp") + " -o " +
                                                     dir.file("a.ppm"),
                                                 dir.file("a.ppm"));
        ASSERT_TRUE(theirs);
        EXPECT_GE(test::psnr(*theirs, image), 30);
    }
    ASSERT_EQ(buffers.record().setup24(16384, 1), Status::Ok);
    EXPECT_EQ(writeWebpBytes(buffers.record(), {}).status(), Status::TooLarge);
}

} // namespace
} // namespace pictra
