// convertToSrgb and convertCmykToSrgb on records: the pixels a profile
// reaches, the ones it must not, and the transform cache under threads.
#include "core/colour/embedded_profile.h"
#include "core/colour/srgb_transform_cache.h"
#include "support/colour_profiles.h"

#include <gtest/gtest.h>
#include <lcms2.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace pictra {
namespace {

using test::Rgb8;

constexpr std::size_t kBuffer = 1 << 20;

// A width × height picture whose pixel (x, y) is colours[(x + y) % n], with
// every padding byte set to 0x5A so a conversion that runs past a row shows.
void fill(ImageRecord& record, int width, int height, const std::vector<Rgb8>& colours)
{
    ASSERT_EQ(record.setup24(width, height), Status::Ok);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = record.row(y);
        std::fill(row, row + record.stride(), std::uint8_t{0x5A});
        for (int x = 0; x < width; ++x) {
            const Rgb8& c = colours[static_cast<std::size_t>(x + y) % colours.size()];
            row[3 * x] = c[2];
            row[3 * x + 1] = c[1];
            row[3 * x + 2] = c[0];
        }
    }
}

Rgb8 pixel(const ImageRecord& record, int x, int y)
{
    const std::uint8_t* p = record.row(y) + 3 * x;
    return {p[2], p[1], p[0]};
}

std::vector<std::uint8_t> pixelBytes(const ImageRecord& record)
{
    return {record.pixels.begin(), record.pixels.begin() + static_cast<std::ptrdiff_t>(record.imageBytes())};
}

// What lcms2 makes of an RGB colour (red, green, blue order) under `profile`.
Rgb8 viaLcms(const std::vector<std::uint8_t>& profile, const Rgb8& colour)
{
    cmsHPROFILE in = cmsOpenProfileFromMem(profile.data(), static_cast<cmsUInt32Number>(profile.size()));
    cmsHPROFILE out = cmsCreate_sRGBProfile();
    cmsHTRANSFORM t = cmsCreateTransform(in, TYPE_RGB_8, out, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    Rgb8 result{};
    cmsDoTransform(t, colour.data(), result.data(), 1);
    cmsDeleteTransform(t);
    cmsCloseProfile(in);
    cmsCloseProfile(out);
    return result;
}

std::vector<std::uint8_t> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Ghostscript's press CMYK profile (Debian's libgs-common).
std::vector<std::uint8_t> pressCmykProfile()
{
    return fileBytes("/usr/share/color/icc/ghostscript/default_cmyk.icc");
}

const std::vector<Rgb8> kColours = {{200, 30, 40}, {20, 180, 60}, {30, 40, 220}, {250, 240, 10},
                                    {128, 128, 128}, {0, 0, 0}, {255, 255, 255}};

TEST(ConvertToSrgb, ConvertsEveryPixelOfEveryPaddedRowAndLeavesThePadding)
{
    const auto p3 = test::displayP3Profile();
    ImageBuffers buffers(kBuffer);
    ImageRecord& record = buffers.record();
    fill(record, 5, 4, kColours); // 15 bytes to a row: one byte of padding
    convertToSrgb(p3, record);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            const Rgb8& original = kColours[static_cast<std::size_t>(x + y) % kColours.size()];
            EXPECT_EQ(pixel(record, x, y), viaLcms(p3, original)) << x << "," << y;
        }
        EXPECT_EQ(record.row(y)[15], 0x5A) << "padding of row " << y;
    }
    // A saturated P3 red is redder than sRGB's red can be: it clips.
    EXPECT_NE(pixel(record, 0, 0), kColours[0]);
}

struct UnchangedCase {
    const char* name;
    std::vector<std::uint8_t> profile;
};

std::vector<UnchangedCase> unchangedCases()
{
    std::vector<std::uint8_t> garbage(600, 0x41);
    std::vector<std::uint8_t> cut = test::displayP3Profile();
    cut.resize(cut.size() / 2);
    std::vector<std::uint8_t> wrongSpace = test::displayP3Profile();
    std::copy_n("CMYK", 4, wrongSpace.begin() + 16);
    return {{"empty", {}},
            {"srgb", test::srgbProfile()},
            {"garbage", garbage},
            {"cut_in_half", cut},
            {"rgb_profile_declaring_cmyk", wrongSpace},
            {"cmyk_profile", pressCmykProfile()},
            {"grey_profile_on_colours", test::greyGammaProfile(1.0)}};
}

