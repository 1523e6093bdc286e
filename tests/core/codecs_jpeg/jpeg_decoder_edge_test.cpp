// Decoder refusals, table rules, the transform's accuracy against the
// literal double-precision sum, and damaged inputs that must fail cleanly.
#include "core/codecs/jpeg/jpeg_decoder.h"
#include "core/codecs/jpeg/jpeg_idct.h"
#include "core/codecs/jpeg/jpeg_markers.h"
#include "jpeg_test_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace pictra::test {
namespace {

Bytes smallJpeg(TurboSampling sampling = TurboSampling::S420, int restartInterval = 0)
{
    return encodeWithLibjpeg(makePhotoLike(35, 19, 5), {85, sampling, restartInterval});
}

Status decode(const Bytes& jpeg)
{
    ImageBuffers buffers(1 << 16);
    return decodeJpegBytes(jpeg, buffers.record());
}

TEST(JpegDecoderRefusals, FrameAndBlockRules)
{
    const Bytes good = smallJpeg();
    ASSERT_EQ(decode(good), Status::Ok);

    Bytes trailing = good;
    trailing.insert(trailing.end(), {0, 0});
    EXPECT_NE(decode(trailing), Status::Ok) << "trailing bytes after EOI";

    const Bytes exif = insertAt(good, 2, {0xFF, 0xE1, 0x00, 0x08, 'E', 'x', 'i', 'f', 0, 0});
    EXPECT_EQ(decode(exif), Status::Unsupported) << "APP1 block";

    const Bytes comment = insertAt(good, 2, {0xFF, 0xFE, 0x00, 0x05, 'a', 'b', 'c'});
    EXPECT_EQ(decode(comment), Status::Ok) << "COM block";

    Bytes noSoi(good.begin() + 2, good.end());
    EXPECT_EQ(decode(noSoi), Status::Corrupt);

    EXPECT_EQ(decode(encodeWithTurbo(makePhotoLike(16, 16), 80, TurboSampling::S420, true)),
              Status::Unsupported) << "progressive";
    EXPECT_EQ(decode({0xFF, 0xD8, 0xFF, 0xD9}), Status::Corrupt) << "no frame, no scan";
}

TEST(JpegDecoderRefusals, PictureLargerThanBufferIsTooLarge)
{
    const Bytes jpeg = smallJpeg();
    ImageBuffers buffers(36 * 19 * 3 - 1);
    EXPECT_EQ(decodeJpegBytes(jpeg, buffers.record()), Status::TooLarge);
    EXPECT_EQ(buffers.record().width(), 0) << "headers are cleared on failure";
}

TEST(JpegDecoderFile, ChecksExtensionAndReadsFile)
{
    TempDir dir;
    const Bytes jpeg = smallJpeg();
    const std::string data(jpeg.begin(), jpeg.end());
    writeBytes(dir.file("a.JPEG"), data);
    writeBytes(dir.file("a.png"), data);
    ImageBuffers buffers(1 << 16);
    EXPECT_EQ(decodeJpeg(dir.file("a.JPEG"), buffers.record()), Status::Ok);
    EXPECT_EQ(buffers.record().width(), 35);
    EXPECT_EQ(decodeJpeg(dir.file("a.png"), buffers.record()), Status::Unsupported);
    EXPECT_EQ(decodeJpeg(dir.file("missing.jpg"), buffers.record()), Status::NotFound);
}

TEST(JpegDecoderTables, FirstQuantisationTableWithAnIdentifierWins)
{
    const Bytes good = smallJpeg();
    ImageBuffers expected(1 << 16);
    ASSERT_EQ(decodeJpegBytes(good, expected.record()), Status::Ok);

    // A second table 0 of all 255s, after the file's own tables.
    Bytes dqt(69, 255);
    dqt[0] = 0xFF;
    dqt[1] = 0xDB;
    dqt[2] = 0;
    dqt[3] = 67;
    dqt[4] = 0;
    std::size_t afterDqt = 0;
    for (const Segment& s : segmentsOf(good))
        if (s.code == 0xDB)
            afterDqt = s.offset + s.size;
    ImageBuffers redefined(1 << 16);
    ASSERT_EQ(decodeJpegBytes(insertAt(good, afterDqt, dqt), redefined.record()), Status::Ok);
    EXPECT_EQ(fromRecord(redefined.record()).rgb, fromRecord(expected.record()).rgb);
}

TEST(JpegDecoderTables, MarkerNames)
{
    EXPECT_EQ(jpeg::markerName(0xC0), "SOF0");
    EXPECT_EQ(jpeg::markerName(0xC4), "DHT");
    EXPECT_EQ(jpeg::markerName(0xCF), "SOF15");
    EXPECT_EQ(jpeg::markerName(0xD3), "RST3");
    EXPECT_EQ(jpeg::markerName(0xEF), "APP15");
    EXPECT_EQ(jpeg::markerName(0xF9), "JPG9");
    EXPECT_EQ(jpeg::markerName(0xFD), "JPGD");
    EXPECT_EQ(jpeg::markerName(0xBF), "RES");
    EXPECT_EQ(jpeg::markerName(0x00), "");
    EXPECT_EQ(jpeg::markerName(0x50), "");
    EXPECT_EQ(jpeg::readMarker(Bytes{0xFF, 0xD8}, 0), "SOI");
    EXPECT_EQ(jpeg::readMarker(Bytes{0xFE, 0xD8}, 0), "");
    EXPECT_EQ(jpeg::readMarker(Bytes{0xFF}, 0), "");
}

// The literal sum: S = Σ F(u,v)·c(u)c(v)·cos((2x+1)uP/16)·cos((2y+1)vP/16)
// with P = 3.1415, sample = trunc(S)/4 + 128.
int literalSample(const std::array<int, 64>& f, int x, int y)
{
    const double p = 3.1415;
    double s = 0;
    for (int v = 0; v < 8; ++v) {
        for (int u = 0; u < 8; ++u) {
            const double k = (u == 0 && v == 0) ? 0.5 : (u == 0 || v == 0) ? 1 / std::sqrt(2.0) : 1.0;
            s += f[static_cast<std::size_t>(v * 8 + u)] * k * std::cos((2 * x + 1) * u * p / 16) *
                 std::cos((2 * y + 1) * v * p / 16);
        }
    }
    return static_cast<int>(s) / 4 + 128;
}

TEST(JpegInverseDct, WithinTwoOfTheLiteralSum)
{
    std::mt19937 rng(99);
    for (int trial = 0; trial < 300; ++trial) {
        // Coefficients of the size real files carry: large DC, AC falling off.
        std::array<int, 64> f{};
        const int keep = 1 + static_cast<int>(rng() % 64);
        for (int i = 0; i < keep; ++i) {
            const int v = i / 8, u = i % 8;
            const int range = (u == 0 && v == 0) ? 1024 : 600 / (1 + u + v);
            f[static_cast<std::size_t>(i)] = static_cast<int>(rng() % (2 * range + 1)) - range;
        }
        alignas(32) float coef[64];
        for (int v = 0; v < 8; ++v)
            for (int u = 0; u < 8; ++u)
                coef[u * 8 + v] = static_cast<float>(f[static_cast<std::size_t>(v * 8 + u)]);
        std::int16_t out[64];
        if (keep == 1)
            jpeg::inverseDctDcOnly(coef[0], out, 8);
        else
            jpeg::inverseDct(coef, out, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                ASSERT_LE(std::abs(out[y * 8 + x] - literalSample(f, x, y)), 2)
                    << "trial " << trial << " at " << x << "," << y;
    }
}

// Damaged files: every outcome but a crash or an out-of-bounds access is
// acceptable, and a failure always leaves cleared headers.
void expectCleanResult(const Bytes& jpeg)
{
    ImageBuffers buffers(1 << 16);
    const Status s = decodeJpegBytes(jpeg, buffers.record());
    if (s != Status::Ok) {
        EXPECT_EQ(buffers.record().width(), 0);
    }
}

TEST(JpegDecoderDamaged, TruncatedAtEverySegmentFails)
{
    for (TurboSampling sampling : {TurboSampling::S420, TurboSampling::Gray}) {
        const Bytes good = smallJpeg(sampling, 2);
        for (const Segment& seg : segmentsOf(good)) {
            for (std::size_t cut : {seg.offset + 1, seg.offset + 3, seg.offset + seg.size - 1}) {
                Bytes cutFile(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
                cutFile.insert(cutFile.end(), {0xFF, 0xD9});
                EXPECT_NE(decode(cutFile), Status::Ok) << "cut at " << cut;
                expectCleanResult(cutFile);
            }
        }
        // Cut inside the entropy-coded data.
        const std::size_t scanStart = segmentsOf(good).back().offset + segmentsOf(good).back().size;
        Bytes cutScan(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(scanStart + 40));
        cutScan.insert(cutScan.end(), {0xFF, 0xD9});
        EXPECT_EQ(decode(cutScan), Status::Truncated);
    }
}

TEST(JpegDecoderDamaged, CorruptLengthsAndTablesFailCleanly)
{
    const Bytes good = smallJpeg(TurboSampling::S420, 1);
    for (const Segment& seg : segmentsOf(good)) {
        if (seg.size == 2)
            continue;
        for (unsigned length : {0u, 1u, 2u, 3u, 0xFFFFu, unsigned(seg.size - 3), unsigned(seg.size - 1)}) {
            Bytes bad = good;
            bad[seg.offset + 2] = static_cast<std::uint8_t>(length >> 8);
            bad[seg.offset + 3] = static_cast<std::uint8_t>(length);
            expectCleanResult(bad);
        }
    }
    for (const Segment& seg : segmentsOf(good)) {
        if (seg.code != 0xC4)
            continue;
        Bytes overfull = good;
        overfull[seg.offset + 5] = 3; // three codes of length 1
        EXPECT_EQ(decode(overfull), Status::Corrupt);
        Bytes badClass = good;
        badClass[seg.offset + 4] = 0x25;
        EXPECT_EQ(decode(badClass), Status::Corrupt);
    }
}

TEST(JpegDecoderDamaged, EveryByteChangedFailsCleanly)
{
    const Bytes good = smallJpeg(TurboSampling::S422, 3);
    for (std::size_t i = 0; i < good.size(); ++i) {
        for (std::uint8_t value : {std::uint8_t(0x00), std::uint8_t(0xFF), std::uint8_t(good[i] ^ 0x5A)}) {
            Bytes bad = good;
            bad[i] = value;
            expectCleanResult(bad);
        }
    }
}

} // namespace
} // namespace pictra::test
