#include "core/album/page_arithmetic.h"
#include "core/album/page_grid.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(PageArithmetic, EmptyAlbumHasOnePageAndLabelsCountFromOne)
{
    EXPECT_EQ(pageCount(0, 9), 1);
    EXPECT_EQ(pageCount(9, 9), 1);
    EXPECT_EQ(pageCount(10, 9), 2);
    EXPECT_EQ(pageLabel(1, 1), "1/1");
    EXPECT_EQ(pageLabel(2, 5), "2/5");
}

TEST(PageArithmetic, GridSidesOutsideOneToTenAreLimited)
{
    EXPECT_EQ(cellsPerPage(20, 20), 100);
    EXPECT_EQ(cellsPerPage(0, 3), 3);
}

struct NavigationCase {
    int images;
    int page;
    PageMove move;
    std::optional<int> expected;
};

class PageNavigation : public testing::TestWithParam<NavigationCase> {};

TEST_P(PageNavigation, MovesOrRefuses)
{
    const NavigationCase& c = GetParam();
    EXPECT_EQ(navigatePage(c.page, c.images, 3, 3, c.move), c.expected);
}

INSTANTIATE_TEST_SUITE_P(ThreeByThree, PageNavigation,
                         testing::Values(NavigationCase{9, 0, PageMove::Next, std::nullopt},
                                         NavigationCase{10, 0, PageMove::Next, 1},
                                         NavigationCase{10, 1, PageMove::Next, std::nullopt},
                                         NavigationCase{18, 0, PageMove::Last, 1},
                                         NavigationCase{19, 0, PageMove::Last, 2},
                                         NavigationCase{0, 0, PageMove::Last, 0},
                                         NavigationCase{19, 2, PageMove::First, 0},
                                         NavigationCase{19, 0, PageMove::Previous, std::nullopt},
                                         NavigationCase{19, 2, PageMove::Previous, 1}));

TEST(PageArithmetic, FocusedImageKeepsItsPlaceWhenColumnsChange)
{
    // Image 17 in a 3 × 3 grid is page 1, cell 8; with 5 × 3 it is page 1, cell 2.
    EXPECT_EQ(focusForImage(17, 3, 3), (PageFocus{1, 8}));
    EXPECT_EQ(focusForImage(17, 5, 3), (PageFocus{1, 2}));
}

TEST(PageGrid, IntegerGridHasWholeCellsWithGaps)
{
    const GridInput in{330, 250, 13, 39, 3, 2, 4, 5};
    const CellRects cells = computeGrid(in, GridDivision::Integer);
    // cell width (330 - 26) / 3 = 101, height (250 - 13 - 39) / 2 = 99
    EXPECT_EQ(cells[0], (Rect{13, 39, 110, 133}));
    EXPECT_EQ(cells[4], (Rect{114, 138, 211, 232}));
    EXPECT_EQ(cells[6], Rect{});
}

TEST(PageGrid, FirstGridTruncatesRealEdges)
{
    const GridInput in{100, 100, 10, 10, 3, 1, 0, 0};
    const CellRects cells = computeGrid(in, GridDivision::Real);
    // cell width 80 / 3 = 26.67: edges 10, 36.67, 63.33, 90
    EXPECT_EQ(cells[0], (Rect{10, 10, 36, 90}));
    EXPECT_EQ(cells[1], (Rect{36, 10, 63, 90}));
    EXPECT_EQ(cells[2], (Rect{63, 10, 90, 90}));
    const CellRects whole = computeGrid(in, GridDivision::Integer);
    EXPECT_EQ(whole[2], (Rect{62, 10, 88, 90}));
}

TEST(PageGrid, HitTestsIncludeEdgesForClicksButNotForTheTip)
{
    const CellRects cells = computeGrid(GridInput{220, 120, 10, 10, 2, 1, 0, 0}, GridDivision::Integer);
    // cells [10,110] and [110,210]: the shared edge belongs to the first
    EXPECT_EQ(hitTest(cells, 2, 110, 50, HitRule::Inclusive), 0);
    EXPECT_EQ(hitTest(cells, 2, 110, 50, HitRule::Strict), -1);
    EXPECT_EQ(hitTest(cells, 2, 111, 50, HitRule::Strict), 1);
    EXPECT_EQ(hitTest(cells, 2, 5, 50, HitRule::Inclusive), -1);
    EXPECT_EQ(hitTest(cells, 1, 150, 50, HitRule::Inclusive), -1);
}

} // namespace
} // namespace pictra
