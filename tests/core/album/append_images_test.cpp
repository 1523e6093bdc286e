#include "core/album/append_images.h"

#include "core/album/album_table.h"

#include "core/util/fixed_text.h"
#include "support/temp_dir.h"
#include "support/status_print.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

FileNameList namesOf(std::initializer_list<std::string> paths)
{
    FileNameList names;
    for (const auto& p : paths)
        EXPECT_TRUE(names.add(p));
    return names;
}

TEST(AppendImages, NewEntriesGetPathAndStampAfterTheLastImage)
{
    test::TempDir dir;
    test::writeBytes(dir.file("here.jpg"), "x");
    auto table = makeAlbumTable();
    AlbumRecord& album = table->working;
    album.imageCount = 2;
    album.images[0].stamp = 5;
    album.images[1].stamp = 1; // taken: the second new entry gets the next free stamp
    album.images[2].year = 1990; // left over from an earlier delete: cleared
    auto result = appendImages(album, namesOf({dir.file("here.jpg"), dir.file("gone.jpg")}), 0xFFFFFFFEu);
    ASSERT_TRUE(result);
    EXPECT_EQ(album.imageCount, 4);
    EXPECT_EQ(result->firstIndex, 2);
    EXPECT_EQ(result->appended, 2);
    EXPECT_EQ(fieldText(album.images[3].path), dir.file("gone.jpg"));
    EXPECT_EQ(album.images[2].stamp, 0); // 0xFFFFFFFE + 2 wraps like the tick count
    EXPECT_EQ(album.images[3].stamp, 2);
    EXPECT_EQ(album.images[2].year, 0);
    EXPECT_EQ(result->missing.paths(), std::vector<std::string>{dir.file("gone.jpg")});
    EXPECT_EQ(result->missingIndices, std::vector<int>{3});
}

TEST(AppendImages, KeepModeKeepsDatesAndTexts)
{
    auto table = makeAlbumTable();
    AlbumRecord& album = table->working;
    album.images[0].year = 2020;
    setFieldText(album.images[0].memo, "memo");
    ASSERT_TRUE(appendImages(album, namesOf({"/p/a.jpg"}), 100, EntryTexts::Keep));
    EXPECT_EQ(album.images[0].year, 2020);
    EXPECT_EQ(fieldText(album.images[0].memo), "memo");
    EXPECT_EQ(album.images[0].stamp, 100);
}

TEST(AppendImages, StopsAt1000ImagesAndRefusesWhatCannotBeAppended)
{
    auto table = makeAlbumTable();
    AlbumRecord& album = table->working;
    album.imageCount = 999;
    auto result = appendImages(album, namesOf({"/p/a.jpg", "/p/b.jpg", "/p/c.jpg"}), 0);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->appended, 1);
    EXPECT_EQ(result->dropped, 2);
    EXPECT_EQ(album.imageCount, 1000);
    EXPECT_EQ(appendImages(album, namesOf({"/p/d.jpg"}), 0).status(), Status::TooLarge);
    EXPECT_EQ(appendImages(album, FileNameList{}, 0).status(), Status::InvalidArgument);
    album.imageCount = 0;
    album.kind = AlbumKind::SingleImage;
    EXPECT_EQ(appendImages(album, namesOf({"/p/d.jpg"}), 0).status(), Status::InvalidArgument);
}

TEST(AppendImages, ReportsEntriesWhoseSourcesShareAStoreCopy)
{
    auto table = makeAlbumTable();
    AlbumRecord& album = table->working;
    auto result = appendImages(album, namesOf({"/a/IMG_1.jpg", "/b/x.jpg", "/a/IMG_1.jpg", "/b/IMG_1.bmp"}), 0);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->sharingStoreCopy, (std::vector<int>{0, 2, 3}));
    auto same = appendImages(table->windowSlots[0], namesOf({"/a/x.jpg", "/a/x.jpg"}), 0);
    EXPECT_TRUE(same->sharingStoreCopy.empty()); // the same file twice is the same picture
}

} // namespace
} // namespace pictra
