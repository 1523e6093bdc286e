#include "core/codecs/tiff/tiff_file.h"

#include "codec_test_support.h"
#include "core/util/byte_reader.h"
#include "core/util/byte_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace pictra {
namespace {

using test::decodeWith;

struct TiffTag {
    std::uint16_t tag;
    std::uint16_t type; // 3 SHORT, 4 LONG
    std::vector<std::uint32_t> values;
};

// A TIFF put together entry by entry: header, directory, out-of-line
// values, then the strips (StripOffsets/StripByteCounts are added here).
std::vector<std::uint8_t> buildTiff(bool big, std::vector<TiffTag> tags,
                                    const std::vector<std::vector<std::uint8_t>>& strips)
{
    ByteWriter w;
    auto u16 = [&](std::uint32_t v) { big ? w.u16be(static_cast<std::uint16_t>(v)) : w.u16(static_cast<std::uint16_t>(v)); };
    auto u32 = [&](std::uint32_t v) { big ? w.u32be(v) : w.u32(v); };
    auto bytesOf = [](const TiffTag& t) { return t.values.size() * (t.type == 3 ? 2u : 4u); };
    tags.push_back({273, 4, std::vector<std::uint32_t>(strips.size())});
    std::vector<std::uint32_t> counts;
    for (const auto& s : strips)
        counts.push_back(static_cast<std::uint32_t>(s.size()));
    tags.push_back({279, 4, counts});
    std::sort(tags.begin(), tags.end(), [](const TiffTag& a, const TiffTag& b) { return a.tag < b.tag; });

    std::size_t extra = 0;
    for (const auto& t : tags)
        extra += bytesOf(t) > 4 ? bytesOf(t) : 0;
    std::uint32_t stripAt = static_cast<std::uint32_t>(8 + 2 + tags.size() * 12 + 4 + extra);
    for (auto& t : tags)
        if (t.tag == 273)
            for (std::size_t i = 0; i < strips.size(); ++i, stripAt += static_cast<std::uint32_t>(strips[i - 1].size()))
                t.values[i] = stripAt;

    w.bytes(std::vector<std::uint8_t>(2, big ? 'M' : 'I'));
    u16(42);
    u32(8);
    u16(static_cast<std::uint32_t>(tags.size()));
    std::uint32_t valuesAt = static_cast<std::uint32_t>(8 + 2 + tags.size() * 12 + 4);
    for (const auto& t : tags) {
        u16(t.tag);
        u16(t.type);
        u32(static_cast<std::uint32_t>(t.values.size()));
        if (bytesOf(t) > 4) {
            u32(valuesAt);
            valuesAt += static_cast<std::uint32_t>(bytesOf(t));
            continue;
        }
        for (auto v : t.values)
            t.type == 3 ? u16(v) : u32(v);
        w.zeros(4 - bytesOf(t));
    }
    u32(0);
    for (const auto& t : tags)
        if (bytesOf(t) > 4)
            for (auto v : t.values)
                t.type == 3 ? u16(v) : u32(v);
    for (const auto& s : strips)
        w.bytes(s);
    return w.take();
}

std::vector<TiffTag> baseTags(std::uint32_t photometric, std::vector<std::uint32_t> bits, std::uint32_t rowsPerStrip = 2)
{
    const auto samples = static_cast<std::uint32_t>(bits.size());
    return {{256, 3, {3}}, {257, 4, {2}}, {258, 3, bits}, {259, 3, {1}}, {262, 3, {photometric}},
            {277, 3, {samples}}, {278, 3, {rowsPerStrip}}};
}

std::vector<std::uint32_t> colorMap(int bits)
{
    // Entries 0..4: black, red, green, blue, white (16-bit values).
    const std::size_t n = std::size_t{1} << bits;
    std::vector<std::uint32_t> map(3 * n, 0);
    const std::uint32_t rgb[5][3] = {{0, 0, 0}, {65535, 0, 0}, {0, 65535, 0}, {0, 0, 65535}, {65535, 65535, 65535}};
    for (std::size_t i = 0; i < 5; ++i)
        for (std::size_t c = 0; c < 3; ++c)
            map[c * n + i] = rgb[i][c];
    return map;
}

// Every variant holds this 3 x 2 picture (top row first, RGB).
const std::vector<std::uint8_t> kExpected = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 255, 0, 0};

