// Scanner frames of every kind become the same 24-bit bottom-up bitmap.
#include "core/scan/scan_frame.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace pictra {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Frame {
    FrameLayout layout;
    Bytes data;
};

// The finished picture as top-down "RGB" triples.
Bytes topDownRgb(const PackedBitmap& bitmap)
{
    const BitmapView view = bitmap.view();
    const int w = view.info.width;
    const int h = view.info.height;
    const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
    Bytes out;
    for (int y = h - 1; y >= 0; --y) {
        const std::uint8_t* row = view.pixels.data() + stride * static_cast<std::size_t>(y);
        for (int x = 0; x < w; ++x) {
            out.push_back(row[3 * x + 2]);
            out.push_back(row[3 * x + 1]);
            out.push_back(row[3 * x]);
        }
    }
    return out;
}

Bytes sample16(std::initializer_list<std::uint16_t> values)
{
    Bytes out(values.size() * 2);
    std::size_t i = 0;
    for (std::uint16_t v : values) {
        std::memcpy(out.data() + i, &v, 2);
        i += 2;
    }
    return out;
}

struct BuildCase {
    std::string name;
    std::vector<Frame> frames;
    int width;
    int height;
    Bytes rgb; // expected, top-down
};

class FrameConversion : public testing::TestWithParam<BuildCase> {};

TEST_P(FrameConversion, GivesTheColourPicture)
{
    const BuildCase& c = GetParam();
    ScanImageBuilder builder(1 << 20);
    for (const Frame& f : c.frames) {
        ASSERT_EQ(builder.beginFrame(f.layout), Status::Ok);
        // Split the data unevenly to exercise partial lines.
        const std::size_t half = f.data.size() / 2 + 1;
        ASSERT_EQ(builder.addData(ByteSpan(f.data).first(std::min(half, f.data.size()))), Status::Ok);
        if (half < f.data.size()) {
            ASSERT_EQ(builder.addData(ByteSpan(f.data).subspan(half)), Status::Ok);
        }
        EXPECT_EQ(builder.endFrame(), Status::Ok);
    }
    ASSERT_TRUE(builder.complete());
    auto bitmap = builder.finish();
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->view().info.width, c.width);
    EXPECT_EQ(bitmap->view().info.height, c.height);
    EXPECT_EQ(bitmap->view().info.bitCount, 24);
    EXPECT_EQ(topDownRgb(*bitmap), c.rgb);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameConversion,
    testing::Values(
        BuildCase{"Grey8TopLineFirst",
                  {{{FrameFormat::Gray, 2, 2, 2, 8, true}, {10, 20, 30, 40}}},
                  2, 2, {10, 10, 10, 20, 20, 20, 30, 30, 30, 40, 40, 40}},
        BuildCase{"Grey16TakesTheHighByte",
                  {{{FrameFormat::Gray, 4, 2, 1, 16, true}, sample16({0xAB12, 0x00FF})}},
                  2, 1, {0xAB, 0xAB, 0xAB, 0, 0, 0}},
        BuildCase{"LineartOneIsBlack",
                  {{{FrameFormat::Gray, 1, 3, 1, 1, true}, {0b10100000}}},
                  3, 1, {0, 0, 0, 255, 255, 255, 0, 0, 0}},
        BuildCase{"RgbWithPaddedLines",
                  {{{FrameFormat::Rgb, 8, 2, 1, 8, true}, {1, 2, 3, 4, 5, 6, 99, 99}}},
                  2, 1, {1, 2, 3, 4, 5, 6}},
        BuildCase{"Rgb16",
                  {{{FrameFormat::Rgb, 6, 1, 1, 16, true}, sample16({0x1000, 0x2000, 0xFF00})}},
                  1, 1, {0x10, 0x20, 0xFF}},
        BuildCase{"ThreePassInAnyOrder",
                  {{{FrameFormat::Blue, 2, 2, 1, 8, false}, {3, 6}},
                   {{FrameFormat::Red, 2, 2, 1, 8, false}, {1, 4}},
                   {{FrameFormat::Green, 2, 2, 1, 8, true}, {2, 5}}},
                  2, 1, {1, 2, 3, 4, 5, 6}},
        BuildCase{"UnknownHeightTakesTheLinesThatCame",
                  {{{FrameFormat::Gray, 1, 1, -1, 8, true}, {7, 8, 9}}},
                  1, 3, {7, 7, 7, 8, 8, 8, 9, 9, 9}}),
    [](const testing::TestParamInfo<BuildCase>& info) { return info.param.name; });

TEST(ScanImageBuilder, RefusesPicturesOverTheCap)
{
    // 100 × 100 × 3 = 30,000 bytes of rows.
    ScanImageBuilder known(29'999);
    EXPECT_EQ(known.beginFrame({FrameFormat::Rgb, 300, 100, 100, 8, true}), Status::TooLarge);

    ScanImageBuilder growing(30'000);
    ASSERT_EQ(growing.beginFrame({FrameFormat::Gray, 100, 100, -1, 8, true}), Status::Ok);
    const Bytes line(100, 0);
    for (int y = 0; y < 100; ++y)
        ASSERT_EQ(growing.addData(line), Status::Ok);
    EXPECT_EQ(growing.addData(line), Status::TooLarge);
}

TEST(ScanImageBuilder, RefusesFramesThatContradictThemselves)
{
    ScanImageBuilder builder(1 << 20);
    EXPECT_EQ(builder.beginFrame({FrameFormat::Rgb, 5, 2, 1, 8, true}), Status::Corrupt);   // line too short
    EXPECT_EQ(builder.beginFrame({FrameFormat::Gray, 2, 2, 1, 12, true}), Status::Unsupported);
    EXPECT_EQ(builder.beginFrame({FrameFormat::Gray, 2, 0, 1, 8, true}), Status::Corrupt);
    ASSERT_EQ(builder.beginFrame({FrameFormat::Red, 2, 2, 1, 8, false}), Status::Ok);
    ASSERT_EQ(builder.addData(Bytes{1, 2}), Status::Ok);
    ASSERT_EQ(builder.endFrame(), Status::Ok);
    EXPECT_EQ(builder.beginFrame({FrameFormat::Green, 3, 3, 1, 8, false}), Status::Corrupt); // other width
    EXPECT_EQ(builder.beginFrame({FrameFormat::Green, 2, 2, 2, 8, false}), Status::Corrupt); // other height
}

TEST(ScanImageBuilder, ShortFrameKeepsWhatWasScanned)
{
    ScanImageBuilder builder(1 << 20);
    ASSERT_EQ(builder.beginFrame({FrameFormat::Gray, 1, 1, 3, 8, true}), Status::Ok);
    ASSERT_EQ(builder.addData(Bytes{5}), Status::Ok);
    EXPECT_EQ(builder.endFrame(), Status::Truncated);
    auto bitmap = builder.finish();
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(topDownRgb(*bitmap), (Bytes{5, 5, 5, 255, 255, 255, 255, 255, 255}));
}

} // namespace
} // namespace pictra
