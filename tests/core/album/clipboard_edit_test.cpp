#include "core/album/clipboard_edit.h"
#include "core/album/identity_stamps.h"
#include "core/album/store_name_clash.h"
#include "core/album/window_records.h"
#include "core/util/fixed_text.h"

#include "album_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace pictra {
namespace {

using test::summaryOrder;

// An album of `count` images in a 3 × 3 grid whose summaries read "0", "1",
// ... ("a", "b", ... with letters) and stamps 1000 + i.
std::unique_ptr<AlbumRecord> album(int count, char first = '0')
{
    auto a = std::make_unique<AlbumRecord>();
    a->columns = 3;
    a->rows = 3;
    a->imageCount = count;
    setFieldText(a->path, "/albums/trip.abm");
    for (int i = 0; i < count; ++i) {
        ImageEntry& e = a->images[static_cast<std::size_t>(i)];
        e.stamp = 1000 + i;
        e.summary[0] = static_cast<char>(first + i % 40);
        setFieldText(e.path, "/p/" + std::string(1, e.summary[0]) + ".jpg");
    }
    return a;
}

void focus(AlbumRecord& a, int index)
{
    a.hasFocus = 1;
    a.currentPage = index / 9;
    a.focusIndex = index % 9;
}

void select(SelectionBlock& block, const AlbumRecord& a, std::vector<int> positions)
{
    for (int p : positions)
        addToSelection(block, a.images[static_cast<std::size_t>(p)]);
}

TEST(Clipboard, CutTwoOfTenAndPasteAtTheFront)
{
    auto a = album(10);
    SelectionBlock block;
    focus(*a, 2);
    select(block, *a, {2, 5});
    ASSERT_TRUE(cutSelection(*a, block));
    EXPECT_EQ(summaryOrder(*a), "01346789");
    EXPECT_TRUE(block.clipboardFilled);
    EXPECT_TRUE(block.selection.empty());
    EXPECT_EQ(block.clipboardAlbum, "/albums/trip.abm");
    EXPECT_EQ(focusedImage(*a), 2); // the image that followed the focused one ("3")

    focus(*a, 0);
    const PasteResult pasted = pasteClipboard(*a, block, 5000);
    EXPECT_EQ(pasted.outcome, PasteOutcome::Pasted);
    EXPECT_EQ(summaryOrder(*a), "2501346789");
    EXPECT_EQ(a->images[0].stamp, 5000);
    EXPECT_EQ(a->images[1].stamp, 5001);
    EXPECT_FALSE(block.clipboardFilled);

    EXPECT_EQ(pasteClipboard(*a, block, 6000).outcome, PasteOutcome::Nothing); // pastes once
    EXPECT_EQ(a->imageCount, 10);
}

TEST(Clipboard, PasteIntoEmptyAlbumAndWithoutFocus)
{
    auto source = album(3);
    SelectionBlock block;
    focus(*source, 1);
    select(block, *source, {1, 0});
    ASSERT_TRUE(copySelection(*source, block));
    EXPECT_EQ(source->imageCount, 3); // copy leaves the album alone

    auto empty = album(0);
    EXPECT_EQ(pasteClipboard(*empty, block, 10).outcome, PasteOutcome::Pasted);
    EXPECT_EQ(summaryOrder(*empty), "10");
    EXPECT_EQ(empty->hasFocus, 0); // the focus stays as it was

    auto four = album(4, 'a');
    block.clipboardFilled = true;
    block.clipboard = {source->images[1]};
    EXPECT_EQ(pasteClipboard(*four, block, 10).at, 3); // in front of the fourth image
    EXPECT_EQ(summaryOrder(*four), "abc1d");
}

TEST(Clipboard, PasteThatDoesNotFitPastesNothingAndKeepsTheClipboard)
{
    auto big = album(995);
    SelectionBlock block;
    block.clipboardFilled = true;
    for (int i = 0; i < 10; ++i)
        block.clipboard.push_back(big->images[static_cast<std::size_t>(i)]);
    EXPECT_EQ(pasteClipboard(*big, block, 1).outcome, PasteOutcome::NoRoom);
    EXPECT_EQ(big->imageCount, 995);
    EXPECT_EQ(block.clipboard.size(), 10u);
    block.clipboard.resize(5);
    EXPECT_EQ(pasteClipboard(*big, block, 1).outcome, PasteOutcome::Pasted);
    EXPECT_EQ(big->imageCount, 1000);
}

TEST(Clipboard, PastedStampsNeverCollide)
{
    // Stamps 1000..1009 are taken; a paste at tick 1003 must skip them all,
    // and the originals still on the clipboard must not be reused either.
    auto a = album(10);
    SelectionBlock block;
    block.clipboardFilled = true;
    block.clipboard = {a->images[0], a->images[1]};
    focus(*a, 0);
    ASSERT_EQ(pasteClipboard(*a, block, 1003).outcome, PasteOutcome::Pasted);
    std::vector<std::int32_t> stamps;
    for (int i = 0; i < a->imageCount; ++i)
        stamps.push_back(a->images[static_cast<std::size_t>(i)].stamp);
    std::sort(stamps.begin(), stamps.end());
    EXPECT_EQ(std::adjacent_find(stamps.begin(), stamps.end()), stamps.end());
    EXPECT_EQ(a->images[0].stamp, 1010);
    EXPECT_EQ(a->images[1].stamp, 1011);
}

TEST(IdentityStamps, SkipStampsOfTheSelectionAndWrap)
{
    SelectionBlock block;
    ImageEntry held;
    held.stamp = -1; // 0xFFFFFFFF as a tick
    block.selection.push_back(held);
    const auto stamps = freshStamps({}, block, 0xFFFFFFFEu, 3);
    EXPECT_EQ(stamps, (std::vector<std::int32_t>{-2, 0, 1}));
}

struct FocusCase {
    const char* name;
    int count;
    std::vector<int> selected;
    int focused;
    int expectFocus; // -1: no focus
    const char* expectOrder;
};

class CutFocus : public testing::TestWithParam<FocusCase> {};

TEST_P(CutFocus, MovesToTheNearestRemainingImage)
{
    const FocusCase& c = GetParam();
    auto a = album(c.count);
    SelectionBlock block;
    focus(*a, c.focused);
    select(block, *a, c.selected);
    ASSERT_TRUE(cutSelection(*a, block));
    EXPECT_EQ(summaryOrder(*a), c.expectOrder);
    EXPECT_EQ(focusedImage(*a), c.expectFocus);
    EXPECT_EQ(a->hasFocus, c.expectFocus >= 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CutFocus,
    testing::Values(FocusCase{"LastTwo", 5, {3, 4}, 4, 2, "012"},
                    FocusCase{"LastImageOfPageTwo", 10, {9}, 9, 8, "012345678"},
                    FocusCase{"BeforeTheFocus", 6, {0, 1}, 3, 1, "2345"},
                    FocusCase{"Everything", 2, {0, 1}, 0, -1, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Delete, FocusedImageAndSelectionAfterwards)
{
    auto a = album(3);
    SelectionBlock block;
    focus(*a, 2); // the last image
    EXPECT_EQ(deleteFocused(*a, block), 2);
    EXPECT_EQ(summaryOrder(*a), "01");
    EXPECT_EQ(focusedImage(*a), 1);
    ASSERT_EQ(block.selection.size(), 1u);
    EXPECT_EQ(block.selection[0].stamp, 1001); // never the deleted entry

    focus(*a, 0);
    EXPECT_EQ(deleteFocused(*a, block), 0);
    EXPECT_EQ(block.selection[0].stamp, 1001); // the image that followed
    block.clipboardFilled = true;
    block.clipboard = {a->images[0]};
    EXPECT_EQ(deleteFocused(*a, block), 0);
    EXPECT_EQ(a->imageCount, 0);
    EXPECT_FALSE(block.clipboardFilled); // an emptied album clears the block
    EXPECT_EQ(deleteFocused(*a, block), -1);
}

TEST(Delete, QuestionNamesTheImageAndTheAlbumFile)
{
    EXPECT_EQ(detachQuestion("/p/a.jpg", "/albums/trip.abm"), "「a.jpg」を「trip.abm」ファイルから切り離します。");
}

TEST(StoreNameClash, PasteOfAnotherFileWithATakenName)
{
    auto target = album(2); // /p/0.jpg, /p/1.jpg
    SelectionBlock block;
    block.clipboardFilled = true;
    ImageEntry other;
    setFieldText(other.path, "/q/1.jpg");
    block.clipboard = {target->images[0], other};
    EXPECT_EQ(pasteStoreNameClash(*target, block), "/q/1.jpg");
    block.clipboard = {target->images[0], target->images[1]}; // the same files again share their copies
    EXPECT_EQ(pasteStoreNameClash(*target, block), std::nullopt);
}

TEST(StoreNameClash, AnotherPathOwningTheBaseName)
{
    auto a = album(2);                       // /p/0.jpg, /p/1.jpg
    const std::vector<std::string> pending{"/q/x.jpg"};
    const std::span<const ImageEntry> entries(a->images.data(), 2);
    EXPECT_EQ(storeNameOwner(entries, pending, "/r/0.JPG"), "/p/0.jpg");
    EXPECT_EQ(storeNameOwner(entries, pending, "/r/x.bmp"), "/q/x.jpg");
    EXPECT_EQ(storeNameOwner(entries, pending, "/p/0.jpg"), std::nullopt); // the same file shares its copy
    EXPECT_EQ(storeNameOwner(entries, pending, "/r/y.jpg"), std::nullopt);
}

TEST(StoreNameClash, DraggedEntriesSplitByWhetherTheirNameIsFree)
{
    auto target = album(2); // /p/0.jpg, /p/1.jpg
    std::vector<ImageEntry> dragged(4);
    setFieldText(dragged[0].path, "/q/1.JPG"); // another picture under a taken name
    setFieldText(dragged[1].path, "/p/0.jpg"); // the same file: shares its copy
    setFieldText(dragged[2].path, "/q/n.jpg");
    setFieldText(dragged[3].path, "/r/n.jpg"); // clashes with the earlier dragged one
    const StoreNameSplit split = splitByStoreName(std::span(target->images.data(), 2), dragged);
    ASSERT_EQ(split.kept.size(), 2u);
    EXPECT_EQ(fieldText(split.kept[0].path), "/p/0.jpg");
    EXPECT_EQ(fieldText(split.kept[1].path), "/q/n.jpg");
    EXPECT_EQ(split.clashing, (std::vector<std::string>{"/q/1.JPG", "/r/n.jpg"}));
}

} // namespace
} // namespace pictra
