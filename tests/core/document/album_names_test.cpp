#include "core/document/album_names.h"

#include <gtest/gtest.h>

#include <vector>

namespace pictra {
namespace {

TEST(UntitledAlbumPath, NumbersFromOpenCountAndSkipsNamesInUse)
{
    const std::vector<std::string> none;
    EXPECT_EQ(untitledAlbumPath("/p", 0, none), "/p/USER/新規-1.abm");
    EXPECT_EQ(untitledAlbumPath("/p", 2, none), "/p/USER/新規-3.abm");

    // Album 1 of two was closed: open count 1 would give 新規-2 again.
    const std::vector<std::string> open = {"/p/USER/新規-2.abm"};
    EXPECT_EQ(untitledAlbumPath("/p", 1, open), "/p/USER/新規-3.abm");

    // An album elsewhere with the same base name owns that store folder.
    const std::vector<std::string> clash = {"/home/u/新規-1.abm", "/p/USER/新規-2.abm"};
    EXPECT_EQ(untitledAlbumPath("/p", 0, clash), "/p/USER/新規-3.abm");
}

TEST(SharesStoreFolder, SameBaseNameClashesWhereverTheFileIs)
{
    const std::vector<std::string> open = {"/home/u/trip.abm", "/p/USER/新規-1.abm"};
    EXPECT_TRUE(sharesStoreFolder("/mnt/usb/trip.abm", open));
    EXPECT_TRUE(sharesStoreFolder("/home/u/trip.abm", open));
    EXPECT_FALSE(sharesStoreFolder("/home/u/Trip.abm", open));
    EXPECT_FALSE(sharesStoreFolder("/home/u/other.abm", open));
}

TEST(IsUntitledAlbum, EmptyOrNewPrefix)
{
    EXPECT_TRUE(isUntitledAlbum(""));
    EXPECT_TRUE(isUntitledAlbum("/p/USER/新規-4.abm"));
    EXPECT_TRUE(isUntitledAlbum("/home/u/新規アルバム.abm"));
    EXPECT_FALSE(isUntitledAlbum("/home/新規/trip.abm"));
}

} // namespace
} // namespace pictra
