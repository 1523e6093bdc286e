// Pictures with embedded colour profiles written by ImageMagick, read by us,
// against ImageMagick's own conversion of the same file to sRGB: Display P3
// and Adobe RGB JPEGs on every JPEG path, TIFF and PSD, and CMYK JPEGs in
// their three storings. Colours are compared as CIE76 ΔE at patch centres.
#include "core/codecs/psd/psd_file.h"
#include "core/codecs/tiff/tiff_file.h"
#include "core/image_io/image_file_io.h"
#include "core/image_io/jpeg_codec.h"
#include "core/image_io/store_load.h"
#include "core/image_io/thumbnail_loader.h"

#include "codec_test_support.h"
#include "support/colour_profiles.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <jpeglib.h>

namespace pictra {
namespace {

using test::Rgb8;

// Eight flat patches of 64 × 64 in a 4 × 2 grid: saturated primaries and
// secondaries (where wide-gamut spaces differ most), a skin tone and grey.
constexpr int kPatch = 64;
constexpr int kColumns = 4;
constexpr int kRows = 2;
const std::vector<Rgb8> kPatches = {{220, 40, 35}, {40, 190, 60},   {35, 50, 200},   {40, 190, 200},
                                    {200, 45, 180}, {225, 215, 40}, {215, 165, 135}, {128, 128, 128}};

test::RgbImage patchPicture()
{
    test::RgbImage image{kPatch * kColumns, kPatch * kRows, {}};
    image.rgb.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const Rgb8& c = kPatches[static_cast<std::size_t>((y / kPatch) * kColumns + x / kPatch)];
            std::copy(c.begin(), c.end(), image.rgb.begin() + (static_cast<std::ptrdiff_t>(y) * image.width + x) * 3);
        }
    return image;
}

// The colour at the centre of patch i of a packed top-down picture of any
// size that keeps the grid's proportions.
Rgb8 patchCentre(const test::RgbImage& image, std::size_t i)
{
    const int x = static_cast<int>((2 * (i % kColumns) + 1) * image.width / (2 * kColumns));
    const int y = static_cast<int>((2 * (i / kColumns) + 1) * image.height / (2 * kRows));
    const auto at = image.rgb.begin() + (static_cast<std::ptrdiff_t>(y) * image.width + x) * 3;
    return {at[0], at[1], at[2]};
}

// The largest ΔE over the patches.
double worstDeltaE(const test::RgbImage& ours, const test::RgbImage& reference)
{
    double worst = 0;
    for (std::size_t i = 0; i < kPatches.size(); ++i)
        worst = std::max(worst, test::deltaE76(patchCentre(ours, i), patchCentre(reference, i)));
    return worst;
}

class EmbeddedProfiles : public testing::Test {
protected:
    void SetUp() override
    {
        if (!test::haveTool(test::kConvert))
            GTEST_SKIP() << "ImageMagick convert is not installed";
        test::writeAll(file("in.ppm"), test::toPpm(patchPicture()));
        test::writeAll(file("p3.icc"), test::displayP3Profile());
        test::writeAll(file("adobe.icc"), test::adobeRgbProfile());
        test::writeAll(file("srgb.icc"), test::srgbProfile());
    }

    std::string file(const std::string& name) const { return m_dir.file(name); }

    void convert(const std::string& options, const std::string& out)
    {
        ASSERT_TRUE(test::runCommand(std::string(test::kConvert) + " " + options + " " + file(out)))
            << options << " " << out;
    }

    // ImageMagick's sRGB reading of `name` (its embedded profile converted
    // to sRGB through lcms2).
    test::RgbImage reference(const std::string& name)
    {
        convert(file(name) + "[0] -profile " + file("srgb.icc"), name + ".ref.ppm");
        return test::fromPpm(test::readAll(file(name + ".ref.ppm"))).value_or(test::RgbImage{});
    }

    // The pixels as stored, without any colour management.
    test::RgbImage unmanaged(const std::string& name)
    {
        convert(file(name) + "[0] +profile '*'", name + ".raw.ppm");
        return test::fromPpm(test::readAll(file(name + ".raw.ppm"))).value_or(test::RgbImage{});
    }

