// The encoder: files libjpeg-turbo accepts without warnings and that decode
// close to the source, the exact segment sequence, truncating quantisation
// and the block coding rules.
#include "core/codecs/jpeg/jpeg_decoder.h"
#include "core/codecs/jpeg/jpeg_encoder.h"
#include "core/codecs/jpeg/jpeg_fdct.h"
#include "core/codecs/jpeg/jpeg_huffman_encoder.h"
#include "jpeg_test_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace pictra::test {
namespace {

Bytes encodeOwn(const RgbImage& image)
{
    ImageBuffers buffers(static_cast<std::size_t>(image.width + 4) * image.height * 3 + 16);
    fillRecord(image, buffers);
    auto bytes = encodeJpegBytes(buffers.record());
    EXPECT_TRUE(bytes.ok());
    return bytes.ok() ? *bytes : Bytes{};
}

class JpegEncoderRoundTrip : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(JpegEncoderRoundTrip, LibjpegTurboAcceptsAndDecodesCloseToSource)
{
    const auto [width, height] = GetParam();
    const RgbImage source = makePhotoLike(width, height, 11);
    const Bytes jpeg = encodeOwn(source);
    const RgbImage turbo = decodeStrictWithTurbo(jpeg);
    ASSERT_EQ(turbo.width, width) << "libjpeg-turbo refused the file or warned";
    // The fixed tables are of medium quality and the noise of the test
    // picture does not survive them; the error stays that of a q50 file.
    const RgbImage reference = decodeWithTurbo(encodeWithTurbo(source, 50, TurboSampling::S420), false);
    const Difference ours = compare(turbo, source);
    EXPECT_LT(ours.meanAbs, compare(reference, source).meanAbs * 1.5 + 2.0);

    // Our own decoder reads the file like libjpeg-turbo does.
    ImageBuffers decoded(1 << 20);
    ASSERT_EQ(decodeJpegBytes(jpeg, decoded.record()), Status::Ok);
    EXPECT_LE(compare(fromRecord(decoded.record()), decodeWithTurbo(jpeg, true)).maxAbs, 4);
}

INSTANTIATE_TEST_SUITE_P(Sizes, JpegEncoderRoundTrip,
                         ::testing::Values(std::pair{1, 1}, std::pair{17, 9}, std::pair{16, 16},
                                           std::pair{64, 48}, std::pair{101, 67}, std::pair{333, 250}));

TEST(JpegEncoder, FlatColoursSurviveIncludingOneByOne)
{
    // Padding repeats the edge, so a single pixel keeps its colour.
    for (const auto& [w, h] : {std::pair{1, 1}, std::pair{3, 5}, std::pair{40, 20}}) {
        RgbImage flat{w, h, Bytes(static_cast<std::size_t>(w) * h * 3)};
        for (std::size_t i = 0; i < flat.rgb.size(); i += 3) {
            flat.rgb[i] = 200;
            flat.rgb[i + 1] = 40;
            flat.rgb[i + 2] = 90;
        }
        EXPECT_LE(compare(decodeStrictWithTurbo(encodeOwn(flat)), flat).maxAbs, 4) << w << "x" << h;
    }
}

TEST(JpegEncoder, SegmentsInFixedOrder)
{
    const Bytes jpeg = encodeOwn(makePhotoLike(40, 30, 2));
    std::vector<std::uint8_t> codes;
    for (const Segment& s : segmentsOf(jpeg))
        codes.push_back(s.code);
    EXPECT_EQ(codes, (std::vector<std::uint8_t>{0xD8, 0xE0, 0xFE, 0xDB, 0xDB, 0xC4, 0xC4, 0xC4, 0xC4, 0xC0, 0xDA}));
    const Bytes head = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 0, 0, 0, 0, 0,
                        0xFF, 0xFE, 0, 14, 'P', 'i', 'c', 't', 'r', 'a', ' ', '1', '.', '0', '4', 0,
                        0xFF, 0xDB, 0, 67, 0, 16, 11, 12};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), jpeg.begin()));
    const std::vector<Segment> segs = segmentsOf(jpeg);
    EXPECT_EQ(jpeg[segs[4].offset + 4], 1);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(jpeg[segs[5 + static_cast<std::size_t>(i)].offset + 4], (Bytes{0x00, 0x01, 0x10, 0x11}[static_cast<std::size_t>(i)]));
    const Bytes sof(jpeg.begin() + static_cast<std::ptrdiff_t>(segs[9].offset), jpeg.begin() + static_cast<std::ptrdiff_t>(segs[9].offset + 19));
    EXPECT_EQ(sof, (Bytes{0xFF, 0xC0, 0, 17, 8, 0, 30, 0, 40, 3, 0, 0x22, 0, 1, 0x11, 1, 2, 0x11, 1}));
    const Bytes sos(jpeg.begin() + static_cast<std::ptrdiff_t>(segs[10].offset), jpeg.begin() + static_cast<std::ptrdiff_t>(segs[10].offset + 14));
    EXPECT_EQ(sos, (Bytes{0xFF, 0xDA, 0, 12, 3, 0, 0x00, 1, 0x11, 2, 0x11, 0, 63, 0}));
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg.back(), 0xD9);
}

