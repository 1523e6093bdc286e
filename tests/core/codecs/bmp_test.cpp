#include "core/codecs/bmp/bmp_file.h"

#include "codec_test_support.h"
#include "core/util/byte_writer.h"
#include "core/util/pixel_bytes.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pictra {
namespace {

using test::decodeWith;
using test::RgbImage;

// A BMP put together field by field, so each variant is spelled out in bytes.
struct BmpSpec {
    const char* name;
    std::uint32_t headerSize;
    int bits;
    std::uint32_t compression;
    std::int32_t height; // negative: top-down
    std::vector<std::uint8_t> palette;
    std::vector<std::uint32_t> masks;
    std::uint32_t colorsUsed;
    std::size_t gap; // unused bytes between palette and pixels
    std::vector<std::uint8_t> pixels;
};

std::vector<std::uint8_t> buildBmp(const BmpSpec& s, std::int32_t width = 3, std::int32_t xppm = 0)
{
    ByteWriter w;
    w.u16(0x4D42);
    w.u32(0);
    w.u32(0);
    w.u32(0); // pixel offset, patched below
    if (s.headerSize == 12) {
        w.u32(12);
        w.u16(static_cast<std::uint16_t>(width));
        w.u16(static_cast<std::uint16_t>(s.height));
        w.u16(1);
        w.u16(static_cast<std::uint16_t>(s.bits));
    } else {
        w.u32(s.headerSize);
        w.i32(width);
        w.i32(s.height);
        w.u16(1);
        w.u16(static_cast<std::uint16_t>(s.bits));
        w.u32(s.compression);
        w.u32(0);
        w.i32(xppm);
        w.i32(0);
        w.u32(s.colorsUsed);
        w.u32(0);
        for (std::uint32_t m : s.masks)
            w.u32(m);
        if (s.headerSize > 40)
            w.zeros(14 + s.headerSize - w.size());
    }
    w.bytes(s.palette);
    w.zeros(s.gap);
    w.patchU32(10, static_cast<std::uint32_t>(w.size()));
    w.bytes(s.pixels);
    return w.take();
}

// Five colours, blue-green-red-0: black, red, green, blue, white.
const std::vector<std::uint8_t> kPalette = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0};
const std::vector<std::uint8_t> kCorePalette = {0, 0, 0, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255};
// Every variant encodes this 3 x 2 picture (top row first, RGB).
const std::vector<std::uint8_t> kExpected = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 255, 0, 0};

class BmpVariant : public testing::TestWithParam<BmpSpec> {};

TEST_P(BmpVariant, DecodesToTheSamePixelsAs24Bit)
{
    const BmpSpec& layout = GetParam();
    const auto decoded = decodeWith(readBmpBytes, buildBmp(layout));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_EQ(decoded.image.rgb, kExpected);
    // Converted pictures are plain 24-bit bitmaps whose size fields match.
    EXPECT_EQ(decoded.infoHeader.bitCount, 24);
    EXPECT_EQ(decoded.infoHeader.height, 2);
    EXPECT_EQ(decoded.infoHeader.clrUsed, 0u);
    EXPECT_EQ(decoded.fileHeader.size, 12u * 2 + 54);
    EXPECT_EQ(decoded.fileHeader.offBits, 54u);
}

