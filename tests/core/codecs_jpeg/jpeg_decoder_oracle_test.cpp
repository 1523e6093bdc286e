// Files written by libjpeg decode with our decoder to within a small error of
// libjpeg-turbo's own decode (non-interpolating upsampling on both sides).
// Our decoder truncates in colour conversion where libjpeg-turbo rounds, so
// samples may differ by a few steps; the enforced bound is a maximum of 4
// and a mean below 1 per channel.
#include "core/codecs/jpeg/jpeg_decoder.h"
#include "jpeg_test_files.h"

#include <gtest/gtest.h>

namespace pictra::test {
namespace {

struct OracleCase {
    const char* name;
    int width;
    int height;
    TurboSampling sampling;
    int quality;
    int restartInterval;
};

class JpegDecoderOracle : public ::testing::TestWithParam<OracleCase> {};

TEST_P(JpegDecoderOracle, MatchesLibjpegTurbo)
{
    const OracleCase& c = GetParam();
    const RgbImage source = makePhotoLike(c.width, c.height, 7);
    const Bytes jpeg = encodeWithLibjpeg(source, {c.quality, c.sampling, c.restartInterval});
    const RgbImage expected = decodeWithTurbo(jpeg, true);
    ASSERT_EQ(expected.width, c.width);

    ImageBuffers buffers(1 << 20);
    ImageRecord& record = buffers.record();
    std::fill(record.pixels.begin(), record.pixels.end(), 0xAB);
    ASSERT_EQ(decodeJpegBytes(jpeg, record), Status::Ok);
    EXPECT_EQ(record.width(), c.width);
    EXPECT_EQ(record.height(), c.height);
    EXPECT_EQ(record.bitCount(), 24);
    EXPECT_EQ(record.fileHeader.size, record.imageBytes() + 54);
    EXPECT_EQ(record.outline[2], (PointD{double(c.width), -double(c.height)}));

    const Difference d = compare(fromRecord(record), expected);
    EXPECT_LE(d.maxAbs, 4);
    EXPECT_LT(d.meanAbs, 1.0);
    // Nothing is written beyond the picture's rows.
    EXPECT_EQ(record.pixels[record.imageBytes()], 0xAB);
}

INSTANTIATE_TEST_SUITE_P(
    Files, JpegDecoderOracle,
    ::testing::Values(OracleCase{"s444_64x48", 64, 48, TurboSampling::S444, 90, 0},
                      OracleCase{"s422_64x48", 64, 48, TurboSampling::S422, 90, 0},
                      OracleCase{"s420_64x48", 64, 48, TurboSampling::S420, 75, 0},
                      OracleCase{"grey_64x48", 64, 48, TurboSampling::Gray, 85, 0},
                      OracleCase{"s420_odd_sizes", 37, 21, TurboSampling::S420, 85, 0},
                      OracleCase{"s422_odd_sizes", 17, 9, TurboSampling::S422, 95, 0},
                      OracleCase{"s444_odd_sizes", 13, 3, TurboSampling::S444, 50, 0},
                      OracleCase{"grey_odd_sizes", 9, 15, TurboSampling::Gray, 100, 0},
                      OracleCase{"s420_1x1", 1, 1, TurboSampling::S420, 85, 0},
                      OracleCase{"grey_1x1", 1, 1, TurboSampling::Gray, 85, 0},
                      OracleCase{"s420_restarts", 100, 75, TurboSampling::S420, 85, 3},
                      OracleCase{"s444_restart_every_mcu", 40, 24, TurboSampling::S444, 85, 1},
                      OracleCase{"grey_restarts", 50, 30, TurboSampling::Gray, 85, 5},
                      OracleCase{"s420_q100", 48, 32, TurboSampling::S420, 100, 0},
                      OracleCase{"s420_q5", 48, 32, TurboSampling::S420, 5, 0},
                      OracleCase{"s420_large", 333, 250, TurboSampling::S420, 85, 0}),
    [](const ::testing::TestParamInfo<OracleCase>& info) { return std::string(info.param.name); });

TEST(JpegDecoderOracleTurbo, DecodesTurboCompressorOutput)
{
    const RgbImage source = makePhotoLike(80, 60, 3);
    for (TurboSampling s : {TurboSampling::S444, TurboSampling::S422, TurboSampling::S420, TurboSampling::Gray}) {
        const Bytes jpeg = encodeWithTurbo(source, 90, s);
        ImageBuffers buffers(1 << 16);
        ASSERT_EQ(decodeJpegBytes(jpeg, buffers.record()), Status::Ok);
        EXPECT_LE(compare(fromRecord(buffers.record()), decodeWithTurbo(jpeg, true)).maxAbs, 4);
    }
}

} // namespace
} // namespace pictra::test
