#include "core/recognise/picture_grid.h"

#include "core/util/pixel_bytes.h"
#include "support/synthetic_image.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

// A 3 × 1 picture of red, green, blue averaged onto 1, 2 and 6 columns:
// fractional edges share a pixel between two cells.
TEST(SampleGrid, AveragesByCoveredArea)
{
    ImageBuffers buffers(64);
    test::fillRecord({3, 1, {255, 0, 0, 0, 255, 0, 0, 0, 255}}, buffers);
    const auto one = sampleGrid(buffers.record(), 1, 1);
    ASSERT_TRUE(one.ok());
    EXPECT_NEAR(one->rgb[0], 85.0f, 0.01f);
    EXPECT_NEAR(one->rgb[1], 85.0f, 0.01f);
    const auto two = sampleGrid(buffers.record(), 2, 1);
    ASSERT_TRUE(two.ok());
    EXPECT_NEAR(two->rgb[0], 255.0f * 2 / 3, 0.01f); // red and half of green
    EXPECT_NEAR(two->rgb[1], 255.0f / 3, 0.01f);
    EXPECT_NEAR(two->rgb[5], 255.0f * 2 / 3, 0.01f);
    const auto six = sampleGrid(buffers.record(), 6, 2);
    ASSERT_TRUE(six.ok());
    EXPECT_NEAR(six->rgb[2 * 3 + 1], 255.0f, 0.01f); // cell 2 lies inside green
    EXPECT_NEAR(six->rgb[(6 + 5) * 3 + 2], 255.0f, 0.01f);
}

TEST(SampleGrid, TopOfThePictureIsTheFirstGridRow)
{
    ImageBuffers buffers(64);
    test::fillRecord({1, 2, {200, 200, 200, 10, 10, 10}}, buffers);
    const auto grid = sampleGrid(buffers.record(), 1, 2);
    ASSERT_TRUE(grid.ok());
    EXPECT_NEAR(grid->rgb[0], 200.0f, 0.01f);
    EXPECT_NEAR(grid->rgb[3], 10.0f, 0.01f);
}

TEST(SampleGrid, RefusesUnusableRecordsAndSizes)
{
    ImageBuffers buffers(64);
    EXPECT_EQ(sampleGrid(buffers.record(), 4, 4).status(), Status::InvalidArgument);
    test::fillRecord({2, 2, std::vector<std::uint8_t>(12, 9)}, buffers);
    EXPECT_EQ(sampleGrid(buffers.record(), 0, 4).status(), Status::InvalidArgument);
    EXPECT_EQ(sampleGrid(buffers.record(), 4, 5000).status(), Status::InvalidArgument);
    buffers.record().infoHeader.height = 100000; // rows beyond the buffer
    EXPECT_EQ(sampleGrid(buffers.record(), 4, 4).status(), Status::InvalidArgument);
}

} // namespace
} // namespace pictra
