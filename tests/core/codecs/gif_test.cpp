// The GIF reader against ImageMagick's own decode (first frame flattened on
// white) of files it wrote, and the size and damage checks.
#include "core/codecs/gif/gif_file.h"

#include "codec_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace pictra {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct TheirGif {
    const char* what;
    const char* options; // convert in.ppm OPTIONS theirs.gif
    int width;           // the screen the GIF declares
    int height;
};

class GifFromConvert : public testing::TestWithParam<TheirGif> {
protected:
    void SetUp() override
    {
        if (!test::haveTool(test::kConvert))
            GTEST_SKIP() << "ImageMagick convert is not installed";
    }
    test::TempDir m_dir;
};

TEST_P(GifFromConvert, DecodesTheFirstFrameLikeConvertOnWhite)
{
    const TheirGif& c = GetParam();
    test::writeAll(m_dir.file("in.ppm"), test::toPpm(test::makePhotoLike(37, 21, 6)));
    const std::string gif = m_dir.file("theirs.gif");
    const std::string convert = test::kConvert;
    ASSERT_TRUE(test::runCommand(convert + " " + m_dir.file("in.ppm") + " " + c.options + " " + gif)) << c.what;
    const auto expected = test::decodeWithTool(convert + " \"" + gif + "[0]\" -background white -flatten " +
                                                   m_dir.file("expected.ppm"),
                                               m_dir.file("expected.ppm"));
    ASSERT_TRUE(expected) << c.what;
    const test::Decoded ours = test::decodeWith(readGifBytes, test::readAll(gif));
    ASSERT_EQ(ours.status, Status::Ok) << c.what;
    EXPECT_EQ(ours.image.width, c.width) << c.what;
    EXPECT_EQ(ours.image.height, c.height) << c.what;
    EXPECT_EQ(ours.image.rgb, expected->rgb) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Variants, GifFromConvert,
    testing::Values(TheirGif{"still", "-colors 64", 37, 21}, TheirGif{"interlaced", "-colors 64 -interlace GIF", 37, 21},
                    TheirGif{"transparent colour", "-fill gray50 -draw 'rectangle 5,5 15,12' -transparent gray50 -colors 16",
                             37, 21},
                    TheirGif{"frame inside a larger screen", "-colors 32 -repage 50x40+6+5", 50, 40},
                    TheirGif{"animation", "-colors 32 \\( -size 37x21 xc:blue \\) -loop 0 -delay 10", 37, 21}));

// "GIF89a", a screen of `width` x `height` with a two-colour table (red,
// blue), one 1x1 frame of colour 1 in its corner, and the trailer.
Bytes gifScreen(std::uint16_t width, std::uint16_t height)
{
    const auto lo = [](std::uint16_t v) { return static_cast<std::uint8_t>(v); };
    const auto hi = [](std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); };
    return Bytes{'G', 'I', 'F', '8', '9', 'a', lo(width), hi(width), lo(height), hi(height), 0x80, 0, 0,
                 255, 0, 0, 0, 0, 255, // the colour table
                 ',', 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x4C, 0x01, 0, ';'};
}

TEST(GifReader, ChecksTheScreenAgainstTheBufferBeforeDecoding)
{
    ImageBuffers buffers(test::kTestBufferBytes);
    EXPECT_EQ(readGifBytes(gifScreen(65535, 65535), buffers.record()), Status::TooLarge);
    EXPECT_EQ(buffers.record().width(), 0);
    const test::Decoded small = test::decodeWith(readGifBytes, gifScreen(3, 2));
    ASSERT_EQ(small.status, Status::Ok);
    Bytes expected(3 * 2 * 3, 0xFF); // the screen beyond the frame is white
    expected[0] = expected[1] = 0;   // the frame's one pixel: colour 1, blue
    EXPECT_EQ(small.image.rgb, expected);
}

TEST(GifReader, KeepsTheRowsBeforeWhereTheFileEndsAndSurvivesDamage)
{
    if (!test::haveTool(test::kConvert))
        GTEST_SKIP() << "ImageMagick convert is not installed";
    test::TempDir dir;
    test::writeAll(dir.file("in.ppm"), test::toPpm(test::makePhotoLike(60, 40, 3)));
    ASSERT_TRUE(test::runCommand(std::string(test::kConvert) + " " + dir.file("in.ppm") + " -colors 200 " +
                                 dir.file("a.gif")));
    const Bytes gif = test::readAll(dir.file("a.gif"));
    const Bytes cut(gif.begin(), gif.begin() + static_cast<std::ptrdiff_t>(gif.size() * 3 / 4));
    ImageBuffers part(test::kTestBufferBytes);
    ASSERT_EQ(readGifBytes(cut, part.record()), Status::Partial);
    EXPECT_EQ(test::fromRecord(part.record()).rgb.back(), 0xFF); // the rows not read stay white
    EXPECT_EQ(test::decodeWith(readGifBytes, Bytes(gif.begin(), gif.begin() + 10)).status, Status::Truncated);
    test::sweepDamagedInputs(readGifBytes, gif, 13 + 3 * 256); // screen and colour table
}

} // namespace
} // namespace pictra
