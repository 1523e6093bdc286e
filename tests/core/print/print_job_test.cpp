#include "core/print/print_list.h"
#include "core/print/print_pages.h"
#include "core/print/thumbnail_strip_pages.h"

#include <gtest/gtest.h>

#include <string>

namespace pictra {
namespace {

WorkingSheet grid(int across, int down)
{
    WorkingSheet s;
    s.width = 287;
    s.height = 200;
    s.across = across;
    s.down = down;
    s.several = true;
    return s;
}

std::vector<int> entriesOf(const PrintPage& page)
{
    std::vector<int> out;
    for (const PagePicture& p : page.pictures)
        out.push_back(p.entry);
    return out;
}

TEST(PrintPages, TwoByTwoWithFiveEntriesGivesTwoSheets)
{
    const WorkingSheet sheet = grid(2, 2);
    const PaperLayout paper = paperLayout(sheetGeometry(sheet));
    const auto pages = planPrintPages(sheet, paper, 5, PrintRange::All, 0);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(entriesOf(pages[0]), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(entriesOf(pages[1]), (std::vector<int>{4}));
    EXPECT_EQ(pages[1].pictures[0].frame, paper.cells[0]);
    EXPECT_TRUE(pages[1].pictures[0].border);

    const auto shown = planPrintPages(sheet, paper, 5, PrintRange::DisplayedSheet, 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(entriesOf(shown[0]), (std::vector<int>{4}));
    EXPECT_TRUE(planPrintPages(sheet, paper, 5, PrintRange::DisplayedSheet, 2).empty());
    EXPECT_TRUE(planPrintPages(sheet, paper, 0, PrintRange::All, 0).empty());
}

TEST(PrintPages, OneImagePerSheetHasNoBorder)
{
    WorkingSheet sheet = grid(2, 2);
    sheet.several = false;
    const PaperLayout paper = paperLayout(sheetGeometry(sheet));
    const auto pages = planPrintPages(sheet, paper, 3, PrintRange::All, 0);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(entriesOf(pages[2]), (std::vector<int>{2}));
    EXPECT_FALSE(pages[2].pictures[0].border);
    EXPECT_EQ(pages[2].pictures[0].frame, paper.frame);
    const auto shown = planPrintPages(sheet, paper, 3, PrintRange::DisplayedSheet, 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(entriesOf(shown[0]), (std::vector<int>{1}));
}

TEST(PrintList, RefusesTheEntryPastTheLimit)
{
    PrintList list;
    for (int i = 0; i < kMaxPrintEntries; ++i) {
        std::string path = std::to_string(i);
        path += ".jpg";
        ASSERT_TRUE(list.add(path));
    }
    EXPECT_TRUE(list.full());
    EXPECT_FALSE(list.add("one too many"));
    EXPECT_EQ(list.count(), 255);
    EXPECT_EQ(list.path(254), "254.jpg");
    EXPECT_FALSE(PrintList{}.add(""));
}

TEST(PrintList, AddingShowsTheLastSheet)
{
    PrintList list;
    list.setCellsPerSheet(2);
    list.add("opening");
    for (const char* p : {"a", "b", "c"})
        list.add(p);
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.last(), 1);
    EXPECT_EQ(list.displayed(), 1);
    list.setDisplayed(7);
    EXPECT_EQ(list.displayed(), 1);
    list.setDisplayed(0);
    list.add("d"); // a new, third sheet
    EXPECT_EQ(list.displayed(), 2);
}

TEST(PrintList, MovingAndRemovingPlacedImages)
{
    PrintList list;
    list.setCellsPerSheet(4);
    for (const char* p : {"a", "b", "c", "d", "e"})
        list.add(p);
    ASSERT_TRUE(list.move(0, 2));
    EXPECT_EQ(list.paths(), (std::vector<std::string>{"b", "c", "a", "d", "e"}));
    ASSERT_TRUE(list.move(4, 0));
    EXPECT_EQ(list.paths(), (std::vector<std::string>{"e", "b", "c", "a", "d"}));
    EXPECT_FALSE(list.move(1, 5));
    EXPECT_EQ(list.displayed(), 1);
    ASSERT_TRUE(list.remove(4)); // the second sheet is gone
    EXPECT_EQ(list.displayed(), 0);
    EXPECT_EQ(list.last(), 0);

    list.setCellsPerSheet(1); // one per sheet: the last sheet is shown
    EXPECT_EQ(list.displayed(), 3);
    list.remove(1);
    EXPECT_EQ(list.displayed(), 2);
    list.clear();
    EXPECT_EQ(list.displayed(), 0);
    EXPECT_EQ(list.last(), 0);
    EXPECT_FALSE(list.remove(0));
}

TEST(StripPages, PagesLabelsAndSlots)
{
    const StripPages twenty{13, 20};
    EXPECT_EQ(twenty.pageCount(), 2);
    EXPECT_EQ(twenty.pageOf(19), 1);
    EXPECT_EQ(twenty.label(twenty.pageOf(19)), "2/2");
    EXPECT_EQ(twenty.imageAt(1, 6), 19);
    EXPECT_EQ(twenty.imageAt(1, 7), -1);
    const StripPages thirteen{13, 13};
    EXPECT_EQ(thirteen.pageCount(), 1);
    EXPECT_EQ(thirteen.pageOf(12), 0);
    EXPECT_EQ(thirteen.imageAt(1, 0), -1);
    const StripPages none{13, 0};
    EXPECT_EQ(none.label(0), "1/1");
    EXPECT_EQ(none.imageAt(0, 0), -1);
    EXPECT_EQ(none.pageOf(-1), 0);
}

} // namespace
} // namespace pictra