struct TiffVariant {
    const char* name;
    std::vector<std::uint8_t> bytes;
};

std::vector<TiffVariant> variants()
{
    auto palette8 = baseTags(3, {8});
    palette8.push_back({320, 3, colorMap(8)});
    auto palette4 = baseTags(3, {4});
    palette4.push_back({320, 3, colorMap(4)});
    auto rgba = baseTags(2, {8, 8, 8, 8});
    rgba.push_back({338, 3, {2}});
    return {
        {"rgbLittleEndian", buildTiff(false, baseTags(2, {8, 8, 8}), {kExpected})},
        {"rgbBigEndianStripPerRow", buildTiff(true, baseTags(2, {8, 8, 8}, 1),
                                              {{kExpected.begin(), kExpected.begin() + 9},
                                               {kExpected.begin() + 9, kExpected.end()}})},
        {"rgbaSkipsAlpha", buildTiff(false, rgba, {{255, 0, 0, 9, 0, 255, 0, 9, 0, 0, 255, 9,
                                                    255, 255, 255, 9, 0, 0, 0, 9, 255, 0, 0, 9}})},
        {"palette8BigEndian", buildTiff(true, palette8, {{1, 2, 3, 4, 0, 1}})},
        {"palette4", buildTiff(false, palette4, {{0x12, 0x30, 0x40, 0x10}})},
        {"cmyk", buildTiff(false, baseTags(5, {8, 8, 8, 8}),
                           {{0, 255, 255, 0, 255, 0, 255, 0, 255, 255, 0, 0,
                             0, 0, 0, 0, 0, 0, 0, 255, 0, 255, 255, 0}})},
    };
}

TEST(Tiff, VariantsDecodeToTheSamePixels)
{
    for (const auto& v : variants()) {
        const auto decoded = decodeWith(readTiffBytes, v.bytes);
        ASSERT_EQ(decoded.status, Status::Ok) << v.name;
        EXPECT_EQ(decoded.image.rgb, kExpected) << v.name;
        EXPECT_EQ(decoded.fileHeader.size, 54u + 12 * 2) << v.name;
        EXPECT_EQ(decoded.outline[2], (PointD{3, -2})) << v.name;
    }
}

TEST(Tiff, HeavyInkStaysInRange)
{
    // Cyan 200 + black 200 would wrap below zero if subtracted.
    auto tags = baseTags(5, {8, 8, 8, 8});
    tags[0].values = {1};
    tags[1].values = {1};
    const auto decoded = decodeWith(readTiffBytes, buildTiff(false, tags, {{200, 0, 255, 200}}));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.image.rgb, (std::vector<std::uint8_t>{12, 55, 0}));
}

TEST(Tiff, RoundTripIsUnchangedForPaddedWidths)
{
    for (int width : {1, 3, 5, 33}) {
        const auto image = test::makePhotoLike(width, 7, static_cast<std::uint32_t>(width));
        ImageBuffers buffers(1 << 16);
        test::fillRecord(image, buffers);
        const auto bytes = writeTiffBytes(buffers.record());
        ASSERT_TRUE(bytes.ok());
        const auto decoded = decodeWith(readTiffBytes, *bytes);
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.image.rgb, image.rgb) << width;
        EXPECT_EQ(decoded.infoHeader, buffers.record().infoHeader);
    }
}

