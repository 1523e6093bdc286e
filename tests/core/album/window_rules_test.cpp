// The album window's rules over value records: clicks, grid changes, page
// moves, appends and drops, opening and activating windows.
#include "core/album/page_position.h"
#include "core/album/page_view_rules.h"
#include "core/album/window_records.h"
#include "core/album/window_slots.h"
#include "core/util/fixed_text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pictra {
namespace {

constexpr std::uint64_t kViewA = 11;
constexpr std::uint64_t kViewB = 22;

// A table with album windows; window w has `counts[w]` images stamped
// 100 * (w + 1) + i, the first window is active.
std::unique_ptr<AlbumTable> tableWith(std::vector<int> counts, int columns = 3, int rows = 3)
{
    auto table = makeAlbumTable();
    std::uint64_t view = kViewA;
    for (std::size_t w = 0; w < counts.size(); ++w) {
        const std::string path = "/albums/a" + std::to_string(w) + ".abm";
        EXPECT_TRUE(prepareNewAlbum(*table, path, columns, rows));
        AlbumRecord& rec = table->working;
        rec.imageCount = counts[w];
        for (int i = 0; i < counts[w]; ++i) {
            setFieldText(rec.images[static_cast<std::size_t>(i)].path, "/img/" + std::to_string(i) + ".jpg");
            rec.images[static_cast<std::size_t>(i)].stamp = static_cast<std::int32_t>(100 * (w + 1) + i);
        }
        EXPECT_EQ(openWindowSlot(*table, AlbumKind::Album, view), static_cast<int>(w));
        view = view == kViewA ? kViewB : view + 1;
    }
    SelectionBlock unused;
    activateWindow(*table, unused, kViewA);
    return table;
}

std::vector<int> stamps(const SelectionBlock& block)
{
    std::vector<int> out;
    for (const ImageEntry& e : block.selection)
        out.push_back(e.stamp);
    return out;
}

void select(SelectionBlock& block, const std::vector<int>& stampList)
{
    block.selection.clear();
    for (int s : stampList) {
        ImageEntry e;
        e.stamp = s;
        block.selection.push_back(e);
    }
}

// The working copy and the active window's slot never drift apart.
void expectMirrored(AlbumTable& table)
{
    const AlbumRecord* slot = activeSlot(table);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(slot->currentPage, table.working.currentPage);
    EXPECT_EQ(slot->focusIndex, table.working.focusIndex);
    EXPECT_EQ(slot->hasFocus, table.working.hasFocus);
    EXPECT_EQ(slot->columns, table.working.columns);
    EXPECT_EQ(slot->rows, table.working.rows);
    EXPECT_EQ(slot->focusRect, table.working.focusRect);
}

struct ClickCase {
    const char* name;
    std::vector<int> selected; // stamps before the click
    bool hasFocus;
    int page, focusCell;       // before
    CellClick click;
    std::vector<int> expected; // stamps after
    int focusAfter;
    int image;                 // the clicked image, -1 for none
};

class ClickSelection : public testing::TestWithParam<ClickCase> {};

TEST_P(ClickSelection, SelectsFocusesAndMirrors)
{
    const ClickCase& c = GetParam();
    auto table = tableWith({12});
    AlbumRecord& w = table->working;
    w.hasFocus = c.hasFocus ? 1 : 0;
    w.currentPage = c.page;
    w.focusIndex = c.focusCell;
    w.cells[static_cast<std::size_t>(c.click.cell < 0 ? 0 : c.click.cell)] = {1, 2, 3, 4};
    SelectionBlock sel;
    select(sel, c.selected);

    const ClickResult r = clickCell(*table, sel, c.click);
    EXPECT_EQ(stamps(sel), c.expected);
    EXPECT_EQ(w.focusIndex, c.focusAfter);
    EXPECT_EQ(r.image, c.image);
    EXPECT_EQ(r.change.refreshInfoBar, c.image >= 0);
    if (c.image >= 0) {
        EXPECT_EQ(w.focusRect, (Rect{1, 2, 3, 4}));
        expectMirrored(*table);
    }
}

const std::vector<int> kTen = {100, 101, 102, 103, 104, 105, 106, 107, 108, 109};

INSTANTIATE_TEST_SUITE_P(
    Rules, ClickSelection,
    testing::Values(ClickCase{"plain click selects the image alone", {100}, true, 0, 0, {3, false}, {103}, 3, 3},
                    ClickCase{"ctrl click adds", {100}, true, 0, 0, {3, true}, {100, 103}, 3, 3},
                    ClickCase{"click on a selected image keeps all", {100, 101}, true, 0, 0, {1, false}, {100, 101}, 1, 1},
                    ClickCase{"first click of a window keeps the list", {105}, false, 0, 0, {2, false}, {105, 102}, 2, 2},
                    ClickCase{"empty cell adds the focused image", {}, true, 1, 0, {5, false}, {109}, 0, -1},
                    ClickCase{"outside the grid adds the focused image", {}, true, 0, 4, {-1, false}, {104}, 4, -1},
                    ClickCase{"no focus, empty cell: nothing", {}, false, 1, 0, {5, false}, {}, 0, -1},
                    ClickCase{"an eleventh image is not added", kTen, true, 1, 0, {1, true}, kTen, 1, 10}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(ClickRelease, PlainReleaseSelectsOnlyTheFocusedImageCtrlKeepsAll)
{
    auto table = tableWith({12});
    SelectionBlock sel;
    select(sel, {100, 101, 102});
    table->working.hasFocus = 1;
    table->working.focusIndex = 1;
    EXPECT_EQ(releaseClick(*table, sel, true), ViewChange{});
    EXPECT_EQ(stamps(sel), (std::vector<int>{100, 101, 102}));
    EXPECT_TRUE(releaseClick(*table, sel, false).selectionFrames);
    EXPECT_EQ(stamps(sel), std::vector<int>{101});
}

struct GridCase {
    int columns, rows, page, cell;
    GridSide side;
    int n;
    int wantColumns, wantRows, wantPage, wantCell;
};

class GridChange : public testing::TestWithParam<GridCase> {};

TEST_P(GridChange, KeepsTheFocusedImage)
{
    const GridCase& c = GetParam();
    auto table = tableWith({300}, c.columns, c.rows);
    AlbumRecord& w = table->working;
    w.currentPage = c.page;
    w.focusIndex = c.cell;
    w.hasFocus = 1;
    const int before = focusedImage(w);
    const ViewChange change = setGridSide(*table, c.side, c.n);
    EXPECT_TRUE(change.refillPages && change.repaint);
    EXPECT_EQ(w.columns, c.wantColumns);
    EXPECT_EQ(w.rows, c.wantRows);
    EXPECT_EQ(w.currentPage, c.wantPage);
    EXPECT_EQ(w.focusIndex, c.wantCell);
    EXPECT_EQ(focusedImage(w), before);
    expectMirrored(*table);
}

INSTANTIATE_TEST_SUITE_P(Shapes, GridChange,
                         testing::Values(GridCase{3, 3, 1, 8, GridSide::Columns, 5, 5, 3, 1, 2},
                                         GridCase{10, 10, 0, 99, GridSide::Rows, 1, 10, 1, 9, 9},
                                         GridCase{4, 3, 2, 5, GridSide::Columns, 12, 10, 3, 0, 29},
                                         GridCase{10, 10, 2, 0, GridSide::Columns, 1, 1, 10, 20, 0}));

TEST(GridChange, SettingsShapeAppliesToTheNamedWindowOnly)
{
    auto table = tableWith({30, 30}); // A active, B in its slot
    AlbumRecord& b = table->windowSlots[1];
    b.currentPage = 2;
    b.focusIndex = 4; // image 22
    b.hasFocus = 1;
    setGridShape(*table, kViewB, 20, 5); // sides above 10 count as 10
    EXPECT_EQ(b.columns, 10);
    EXPECT_EQ(b.rows, 5);
    EXPECT_EQ(focusedImage(b), 22);
    EXPECT_EQ(table->working.columns, 3);
}

struct MoveCase {
    int columns, rows, images, page;
    PageMove move;
    std::optional<int> wantPage; // nullopt: refused
};

class PageMoves : public testing::TestWithParam<MoveCase> {};

TEST_P(PageMoves, FocusTheFirstCellAndSelectItsImage)
{
    const MoveCase& c = GetParam();
    auto table = tableWith({c.images}, c.columns, c.rows);
    AlbumRecord& w = table->working;
    w.currentPage = c.page;
    w.focusIndex = 3;
    w.hasFocus = 1;
    w.cells[0] = {5, 6, 7, 8};
    SelectionBlock sel;
    select(sel, {777});
    const auto change = movePage(*table, sel, c.move);
    if (!c.wantPage) {
        EXPECT_FALSE(change);
        EXPECT_EQ(w.currentPage, c.page);
        EXPECT_EQ(w.focusIndex, 3);
        EXPECT_EQ(stamps(sel), std::vector<int>{777});
        return;
    }
    ASSERT_TRUE(change);
    EXPECT_TRUE(change->refreshInfoBar && change->refillPages);
    EXPECT_EQ(w.currentPage, *c.wantPage);
    EXPECT_EQ(w.focusIndex, 0);
    EXPECT_EQ(w.focusRect, (Rect{5, 6, 7, 8}));
    EXPECT_EQ(stamps(sel), std::vector<int>{100 + pageStart(w)});
    EXPECT_EQ(focusedImage(w), pageStart(w));
    expectMirrored(*table);
}

INSTANTIATE_TEST_SUITE_P(Grids, PageMoves,
                         testing::Values(MoveCase{3, 3, 9, 0, PageMove::Next, std::nullopt},
                                         MoveCase{3, 3, 10, 0, PageMove::Next, 1},
                                         MoveCase{3, 3, 19, 0, PageMove::Last, 2},
                                         MoveCase{3, 3, 19, 0, PageMove::Previous, std::nullopt},
                                         MoveCase{20, 5, 60, 0, PageMove::Next, 1},  // 50 cells a page
                                         MoveCase{20, 5, 60, 1, PageMove::Next, std::nullopt},
                                         MoveCase{10, 10, 260, 0, PageMove::Last, 2},
                                         MoveCase{10, 10, 260, 2, PageMove::First, 0}));

TEST(PageChoice, KeepsTheFocusCellAndFramesItsImage)
{
    auto table = tableWith({20});
    AlbumRecord& w = table->working;
    w.focusIndex = 4;
    w.hasFocus = 1;
    SelectionBlock sel;
    choosePage(*table, sel, 1);
    EXPECT_EQ(w.currentPage, 1);
    EXPECT_EQ(w.focusIndex, 4);
    EXPECT_EQ(stamps(sel), std::vector<int>{113});
    choosePage(*table, sel, 2); // the last page ends before cell 4: its last image takes the focus
    EXPECT_EQ(w.currentPage, 2);
    EXPECT_EQ(w.focusIndex, 1);
    EXPECT_EQ(stamps(sel), std::vector<int>{119});
    choosePage(*table, sel, 9); // no such page
    EXPECT_EQ(w.currentPage, 2);
    expectMirrored(*table);
}

TEST(Append, WithoutFocusTheFirstCellTakesItAndTheClipboardMarkGoes)
{
    auto table = tableWith({5});
    SelectionBlock sel;
    sel.clipboardFilled = true;
    afterAppend(*table, sel);
    EXPECT_EQ(table->working.hasFocus, 1);
    EXPECT_EQ(table->working.focusIndex, 0);
    EXPECT_FALSE(sel.clipboardFilled);
    EXPECT_EQ(stamps(sel), std::vector<int>{100});
    expectMirrored(*table);

    table->working.focusIndex = 2; // the focus stays; the frame follows it, not the first image
    select(sel, {100});
    sel.clipboardFilled = true;
    afterAppend(*table, sel);
    EXPECT_EQ(table->working.focusIndex, 2);
    EXPECT_TRUE(sel.clipboardFilled);
    EXPECT_EQ(stamps(sel), std::vector<int>{102});
}

TEST(Drop, TheFirstDroppedImageTakesFocusAndFrameAndTheClipboardEmpties)
{
    auto table = tableWith({5});
    SelectionBlock sel;
    select(sel, {100, 101});
    sel.clipboard = sel.selection;
    sel.clipboardFilled = true;
    afterDrop(*table, sel, 3);
    EXPECT_EQ(stamps(sel), std::vector<int>{103});
    EXPECT_EQ(focusedImage(table->working), 3);
    EXPECT_TRUE(sel.clipboard.empty());
    EXPECT_FALSE(sel.clipboardFilled);
    afterDrop(*table, sel, -1); // nothing landed: the focus stays where it was
    EXPECT_EQ(stamps(sel), std::vector<int>{103});
}

TEST(WindowSlots, OpeningFillsSlotsInOrderUpToTen)
{
    auto table = makeAlbumTable();
    for (int i = 0; i < kMaxAlbumWindows; ++i) {
        ASSERT_TRUE(prepareNewAlbum(*table, "/a" + std::to_string(i) + ".abm", 0, 30));
        table->working.hasFocus = 1; // left over from an earlier window: a new one starts without
        EXPECT_EQ(openWindowSlot(*table, AlbumKind::Album, 50 + static_cast<std::uint64_t>(i)), i);
        const AlbumRecord& slot = table->windowSlots[static_cast<std::size_t>(i)];
        EXPECT_EQ(slot.viewId, 50u + static_cast<std::uint64_t>(i));
        EXPECT_EQ(slot.hasFocus, 0);
        EXPECT_EQ(slot.columns, 1); // sides brought into 1..10
        EXPECT_EQ(slot.rows, 10);
    }
    EXPECT_EQ(table->openCount, kMaxAlbumWindows);
    EXPECT_FALSE(prepareNewAlbum(*table, "/b.abm", 3, 3));
    ImageEntry entry;
    EXPECT_FALSE(prepareImageWindow(*table, AlbumKind::SingleImage, entry));
    EXPECT_EQ(openWindowSlot(*table, AlbumKind::Album, 99), -1);
    EXPECT_EQ(table->openCount, kMaxAlbumWindows);
}

TEST(WindowSlots, ActivationMirrorsTheOldWindowAndSelectsTheNewFocus)
{
    auto table = tableWith({12, 12});
    SelectionBlock sel;
    table->working.currentPage = 1; // an unsaved change of window A
    table->windowSlots[1].hasFocus = 1;
    table->windowSlots[1].focusIndex = 4;
    EXPECT_TRUE(activateWindow(*table, sel, kViewB));
    EXPECT_EQ(table->windowSlots[0].currentPage, 1);
    EXPECT_EQ(table->working.viewId, kViewB);
    EXPECT_EQ(stamps(sel), std::vector<int>{204});
    EXPECT_FALSE(activateWindow(*table, sel, kViewB)); // already active
    EXPECT_FALSE(activateWindow(*table, sel, 12345));  // no such window
    EXPECT_TRUE(activateWindow(*table, sel, kViewA));
    EXPECT_EQ(stamps(sel), std::vector<int>{109}); // A had no focus: its page's first image is the target
    EXPECT_EQ(table->windowSlots[0].hasFocus, 1);
}

TEST(WindowSlots, ImageWindowsRememberTheirAlbumAndAreFoundByPath)
{
    auto table = tableWith({3, 3});
    // The entry is handed over as the album's own, as the enlarged view does.
    ASSERT_TRUE(prepareImageWindow(*table, AlbumKind::SingleImage, table->working.images[2]));
    EXPECT_EQ(fieldText(table->working.images[0].path), "/img/2.jpg");
    EXPECT_EQ(table->working.currentPage, 0); // slot of album A
    EXPECT_EQ(table->working.imageCount, 1);
    EXPECT_EQ(cellsPerPage(table->working), 1);
    ASSERT_EQ(openWindowSlot(*table, AlbumKind::SingleImage, 77), 2);
    EXPECT_EQ(findWindow(*table, AlbumKind::SingleImage, "/img/2.jpg"), 77u);
    EXPECT_EQ(findWindow(*table, AlbumKind::SingleImage, "/img/1.jpg"), 0u);
    EXPECT_EQ(findWindow(*table, AlbumKind::Album, "/img/2.jpg"), 0u);
    EXPECT_EQ(findWindow(*table, AlbumKind::Album, "/albums/a1.abm"), kViewB);

    SelectionBlock sel;
    EXPECT_TRUE(activateWindow(*table, sel, kViewA));
    renameWorkingAlbum(*table, "/albums/renamed.abm");
    EXPECT_EQ(fieldText(table->working.path), "/albums/renamed.abm");
    EXPECT_EQ(fieldText(table->windowSlots[0].path), "/albums/renamed.abm");
    select(sel, {5});
    EXPECT_TRUE(activateWindow(*table, sel, 77));
    EXPECT_EQ(stamps(sel), std::vector<int>{5}); // an image window leaves the selection alone
}

} // namespace
} // namespace pictra
