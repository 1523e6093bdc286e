// The TIFF and PSD variants other programs write, made by ImageMagick from a
// known picture at test time and read back against its pixels.
#include "core/codecs/psd/psd_file.h"
#include "core/codecs/tiff/tiff_file.h"

#include "codec_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pictra {
namespace {

enum class Source { Photo, Grey, FewColours };
enum class Expect { Same, HalfOnWhite }; // HalfOnWhite: 50 % alpha over white

struct Variant {
    const char* name;
    const char* file;    // the output name; its extension picks the format
    const char* options; // between the input and the output on convert's command line
    Source source;
    Expect expect;
    int maxDifference; // per channel, over all pixels
    Status status = Status::Ok;
    const char* format = ""; // convert's format prefix for the output
};

test::RgbImage sourcePicture(Source source)
{
    if (source == Source::FewColours)
        return test::makeFewColours(37, 21, 50);
    test::RgbImage image = test::makePhotoLike(37, 21, 5);
    if (source == Source::Grey)
        for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3)
            image.rgb[i + 1] = image.rgb[i + 2] = image.rgb[i];
    return image;
}

std::uint8_t expected(std::uint8_t value, Expect expect)
{
    return expect == Expect::Same ? value : static_cast<std::uint8_t>((value + 255) / 2);
}

class ConvertedVariant : public testing::TestWithParam<Variant> {};

TEST_P(ConvertedVariant, ReadsAsTheSourcePicture)
{
    ASSERT_TRUE(test::haveTool(test::kConvert)) << "ImageMagick is installed by scripts/install-deps";
    const Variant& v = GetParam();
    test::TempDir dir;
    const test::RgbImage image = sourcePicture(v.source);
    test::writeAll(dir.file("in.ppm"), test::toPpm(image));
    const std::string out = dir.file(v.file);
    ASSERT_TRUE(test::runCommand(std::string(test::kConvert) + " " + dir.file("in.ppm") + " " + v.options + " " + v.format + out));
    ImageBuffers buffers(0, test::kTestBufferBytes);
    const bool psd = std::string(v.file).find(".ps") != std::string::npos;
    const Status status = psd ? readPsd(out, buffers.record()) : readTiff(out, buffers.record());
    ASSERT_EQ(status, v.status);
    if (v.status != Status::Ok)
        return;
    const test::RgbImage got = test::fromRecord(buffers.record());
    ASSERT_EQ(got.width, image.width);
    ASSERT_EQ(got.height, image.height);
    int worst = 0;
    for (std::size_t i = 0; i < got.rgb.size(); ++i)
        worst = std::max(worst, std::abs(int(got.rgb[i]) - int(expected(image.rgb[i], v.expect))));
    EXPECT_LE(worst, v.maxDifference);
}

INSTANTIATE_TEST_SUITE_P(
    Tiff, ConvertedVariant,
    testing::Values(Variant{"lzw", "a.tif", "-compress LZW", Source::Photo, Expect::Same, 0},
                    Variant{"deflate", "a.tif", "-compress Zip", Source::Photo, Expect::Same, 0},
                    Variant{"packbits", "a.tif", "-compress RLE", Source::Photo, Expect::Same, 0},
                    Variant{"jpeg", "a.tif", "-compress JPEG -quality 98", Source::Photo, Expect::Same, 40},
                    Variant{"tiled", "a.tif", "-compress LZW -define tiff:tile-geometry=16x16", Source::Photo,
                            Expect::Same, 0},
                    Variant{"rgb16", "a.tif", "-depth 16 -compress Zip", Source::Photo, Expect::Same, 0},
                    Variant{"rgb16_big_endian", "a.tif", "-depth 16 -endian MSB", Source::Photo, Expect::Same, 0},
                    Variant{"grey", "a.tif", "-type Grayscale -compress LZW", Source::Grey, Expect::Same, 0},
                    Variant{"grey16", "a.tif", "-type Grayscale -depth 16", Source::Grey, Expect::Same, 0},
                    Variant{"grey_alpha", "a.tif", "-alpha set -channel A -evaluate set 50% +channel -type GrayscaleMatte",
                            Source::Grey, Expect::HalfOnWhite, 2},
                    Variant{"rgb_alpha_lzw", "a.tif", "-alpha set -channel A -evaluate set 50% +channel -compress LZW",
                            Source::Photo, Expect::HalfOnWhite, 2},
                    Variant{"palette", "a.tif", "-type Palette -compress LZW", Source::FewColours, Expect::Same, 0},
                    Variant{"planar", "a.tif", "-interlace Plane", Source::Photo, Expect::Same, 0},
                    Variant{"cmyk", "a.tif", "-colorspace CMYK -compress LZW", Source::Photo, Expect::Same, 3},
                    Variant{"two_pages", "a.tif", "\\( +clone -negate \\) -compress LZW", Source::Photo, Expect::Same, 0},
                    Variant{"tiff_name", "a.tiff", "-compress Zip", Source::Photo, Expect::Same, 0}),
    [](const testing::TestParamInfo<Variant>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Psd, ConvertedVariant,
    testing::Values(Variant{"rgb16_raw", "a.psd", "-depth 16 -compress none", Source::Photo, Expect::Same, 0},
                    Variant{"rgb16_rle", "a.psd", "-depth 16 -compress RLE", Source::Photo, Expect::Same, 0},
                    Variant{"grey", "a.psd", "-type Grayscale -compress RLE", Source::Grey, Expect::Same, 0},
                    Variant{"grey16", "a.psd", "-type Grayscale -depth 16 -compress none", Source::Grey, Expect::Same, 0},
                    Variant{"cmyk", "a.psd", "-colorspace CMYK -compress RLE", Source::Photo, Expect::Same, 3},
                    Variant{"cmyk16", "a.psd", "-colorspace CMYK -depth 16 -compress none", Source::Photo, Expect::Same, 3},
                    Variant{"rgb_alpha", "a.psd", "-alpha set -compress RLE", Source::Photo, Expect::Same, 0},
                    Variant{"psb", "a.psd", "", Source::Photo, Expect::Same, 0, Status::Unsupported, "PSB:"}),
    [](const testing::TestParamInfo<Variant>& info) { return std::string(info.param.name); });

} // namespace
} // namespace pictra