TEST(Tiff, WrittenLayoutHasValuesAtEvenOffsetsAndNoFurtherDirectory)
{
    ImageBuffers buffers(1 << 16);
    test::fillRecord(test::makePhotoLike(45, 3), buffers);
    const auto bytes = writeTiffBytes(buffers.record());
    ASSERT_TRUE(bytes.ok());
    ByteReader r(*bytes);
    r.seek(8);
    EXPECT_EQ(r.u16(), 14);
    r.seek(8 + 2 + 14 * 12);
    EXPECT_EQ(r.u32(), 0u); // next directory
    EXPECT_EQ(r.u16(), 8);  // BitsPerSample at 182
    r.seek(188);
    EXPECT_EQ(r.u32(), 3u); // XResolution ⌈45/20⌉ / 1
    EXPECT_EQ(r.u32(), 1u);
    EXPECT_EQ(r.u32(), 1u); // YResolution ⌈3/20⌉ / 1
    EXPECT_EQ(bytes->size(), 204u + 45 * 3 * 3);
}

TEST(Tiff, RefusesWhatNeitherReaderReads)
{
    auto lzw = baseTags(2, {8, 8, 8});
    lzw[3].values = {5};
    auto tiled = baseTags(2, {8, 8, 8});
    tiled.push_back({322, 3, {16}});
    auto shortStrip = buildTiff(false, baseTags(2, {8, 8, 8}), {{kExpected.begin(), kExpected.end() - 1}});
    auto pastEnd = buildTiff(false, baseTags(2, {8, 8, 8}), {kExpected});
    pastEnd.resize(pastEnd.size() - 1);
    auto badOrder = buildTiff(false, baseTags(2, {8, 8, 8}), {kExpected});
    badOrder[0] = 'X';
    auto noColorMap = buildTiff(false, baseTags(3, {8}), {{1, 2, 3, 4, 0, 1}});
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        Status expected;
    } cases[] = {
        {"lzw label on raw data", buildTiff(false, lzw, {kExpected}), Status::Corrupt},
        {"tiled without tile sizes", buildTiff(false, tiled, {kExpected}), Status::Corrupt},
        {"byte count short", shortStrip, Status::Truncated},
        {"strip past end", pastEnd, Status::Truncated},
        {"byte order", badOrder, Status::Corrupt},
        {"no colour map", noColorMap, Status::Corrupt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeWith(readTiffBytes, c.bytes).status, c.expected) << c.name;
}

TEST(Tiff, PathFunctionsTakeTheTifAndTiffExtensions)
{
    test::TempDir dir;
    ImageBuffers buffers(1 << 16);
    test::fillRecord(test::makePhotoLike(5, 4), buffers);
    EXPECT_EQ(writeTiff(dir.file("a.tifx"), buffers.record()), Status::Unsupported);
    ASSERT_EQ(writeTiff(dir.file("a.TIF"), buffers.record()), Status::Ok);
    ASSERT_EQ(writeTiff(dir.file("b.Tiff"), buffers.record()), Status::Ok);
    std::filesystem::copy_file(dir.file("a.TIF"), dir.file("a.tifx"));
    EXPECT_EQ(readTiff(dir.file("a.tifx"), buffers.record()), Status::Unsupported);
    EXPECT_EQ(readTiff(dir.file("b.Tiff"), buffers.record()), Status::Ok);
    EXPECT_EQ(readTiff(dir.file("missing.tif"), buffers.record()), Status::NotFound);
    EXPECT_EQ(readTiff(dir.file("a.TIF"), buffers.record()), Status::Ok);
}

TEST(Tiff, PictureLargerThanTheBufferIsRefused)
{
    ImageBuffers big(1 << 16);
    test::fillRecord(test::makePhotoLike(100, 100), big);
    const auto bytes = writeTiffBytes(big.record());
    ImageBuffers small(100 * 100 * 3 - 1);
    EXPECT_EQ(readTiffBytes(*bytes, small.record()), Status::TooLarge);
}

TEST(Tiff, DamagedFilesFailCleanly)
{
    for (const auto& v : variants())
        test::sweepDamagedInputs(readTiffBytes, v.bytes, v.bytes.size());
}

} // namespace
} // namespace pictra
