#include "core/print/paper_layout.h"
#include "core/print/preview_layout.h"
#include "core/print/sheet_geometry.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

WorkingSheet grid(int width, int height, int across, int down, int gapX = 0, int gapY = 0, int offL = 0, int offT = 0)
{
    WorkingSheet s;
    s.width = width;
    s.height = height;
    s.across = across;
    s.down = down;
    s.gapX = gapX;
    s.gapY = gapY;
    s.offsetLeft = offL;
    s.offsetTop = offT;
    s.several = true;
    return s;
}

TEST(SheetGeometry, GapsKeepTheLastColumnAndRowInsideTheFrame)
{
    const SheetGeometry g = sheetGeometry(grid(287, 200, 4, 2, 10, 6, 5, 8));
    EXPECT_EQ(g.frame, (RectD{5, 8, 282, 192}));
    ASSERT_EQ(g.cells.size(), 8u);
    const double cw = (277.0 - 30) / 4;
    EXPECT_DOUBLE_EQ(g.cells[0].left, 5);
    EXPECT_DOUBLE_EQ(g.cells[0].width(), cw);
    EXPECT_DOUBLE_EQ(g.cells[1].left - g.cells[0].right, 10);
    EXPECT_DOUBLE_EQ(g.cells[3].right, 282);
    EXPECT_DOUBLE_EQ(g.cells[4].top - g.cells[0].bottom, 6);
    EXPECT_DOUBLE_EQ(g.cells[7].bottom, 192);
}

TEST(SheetGeometry, RefusedSheetHasNoFrame)
{
    const SheetGeometry g = sheetGeometry(grid(287, 200, 0, 2));
    EXPECT_EQ(g.frame, RectD{});
    EXPECT_TRUE(g.cells.empty());
}

TEST(PaperLayout, TenthsOfMillimetreWithYUpAndTheTopOffsetMovingDown)
{
    WorkingSheet one;
    one.width = 287;
    one.height = 200;
    one.offsetLeft = 10;
    one.offsetTop = 20;
    const PaperLayout paper = paperLayout(sheetGeometry(one));
    EXPECT_EQ(paper.frame[0], (PointD{100, -200}));  // top-left, below the sheet's top edge
    EXPECT_EQ(paper.frame[1], (PointD{2770, -200}));
    EXPECT_EQ(paper.frame[2], (PointD{2770, -1800}));
    EXPECT_EQ(paper.frame[3], (PointD{100, -1800}));
    EXPECT_TRUE(paper.cells.empty());

    const PaperLayout cells = paperLayout(sheetGeometry(grid(300, 100, 3, 1, 15)));
    ASSERT_EQ(cells.cells.size(), 3u);
    EXPECT_EQ(cells.cells[0][0], (PointD{0, 0}));
    EXPECT_EQ(cells.cells[0][2], (PointD{900, -1000}));
    EXPECT_EQ(cells.cells[1][0], (PointD{1050, 0}));
    EXPECT_EQ(cells.cells[2][1], (PointD{3000, 0}));
}

struct FitCase {
    const char* name;
    PaperCorners frame;
    int bw, bh;
    PaperPlacement expected;
};

class FitIntoFrame : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitIntoFrame, KeepsProportionsAndCentres)
{
    const FitCase& c = GetParam();
    const auto placed = fitIntoFrame(c.frame, c.bw, c.bh);
    ASSERT_TRUE(placed) << c.name;
    EXPECT_EQ(*placed, c.expected) << c.name;
}

constexpr PaperCorners kFrame{PointD{100, -200}, PointD{2100, -200}, PointD{2100, -1200}, PointD{100, -1200}};

INSTANTIATE_TEST_SUITE_P(
    Cases, FitIntoFrame,
    ::testing::Values(
        // 2000 x 1000 frame; a 4:1 picture fills the width and sits in the middle vertically.
        FitCase{"wide", kFrame, 400, 100, {100, -1200 + 250, 2000, 500}},
        FitCase{"tall", kFrame, 100, 200, {100 + 750, -1200, 500, 1000}},
        FitCase{"same shape", kFrame, 2, 1, {100, -1200, 2000, 1000}},
        // k = 2000/3: 3 x 1 gives 2000 x 666.67 -> 667, centred (1000 - 667) / 2 = 166.5 -> 167
        FitCase{"rounded", kFrame, 3, 1, {100, -1200 + 167, 2000, 667}}));

TEST(FitIntoFrame, NothingForAFailedLoadOrAnEmptyFrame)
{
    EXPECT_FALSE(fitIntoFrame(kFrame, 0, 0));
    EXPECT_FALSE(fitIntoFrame(kFrame, 10, 0));
    const PaperCorners flat{PointD{0, 0}, PointD{100, 0}, PointD{100, 0}, PointD{0, 0}};
    EXPECT_FALSE(fitIntoFrame(flat, 10, 10));
}

TEST(PreviewLayout, SheetCentredAndScaledWithTheSameProportionsAsPaper)
{
    WorkingSheet a4;
    a4.width = 287;
    a4.height = 200;
    a4.offsetLeft = 20;
    a4.offsetTop = 20;
    const Rect control{10, 20, 584, 420}; // 574 x 400: s = min(2, 2) = 2
    const PreviewLayout p = previewLayout(control, a4);
    EXPECT_EQ(p.sheet, (Rect{10, 20, 584, 420}));
    EXPECT_EQ(p.area.rect, (Rect{50, 60, 544, 380}));
    EXPECT_TRUE(p.cells.empty());
    EXPECT_EQ(p.cellForEntry(0), nullptr);

    const Rect wide{0, 0, 1000, 200}; // s = 1, centred across
    const PreviewLayout g = previewLayout(wide, grid(287, 200, 2, 2, 10, 20));
    EXPECT_EQ(g.sheet, (Rect{356, 0, 643, 200})); // 500 ± 143.5, truncated
    ASSERT_EQ(g.cells.size(), 4u);
    EXPECT_EQ(g.cellsPerSheet, 4);
    EXPECT_EQ(g.area.rect, g.sheet);
    EXPECT_EQ(g.cells[3].rect.right, g.sheet.right);
    EXPECT_EQ(g.cells[3].rect.bottom, 200);
    EXPECT_EQ(g.cells[2].rect.top - g.cells[0].rect.bottom, 20);
    EXPECT_EQ(g.cellForEntry(5), &g.cells[1]); // the second sheet uses the same positions
    EXPECT_EQ(g.cellAt(g.cells[2].rect.left + 1, g.cells[2].rect.top + 1), 2);
    EXPECT_EQ(g.cellAt(g.cells[0].rect.right + 2, 5), -1); // in the gap
}

TEST(PreviewLayout, RefusedSheetGivesAnEmptyLayout)
{
    const PreviewLayout p = previewLayout(Rect{0, 0, 100, 100}, grid(0, 200, 1, 1));
    EXPECT_EQ(p.sheet, Rect{});
    EXPECT_TRUE(p.cells.empty());
}

} // namespace
} // namespace pictra
