#include "core/recognise/relink_folders.h"

#include "core/util/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(PicturesDirFromUserDirs, ReadsTheXdgLine)
{
    EXPECT_EQ(picturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/写真\"\n", "/home/u"), "/home/u/写真");
    EXPECT_EQ(picturesDirFromUserDirs("# c\nXDG_MUSIC_DIR=\"$HOME/M\"\n  XDG_PICTURES_DIR=\"/data/p\"", "/h"),
              "/data/p");
    EXPECT_EQ(picturesDirFromUserDirs("XDG_PICTURES_DIR=$HOME/p\n", "/h"), "");
    EXPECT_EQ(picturesDirFromUserDirs("XDG_PICTURES_DIR=\"relative\"\n", "/h"), "");
    EXPECT_EQ(picturesDirFromUserDirs("", "/h"), "");
}

TEST(ProposedRelinkFolders, ExistingFoldersOnceWithoutNestedOnes)
{
    const test::TempDir dir;
    for (const char* f : {"albums", "albums/inner", "pics", "media/u/USBSTICK", "media/u/CARD"})
        ASSERT_TRUE(makeFolders(dir.file(f)));
    const RelinkPlaces places{dir.file("pics"), {dir.file("media/u"), dir.file("run/media/u")}};
    const std::vector<std::string> folders = proposedRelinkFolders(
        dir.file("albums/inner/trip.abm"), {dir.file("albums/"), dir.file("gone/"), dir.file("pics/")}, places);
    EXPECT_EQ(folders, (std::vector<std::string>{dir.file("albums"), dir.file("pics"), dir.file("media/u/CARD"),
                                                 dir.file("media/u/USBSTICK")}));
}

} // namespace
} // namespace pictra
