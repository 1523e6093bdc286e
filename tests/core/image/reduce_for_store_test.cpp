#include "core/image/reduce_for_store.h"
#include "core/util/pixel_bytes.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

// A 24-bit picture whose pixel (x, y) holds x and y, so sampling is visible.
void fillCoordinates(ImageRecord& rec)
{
    for (int y = 0; y < rec.height(); ++y) {
        for (int x = 0; x < rec.width(); ++x) {
            std::uint8_t* p = rec.row(y) + 3 * x;
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(x >> 8);
            p[2] = static_cast<std::uint8_t>(y);
        }
    }
}

struct SizeCase {
    int width, height, newWidth, newHeight, step;
};

class ReduceForStoreSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ReduceForStoreSizes, SamplesEveryStepthPixelOfEveryStepthRow)
{
    const SizeCase c = GetParam();
    ImageBuffers buffers(*pixelBytes(c.width, c.height, 24));
    ImageRecord& rec = buffers.record();
    ASSERT_EQ(rec.setup24(c.width, c.height), Status::Ok);
    fillCoordinates(rec);

    const bool shrank = reduceForStore(rec);

    EXPECT_EQ(shrank, c.step > 1);
    EXPECT_EQ(rec.width(), c.newWidth);
    EXPECT_EQ(rec.height(), c.newHeight);
    EXPECT_EQ(rec.outline, pixelOutline(c.newWidth, c.newHeight));
    EXPECT_EQ(rec.fileHeader.size, 54 + rec.imageBytes());
    for (int y = 0; y < rec.height(); ++y) {
        for (int x = 0; x < rec.width(); ++x) {
            const std::uint8_t* p = rec.row(y) + 3 * x;
            const int oldX = p[0] | (p[1] << 8);
            ASSERT_EQ(oldX, x * c.step) << x << "," << y;
            ASSERT_EQ(p[2], static_cast<std::uint8_t>(y * c.step)) << x << "," << y;
        }
        for (std::size_t pad = 3 * static_cast<std::size_t>(rec.width()); pad < rec.stride(); ++pad)
            ASSERT_EQ(rec.row(y)[pad], 0) << "padding of row " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ReduceForStoreSizes,
                         ::testing::Values(SizeCase{1600, 1200, 533, 400, 3}, SizeCase{1280, 960, 640, 480, 2},
                                           SizeCase{640, 480, 640, 480, 1}, SizeCase{641, 10, 320, 5, 2},
                                           SizeCase{301, 481, 150, 240, 2}, SizeCase{4000, 3000, 571, 428, 7},
                                           // a sliver keeps one row instead of none
                                           SizeCase{2000, 1, 500, 1, 4}));

TEST(ReduceForStore, SamplesPalettedPicturesBitExactly)
{
    ImageBuffers buffers(1 << 16);
    ImageRecord& rec = buffers.record();
    rec.infoHeader = {};
    rec.infoHeader.size = 40;
    rec.infoHeader.width = 1300; // step 3
    rec.infoHeader.height = 6;
    rec.infoHeader.planes = 1;
    rec.infoHeader.bitCount = 1;
    // Column x is set when x is a multiple of 3 and x / 3 is odd.
    for (int y = 0; y < rec.height(); ++y) {
        std::fill(rec.row(y), rec.row(y) + rec.stride(), std::uint8_t{0});
        for (int x = 0; x < rec.width(); x += 3)
            if ((x / 3) % 2 == 1)
                rec.row(y)[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    ASSERT_TRUE(reduceForStore(rec));
    ASSERT_EQ(rec.width(), 433);
    ASSERT_EQ(rec.height(), 2);
    for (int x = 0; x < rec.width(); ++x)
        ASSERT_EQ((rec.row(1)[x / 8] >> (7 - x % 8)) & 1, x % 2) << x;
}

TEST(ReduceForStore, LeavesARecordWithoutRowsAlone)
{
    ImageBuffers buffers(16);
    ImageRecord& rec = buffers.record();
    rec.infoHeader.width = 2000;
    rec.infoHeader.height = 2000;
    rec.infoHeader.bitCount = 24;
    EXPECT_FALSE(reduceForStore(rec));
    EXPECT_EQ(rec.width(), 2000);
}

} // namespace
} // namespace pictra
