#include "core/print/poster_layout.h"
#include "core/print/poster_setup.h"

#include <gtest/gtest.h>

#include <vector>

namespace pictra {
namespace {

PosterSetup setupFor(std::string_view poster, std::string_view sheet, int margin = 0)
{
    PosterSetup s = openPosterSetup(margin);
    // Choose the sheet first when the poster grows, the poster first when it shrinks.
    if (!chooseSheetPaper(s, sheet) || !choosePosterPaper(s, poster)) {
        EXPECT_TRUE(choosePosterPaper(s, poster)) << poster;
        EXPECT_TRUE(chooseSheetPaper(s, sheet)) << sheet;
    }
    return s;
}

TEST(PosterSetup, SheetsAcrossAndDown)
{
    struct Case {
        std::string_view poster, sheet;
        SheetOrientation posterOrientation, sheetOrientation;
        int margin;
        PosterGrid grid;
    };
    constexpr auto L = SheetOrientation::Landscape;
    constexpr auto P = SheetOrientation::Portrait;
    const Case cases[] = {
        {"A1", "A4", L, L, 0, {3, 3}},   // 840 / 297 and 594 / 210
        {"A1", "A4", P, L, 0, {2, 4}},   // 594 / 297 and 840 / 210
        {"A0", "A6", L, L, 0, {9, 8}},   // 1200 / 148 and 840 / 105: 72 sheets
        {"A0", "A6", L, P, 50, {21, 9}}, // 1150 / 55 and 790 / 98
        {"A3", "A4", L, P, 0, {2, 1}},   // 420 / 210 and 297 / 297
    };
    for (const Case& c : cases) {
        PosterSetup s = setupFor(c.poster, c.sheet);
        setPosterOrientation(s, c.posterOrientation);
        setSheetOrientation(s, c.sheetOrientation);
        ASSERT_TRUE(setPosterMargin(s, c.margin));
        EXPECT_EQ(posterGrid(s), c.grid) << c.poster << " on " << c.sheet << " margin " << c.margin;
    }
}

TEST(PosterSetup, OpeningAndRefusedChoices)
{
    PosterSetup s = openPosterSetup(10);
    EXPECT_EQ(s.poster, "A1");
    EXPECT_EQ(s.sheet, "A4");
    EXPECT_EQ(s.posterWidth, 830);
    EXPECT_EQ(s.sheetHeight, 200);
    EXPECT_EQ(posterGrid(s), (PosterGrid{3, 3}));

    // A portrait A3 poster (297 x 420): B4 sheets (364 x 257) are not smaller.
    PosterSetup a3 = openPosterSetup(0);
    ASSERT_TRUE(choosePosterPaper(a3, "A3"));
    ASSERT_TRUE(setPosterOrientation(a3, SheetOrientation::Portrait));
    const PosterSetup before = a3;
    EXPECT_FALSE(chooseSheetPaper(a3, "B4"));
    EXPECT_EQ(a3, before);
    EXPECT_FALSE(setPosterOrientation(a3, SheetOrientation::Portrait)); // already in force
    // Names outside the lists are refused as well.
    EXPECT_FALSE(chooseSheetPaper(a3, "A3"));
    EXPECT_FALSE(choosePosterPaper(a3, "A4"));

    // A margin that leaves no sheet is refused; the one in force stays.
    PosterSetup a6 = setupFor("A1", "A6", 0);
    EXPECT_FALSE(setPosterMargin(a6, 105));
    EXPECT_FALSE(setPosterMargin(a6, -1));
    EXPECT_TRUE(setPosterMargin(a6, 104));
    EXPECT_EQ(a6.sheetHeight, 1);
    EXPECT_EQ(posterGrid(a6).down, 490);
    EXPECT_EQ(openPosterSetup(500).margin, 0);

    // A margin the A4 takes but the A6 does not: the A6 is refused.
    PosterSetup wide = openPosterSetup(150);
    EXPECT_FALSE(chooseSheetPaper(wide, "A6"));
    EXPECT_EQ(wide.sheet, "A4");
    EXPECT_EQ(wide.sheetHeight, 60);
}

TEST(PosterLayout, PictureIsCentredOnThePosterWithWhiteBands)
{
    const PosterSetup s = openPosterSetup(0); // A1 840 x 594 on 3 x 3 A4 sheets (891 x 630)
    const PosterPlan plan = posterPlan(s, 400, 100);
    EXPECT_DOUBLE_EQ(plan.poster.left, 25.5);
    EXPECT_DOUBLE_EQ(plan.poster.top, 18);
    EXPECT_DOUBLE_EQ(plan.picture.width(), 840);
    EXPECT_DOUBLE_EQ(plan.picture.height(), 210);
    EXPECT_DOUBLE_EQ(plan.picture.top, 18 + (594 - 210) / 2.0);

    const PosterPreview preview = posterPreview(plan, Rect{10, 10, 310, 410});
    ASSERT_EQ(preview.sheets.size(), 9u);
    EXPECT_EQ(preview.area.width(), 300);
    EXPECT_EQ(preview.sheets.front().left, preview.area.left);
    EXPECT_EQ(preview.sheets.back().right, preview.area.right);
    EXPECT_EQ(preview.sheets.back().bottom, preview.area.bottom);
    EXPECT_EQ(preview.sheets[1].left, preview.sheets[0].right);
    EXPECT_TRUE(posterPreview(posterPlan(PosterSetup{}, 4, 4), Rect{0, 0, 100, 100}).sheets.empty());
}

// Sheets never read outside the picture, together they show every pixel,
// and each shows its pixels at the one poster scale.
TEST(PosterLayout, SheetsCoverThePictureExactlyWithinItsBounds)
{
    struct Case {
        std::string_view poster, sheet;
        int bw, bh;
    };
    const Case cases[] = {{"A1", "A4", 101, 37}, {"A1", "A4", 3, 1000}, {"A0", "A6", 641, 479}, {"A3", "B5", 7, 5}};
    for (const Case& c : cases) {
        const PosterSetup s = setupFor(c.poster, c.sheet);
        const PosterPlan plan = posterPlan(s, c.bw, c.bh);
        const std::vector<PosterSheet> sheets = posterSheets(plan, c.bw, c.bh);
        ASSERT_EQ(static_cast<int>(sheets.size()), plan.grid.sheets());
        EXPECT_EQ(sheets.front().row, plan.grid.down - 1); // the bottom-left sheet comes out first
        EXPECT_EQ(sheets.front().column, 0);
        std::vector<int> covered(static_cast<std::size_t>(c.bw * c.bh), 0);
        const double k = plan.picture.width() / c.bw;
        for (const PosterSheet& sheet : sheets) {
            if (sheet.blank)
                continue;
            const PixelRect& r = sheet.source;
            ASSERT_GE(r.x, 0);
            ASSERT_GE(r.y, 0);
            ASSERT_LE(r.x + r.width, c.bw);
            ASSERT_LE(r.y + r.height, c.bh);
            EXPECT_NEAR(sheet.target.width(), r.width * k, 1e-9);
            // A sheet's first pixel lies on the sheet (it only overhangs by part of a pixel).
            EXPECT_GT(sheet.target.right, 0);
            EXPECT_LT(sheet.target.left, plan.sheetWidth);
            EXPECT_GT(sheet.target.left, -k);
            for (int y = r.y; y < r.y + r.height; ++y)
                for (int x = r.x; x < r.x + r.width; ++x)
                    covered[static_cast<std::size_t>(y * c.bw + x)] = 1;
        }
        EXPECT_EQ(std::count(covered.begin(), covered.end(), 0), 0) << c.bw << " x " << c.bh;
    }
    EXPECT_TRUE(posterSheets(posterPlan(openPosterSetup(0), 0, 0), 0, 0).empty()); // no picture: no job
}

} // namespace
} // namespace pictra
