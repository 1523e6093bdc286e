#include "core/album/drop_insertion.h"

#include "album_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace pictra {
namespace {

using test::summaryOrder;

// An album of `count` images whose summaries read "0", "1", ... and stamps 1000 + i.
std::unique_ptr<AlbumRecord> album(int count)
{
    auto a = std::make_unique<AlbumRecord>();
    a->imageCount = count;
    for (int i = 0; i < count; ++i) {
        a->images[static_cast<std::size_t>(i)].stamp = 1000 + i;
        a->images[static_cast<std::size_t>(i)].summary[0] = static_cast<char>('0' + i);
    }
    return a;
}

std::vector<ImageEntry> pick(const AlbumRecord& a, const std::vector<int>& positions)
{
    std::vector<ImageEntry> v;
    for (int p : positions)
        v.push_back(a.images[static_cast<std::size_t>(p)]);
    return v;
}

TEST(DropInsertion, CtrlDropOfThreeAtTwoOfTen)
{
    auto a = album(10);
    const auto selection = pick(*a, {7, 0, 9});
    EXPECT_EQ(dropWithinAlbum(*a, selection, 2, DropKind::Copy, 5000), 2);
    EXPECT_EQ(a->imageCount, 13);
    EXPECT_EQ(summaryOrder(*a), "0170923456789");
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(a->images[static_cast<std::size_t>(2 + j)].stamp, 5000 + j);
    EXPECT_EQ(a->images[0].stamp, 1000); // the originals keep theirs
}

struct MoveCase {
    std::vector<int> selected;
    int target;
    const char* expected;
    int landed;
};

class MoveDrop : public testing::TestWithParam<MoveCase> {};

TEST_P(MoveDrop, PutsTheSelectionAtTheTargetOfTheRemainingList)
{
    const MoveCase& c = GetParam();
    auto a = album(6);
    EXPECT_EQ(dropWithinAlbum(*a, pick(*a, c.selected), c.target, DropKind::Move, 7000), c.landed);
    EXPECT_EQ(summaryOrder(*a), c.expected);
    EXPECT_EQ(a->imageCount, 6);
}

INSTANTIATE_TEST_SUITE_P(Positions, MoveDrop,
                         testing::Values(MoveCase{{0}, 3, "123045", 3}, MoveCase{{4, 1}, 0, "410235", 0},
                                         MoveCase{{1, 2}, 4, "034512", 4},
                                         // past the end of the remaining list: at the end
                                         MoveCase{{0, 1}, 5, "234501", 4}, MoveCase{{2}, 60, "013452", 5}));

TEST(DropInsertion, MoveUsesTheAlbumsCurrentEntryNotTheOlderSelectionCopy)
{
    auto a = album(4);
    auto selection = pick(*a, {1});
    a->images[1].place[0] = 'X'; // edited after it was selected
    dropWithinAlbum(*a, selection, 3, DropKind::Move, 1);
    EXPECT_EQ(a->images[3].place[0], 'X');
}

TEST(DropInsertion, CopiesFromAnotherAlbumLandAtTargetOrAppend)
{
    auto source = album(3);
    auto b = album(4);
    EXPECT_EQ(insertEntryCopies(*b, pick(*source, {1, 2}), 0, 900), 0);
    EXPECT_EQ(summaryOrder(*b), "120123");
    EXPECT_EQ(b->images[0].stamp, 900);
    EXPECT_EQ(insertEntryCopies(*b, pick(*source, {0}), 40, 950), 6);
    EXPECT_EQ(summaryOrder(*b), "1201230");
}

TEST(DropInsertion, CopiesStopAtTheAlbumCapacity)
{
    auto full = album(0);
    full->imageCount = kMaxAlbumImages - 1;
    auto source = album(3);
    EXPECT_EQ(insertEntryCopies(*full, pick(*source, {0, 1, 2}), 0, 1), 0);
    EXPECT_EQ(full->imageCount, kMaxAlbumImages);
    EXPECT_EQ(insertEntryCopies(*full, pick(*source, {0}), 0, 1), -1);
    EXPECT_EQ(full->imageCount, kMaxAlbumImages);
}

} // namespace
} // namespace pictra