INSTANTIATE_TEST_SUITE_P(
    Bmp, BmpVariant,
    testing::Values(
        BmpSpec{"rgb24", 40, 24, 0, 2, {}, {}, 0, 0,
                {255, 255, 255, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}},
        BmpSpec{"rgb24V4WithGap", 108, 24, 0, 2, {}, {}, 0, 6,
                {255, 255, 255, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}},
        BmpSpec{"rgb24TopDown", 40, 24, 0, -2, {}, {}, 0, 0,
                {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 0, 0, 255, 0, 0, 0}},
        BmpSpec{"pal8ShortPalette", 40, 8, 0, 2, kPalette, {}, 5, 0, {4, 0, 1, 0, 1, 2, 3, 0}},
        BmpSpec{"pal8TopDownWithGap", 40, 8, 0, -2, kPalette, {}, 0, 10, {1, 2, 3, 0, 4, 0, 1, 0}},
        BmpSpec{"pal8CoreHeader", 12, 8, 0, 2, kCorePalette, {}, 0, 0, {4, 0, 1, 0, 1, 2, 3, 0}},
        BmpSpec{"pal4HighNibbleFirst", 40, 4, 0, 2, kPalette, {}, 0, 0, {0x40, 0x10, 0, 0, 0x12, 0x30, 0, 0}},
        BmpSpec{"rle8", 40, 8, 1, 2, kPalette, {}, 5, 0,
                {0, 3, 4, 0, 1, 0, 0, 0, 1, 1, 1, 2, 1, 3, 0, 1}},
        BmpSpec{"rle4", 40, 4, 2, 2, kPalette, {}, 5, 0, {0, 3, 0x40, 0x10, 0, 0, 1, 0x12, 2, 0x23, 0, 1}},
        BmpSpec{"bitfields16_565", 40, 16, 3, 2, {}, {0xF800, 0x07E0, 0x001F}, 0, 0,
                {0xFF, 0xFF, 0, 0, 0x00, 0xF8, 0, 0, 0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}},
        BmpSpec{"rgb16_555", 40, 16, 0, 2, {}, {}, 0, 0,
                {0xFF, 0x7F, 0, 0, 0x00, 0x7C, 0, 0, 0x00, 0x7C, 0xE0, 0x03, 0x1F, 0x00, 0, 0}},
        BmpSpec{"rgb32", 40, 32, 0, 2, {}, {}, 0, 0,
                {255, 255, 255, 0, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0}},
        BmpSpec{"bitfields32V5", 124, 32, 3, 2, {}, {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000}, 0, 0,
                {255, 255, 255, 255, 0, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255}},
        // OS/2 2.x headers: the short form ends after the bit count.
        BmpSpec{"os2v2Short", 16, 24, 0, 2, {}, {}, 0, 0,
                {255, 255, 255, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}},
        BmpSpec{"os2v2Full", 64, 24, 0, 2, {}, {}, 0, 0,
                {255, 255, 255, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0}},
        // Linear 2.13 fixed point, 0x2000 = full: white, black, red over red, green, blue.
        BmpSpec{"rgb64", 40, 64, 0, 2, {}, {}, 0, 0,
                {0, 0x20, 0, 0x20, 0, 0x20, 0, 0x20, 0, 0, 0, 0, 0, 0, 0, 0x20, 0, 0, 0, 0, 0, 0x20, 0, 0x20,
                 0, 0, 0, 0, 0, 0x20, 0, 0x20, 0, 0, 0, 0x20, 0, 0, 0, 0x20, 0, 0x20, 0, 0, 0, 0, 0, 0x20}}),
    [](const testing::TestParamInfo<BmpSpec>& info) { return std::string(info.param.name); });

TEST(Bmp, AlphaIsPutOverWhiteWhenThePictureUsesIt)
{
    const std::vector<std::uint32_t> masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    // Bottom row: opaque blue, half-covered red, clear green; top row all opaque black.
    const std::vector<std::uint8_t> pixels = {255, 0, 0, 255, 0, 0, 255, 128, 0, 255, 0, 0,
                                              0,   0, 0, 255, 0, 0, 0,   255, 0, 0,   0, 255};
    const auto used = decodeWith(readBmpBytes, buildBmp({"", 124, 32, 3, 2, {}, masks, 0, 0, pixels}));
    ASSERT_EQ(used.status, Status::Ok);
    const std::vector<std::uint8_t> bottom(used.image.rgb.begin() + 9, used.image.rgb.end());
    EXPECT_EQ(bottom, (std::vector<std::uint8_t>{0, 0, 255, 255, 127, 127, 255, 255, 255}));

    // All alpha zero: the channel is not in use and the colours stand.
    std::vector<std::uint8_t> unused = pixels;
    for (std::size_t i = 3; i < unused.size(); i += 4)
        unused[i] = 0;
    const auto plain = decodeWith(readBmpBytes, buildBmp({"", 124, 32, 3, 2, {}, masks, 0, 0, unused}));
    ASSERT_EQ(plain.status, Status::Ok);
    EXPECT_EQ(std::vector<std::uint8_t>(plain.image.rgb.begin() + 9, plain.image.rgb.end()),
              (std::vector<std::uint8_t>{0, 0, 255, 255, 0, 0, 0, 255, 0}));
}

