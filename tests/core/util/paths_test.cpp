#include "core/util/paths.h"
#include "core/util/pixel_bytes.h"
#include "core/util/rounding.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(Paths, BaseNameSplitsOnEitherSeparatorAndDropsLastExtension)
{
    EXPECT_EQ(BaseName("/home/u/pics/cat.jpg"), "cat");
    EXPECT_EQ(BaseName("C:\\pics\\dog.x.bmp"), "dog.x");
    EXPECT_EQ(BaseName("noext"), "noext");
    EXPECT_EQ(BaseName("/a.b/noext"), "noext");
    EXPECT_EQ(BaseName(""), "");
    EXPECT_EQ(extensionOf("/a.b/c.Jpeg"), "Jpeg");
    EXPECT_EQ(extensionOf("/a.b/c"), "");
    EXPECT_TRUE(endsWithIgnoreCase("x.JPG", ".jpg"));
    EXPECT_FALSE(endsWithIgnoreCase("jpg", ".jpg"));
}

TEST(Paths, StoreFolderAndCopyLiveUnderCmp)
{
    EXPECT_EQ(StoreFolder("/p", "/home/u/trip.abm"), "/p/CMP/trip");
    EXPECT_EQ(storeCopyPath("/p", "/home/u/trip.abm", "/x/IMG_1.JPG"), "/p/CMP/trip/IMG_1.jpg");
}

TEST(PixelBytes, PadsRowsAndRefusesOverflow)
{
    EXPECT_EQ(rowBytes(5, 24).value(), 16u);
    EXPECT_EQ(rowBytes(5, 1).value(), 4u);
    EXPECT_EQ(rowBytes(9, 4).value(), 8u);
    EXPECT_EQ(pixelBytes(5, 3, 24).value(), 48u);
    EXPECT_FALSE(pixelBytes(-1, 3, 24));
    EXPECT_FALSE(pixelBytes(std::int64_t{1} << 40, std::int64_t{1} << 40, 32));
    EXPECT_FALSE(pixelBytes(100, 100, 24, 4, 1000));
    EXPECT_FALSE(pixelBytes(INT64_MAX, INT64_MAX, 24));
}

TEST(Rounding, HalfAwayAndTruncation)
{
    EXPECT_EQ(roundHalfAway(2.5), 3);
    EXPECT_EQ(roundHalfAway(-2.5), -3);
    EXPECT_EQ(roundHalfAway(2.49), 2);
    EXPECT_EQ(truncToward0(-2.9), -2);
    EXPECT_EQ(truncToward0(1e300), INT32_MAX);
}

} // namespace
} // namespace pictra
