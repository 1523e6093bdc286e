#include "core/app/window_layout.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

struct CascadeCase {
    AreaSize area;
    int before;
    WindowBox expected;
};

class Cascade : public testing::TestWithParam<CascadeCase> {};

TEST_P(Cascade, StaysInsideTheArea)
{
    const CascadeCase& c = GetParam();
    const WindowBox box = cascadedWindow(c.area, c.before, {640, 480});
    EXPECT_EQ(box, c.expected);
    if (c.area.width > 0) {
        EXPECT_LE(box.x + box.width, c.area.width);
        EXPECT_LE(box.y + box.height, c.area.height);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Areas, Cascade,
    testing::Values(CascadeCase{{1000, 700}, 0, {0, 0, 640, 480}},
                    CascadeCase{{1000, 700}, 2, {48, 48, 640, 480}},
                    CascadeCase{{1000, 700}, 9, {216, 216, 640, 480}}, // 220 px spare below: nine steps fit
                    CascadeCase{{1000, 700}, 10, {0, 0, 640, 480}},    // back to the top-left
                    CascadeCase{{500, 300}, 0, {0, 0, 500, 300}},      // shrunk to the area
                    CascadeCase{{500, 300}, 3, {0, 0, 500, 300}},
                    CascadeCase{{0, 0}, 4, {0, 0, 640, 480}}));        // area not shown yet

TEST(Tile, SideBySideFillingTheArea)
{
    const auto boxes = tiledSideBySide({1001, 600}, 3);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0], (WindowBox{0, 0, 333, 600}));
    EXPECT_EQ(boxes[1], (WindowBox{333, 0, 334, 600}));
    EXPECT_EQ(boxes[2], (WindowBox{667, 0, 334, 600}));
    EXPECT_TRUE(tiledSideBySide({800, 600}, 0).empty());
    EXPECT_EQ(tiledSideBySide({800, 600}, 1).front(), (WindowBox{0, 0, 800, 600}));
}

TEST(IconRows, LineUpFromTheBottomLeftAndWrapUpwards)
{
    const auto boxes = iconRows({500, 400}, {160, 30}, 4);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0], (WindowBox{0, 370, 160, 30}));
    EXPECT_EQ(boxes[2], (WindowBox{320, 370, 160, 30}));
    EXPECT_EQ(boxes[3], (WindowBox{0, 340, 160, 30})); // three fit in a row
    EXPECT_EQ(iconRows({100, 400}, {160, 30}, 2)[1], (WindowBox{0, 340, 160, 30}));
    EXPECT_TRUE(iconRows({500, 400}, {0, 30}, 2).empty());
}

} // namespace
} // namespace pictra
