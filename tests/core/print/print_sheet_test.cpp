#include "core/print/paper_table.h"
#include "core/print/working_sheet.h"
#include "core/settings/work_mode_settings.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"

#include <gtest/gtest.h>

#include <string>

namespace pictra {
namespace {

PrintSettings storedDefaults(std::string_view paper, int width, int height, std::uint8_t margin)
{
    PrintSettings s;
    EXPECT_TRUE(setFieldText(s.paper, utf8ToCp932(paper).text));
    s.paperWidth = width;
    s.paperHeight = height;
    s.margin = margin;
    s.imagesAcross = 0x102; // only the low byte counts
    s.imagesDown = 3;
    s.allowSeveral = 1;
    return s;
}

TEST(PaperTable, ListsThePapersInComboOrderWithTheirOwnSizes)
{
    const auto table = paperTable();
    ASSERT_EQ(table.size(), 14u);
    EXPECT_EQ(table.front().name, "A0");
    EXPECT_EQ(table.front().longSide, 1200); // not the ISO 1189
    EXPECT_EQ(table.front().shortSide, 840);
    EXPECT_EQ(table[7].name, "B3");
    EXPECT_EQ(table[7].longSide, 515);
    EXPECT_EQ(table[11].name, "L判");
    EXPECT_EQ(table[12].name, "２L判"); // full-width digit
    EXPECT_EQ(table[12].longSide, 178);
    EXPECT_EQ(table.back().name, kFreeSizePaper);
    EXPECT_EQ(findPaper("a4"), nullptr);
    EXPECT_EQ(findPaper("2L判"), nullptr);
    ASSERT_NE(findPaper("B5"), nullptr);
    EXPECT_EQ(findPaper("B5")->shortSide, 182);
}

TEST(PaperTable, FreeSizeNameFitsTheStoredField)
{
    const PrintSettings s = storedDefaults(kFreeSizePaper, 100, 80, 0);
    EXPECT_EQ(storedPaperName(s), kFreeSizePaper);
}

TEST(WorkingSheet, OpensLandscapeWithTheMarginTakenOffOnce)
{
    const WorkingSheet sheet = sheetFromSettings(storedDefaults("A4", 297, 210, 10));
    EXPECT_EQ(sheet.paper, "A4");
    EXPECT_EQ(sheet.width, 287);
    EXPECT_EQ(sheet.height, 200);
    EXPECT_EQ(sheet.orientation, SheetOrientation::Landscape);
    EXPECT_EQ(sheet.across, 2);
    EXPECT_EQ(sheet.down, 3);
    EXPECT_TRUE(sheet.several);
}

TEST(WorkingSheet, PaperOrientationAndMarginCombine)
{
    WorkingSheet sheet = sheetFromSettings(storedDefaults("A4", 297, 210, 10));
    EXPECT_TRUE(setOrientation(sheet, SheetOrientation::Portrait));
    EXPECT_EQ(sheet.width, 200);
    EXPECT_EQ(sheet.height, 287);
    EXPECT_FALSE(setOrientation(sheet, SheetOrientation::Portrait));
    EXPECT_EQ(sheet.width, 200);

    choosePaper(sheet, "A3"); // portrait in force: short side across
    EXPECT_EQ(sheet.width, 287);
    EXPECT_EQ(sheet.height, 410);

    // The margin applies to A3 portrait, not to the stored A4 landscape.
    setMargin(sheet, 20);
    EXPECT_EQ(sheet.width, 277);
    EXPECT_EQ(sheet.height, 400);
    setMargin(sheet, 0);
    EXPECT_EQ(sheet.width, 297);
    EXPECT_EQ(sheet.height, 420);
}

TEST(WorkingSheet, FreeSizeAndUnknownNamesKeepTheNumbers)
{
    WorkingSheet sheet = sheetFromSettings(storedDefaults("", 150, 100, 4));
    EXPECT_EQ(sheet.paper, "");
    EXPECT_EQ(findPaper(sheet.paper), nullptr);
    EXPECT_EQ(sheet.width, 146);
    EXPECT_EQ(sheet.height, 96);

    choosePaper(sheet, kFreeSizePaper);
    EXPECT_TRUE(isFreeSize(sheet));
    EXPECT_EQ(sheet.width, 146);
    EXPECT_EQ(sheet.height, 96);
    sheet.width = 300; // typed
    setMargin(sheet, 0);
    EXPECT_EQ(sheet.width, 304);
    EXPECT_EQ(sheet.height, 100);
}

struct LayoutCase {
    const char* name;
    int width, height, offL, offT, across, down, gapX, gapY, margin;
    bool several;
    LayoutProblem expected;
};

class LayoutCheck : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutCheck, RefusesSheetsThatCannotBeLaidOut)
{
    const LayoutCase& c = GetParam();
    WorkingSheet sheet;
    sheet.width = c.width;
    sheet.height = c.height;
    sheet.offsetLeft = c.offL;
    sheet.offsetTop = c.offT;
    sheet.across = c.across;
    sheet.down = c.down;
    sheet.gapX = c.gapX;
    sheet.gapY = c.gapY;
    sheet.margin = c.margin;
    sheet.several = c.several;
    EXPECT_EQ(checkLayout(sheet), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LayoutCheck,
    ::testing::Values(
        LayoutCase{"a4 2x2", 287, 200, 5, 5, 2, 2, 10, 10, 10, true, LayoutProblem::None},
        LayoutCase{"across 0", 287, 200, 0, 0, 0, 2, 0, 0, 0, true, LayoutProblem::BadGrid},
        LayoutCase{"down 0", 287, 200, 0, 0, 2, 0, 0, 0, 0, true, LayoutProblem::BadGrid},
        LayoutCase{"across 256", 287, 200, 0, 0, 256, 1, 0, 0, 0, true, LayoutProblem::BadGrid},
        LayoutCase{"501 cells", 287, 200, 0, 0, 167, 3, 0, 0, 0, true, LayoutProblem::BadGrid},
        LayoutCase{"500 cells", 2870, 2000, 0, 0, 250, 2, 0, 0, 0, true, LayoutProblem::None},
        LayoutCase{"grid ignored for one", 287, 200, 0, 0, 0, 0, 0, 0, 0, false, LayoutProblem::None},
        LayoutCase{"negative margin", 287, 200, 0, 0, 1, 1, 0, 0, -1, false, LayoutProblem::BadMargin},
        LayoutCase{"zero width", 0, 200, 0, 0, 1, 1, 0, 0, 0, false, LayoutProblem::EmptySheet},
        LayoutCase{"negative height", 287, -3, 0, 0, 1, 1, 0, 0, 0, false, LayoutProblem::EmptySheet},
        LayoutCase{"offsets eat width", 100, 200, 50, 0, 1, 1, 0, 0, 0, false, LayoutProblem::EmptyFrame},
        LayoutCase{"offsets eat height", 100, 200, 0, 100, 1, 1, 0, 0, 0, false, LayoutProblem::EmptyFrame},
        LayoutCase{"negative offset", 100, 200, -1, 0, 1, 1, 0, 0, 0, false, LayoutProblem::EmptyFrame},
        LayoutCase{"gaps eat the frame", 100, 100, 0, 0, 3, 1, 50, 0, 0, true, LayoutProblem::EmptyCells},
        LayoutCase{"negative gap", 100, 100, 0, 0, 3, 1, 0, -2, 0, true, LayoutProblem::EmptyCells},
        LayoutCase{"gaps not used for one", 100, 100, 0, 0, 3, 1, 50, 0, 0, false, LayoutProblem::None}));

} // namespace
} // namespace pictra