class ProfileLeavesPixels : public ::testing::TestWithParam<UnchangedCase> {};

TEST_P(ProfileLeavesPixels, BitForBit)
{
    ImageBuffers buffers(kBuffer);
    ImageRecord& record = buffers.record();
    fill(record, 7, 3, kColours);
    const auto before = pixelBytes(record);
    convertToSrgb(GetParam().profile, record);
    EXPECT_EQ(pixelBytes(record), before);
}

INSTANTIATE_TEST_SUITE_P(Profiles, ProfileLeavesPixels, ::testing::ValuesIn(unchangedCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConvertToSrgb, CmykProfileIsReallyCmyk)
{
    const auto cmyk = pressCmykProfile();
    ASSERT_GT(cmyk.size(), 128u) << "libgs-common is not installed";
    EXPECT_EQ(std::string(cmyk.begin() + 16, cmyk.begin() + 20), "CMYK");
}

TEST(ConvertToSrgb, GreyProfileMapsGreyPixelsAndPaletteEntries)
{
    // Linear light 128/255 is sRGB level 188.
    const auto linear = test::greyGammaProfile(1.0);
    ImageBuffers buffers(kBuffer);
    ImageRecord& record = buffers.record();
    fill(record, 3, 2, {{128, 128, 128}, {0, 0, 0}, {255, 255, 255}});
    convertToSrgb(linear, record);
    const Rgb8 mid = pixel(record, 0, 0);
    EXPECT_NEAR(mid[0], 188, 1);
    EXPECT_EQ(mid[0], mid[1]);
    EXPECT_EQ(mid[1], mid[2]);
    EXPECT_EQ(pixel(record, 1, 0), (Rgb8{0, 0, 0}));
    EXPECT_EQ(pixel(record, 2, 0), (Rgb8{255, 255, 255}));

    record.infoHeader.bitCount = 8;
    for (std::size_t i = 0; i < 256; ++i) {
        std::fill_n(&record.palette[4 * i], 3, static_cast<std::uint8_t>(i));
        record.palette[4 * i + 3] = 9;
    }
    convertToSrgb(linear, record);
    EXPECT_NEAR(record.palette[4 * 128], 188, 1);
    EXPECT_EQ(record.palette[4 * 128 + 3], 9) << "the fourth byte of an entry stays";
}

TEST(ConvertToSrgb, RgbProfileConvertsThePaletteNotTheIndices)
{
    const auto adobe = test::adobeRgbProfile();
    ImageBuffers buffers(kBuffer);
    ImageRecord& record = buffers.record();
    fill(record, 4, 4, kColours);
    record.infoHeader.bitCount = 8;
    const auto indices = pixelBytes(record);
    for (std::size_t i = 0; i < 256; ++i) {
        const std::uint8_t v = static_cast<std::uint8_t>(i);
        const std::uint8_t entry[4] = {static_cast<std::uint8_t>(255 - v), v, static_cast<std::uint8_t>(v / 2), 7};
        std::copy_n(entry, 4, &record.palette[4 * i]);
    }
    convertToSrgb(adobe, record);
    EXPECT_EQ(pixelBytes(record), indices);
    for (std::size_t i = 0; i < 256; i += 51) {
        const std::uint8_t* e = &record.palette[4 * i];
        const std::uint8_t v = static_cast<std::uint8_t>(i);
        EXPECT_EQ((Rgb8{e[2], e[1], e[0]}), viaLcms(adobe, {static_cast<std::uint8_t>(v / 2), v, static_cast<std::uint8_t>(255 - v)}));
        EXPECT_EQ(e[3], 7);
    }
}

TEST(ConvertToSrgb, ARecordWithoutAPictureIsLeftAlone)
{
    ImageBuffers buffers(16);
    ImageRecord& record = buffers.record();
    record.infoHeader.width = 100; // claims more than the 16-byte buffer holds
    record.infoHeader.height = 100;
    record.infoHeader.bitCount = 24;
    convertToSrgb(test::displayP3Profile(), record);
    SUCCEED();
}

TEST(ConvertCmykToSrgb, WithoutAProfileInkTakesAwayLight)
{
    ImageBuffers buffers(kBuffer);
    ImageRecord& record = buffers.record();
    ASSERT_EQ(record.setup24(4, 1), Status::Ok);
    const std::vector<std::uint8_t> ink = {0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0, 128};
    convertCmykToSrgb({}, ink, record);
    EXPECT_EQ(pixel(record, 0, 0), (Rgb8{255, 255, 255}));
    EXPECT_EQ(pixel(record, 1, 0), (Rgb8{0, 255, 255}));
    EXPECT_EQ(pixel(record, 2, 0), (Rgb8{255, 0, 0}));
    EXPECT_EQ(pixel(record, 3, 0), (Rgb8{127, 127, 127}));
}

TEST(ConvertCmykToSrgb, ThroughAPressProfileAndNeverPastShortInk)
{
    ImageBuffers buffers(kBuffer);
    ImageRecord& record = buffers.record();
    ASSERT_EQ(record.setup24(3, 1), Status::Ok);
    const std::vector<std::uint8_t> ink = {0, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255};
    convertCmykToSrgb(pressCmykProfile(), ink, record);
    EXPECT_LT(test::deltaE76(pixel(record, 0, 0), {255, 255, 255}), 8) << "paper is near white";
    const Rgb8 cyan = pixel(record, 1, 0);
    EXPECT_LT(cyan[0], 60);      // press cyan is far duller than (0, 255, 255)
    EXPECT_GT(cyan[2], 150);
    EXPECT_NE(cyan, (Rgb8{0, 255, 255}));
    EXPECT_LT(pixel(record, 2, 0)[1], 70) << "full black";

    const auto before = pixelBytes(record);
    convertCmykToSrgb(pressCmykProfile(), std::span(ink).first(8), record);
    EXPECT_EQ(pixelBytes(record), before);
}

TEST(SrgbTransformCache, OneTransformPerProfileAndABoundedList)
{
    const auto p3 = test::displayP3Profile();
    ImageBuffers buffers(kBuffer);
    fill(buffers.record(), 2, 2, kColours);
    convertToSrgb(p3, buffers.record());
    const std::size_t made = srgbTransformsMade();
    fill(buffers.record(), 2, 2, kColours);
    convertToSrgb(p3, buffers.record());
    EXPECT_EQ(srgbTransformsMade(), made) << "the second picture reuses the transform";
    EXPECT_EQ(cachedSrgbTransform(p3, ProfileInput::Rgb), cachedSrgbTransform(p3, ProfileInput::Rgb));

    // Only the making counts here, not the transforms.
    for (std::size_t i = 0; i < kCachedTransforms; ++i)
        (void)cachedSrgbTransform(test::greyGammaProfile(1.2 + 0.1 * static_cast<double>(i)), ProfileInput::Grey);
    const std::size_t afterFilling = srgbTransformsMade();
    (void)cachedSrgbTransform(p3, ProfileInput::Rgb); // made again or not: the count tells
    EXPECT_EQ(srgbTransformsMade(), afterFilling + 1) << "the least recently used profile was dropped";
}

TEST(SrgbTransformCache, ThreadsConvertingAtOnceAgreeWithOneThread)
{
    const std::vector<std::vector<std::uint8_t>> profiles = {test::displayP3Profile(), test::adobeRgbProfile()};
    std::vector<std::vector<std::uint8_t>> expected;
    for (const auto& profile : profiles) {
        ImageBuffers buffers(kBuffer);
        fill(buffers.record(), 64, 64, kColours);
        convertToSrgb(profile, buffers.record());
        expected.push_back(pixelBytes(buffers.record()));
    }
    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < mismatches.size(); ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 20; ++round) {
                const std::size_t which = (t + static_cast<std::size_t>(round)) % profiles.size();
                ImageBuffers buffers(kBuffer);
                fill(buffers.record(), 64, 64, kColours);
                convertToSrgb(profiles[which], buffers.record());
                mismatches[t] += pixelBytes(buffers.record()) != expected[which];
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

} // namespace
} // namespace pictra
