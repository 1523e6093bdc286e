// The printer page of a sheet, choosing the printer's own media by size, and
// taking over a paper picked in the printer's set-up.
#include "core/print/print_list.h"
#include "core/print/printer_paper.h"
#include "core/settings/work_mode_settings.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pictra;

namespace {

WorkingSheet sheetOn(const char* paper, SheetOrientation orientation, int margin)
{
    WorkingSheet sheet;
    sheet.margin = margin;
    sheet.orientation = orientation;
    choosePaper(sheet, paper);
    return sheet;
}

struct PageCase {
    const char* paper;
    SheetOrientation orientation;
    int margin;
    double shortSide, longSide;
};

class PageOfSheet : public testing::TestWithParam<PageCase> {};

TEST_P(PageOfSheet, IsThePaperInForceWithItsOrientation)
{
    const PageCase& c = GetParam();
    const PrinterPage page = printerPage(sheetOn(c.paper, c.orientation, c.margin));
    EXPECT_EQ(page.paper, c.paper);
    EXPECT_DOUBLE_EQ(page.shortSide, c.shortSide);
    EXPECT_DOUBLE_EQ(page.longSide, c.longSide);
    EXPECT_EQ(page.orientation, c.orientation);
}

constexpr auto L = SheetOrientation::Landscape;
constexpr auto P = SheetOrientation::Portrait;

INSTANTIATE_TEST_SUITE_P(Papers, PageOfSheet,
                         testing::Values(PageCase{"A4", L, 10, 210, 297}, PageCase{"A4", P, 0, 210, 297},
                                         PageCase{"B5", P, 6, 182, 257}, PageCase{"L判", P, 0, 89, 127},
                                         PageCase{"２L判", L, 4, 127, 178}, PageCase{"A0", L, 0, 840, 1200},
                                         PageCase{"B3", P, 20, 364, 515}));

TEST(PageOfSheet, FreeSizeKeepsTheTypedNumbers)
{
    WorkingSheet sheet = sheetOn("FREEｻｲｽﾞ", L, 0);
    sheet.width = 148;
    sheet.height = 100;
    const PrinterPage page = printerPage(sheet);
    EXPECT_DOUBLE_EQ(page.width(), 148);
    EXPECT_DOUBLE_EQ(page.height(), 100);
    EXPECT_EQ(page.orientation, L);
}

struct MediaCase {
    const char* name;
    double shortSide, longSide;
    int expected; // index into kMedia, -1 for none
};

// What a photo printer's queue offers (sizes as CUPS reports them).
const std::vector<MediaSize> kMedia = {
    {215.9, 279.4}, // Letter
    {176, 250},     // ISO B5
    {182, 257},     // JIS B5
    {88.9, 127},    // oe_photo-l_3.5x5in
    {127, 177.8},   // na_5x7_5x7in (2L)
    {100, 148},     // jpn_hagaki_100x148mm
    {210, 297},     // A4
};

class MediaBySize : public testing::TestWithParam<MediaCase> {};

TEST_P(MediaBySize, ChoosesTheNearestWithinOneMillimetre)
{
    const MediaCase& c = GetParam();
    PrinterPage page;
    page.shortSide = c.shortSide;
    page.longSide = c.longSide;
    const auto match = matchingMedia(page, kMedia);
    if (c.expected < 0)
        EXPECT_FALSE(match) << c.name;
    else
        EXPECT_EQ(match, std::optional<std::size_t>(static_cast<std::size_t>(c.expected))) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Papers, MediaBySize,
                         testing::Values(MediaCase{"L判", 89, 127, 3}, MediaCase{"２L判", 127, 178, 4},
                                         MediaCase{"B5 (JIS, not ISO)", 182, 257, 2},
                                         MediaCase{"postcard", 100, 148, 5}, MediaCase{"A4", 210, 297, 6},
                                         MediaCase{"A5", 148, 210, -1}, MediaCase{"just over 1 mm", 101.2, 148, -1}));

TEST(TakeOverPage, APaperPickedAtThePrinterBecomesTheSheetsPaper)
{
    const WorkingSheet a4 = sheetOn("A4", L, 10);

    WorkingSheet sheet = a4;
    EXPECT_FALSE(takeOverPage(sheet, 297.2, 209.9)); // the same page
    EXPECT_EQ(sheet, a4);

    EXPECT_TRUE(takeOverPage(sheet, 279.4, 215.9)); // Letter, landscape: no table paper
    EXPECT_EQ(sheet.paper, "FREEｻｲｽﾞ");
    EXPECT_EQ(sheet.orientation, L);
    EXPECT_EQ(sheet.width, 279 - 10);
    EXPECT_EQ(sheet.height, 216 - 10);
    EXPECT_EQ(sheet.margin, 10);

    sheet = a4;
    EXPECT_TRUE(takeOverPage(sheet, 88.9, 127)); // the printer's L media, portrait
    EXPECT_EQ(sheet.paper, "L判");
    EXPECT_EQ(sheet.orientation, P);
    EXPECT_EQ(sheet.width, 89 - 10);
    EXPECT_EQ(sheet.height, 127 - 10);

    sheet = a4;
    EXPECT_TRUE(takeOverPage(sheet, 257, 182));
    EXPECT_EQ(sheet.paper, "B5");
    EXPECT_EQ(sheet.width, 247);

    WorkingSheet wide = sheetOn("A4", L, 100); // the margin leaves nothing of L判
    EXPECT_FALSE(takeOverPage(wide, 89, 127));
    EXPECT_EQ(wide, sheetOn("A4", L, 100));
}

TEST(TakeOverPage, DtpAndPosterKeepToTheirOwnPapers)
{
    PrintSettings defaults{};
    DtpSetup dtp = openDtpSetup(defaults);
    EXPECT_TRUE(takeOverDtpPage(dtp, 89, 127)); // L判 is not a DTP paper: the free size
    EXPECT_EQ(dtp.paper, "FREEｻｲｽﾞ");
    EXPECT_EQ(dtp.orientation, P);
    EXPECT_EQ(dtp.paperWidth, 89);
    EXPECT_EQ(dtp.paperHeight, 127);
    EXPECT_TRUE(takeOverDtpPage(dtp, 210, 148));
    EXPECT_EQ(dtp.paper, "A5");
    EXPECT_EQ(dtp.orientation, L);
    EXPECT_FALSE(takeOverDtpPage(dtp, 210, 148));

    PosterSetup poster = openPosterSetup(0); // A1 on A4, landscape
    EXPECT_TRUE(takeOverPosterSheet(poster, 182, 257));
    EXPECT_EQ(poster.sheet, "B5");
    EXPECT_EQ(poster.sheetOrientation, P);
    EXPECT_EQ(poster.sheetWidth, 182);
    EXPECT_EQ(poster.sheetHeight, 257);
    const PosterSetup before = poster;
    EXPECT_FALSE(takeOverPosterSheet(poster, 297, 420)); // A3 is no sheet paper
    EXPECT_FALSE(takeOverPosterSheet(poster, 215.9, 279.4));
    EXPECT_EQ(poster, before);
}

TEST(PrintList, ANewPaperOrGridKeepsTheSheetShown)
{
    PrintList list;
    for (int i = 0; i < 11; ++i)
        list.add(std::to_string(i));
    list.setDisplayed(3);
    list.setCellsPerSheet(1); // laid out again on another paper
    EXPECT_EQ(list.displayed(), 3);
    list.setCellsPerSheet(2);
    EXPECT_EQ(list.displayed(), 3);
    list.setCellsPerSheet(4); // sheet 3 no longer exists: the last one
    EXPECT_EQ(list.displayed(), 2);
    list.setCellsPerSheet(1); // several to one shows the last sheet
    EXPECT_EQ(list.displayed(), 10);
}

} // namespace
