#include "core/recognise/picture_content.h"
#include "core/recognise/picture_hash.h"

#include "support/synthetic_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace pictra {
namespace {

test::RgbImage painted(int width, int height, const std::function<std::uint8_t(int x, int y)>& level)
{
    test::RgbImage image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                image.rgb[static_cast<std::size_t>((y * width + x) * 3 + c)] = level(x, y);
    return image;
}

std::optional<PictureContent> contentOf(const test::RgbImage& image)
{
    return pictureContent(test::bufferedRecord(image)->record());
}

// Pictures whose hash would only follow noise have no content to compare:
// two of them must never be called the same picture.
TEST(PictureContent, FlatPicturesHaveNone)
{
    EXPECT_FALSE(contentOf(painted(120, 90, [](int, int) { return std::uint8_t{200}; })));
    EXPECT_FALSE(contentOf(painted(120, 90, [](int x, int) { return x < 60 ? std::uint8_t{0} : std::uint8_t{255}; })));
    EXPECT_FALSE(contentOf(painted(120, 90, [](int, int y) { return static_cast<std::uint8_t>(y * 2); })));
    ImageBuffers empty(16);
    EXPECT_FALSE(pictureContent(empty.record()));
}

TEST(PictureContent, AScenesHashAndLook)
{
    const test::RgbImage scene = test::makeScene(320, 240, 5);
    const auto content = contentOf(scene);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->hash, perceptualHash(test::bufferedRecord(scene)->record()));
    // The look is the picture at 40 × 30: a smaller copy has nearly the
    // same, one that is brighter all over as well.
    const auto smaller = contentOf(test::shrinkRgb(scene, 160, 120));
    ASSERT_TRUE(smaller);
    EXPECT_LT(lookShift(content->look, smaller->look), 0.1);
    test::RgbImage brighter = scene;
    for (std::uint8_t& v : brighter.rgb)
        v = static_cast<std::uint8_t>(std::min(255, v + 12));
    EXPECT_LT(lookShift(content->look, contentOf(brighter)->look), 0.2);
    EXPECT_EQ(lookShift(content->look, content->look), 0.0);
    // Things moved by 3% of the frame are about a cell off; another scene far more.
    EXPECT_GT(lookShift(content->look, contentOf(test::makeScene(320, 240, 5, 0.03))->look), 0.6);
    EXPECT_GT(lookShift(content->look, contentOf(test::makeScene(320, 240, 6))->look), 2.0);
}

} // namespace
} // namespace pictra
