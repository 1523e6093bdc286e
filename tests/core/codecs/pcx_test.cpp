#include "core/codecs/pcx/pcx_file.h"

#include "codec_test_support.h"
#include "core/util/byte_reader.h"
#include "core/util/byte_writer.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

using test::decodeWith;

std::vector<std::uint8_t> buildPcx(int planes, std::uint16_t bytesPerLine, const std::vector<std::uint8_t>& body,
                                   std::uint8_t encoding = 1, std::uint8_t bits = 8)
{
    ByteWriter w;
    w.u8(0x0A);
    w.u8(5);
    w.u8(encoding);
    w.u8(bits);
    w.u16(10); // xMin, yMin: the picture need not start at 0
    w.u16(20);
    w.u16(12); // xMax, yMax: 3 x 2
    w.u16(21);
    w.zeros(4 + 48 + 1);
    w.u8(static_cast<std::uint8_t>(planes));
    w.u16(bytesPerLine);
    w.zeros(128 - w.size());
    w.bytes(body);
    return w.take();
}

std::vector<std::uint8_t> withPalette(std::vector<std::uint8_t> body)
{
    // Entries 0..4: black, red, green, blue, white; the rest black.
    const std::uint8_t head[] = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
    body.push_back(0x0C);
    body.insert(body.end(), std::begin(head), std::end(head));
    body.resize(body.size() + 768 - sizeof head, 0);
    return body;
}

// The 3 x 2 picture every variant holds: red, green, blue over white, black, red.
const std::vector<std::uint8_t> kExpected = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 255, 0, 0};

TEST(Pcx, VariantsDecodeToTheSamePixels)
{
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        // Lines of 4 bytes per plane (one pad byte). 0xC3 0 is a run of three
        // zeros; 0xFF has its top bits set, so it is written as a run of one.
        {"rgb", buildPcx(3, 4, {0xC1, 0xFF, 0xC3, 0, /**/ 0, 0xC1, 0xFF, 0xC2, 0, /**/ 0xC2, 0, 0xC1, 0xFF, 0,
                                0xC1, 0xFF, 0, 0xC1, 0xFF, 0, /**/ 0xC1, 0xFF, 0xC3, 0, /**/ 0xC1, 0xFF, 0xC3, 0})},
        {"rgbRunsAcrossPlanesAndLines", buildPcx(3, 3, {0xC1, 0xFF, 0xC3, 0, 0xC1, 0xFF, 0xC3, 0, 0xC2, 0xFF, 0,
                                                        0xC2, 0xFF, 0xC2, 0, 0xC1, 0xFF, 0xC2, 0})},
        {"rgbaSkipsAlpha", buildPcx(4, 3, {0xC1, 0xFF, 0, 0, 0, 0xC1, 0xFF, 0, 0, 0, 0xC1, 0xFF, 0xC3, 7,
                                           0xC1, 0xFF, 0, 0xC1, 0xFF, 0xC1, 0xFF, 0, 0, 0xC1, 0xFF, 0, 0, 0xC3, 7})},
        {"palette8", buildPcx(1, 4, withPalette({1, 2, 3, 0, 4, 0, 1, 0}))},
        {"raw", buildPcx(3, 3, {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0, 0}, 0)},
    };
    for (const auto& c : cases) {
        const auto decoded = decodeWith(readPcxBytes, c.bytes);
        ASSERT_EQ(decoded.status, Status::Ok) << c.name;
        EXPECT_EQ(decoded.image.rgb, kExpected) << c.name;
        EXPECT_EQ(decoded.outline[2], (PointD{3, -2})) << c.name;
    }
}

TEST(Pcx, RoundTripIsUnchangedForOddWidthsLongRunsAndHighValues)
{
    for (int width : {1, 3, 5, 33, 131}) {
        auto image = test::makePhotoLike(width, 5, static_cast<std::uint32_t>(width));
        // A flat top line of a value that needs escaping, longer than one run.
        for (int x = 0; x < width; ++x)
            image.rgb[3 * static_cast<std::size_t>(x) + 1] = 0xC7;
        ImageBuffers buffers(1 << 16);
        test::fillRecord(image, buffers);
        const auto bytes = writePcxBytes(buffers.record());
        ASSERT_TRUE(bytes.ok());
        const auto decoded = decodeWith(readPcxBytes, *bytes);
        ASSERT_EQ(decoded.status, Status::Ok);
        EXPECT_EQ(decoded.image.rgb, image.rgb) << width;
    }
}

TEST(Pcx, WrittenHeaderDescribesThreeEvenPlanes)
{
    ImageBuffers buffers(1 << 16);
    test::fillRecord(test::makePhotoLike(7, 4), buffers);
    buffers.record().infoHeader.xPelsPerMeter = 11811; // 300 dpi
    const auto bytes = writePcxBytes(buffers.record());
    ASSERT_TRUE(bytes.ok());
    ByteReader r(*bytes);
    EXPECT_EQ(r.u8(), 0x0A);
    EXPECT_EQ(r.u8(), 5);
    EXPECT_EQ(r.u8(), 1);
    EXPECT_EQ(r.u8(), 8);
    r.skip(4);
    EXPECT_EQ(r.u16(), 6); // xMax
    EXPECT_EQ(r.u16(), 3); // yMax
    EXPECT_EQ(r.u16(), 300);
    EXPECT_EQ(r.u16(), 72);
    r.seek(65);
    EXPECT_EQ(r.u8(), 3);
    EXPECT_EQ(r.u16(), 8); // 7 rounded up to even
}

TEST(Pcx, RefusesDamagedAndUnsupportedFiles)
{
    auto badMaker = buildPcx(3, 4, std::vector<std::uint8_t>(24, 1));
    badMaker[0] = 0x0B;
    auto noMarker = buildPcx(1, 4, withPalette({1, 2, 3, 0, 4, 0, 1, 0}));
    noMarker[noMarker.size() - 769] = 0x0D;
    const auto headerOnly = buildPcx(3, 4, {});
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
        Status expected;
    } cases[] = {
        {"manufacturer", badMaker, Status::Corrupt},
        {"16 colours", buildPcx(4, 2, std::vector<std::uint8_t>(16, 1), 1, 1), Status::Unsupported},
        {"no palette marker", noMarker, Status::Corrupt},
        {"line shorter than width", buildPcx(3, 2, std::vector<std::uint8_t>(24, 1)), Status::Corrupt},
        {"data ends early", buildPcx(3, 4, std::vector<std::uint8_t>(23, 1)), Status::Truncated},
        {"header only", std::vector<std::uint8_t>(headerOnly.begin(), headerOnly.begin() + 100), Status::Truncated},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeWith(readPcxBytes, c.bytes).status, c.expected) << c.name;
}

TEST(Pcx, DamagedFilesFailCleanly)
{
    ImageBuffers buffers(1 << 16);
    test::fillRecord(test::makePhotoLike(9, 4), buffers);
    const auto bytes = writePcxBytes(buffers.record());
    test::sweepDamagedInputs(readPcxBytes, *bytes, bytes->size());
    const auto paletted = buildPcx(1, 4, withPalette({1, 2, 3, 0, 4, 0, 1, 0}));
    test::sweepDamagedInputs(readPcxBytes, paletted, paletted.size());
}

} // namespace
} // namespace pictra
