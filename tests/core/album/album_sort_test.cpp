#include "core/album/album_sort.h"

#include "core/album/album_changes.h"
#include "core/album/album_table.h"
#include "core/util/fixed_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pictra {
namespace {

struct Row {
    std::string path;
    int year, month, day;
    std::string place;
};

void fill(AlbumRecord& album, const std::vector<Row>& rows)
{
    album.imageCount = static_cast<int>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ImageEntry& e = album.images[i];
        setFieldText(e.path, rows[i].path);
        e.stamp = static_cast<std::int32_t>(100 + i);
        e.year = static_cast<std::int16_t>(rows[i].year);
        e.month = static_cast<std::int16_t>(rows[i].month);
        e.day = static_cast<std::int16_t>(rows[i].day);
        setFieldText(e.place, rows[i].place);
    }
}

// The stamps in album order, less 100: the rows' original positions.
std::vector<int> order(const AlbumRecord& album)
{
    std::vector<int> o;
    for (int i = 0; i < album.imageCount; ++i)
        o.push_back(album.images[static_cast<std::size_t>(i)].stamp - 100);
    return o;
}

const std::vector<Row> kRows = {
    {"/a/IMG_10.jpg", 2020, 5, 1, "Kyoto"}, {"/b/img_9.jpg", 0, 0, 0, ""},     {"/c/IMG_2.jpg", 2019, 12, 31, "Aomori"},
    {"/d/IMG_02.jpg", 2020, 5, 1, ""},      {"/e/DSC_1.jpg", 2020, 4, 30, "Kyoto"},
};

TEST(AlbumSort, OrdersStablyWithEntriesLackingTheKeyLast)
{
    auto table = makeAlbumTable();
    AlbumRecord& album = table->working;
    fill(album, kRows);
    EXPECT_EQ(sortAlbum(album, AlbumOrder::DateTaken, 1), 4);
    EXPECT_EQ(order(album), (std::vector<int>{2, 4, 0, 3, 1}));
    EXPECT_TRUE(albumChanged(album));

    fill(album, kRows);
    sortAlbum(album, AlbumOrder::FileName);
    EXPECT_EQ(order(album), (std::vector<int>{4, 2, 3, 1, 0})); // DSC_1, IMG_2, IMG_02, img_9, IMG_10

    fill(album, kRows);
    sortAlbum(album, AlbumOrder::Place);
    EXPECT_EQ(order(album), (std::vector<int>{2, 0, 4, 1, 3}));
    EXPECT_EQ(fieldText(album.images[0].path), "/c/IMG_2.jpg"); // the whole entry moved
}

TEST(AlbumSort, AnAlbumAlreadyInOrderIsNotMarkedChanged)
{
    auto table = makeAlbumTable();
    AlbumRecord& album = table->working;
    fill(album, {{"/a/1.jpg", 2000, 1, 1, ""}, {"/a/2.jpg", 2001, 1, 1, ""}});
    markAlbumSaved(album);
    EXPECT_EQ(sortAlbum(album, AlbumOrder::DateTaken, 7), -1);
    EXPECT_FALSE(albumChanged(album));
}

TEST(AlbumSort, FileNamesCompareDigitRunsByValueAndLettersWithoutCase)
{
    EXPECT_LT(compareFileNames("IMG_9.jpg", "img_10.jpg"), 0);
    EXPECT_GT(compareFileNames("b", "A"), 0);
    EXPECT_EQ(compareFileNames("x007", "X7"), 0);
    EXPECT_LT(compareFileNames("x", "x1"), 0);
    EXPECT_LT(compareFileNames("99999999999999999999999", "100000000000000000000000"), 0);
}

} // namespace
} // namespace pictra