TEST(Bmp, Rle8DeltaAndEarlyEndsFillWithIndexZero)
{
    // Row 0: red, then a delta of (1 right, 1 up) lands on row 1 column 2:
    // blue, then the end of the picture.
    BmpSpec layout{"", 40, 8, 1, 2, kPalette, {}, 5, 0, {1, 1, 0, 2, 1, 1, 1, 3, 0, 1}};
    const auto decoded = decodeWith(readBmpBytes, buildBmp(layout));
    ASSERT_EQ(decoded.status, Status::Ok);
    const std::vector<std::uint8_t> expected = {0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(decoded.image.rgb, expected);
}

TEST(Bmp, OneBitStaysOneBitWithItsPaletteAndWritesBackUnchanged)
{
    // 10 pixels wide: 2 bytes of bits, padded to 4. Palette: dark blue, yellow.
    BmpSpec layout{"", 40, 1, 0, 2, {80, 0, 0, 0, 0, 255, 255, 0}, {}, 0, 0, {0xA5, 0xC0, 0, 0, 0x0F, 0x40, 0, 0}};
    ImageBuffers buffers(1 << 16);
    ImageRecord& rec = buffers.record();
    const auto bytes = buildBmp(layout, 10);
    ASSERT_EQ(readBmpBytes(bytes, rec), Status::Ok);
    EXPECT_EQ(rec.bitCount(), 1);
    EXPECT_EQ(rec.infoHeader.clrUsed, 2u);
    EXPECT_EQ(rec.fileHeader.offBits, 62u);
    EXPECT_EQ(rec.fileHeader.size, 62u + 8);
    EXPECT_EQ(std::vector<std::uint8_t>(rec.palette.begin(), rec.palette.begin() + 8), layout.palette);
    EXPECT_EQ(std::vector<std::uint8_t>(rec.pixels.begin(), rec.pixels.begin() + 8), layout.pixels);

    const auto written = writeBmpBytes(rec);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written->size(), 70u);
    ImageBuffers again(1 << 16);
    ASSERT_EQ(readBmpBytes(*written, again.record()), Status::Ok);
    EXPECT_EQ(again.record().fileHeader, rec.fileHeader);
    EXPECT_EQ(again.record().infoHeader, rec.infoHeader);
}

TEST(Bmp, TwentyFourBitRoundTripIsUnchangedForPaddedWidths)
{
    for (int width : {1, 2, 3, 5, 7, 33}) {
        const RgbImage image = test::makePhotoLike(width, 9, static_cast<std::uint32_t>(width));
        ImageBuffers buffers(1 << 16);
        test::fillRecord(image, buffers);
        buffers.record().infoHeader.xPelsPerMeter = 2835;
        const auto bytes = writeBmpBytes(buffers.record());
        ASSERT_TRUE(bytes.ok());
        ASSERT_EQ(bytes->size(), 54 + bitmapRowBytes24(static_cast<std::size_t>(width)) * 9);

        ImageBuffers back(1 << 16);
        ASSERT_EQ(readBmpBytes(*bytes, back.record()), Status::Ok);
        EXPECT_EQ(test::fromRecord(back.record()).rgb, image.rgb) << width;
        EXPECT_EQ(back.record().fileHeader, buffers.record().fileHeader);
        EXPECT_EQ(back.record().infoHeader, buffers.record().infoHeader);
    }
}

TEST(Bmp, ResolutionGivesAnOutlineInMillimetres)
{
    BmpSpec layout{"", 40, 24, 0, 1, {}, {}, 0, 0, std::vector<std::uint8_t>(300, 0)};
    const auto decoded = decodeWith(readBmpBytes, buildBmp(layout, 100, 3780));
    ASSERT_EQ(decoded.status, Status::Ok);
    EXPECT_NEAR(decoded.outline[1].x, 26.46, 0.005);
    EXPECT_EQ(decoded.outline[2].y, -1.0); // no vertical resolution: pixels
    EXPECT_EQ(decoded.infoHeader.xPelsPerMeter, 3780);
}