    test::TempDir m_dir;
};

TEST_F(EmbeddedProfiles, WideGamutJpegsMatchImageMagicksSrgbOnEveryJpegPath)
{
    for (const char* profile : {"p3", "adobe"}) {
        const std::string jpeg = std::string(profile) + ".jpg";
        convert(file("in.ppm") + " -quality 95 -profile " + file(std::string(profile) + ".icc"), jpeg);
        const test::RgbImage want = reference(jpeg);
        ASSERT_GT(worstDeltaE(unmanaged(jpeg), want), 6) << profile << ": the profile must matter";

        ImageBuffers full(test::kTestBufferBytes);
        ASSERT_EQ(JpegCodec(1).loadJpeg(file(jpeg), full.record()), Status::Ok);
        EXPECT_LT(worstDeltaE(test::fromRecord(full.record()), want), 3) << profile << " full load";

        ImageFileIO io;
        ImageBuffers store(test::kTestBufferBytes);
        ASSERT_TRUE(pictureLoaded(loadForStore(io, file(jpeg), store.record())));
        EXPECT_LT(worstDeltaE(test::fromRecord(store.record()), want), 3) << profile << " store copy";

        auto thumbnail = decodeJpegThumbnail(test::readAll(file(jpeg)), 64, 32, test::kTestBufferBytes);
        ASSERT_TRUE(thumbnail);
        ASSERT_LT((*thumbnail)->record().width(), 256) << "a reduced decode";
        EXPECT_LT(worstDeltaE(test::fromRecord((*thumbnail)->record()), want), 3) << profile << " thumbnail";

        // Our own decoder reads no file with application segments beyond APP0,
        // so it never shows these pictures in the wrong colours.
        ImageBuffers own(test::kTestBufferBytes);
        EXPECT_EQ(JpegCodec(0).loadJpeg(file(jpeg), own.record()), Status::Unsupported);
    }
}

TEST_F(EmbeddedProfiles, JpegsWithoutAProfileOrWithSrgbKeepTheirDecodedBytes)
{
    convert(file("in.ppm") + " -quality 90", "plain.jpg");
    convert(file("in.ppm") + " -quality 90 -profile " + file("srgb.icc"), "srgb.jpg");
    for (const char* name : {"plain.jpg", "srgb.jpg"}) {
        const auto bytes = test::readAll(file(name));
        ImageBuffers buffers(test::kTestBufferBytes);
        ASSERT_EQ(JpegCodec(1).loadJpeg(file(name), buffers.record()), Status::Ok);
        EXPECT_EQ(test::fromRecord(buffers.record()).rgb, test::decodeWithTurbo(bytes, false).rgb) << name;
    }
}

TEST_F(EmbeddedProfiles, TiffAndPsdProfilesConvertOnBothTiffReaders)
{
    struct Case {
        const char* options;
        const char* name;
        Status (*read)(const std::string&, ImageRecord&);
    };
    for (const Case& c : {Case{"-compress none", "own.tif", readTiff}, Case{"-compress lzw", "libtiff.tif", readTiff},
                          Case{"", "p3.psd", readPsd}}) {
        convert(file("in.ppm") + " -profile " + file("p3.icc") + " " + c.options, c.name);
        const test::RgbImage want = reference(c.name);
        ImageBuffers buffers(test::kTestBufferBytes);
        ASSERT_EQ(c.read(file(c.name), buffers.record()), Status::Ok) << c.name;
        EXPECT_LT(worstDeltaE(test::fromRecord(buffers.record()), want), 3) << c.name;
        EXPECT_GT(worstDeltaE(unmanaged(c.name), want), 6) << c.name;
    }
}

// A CMYK JPEG written with libjpeg: `samples` are four bytes a pixel as
// stored; YCCK files carry an Adobe segment, plain CMYK ones none.
std::vector<std::uint8_t> writeCmykJpeg(const std::vector<std::uint8_t>& samples, int width, int height,
                                        J_COLOR_SPACE stored)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, stored);
    cinfo.write_Adobe_marker = stored == JCS_YCCK;
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(samples.data() + static_cast<std::size_t>(cinfo.next_scanline) * width * 4);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> jpeg(out, out + size);
    std::free(out);
    return jpeg;
}

// The plain ink of an sRGB colour: black takes the common part.
std::array<std::uint8_t, 4> inkOf(const std::uint8_t* rgb)
{
    const int k = 255 - std::max({rgb[0], rgb[1], rgb[2]});
    std::array<std::uint8_t, 4> ink{};
    for (int c = 0; c < 3; ++c)
        ink[static_cast<std::size_t>(c)] =
            k == 255 ? 0 : static_cast<std::uint8_t>((255 - rgb[c] - k) * 255 / (255 - k));
    ink[3] = static_cast<std::uint8_t>(k);
    return ink;
}

TEST_F(EmbeddedProfiles, CmykJpegsComeOutNearTheRgbOriginal)
{
    const test::RgbImage original = patchPicture();
    convert(file("in.ppm") + " -quality 95 -colorspace CMYK", "adobe_cmyk.jpg");
    std::vector<std::uint8_t> ink, light;
    for (std::size_t i = 0; i < original.rgb.size(); i += 3) {
        const auto k = inkOf(&original.rgb[i]);
        for (std::uint8_t v : k) {
            ink.push_back(v);
            light.push_back(static_cast<std::uint8_t>(255 - v));
        }
    }
    test::writeAll(file("plain_cmyk.jpg"), writeCmykJpeg(ink, original.width, original.height, JCS_CMYK));
    test::writeAll(file("ycck.jpg"), writeCmykJpeg(light, original.width, original.height, JCS_YCCK));
    for (const char* name : {"adobe_cmyk.jpg", "plain_cmyk.jpg", "ycck.jpg"}) {
        ImageBuffers buffers(test::kTestBufferBytes);
        ASSERT_EQ(JpegCodec(1).loadJpeg(file(name), buffers.record()), Status::Ok) << name;
        EXPECT_LT(worstDeltaE(test::fromRecord(buffers.record()), original), 3) << name;
    }
}

TEST_F(EmbeddedProfiles, CmykPicturesWithAPressProfileMatchImageMagick)
{
    const std::string press = "/usr/share/color/icc/ghostscript/default_cmyk.icc";
    struct Case {
        const char* name;
        const char* options;
        Status (*read)(const std::string&, ImageRecord&);
    };
    const auto readJpeg = [](const std::string& path, ImageRecord& record) { return JpegCodec(1).loadJpeg(path, record); };
    for (const Case& c : {Case{"press.jpg", "-quality 95", readJpeg}, Case{"press.tif", "-compress none", readTiff},
                          Case{"press.psd", "", readPsd}}) {
        convert(file("in.ppm") + " -profile " + file("srgb.icc") + " -profile " + press + " " + c.options, c.name);
        const test::RgbImage want = reference(c.name);
        ImageBuffers buffers(test::kTestBufferBytes);
        ASSERT_EQ(c.read(file(c.name), buffers.record()), Status::Ok) << c.name;
        EXPECT_LT(worstDeltaE(test::fromRecord(buffers.record()), want), 3) << c.name;
    }
}

} // namespace
} // namespace pictra
