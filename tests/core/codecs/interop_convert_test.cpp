// Files exchanged with ImageMagick, an independent reader and writer of all
// four formats: it reads what we write, we read what it writes.
#include "core/codecs/bmp/bmp_file.h"
#include "core/codecs/pcx/pcx_file.h"
#include "core/codecs/psd/psd_file.h"
#include "core/codecs/tiff/tiff_file.h"

#include "codec_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

struct TheirFile {
    const char* options;
    int colours; // 0: a photo-like picture, else at most this many colours
};

struct Format {
    const char* extension;
    const char* outputPrefix; // convert's format prefix for what it writes
    Status (*write)(const std::string&, const ImageRecord&);
    Status (*read)(const std::string&, ImageRecord&);
    std::vector<TheirFile> theirs;
};

class ConvertInterop : public testing::TestWithParam<Format> {
protected:
    void SetUp() override
    {
        if (!test::haveTool(test::kConvert))
            GTEST_SKIP() << "ImageMagick convert is not installed";
    }
    std::string path(const std::string& name) const { return m_dir.file(name + "." + GetParam().extension); }

    test::TempDir m_dir;
};

TEST_P(ConvertInterop, ConvertReadsWhatWeWrite)
{
    const auto image = test::makePhotoLike(45, 17, 4);
    ImageBuffers buffers(test::kTestBufferBytes);
    test::fillRecord(image, buffers);
    ASSERT_EQ(GetParam().write(path("ours"), buffers.record()), Status::Ok);
    // [0]: the first picture (a PSD's composite) only.
    ASSERT_TRUE(test::runCommand(std::string(test::kConvert) + " " + path("ours") + "[0] " + m_dir.file("back.ppm")));
    const auto back = test::fromPpm(test::readAll(m_dir.file("back.ppm")));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->rgb, image.rgb);
}

TEST_P(ConvertInterop, WeReadWhatConvertWrites)
{
    for (const TheirFile& their : GetParam().theirs) {
        const auto image = their.colours ? test::makeFewColours(37, 21, their.colours) : test::makePhotoLike(37, 21, 3);
        test::writeAll(m_dir.file("in.ppm"), test::toPpm(image));
        ASSERT_TRUE(test::runCommand(std::string(test::kConvert) + " " + m_dir.file("in.ppm") + " " + their.options +
                                     " " + GetParam().outputPrefix + path("theirs")));
        ImageBuffers buffers(test::kTestBufferBytes);
        ASSERT_EQ(GetParam().read(path("theirs"), buffers.record()), Status::Ok) << their.options;
        EXPECT_EQ(test::fromRecord(buffers.record()).rgb, image.rgb) << their.options << " " << their.colours;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Codecs, ConvertInterop,
    testing::Values(Format{"bmp", "BMP3:", writeBmp, readBmp,
                           {{"-type TrueColor", 0}, {"-type Palette", 12}, {"-type Palette", 200},
                            {"-type Palette -compress RLE", 12}, {"-type Palette -compress RLE", 200}}},
                    Format{"tif", "", writeTiff, readTiff, {{"-compress none", 0}, {"-compress none -type Palette", 100}}},
                    Format{"psd", "", writePsd, readPsd, {{"-compress RLE", 0}, {"-compress none", 0}}},
                    Format{"pcx", "", writePcx, readPcx, {{"-type TrueColor", 0}, {"-type Palette", 150}}}),
    [](const testing::TestParamInfo<Format>& info) { return std::string(info.param.extension); });

} // namespace
} // namespace pictra
