// BMP files exchanged with ImageMagick, an independent reader and writer.
#include "core/codecs/bmp/bmp_file.h"

#include "codec_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

using test::RgbImage;

class BmpInterop : public testing::Test {
protected:
    void SetUp() override
    {
        if (!test::haveTool(test::kConvert))
            GTEST_SKIP() << "ImageMagick convert is not installed";
    }

    // Lets convert write `image` with `options` and reads the result with readBmp.
    void expectReadsConvertOutput(const RgbImage& image, const std::string& options)
    {
        test::writeAll(m_dir.file("in.ppm"), test::toPpm(image));
        const std::string out = m_dir.file("out.bmp");
        ASSERT_TRUE(test::runCommand(std::string(test::kConvert) + " " + m_dir.file("in.ppm") + " " + options +
                                     " BMP3:" + out));
        ImageBuffers buffers(test::kTestBufferBytes);
        ASSERT_EQ(readBmp(out, buffers.record()), Status::Ok) << options;
        EXPECT_EQ(test::fromRecord(buffers.record()).rgb, image.rgb) << options;
    }

    test::TempDir m_dir;
};

TEST_F(BmpInterop, ReadsWhatConvertWrites)
{
    expectReadsConvertOutput(test::makePhotoLike(37, 21, 3), "-type TrueColor");
    expectReadsConvertOutput(test::makeFewColours(37, 21, 12), "-type Palette");
    expectReadsConvertOutput(test::makeFewColours(37, 21, 200), "-type Palette");
    expectReadsConvertOutput(test::makeFewColours(37, 21, 12), "-type Palette -compress RLE");
    expectReadsConvertOutput(test::makeFewColours(37, 21, 200), "-type Palette -compress RLE");
}

TEST_F(BmpInterop, ConvertReadsWhatWeWrite)
{
    const RgbImage image = test::makePhotoLike(45, 17, 4);
    ImageBuffers buffers(test::kTestBufferBytes);
    test::fillRecord(image, buffers);
    const std::string path = m_dir.file("ours.bmp");
    ASSERT_EQ(writeBmp(path, buffers.record()), Status::Ok);
    ASSERT_TRUE(test::runCommand(std::string(test::kConvert) + " " + path + " " + m_dir.file("back.ppm")));
    const auto back = test::fromPpm(test::readAll(m_dir.file("back.ppm")));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->rgb, image.rgb);
}

} // namespace
} // namespace pictra