TEST(JpegEncoder, TablesAreLibjpegsStandardTables)
{
    // libjpeg writes the same example tables at quality 50 (unscaled).
    const Bytes theirs = encodeWithTurbo(makePhotoLike(16, 16), 50, TurboSampling::S420);
    const Bytes ours = encodeOwn(makePhotoLike(16, 16));
    std::vector<Bytes> theirTables, ourTables;
    for (const auto& [file, tables] : {std::pair{&theirs, &theirTables}, std::pair{&ours, &ourTables}})
        for (const Segment& s : segmentsOf(*file))
            if (s.code == 0xDB || s.code == 0xC4)
                tables->emplace_back(file->begin() + static_cast<std::ptrdiff_t>(s.offset + 4),
                                     file->begin() + static_cast<std::ptrdiff_t>(s.offset + s.size));
    ASSERT_EQ(ourTables.size(), 6u);
    ASSERT_EQ(theirTables.size(), 6u);
    for (const Bytes& table : ourTables)
        EXPECT_NE(std::find(theirTables.begin(), theirTables.end(), table), theirTables.end());
}

TEST(JpegEncoder, QuantisationTruncatesTowardZero)
{
    std::array<std::uint8_t, 64> sixteens;
    sixteens.fill(16);
    const jpeg::QuantDivisors divisors = jpeg::makeQuantDivisors(sixteens);
    // A flat block of level s has F(0,0) = 8s.
    for (const auto& [level, expected] : {std::pair{-17.0f / 8, -1}, std::pair{31.0f / 8, 1},
                                          std::pair{32.0f / 8, 2}, std::pair{-15.0f / 8, 0}}) {
        float block[64];
        std::fill_n(block, 64, level);
        std::int16_t out[64];
        jpeg::forwardDctQuantise(block, 8, divisors, out);
        EXPECT_EQ(out[0], expected) << "F(0,0) = " << 8 * level;
        EXPECT_EQ(std::count(out + 1, out + 64, 0), 63);
    }
}

TEST(JpegEncoder, ForwardDctWithinTwoOfTheLiteralSum)
{
    std::array<std::uint8_t, 64> ones;
    ones.fill(1);
    const jpeg::QuantDivisors divisors = jpeg::makeQuantDivisors(ones);
    std::mt19937 rng(5);
    const double p = 3.1415;
    for (int trial = 0; trial < 100; ++trial) {
        float s[64];
        for (float& v : s)
            v = static_cast<float>(static_cast<int>(rng() % 256) - 128);
        std::int16_t out[64];
        jpeg::forwardDctQuantise(s, 8, divisors, out);
        for (int k = 0; k < 64; ++k) {
            const int natural = jpeg::kZigzag[static_cast<std::size_t>(k)];
            const int u = natural % 8, v = natural / 8;
            const double c = (u == 0 && v == 0) ? 0.5 : (u == 0 || v == 0) ? 1 / std::sqrt(2.0) : 1.0;
            double sum = 0;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    sum += s[y * 8 + x] * std::cos((2 * x + 1) * u * p / 16) * std::cos((2 * y + 1) * v * p / 16);
            ASSERT_LE(std::abs(out[k] - static_cast<int>(0.25 * c * sum)), 2) << "trial " << trial << " k " << k;
        }
    }
}

