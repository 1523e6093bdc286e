#include "core/settings/recent_album_list.h"

#include "core/platform/program_paths.h"
#include "core/util/file_io.h"
#include "support/temp_dir.h"
#include "support/status_print.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <set>

namespace pictra {
namespace {

RecentAlbumList listOf(std::initializer_list<std::string> paths)
{
    RecentAlbumList list;
    for (const auto& p : paths)
        EXPECT_EQ(addRecentAlbum(list, p), Status::Ok);
    return list;
}

std::vector<std::string> pathsOf(const RecentAlbumList& list)
{
    std::vector<std::string> out;
    for (int i = 0; i < list.count; ++i)
        out.emplace_back(recentPath(list, i));
    return out;
}

RecentAlbumList tenAlbums()
{
    RecentAlbumList list;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(addRecentAlbum(list, "/a/" + std::to_string(i) + ".abm"), Status::Ok);
        list.openAtExit[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i % 2);
    }
    return list;
}

TEST(RecentAlbumList, LayoutHasCountFlagsAndPathsAtTheirOffsets)
{
    RecentAlbumList list = listOf({"/x/old.abm", "/x/new.abm"});
    list.openAtExit[1] = 1;
    const auto bytes = encodeRecentAlbumList(list);
    ASSERT_EQ(bytes.size(), kRecentListBytes);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[4], 0);
    EXPECT_EQ(bytes[5], 1);
    EXPECT_EQ(std::memcmp(&bytes[19], "/x/old.abm", 11), 0);
    EXPECT_EQ(std::memcmp(&bytes[19 + 360], "/x/new.abm", 11), 0);
    EXPECT_EQ(decodeRecentAlbumList(bytes), list);
}

TEST(RecentAlbumList, DamagedCountGivesAnEmptyList)
{
    for (const std::int32_t count : {-1, 11, 15, 16, INT_MAX, INT_MIN}) {
        auto bytes = encodeRecentAlbumList(tenAlbums());
        std::memcpy(bytes.data(), &count, 4);
        EXPECT_EQ(decodeRecentAlbumList(bytes).count, 0) << count;
    }
    EXPECT_EQ(decodeRecentAlbumList({}).count, 0);
}

TEST(RecentAlbumList, ReopeningAKnownAlbumMovesItLastWithItsFlag)
{
    RecentAlbumList list = tenAlbums();
    ASSERT_EQ(addRecentAlbum(list, "/a/3.abm"), Status::Ok);
    EXPECT_EQ(list.count, 10);
    const auto paths = pathsOf(list);
    EXPECT_EQ(std::set<std::string>(paths.begin(), paths.end()).size(), 10u);
    EXPECT_EQ(paths.back(), "/a/3.abm");
    EXPECT_EQ(paths[3], "/a/4.abm");
    EXPECT_EQ(list.openAtExit[9], 1);
    EXPECT_EQ(list.openAtExit[3], 0); // 4.abm's flag moved with it
}

TEST(RecentAlbumList, ANewAlbumDropsTheOldestOnceTenAreKept)
{
    RecentAlbumList list = tenAlbums();
    ASSERT_EQ(addRecentAlbum(list, "/a/new.abm"), Status::Ok);
    EXPECT_EQ(list.count, 10);
    EXPECT_EQ(recentPath(list, 0), "/a/1.abm");
    EXPECT_EQ(list.openAtExit[0], 1);
    EXPECT_EQ(recentPath(list, 9), "/a/new.abm");
    EXPECT_EQ(list.openAtExit[9], 0);
    // File names differ by case on Linux: this is another album.
    ASSERT_EQ(addRecentAlbum(list, "/A/NEW.abm"), Status::Ok);
    EXPECT_EQ(recentPath(list, 8), "/a/new.abm");
}

TEST(RecentAlbumList, PathsThatCannotBeStoredAreRefused)
{
    RecentAlbumList list = listOf({"/a.abm"});
    EXPECT_EQ(addRecentAlbum(list, ""), Status::InvalidArgument);
    EXPECT_EQ(addRecentAlbum(list, "/" + std::string(359, 'x')), Status::InvalidArgument);
    EXPECT_EQ(list, listOf({"/a.abm"}));
}

