#include "core/print/dtp_page.h"
#include "core/print/dtp_setup.h"
#include "core/settings/work_mode_settings.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(DtpSetup, PaperOrientationMarginAndTheFreeSize)
{
    PrintSettings defaults;
    defaults.margin = 10;
    DtpSetup s = openDtpSetup(defaults);
    EXPECT_EQ(s.paper, "A4");
    EXPECT_EQ(s.width(), 287);
    EXPECT_EQ(s.height(), 200);
    EXPECT_TRUE(setDtpOrientation(s, SheetOrientation::Portrait));
    EXPECT_EQ(s.width(), 200);
    EXPECT_EQ(s.height(), 287);
    EXPECT_FALSE(setDtpOrientation(s, SheetOrientation::Portrait));
    ASSERT_TRUE(chooseDtpPaper(s, "B5")); // portrait stays in force
    EXPECT_EQ(s.paperWidth, 182);
    EXPECT_EQ(s.paperHeight, 257);
    EXPECT_FALSE(chooseDtpPaper(s, "L判")); // not offered for DTP
    EXPECT_FALSE(setDtpFreeSize(s, 100, 50)); // only the free size is typed

    // The free size keeps the numbers in force, and typed sizes take effect.
    ASSERT_TRUE(chooseDtpPaper(s, "FREEｻｲｽﾞ"));
    EXPECT_EQ(s.paperWidth, 182);
    ASSERT_TRUE(setDtpFreeSize(s, 100, 50));
    EXPECT_EQ(s.width(), 90);
    EXPECT_EQ(s.height(), 40);
    EXPECT_FALSE(setDtpFreeSize(s, 100, 10)); // the margin would leave nothing
    EXPECT_FALSE(setDtpFreeSize(s, 20'000, 100));
    EXPECT_TRUE(setDtpOrientation(s, SheetOrientation::Landscape));
    EXPECT_EQ(s.paperWidth, 50);

    // A margin that leaves no sheet is refused, now and for a later paper.
    DtpSetup a4 = openDtpSetup(PrintSettings{});
    EXPECT_FALSE(setDtpMargin(a4, 210));
    EXPECT_TRUE(setDtpMargin(a4, 110));
    EXPECT_FALSE(chooseDtpPaper(a4, "A6")); // 105 mm short side
    EXPECT_EQ(a4.paper, "A4");
    defaults.margin = 250;
    EXPECT_EQ(openDtpSetup(defaults).margin, 0);
}

TEST(DtpPage, PictureFillsTheSheetCentred)
{
    const DtpSetup s = openDtpSetup(PrintSettings{}); // 297 x 210
    const auto placed = dtpPicturePlacement(s, 200, 100);
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->width, 2970);
    EXPECT_EQ(placed->height, 1485);
    EXPECT_EQ(placed->x, 0);
    EXPECT_EQ(placed->y, -2100 + 308); // (2100 - 1485) / 2 rounded half away
    EXPECT_FALSE(dtpPicturePlacement(s, 0, 0));
}

TEST(DtpPage, VerticalTextRunsDownColumnsFromTheRight)
{
    const VerticalText t = layoutVerticalText("あいう\nー\xFFx", 10, 10, 100, 25);
    ASSERT_EQ(t.glyphs.size(), 6u);
    EXPECT_EQ(t.glyphs[0].character, "あ");
    // The text frame is the sheet less a 2.5 mm column gap on every side.
    EXPECT_EQ(t.glyphs[0].cell, (RectD{87.5, 2.5, 97.5, 12.5}));
    EXPECT_EQ(t.glyphs[1].cell, (RectD{87.5, 12.5, 97.5, 22.5}));
    EXPECT_EQ(t.glyphs[2].cell, (RectD{75, 2.5, 85, 12.5}));   // the column was full
    EXPECT_EQ(t.glyphs[3].cell, (RectD{62.5, 2.5, 72.5, 12.5})); // after the line break
    EXPECT_TRUE(t.glyphs[3].rotated);
    EXPECT_FALSE(t.glyphs[0].rotated);
    EXPECT_EQ(t.glyphs[4].character, "\xEF\xBF\xBD");
    EXPECT_EQ(t.dropped, 0);

    // Full stops move to the cell's top-right, small kana a little towards it.
    const VerticalText kana = layoutVerticalText("しょう。", 10, 10, 100, 100);
    ASSERT_EQ(kana.glyphs.size(), 4u);
    EXPECT_EQ(kana.glyphs[0].shiftRight, 0);
    EXPECT_EQ(kana.glyphs[1].shiftRight, 0.125);
    EXPECT_EQ(kana.glyphs[1].shiftUp, 0.125);
    EXPECT_EQ(kana.glyphs[3].shiftRight, 0.5);
    EXPECT_EQ(kana.glyphs[3].shiftUp, 0.5);
    EXPECT_FALSE(kana.glyphs[3].rotated);

    const VerticalText full = layoutVerticalText("ABCDEFG", 10, 10, 22, 20);
    EXPECT_EQ(full.glyphs.size(), 1u); // the second column would start left of the frame
    EXPECT_EQ(full.dropped, 6);
    for (const VerticalText& laid : {t, full, layoutVerticalText("縦書きの列", 8, 20, 297, 210)}) {
        for (const VerticalGlyph& g : laid.glyphs) {
            EXPECT_GT(g.cell.left, 0);
            EXPECT_GT(g.cell.top, 0);
        }
    }
    EXPECT_LT(layoutVerticalText("縦", 8, 20, 297, 210).glyphs[0].cell.right, 297);
}

} // namespace
} // namespace pictra