TEST(Bmp, RefusesWhatItCannotReadAndClearsTheRecord)
{
    const BmpSpec plain{"", 40, 24, 0, 2, {}, {}, 0, 0, std::vector<std::uint8_t>(24, 0)};
    auto badSignature = buildBmp(plain);
    badSignature[0] = 'X';
    BmpSpec jpeg = plain;
    jpeg.compression = 4;
    BmpSpec rleWith24Bits = plain;
    rleWith24Bits.compression = 1;
    BmpSpec os2Huffman = plain; // OS/2 2.x: compression 3 is Huffman for 1-bit pictures
    os2Huffman.headerSize = 64;
    os2Huffman.bits = 1;
    os2Huffman.compression = 3;
    BmpSpec os2Rle24 = plain;
    os2Rle24.headerSize = 64;
    os2Rle24.compression = 4;
    BmpSpec pal8 = plain;
    pal8.bits = 8;
    pal8.palette = kPalette;
    pal8.pixels.resize(7); // one byte short
    const struct {
        std::vector<std::uint8_t> bytes;
        Status expected;
    } cases[] = {
        {badSignature, Status::Corrupt},
        {buildBmp(jpeg), Status::Unsupported},
        {buildBmp(rleWith24Bits), Status::Unsupported},
        {buildBmp(os2Huffman), Status::Unsupported},
        {buildBmp(os2Rle24), Status::Unsupported},
        {buildBmp(plain, 0), Status::Corrupt},
        {buildBmp(plain, -3), Status::Corrupt},
        {buildBmp(pal8), Status::Truncated},
        {buildBmp(plain, 4000), Status::TooLarge}, // 4000 x 2 needs 24,000 bytes
    };
    for (const auto& c : cases) {
        ImageBuffers buffers(20000);
        ASSERT_EQ(buffers.record().setup24(2, 2), Status::Ok);
        EXPECT_EQ(readBmpBytes(c.bytes, buffers.record()), c.expected);
        EXPECT_EQ(buffers.record().infoHeader, BitmapInfoHeader{});
        EXPECT_EQ(buffers.record().outline[1].x, 0.0);
    }
}

TEST(Bmp, PathsThatHoldNoPictureFailCleanly)
{
    test::TempDir dir;
    test::writeBytes(dir.file("empty.bmp"), "");
    std::filesystem::create_directory(dir.file("folder.bmp"));
    ImageBuffers buffers(1 << 10);
    EXPECT_EQ(readBmp(dir.file("missing.bmp"), buffers.record()), Status::NotFound);
    EXPECT_EQ(readBmp(dir.file("empty.bmp"), buffers.record()), Status::Truncated);
    EXPECT_EQ(readBmp(dir.file("folder.bmp"), buffers.record()), Status::IoError);
    ASSERT_EQ(buffers.record().setup24(2, 2), Status::Ok);
    EXPECT_EQ(writeBmp(dir.file("no/such/folder/a.bmp"), buffers.record()), Status::IoError);
}

TEST(Bmp, DamagedFilesFailCleanly)
{
    for (const BmpSpec& layout : {BmpSpec{"", 40, 8, 1, 2, kPalette, {}, 5, 0,
                                        {0, 3, 4, 0, 1, 0, 0, 0, 1, 1, 1, 2, 1, 3, 0, 1}},
                                BmpSpec{"", 124, 32, 3, 2, {}, {0xFF, 0xFF00, 0xFF0000, 0}, 0, 0,
                                        std::vector<std::uint8_t>(24, 7)}}) {
        const auto bytes = buildBmp(layout);
        test::sweepDamagedInputs(readBmpBytes, bytes, bytes.size() - 1);
    }
}

TEST(Bmp, WriterRefusesRecordsWithoutAPicture)
{
    ImageBuffers buffers(100);
    EXPECT_EQ(writeBmpBytes(buffers.record()).status(), Status::InvalidArgument);
    ASSERT_EQ(buffers.record().setup24(4, 4), Status::Ok);
    buffers.record().infoHeader.height = 40; // rows beyond the buffer
    EXPECT_EQ(writeBmpBytes(buffers.record()).status(), Status::InvalidArgument);
}

} // namespace
} // namespace pictra