TEST(RecentAlbumList, PruningRemovesMissingAlbumsAndKeepsFlagsWithTheirPaths)
{
    RecentAlbumList list = tenAlbums(); // odd entries flagged
    const std::set<std::string> gone{"/a/0.abm", "/a/1.abm", "/a/5.abm", "/a/9.abm"};
    pruneRecentAlbums(list, [&](const std::string& p) { return !gone.count(p); });
    EXPECT_EQ(pathsOf(list), (std::vector<std::string>{"/a/2.abm", "/a/3.abm", "/a/4.abm", "/a/6.abm", "/a/7.abm",
                                                       "/a/8.abm"}));
    const std::vector<int> flags(list.openAtExit.begin(), list.openAtExit.begin() + 6);
    EXPECT_EQ(flags, (std::vector<int>{0, 1, 0, 0, 1, 0}));
    EXPECT_EQ(recentPath(list, 6), ""); // vacated slots are cleared
}

TEST(RecentAlbumList, MarkingComparesPathsExactly)
{
    RecentAlbumList list = listOf({"/a/x.abm", "/a/y.abm", "/a/z.abm"});
    list.openAtExit = {1, 1, 1};
    const std::vector<std::string> open{"/a/z.abm", "/A/X.abm"};
    markOpenAlbums(list, open);
    EXPECT_EQ(list.openAtExit[0], 0);
    EXPECT_EQ(list.openAtExit[1], 0);
    EXPECT_EQ(list.openAtExit[2], 1);
}

TEST(RecentAlbumList, MenuListsTheMostRecentFirstUpToTheHistoryCount)
{
    const RecentAlbumList list = listOf({"/a/1.abm", "/a/2.abm", "/a/3.abm"});
    EXPECT_TRUE(recentMenuItems(list, 0).empty());
    const auto two = recentMenuItems(list, 2);
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].commandId, 1);
    EXPECT_EQ(two[0].text, "1. /a/3.abm");
    EXPECT_EQ(two[1].text, "2. /a/2.abm");
    EXPECT_EQ(recentMenuItems(list, 10).size(), 3u);
    EXPECT_EQ(recentAlbumForCommand(list, 1), "/a/3.abm");
    EXPECT_EQ(recentAlbumForCommand(list, 3), "/a/1.abm");
    EXPECT_EQ(recentAlbumForCommand(list, 4), std::nullopt);
    EXPECT_EQ(recentAlbumForCommand(list, 0), std::nullopt);
}

TEST(RecentAlbumFile, AddPruneAndMarkWorkOnTheFile)
{
    test::TempDir dir;
    ASSERT_TRUE(makeFolders(dir.file("PARAM")));
    EXPECT_EQ(pruneRecentAlbumFile(dir.path()).status(), Status::NotFound);
    test::writeBytes(dir.file("kept.abm"), "x");
    ASSERT_EQ(AddRecentAlbum(dir.path(), dir.file("gone.abm")), Status::Ok);
    ASSERT_EQ(AddRecentAlbum(dir.path(), dir.file("kept.abm")), Status::Ok);
    const std::vector<std::string> open{dir.file("kept.abm")};
    ASSERT_EQ(markOpenAlbumsInFile(dir.path(), open), Status::Ok);
    auto pruned = pruneRecentAlbumFile(dir.path());
    ASSERT_TRUE(pruned);
    EXPECT_EQ(pathsOf(*pruned), std::vector<std::string>{dir.file("kept.abm")});
    EXPECT_EQ(pruned->openAtExit[0], 1);
    auto stored = readFile(paramFilePath(dir.path(), kRecentListFile));
    ASSERT_TRUE(stored);
    EXPECT_EQ(decodeRecentAlbumList(*stored), *pruned);
}

} // namespace
} // namespace pictra
