// TIFF files checked and rewritten by libtiff's tools; CMYK and greyscale
// files from ImageMagick.
#include "core/codecs/tiff/tiff_file.h"

#include "codec_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

using test::RgbImage;

constexpr const char* kTiffInfo = "/usr/bin/tiffinfo";
constexpr const char* kTiffCp = "/usr/bin/tiffcp";

class TiffInterop : public testing::Test {
protected:
    void SetUp() override
    {
        if (!test::haveTool(kTiffInfo) || !test::haveTool(kTiffCp))
            GTEST_SKIP() << "libtiff-tools is not installed";
        ImageBuffers buffers(test::kTestBufferBytes);
        test::fillRecord(m_image, buffers);
        ASSERT_EQ(writeTiff(m_ours, buffers.record()), Status::Ok);
    }

    Status readBack(const std::string& path, RgbImage& out)
    {
        ImageBuffers buffers(test::kTestBufferBytes);
        const Status status = readTiff(path, buffers.record());
        if (status == Status::Ok)
            out = test::fromRecord(buffers.record());
        return status;
    }

    test::TempDir m_dir;
    RgbImage m_image = test::makePhotoLike(45, 19, 5);
    std::string m_ours = m_dir.file("ours.tif");
};

TEST_F(TiffInterop, TiffinfoAcceptsOurFileWithoutWarnings)
{
    std::string output;
    ASSERT_TRUE(test::runCommand(std::string(kTiffInfo) + " -c " + m_ours, &output)) << output;
    EXPECT_EQ(output.find("Warning"), std::string::npos) << output;
    EXPECT_EQ(output.find("rror"), std::string::npos) << output;
    EXPECT_NE(output.find("Image Width: 45 Image Length: 19"), std::string::npos) << output;
    EXPECT_NE(output.find("Resolution: 3, 1 pixels/cm"), std::string::npos) << output;
}

TEST_F(TiffInterop, ReadsWhatTiffcpWrites)
{
    const struct {
        const char* options;
        Status expected;
    } cases[] = {
        {"-c none -r 1", Status::Ok},   // a strip per row
        {"-c none -r 4 -B", Status::Ok}, // big-endian, several strips
        {"-c lzw", Status::Ok},
        {"-c none -p separate", Status::Ok},
        {"-c zip -t -w 16 -l 16", Status::Ok}, // tiles
    };
    for (const auto& c : cases) {
        const std::string theirs = m_dir.file("theirs.tif");
        ASSERT_TRUE(test::runCommand(std::string(kTiffCp) + " " + c.options + " " + m_ours + " " + theirs));
        RgbImage back;
        EXPECT_EQ(readBack(theirs, back), c.expected) << c.options;
        if (c.expected == Status::Ok) {
            EXPECT_EQ(back.rgb, m_image.rgb) << c.options;
        }
    }
}

TEST_F(TiffInterop, ConvertsCmykFromConvert)
{
    if (!test::haveTool(test::kConvert))
        GTEST_SKIP() << "ImageMagick convert is not installed";
    const std::string convert = test::kConvert;
    ASSERT_TRUE(test::runCommand(convert + " " + m_ours + " -colorspace CMYK -compress none " +
                                 m_dir.file("cmyk.tif")));
    RgbImage cmyk;
    ASSERT_EQ(readBack(m_dir.file("cmyk.tif"), cmyk), Status::Ok);
    ASSERT_EQ(cmyk.rgb.size(), m_image.rgb.size());
    for (std::size_t i = 0; i < cmyk.rgb.size(); ++i)
        ASSERT_NEAR(cmyk.rgb[i], m_image.rgb[i], 2) << i;
}

} // namespace
} // namespace pictra