// The bytes of a bit string (of '0'/'1'), padded with 1-bits, 0xFF stuffed.
Bytes packBits(std::string bits)
{
    while (bits.size() % 8 != 0)
        bits += '1';
    Bytes out;
    for (std::size_t i = 0; i < bits.size(); i += 8)
    {
        out.push_back(static_cast<std::uint8_t>(std::stoi(bits.substr(i, 8), nullptr, 2)));
        if (out.back() == 0xFF)
            out.push_back(0x00);
    }
    return out;
}

Bytes codeBlock(const std::array<std::int16_t, 64>& zigzag)
{
    const auto dc = jpeg::makeHuffmanEncodeTable(jpeg::kDcLuminance);
    const auto ac = jpeg::makeHuffmanEncodeTable(jpeg::kAcLuminance);
    Bytes out;
    jpeg::BitWriter writer(out);
    writer.ensureRoom(jpeg::kMaxBlockBytes);
    int predictor = 0;
    jpeg::encodeBlock(writer, zigzag.data(), predictor, dc, ac);
    writer.finish();
    return out;
}

TEST(JpegEncoder, BlockCodingRules)
{
    // DC only: category 3 ("100"), value 5 ("101"), EOB ("1010").
    std::array<std::int16_t, 64> dcOnly{};
    dcOnly[0] = 5;
    EXPECT_EQ(codeBlock(dcOnly), packBits("100" "101" "1010"));

    // Coefficient 63 set: three ZRL ("11111111001"), then run 14 / size 1
    // ("1111111111101011") and the value bit, with no EOB after it.
    std::array<std::int16_t, 64> last{};
    last[63] = 1;
    EXPECT_EQ(codeBlock(last), packBits("00" "11111111001" "11111111001" "11111111001" "1111111111101011" "1"));

    // -1 at position 1: run 0 / size 1 ("00"), value bit "0", then EOB.
    std::array<std::int16_t, 64> negative{};
    negative[1] = -1;
    EXPECT_EQ(codeBlock(negative), packBits("00" "00" "0" "1010"));
}

TEST(JpegEncoder, StuffsZeroAfterFF)
{
    Bytes out;
    jpeg::BitWriter writer(out);
    writer.ensureRoom(16);
    writer.put(0xFF, 8);
    writer.put(0x12, 8);
    writer.finish();
    EXPECT_EQ(out, (Bytes{0xFF, 0x00, 0x12}));
}

TEST(JpegEncoderFile, WritesFileAndRefusesBadRecords)
{
    TempDir dir;
    ImageBuffers buffers(1 << 16);
    fillRecord(makePhotoLike(20, 10, 1), buffers);
    ASSERT_EQ(encodeJpeg(dir.file("out.jpg"), buffers.record()), Status::Ok);
    ImageBuffers back(1 << 16);
    ASSERT_EQ(decodeJpeg(dir.file("out.jpg"), back.record()), Status::Ok);
    EXPECT_EQ(back.record().width(), 20);
    EXPECT_EQ(encodeJpeg(dir.file("missing/out.jpg"), buffers.record()), Status::IoError);

    ImageRecord eightBit = buffers.record();
    eightBit.infoHeader.bitCount = 8;
    EXPECT_EQ(encodeJpegBytes(eightBit).status(), Status::InvalidArgument);
    ImageRecord shortBuffer = buffers.record();
    shortBuffer.pixels = shortBuffer.pixels.first(10);
    EXPECT_EQ(encodeJpegBytes(shortBuffer).status(), Status::InvalidArgument);
}

} // namespace
} // namespace pictra::test
