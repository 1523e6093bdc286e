// The page size, the focused image and the page commands' enabling all come
// from one rule, whatever grid a record holds.
#include "core/album/album_table.h"
#include "core/album/page_arithmetic.h"
#include "core/album/page_position.h"
#include "core/album/window_records.h"
#include "core/commands/command_enabling.h"
#include "core/commands/command_ids.h"

#include <gtest/gtest.h>

#include <memory>

namespace pictra {
namespace {

struct GridCase {
    int columns, rows;   // as the record holds them (a hand-edited settings file gave 20 × 5)
    int images, page, cell;
    int cells;           // cells a page shows
    int focused;         // album position of the focused image, -1 past the last
    bool nextPage;       // "ページ送り" moves on
};

class PageLimits : public testing::TestWithParam<GridCase> {};

TEST_P(PageLimits, FocusEnablingAndInfoBarTargetAgree)
{
    const GridCase& c = GetParam();
    auto table = makeAlbumTable();
    AlbumRecord& w = table->working;
    w.columns = static_cast<std::uint8_t>(c.columns);
    w.rows = static_cast<std::uint8_t>(c.rows);
    w.imageCount = c.images;
    w.currentPage = c.page;
    w.hasFocus = 1;
    w.focusIndex = c.cell;

    EXPECT_EQ(cellsPerPage(w), c.cells);
    EXPECT_EQ(pageStart(w), c.page * c.cells);
    EXPECT_EQ(focusedImage(w), c.focused);
    EXPECT_EQ(commandImage(w), c.focused); // the entry the information bar shows and edits
    const WindowState s = windowStateOf(w, 1, true);
    EXPECT_EQ(s.pageStart, pageStart(w));
    for (int id : {cmd::kFirstPage, cmd::kLastPage, cmd::kPreviousPage, cmd::kNextPage})
        EXPECT_TRUE(isCommandEnabled(id, s)) << id; // the page shows images, so page commands work
    EXPECT_EQ(navigatePage(w.currentPage, w.imageCount, w.columns, w.rows, PageMove::Next).has_value(), c.nextPage);
}

INSTANTIATE_TEST_SUITE_P(
    SecondAndThirdPages, PageLimits,
    testing::Values(GridCase{20, 5, 60, 1, 9, 50, 59, false},  // sides above 10 count as 10
                    GridCase{20, 5, 160, 2, 0, 50, 100, true},
                    GridCase{10, 10, 260, 2, 59, 100, 259, false},
                    GridCase{10, 10, 301, 2, 99, 100, 299, true},
                    GridCase{10, 10, 250, 2, 50, 100, -1, false}, // focus cell past the last image
                    GridCase{3, 3, 19, 2, 0, 9, 18, false}));

TEST(PageLimits, WithoutFocusNothingIsTargeted)
{
    auto table = makeAlbumTable();
    AlbumRecord& w = table->working;
    w.columns = 4;
    w.rows = 3;
    w.imageCount = 30;
    w.currentPage = 1;
    w.focusIndex = 2;
    EXPECT_EQ(focusedImage(w), -1);
    EXPECT_EQ(commandImage(w), -1); // the information bar shows nothing either
    EXPECT_FALSE(isCommandEnabled(cmd::kDelete, windowStateOf(w, 1, true)));
}

} // namespace
} // namespace pictra
