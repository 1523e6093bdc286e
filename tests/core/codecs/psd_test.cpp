#include "core/codecs/psd/psd_file.h"

#include "codec_test_support.h"
#include "core/util/byte_writer.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pictra {
namespace {

using test::decodeWith;

struct PsdSpec {
    std::uint32_t signature = 0x38425053;
    std::uint16_t version = 1;
    std::uint16_t channels = 3;
    std::uint16_t depth = 8;
    std::uint16_t mode = 3;
    std::uint16_t compression = 0;
    std::uint32_t resourceBytes = 0; // filler in the image-resources section
    std::vector<std::uint8_t> body;
};

std::vector<std::uint8_t> buildPsd(const PsdSpec& s)
{
    ByteWriter w;
    w.u32be(s.signature);
    w.u16be(s.version);
    w.zeros(6);
    w.u16be(s.channels);
    w.u32be(2); // height
    w.u32be(3); // width
    w.u16be(s.depth);
    w.u16be(s.mode);
    w.u32be(0);
    w.u32be(s.resourceBytes);
    w.zeros(s.resourceBytes);
    w.u32be(0);
    w.u16be(s.compression);
    w.bytes(s.body);
    return w.take();
}

// Red, green and blue planes of the 3 x 2 picture: red, green, blue over white, black, red.
const std::vector<std::uint8_t> kPlanes = {255, 0, 0, 255, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 255, 255, 0, 0};
const std::vector<std::uint8_t> kExpected = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 255, 0, 0};
// The same planes packed, one row per entry; the last row starts with a no-op code.
const std::vector<std::uint8_t> kPacked = {
    0, 4, 0, 4, 0, 4, 0, 4, 0, 4, 0, 5, // byte counts per row
    0, 255, 0xFF, 0, 2, 255, 0, 255,     // red
    2, 0, 255, 0, 0, 255, 0xFF, 0,       // green
    0xFF, 0, 0, 255, 0x80, 0, 255, 0xFF, 0}; // blue

PsdSpec raw(std::vector<std::uint8_t> body = kPlanes) { return PsdSpec{.body = std::move(body)}; }
PsdSpec packed() { return PsdSpec{.compression = 1, .body = kPacked}; }

TEST(Psd, RawPackedAndExtraChannelsDecodeToTheSamePixels)
{
    PsdSpec withAlpha = raw(kPlanes);
    withAlpha.channels = 4;
    withAlpha.body.insert(withAlpha.body.end(), 6, 128);
    withAlpha.resourceBytes = 10;
    PsdSpec packedWithAlpha = packed();
    packedWithAlpha.channels = 4;
    // Two more counts in the table, and the alpha rows (6 x 128, packed as -5, 128) after the blue ones.
    packedWithAlpha.body.insert(packedWithAlpha.body.begin() + 12, {0, 2, 0, 2});
    packedWithAlpha.body.insert(packedWithAlpha.body.end(), {0xFE, 128, 0xFE, 128});
    for (const PsdSpec& layout : {raw(), packed(), withAlpha, packedWithAlpha}) {
        const auto decoded = decodeWith(readPsdBytes, buildPsd(layout));
        ASSERT_EQ(decoded.status, Status::Ok) << layout.channels << " " << layout.compression;
        EXPECT_EQ(decoded.image.rgb, kExpected);
        EXPECT_EQ(decoded.fileHeader.size, 54u + 12 * 2);
    }
}

TEST(Psd, RoundTripIsUnchangedForPaddedWidths)
{
    for (int width : {1, 3, 5, 33}) {
        const auto image = test::makePhotoLike(width, 6, static_cast<std::uint32_t>(width));
        ImageBuffers buffers(1 << 16);
        test::fillRecord(image, buffers);
        const auto bytes = writePsdBytes(buffers.record());
        ASSERT_TRUE(bytes.ok());
        ASSERT_EQ(bytes->size(), 40u + 3 * 6 * width);
        const auto decoded = decodeWith(readPsdBytes, *bytes);
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.image.rgb, image.rgb) << width;
    }
}

TEST(Psd, RefusesWhatItDoesNotRead)
{
    auto badSignature = raw();
    badSignature.signature = 0x38425054;
    auto psb = raw();
    psb.version = 2;
    auto deep = raw();
    deep.depth = 16;
    auto indexed = raw();
    indexed.mode = 2;
    auto cmykShort = raw();
    cmykShort.mode = 4;
    auto twoChannels = raw();
    twoChannels.channels = 2;
    auto zip = raw();
    zip.compression = 2;
    auto lyingCounts = packed();
    lyingCounts.body[1] = 3; // first red row's count one short
    auto shortRaw = raw(std::vector<std::uint8_t>(kPlanes.begin(), kPlanes.end() - 1));
    const struct {
        const char* name;
        PsdSpec layout;
        Status expected;
    } cases[] = {
        {"signature", badSignature, Status::Corrupt}, {"psb", psb, Status::Unsupported},
        {"16-bit planes cut short", deep, Status::Truncated}, {"indexed", indexed, Status::Unsupported},
        {"cmyk in three channels", cmykShort, Status::Unsupported},
        {"two channels", twoChannels, Status::Unsupported}, {"zip", zip, Status::Unsupported},
        {"row counts", lyingCounts, Status::Corrupt},  {"short raw", shortRaw, Status::Truncated},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeWith(readPsdBytes, buildPsd(c.layout)).status, c.expected) << c.name;
}

TEST(Psd, ReaderTakesOnlyThePsdExtension)
{
    test::TempDir dir;
    ImageBuffers buffers(1 << 16);
    test::fillRecord(test::makePhotoLike(5, 4), buffers);
    ASSERT_EQ(writePsd(dir.file("a.PSD"), buffers.record()), Status::Ok);
    std::filesystem::copy_file(dir.file("a.PSD"), dir.file("a.psb"));
    EXPECT_EQ(readPsd(dir.file("a.psb"), buffers.record()), Status::Unsupported);
    EXPECT_EQ(readPsd(dir.file("a.PSD"), buffers.record()), Status::Ok);
}

TEST(Psd, DamagedFilesFailCleanly)
{
    for (const PsdSpec& layout : {raw(), packed()}) {
        const auto bytes = buildPsd(layout);
        test::sweepDamagedInputs(readPsdBytes, bytes, bytes.size());
    }
}

} // namespace
} // namespace pictra
