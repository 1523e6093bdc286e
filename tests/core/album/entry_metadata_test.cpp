#include "core/album/entry_metadata.h"

#include "core/album/album_changes.h"
#include "core/album/album_table.h"
#include "core/album/append_images.h"
#include "core/album/sidecar_export.h"
#include "core/metadata/xmp_sidecar.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace pictra {
namespace {

std::string dataFile(const std::string& name)
{
    const char* root = std::getenv("PICTRA_TEST_DATA");
    return std::string(root ? root : "tests/data") + "/metadata/" + name;
}

template <std::size_t N>
std::string utf8(const std::array<char, N>& field)
{
    return cp932ToUtf8(fieldText(field)).text;
}

PhotoMetadata captions()
{
    PhotoMetadata m;
    m.title = "東京タワー";
    m.description = "夕方";
    m.creator = "佐藤";
    m.location = "東京";
    m.taken = TakenDate{2021, 3, 4};
    return m;
}

TEST(EntryMetadata, FillsOnlyEmptyTextsAndAnUnsetDateUnlessOverwriting)
{
    ImageEntry entry;
    setFieldText(entry.author, utf8ToCp932("鈴木").text);
    entry.year = 1999;
    const EntryFill kept = fillEntry(entry, captions(), {});
    EXPECT_TRUE(kept.changed);
    EXPECT_EQ(utf8(entry.author), "鈴木");
    EXPECT_EQ(utf8(entry.summary), "東京タワー");
    EXPECT_EQ(utf8(entry.memo), "夕方");
    EXPECT_EQ(utf8(entry.place), "東京");
    EXPECT_EQ(entry.year, 1999);

    const EntryFill replaced = fillEntry(entry, captions(), {.mode = FillMode::Overwrite});
    EXPECT_TRUE(replaced.changed);
    EXPECT_EQ(utf8(entry.author), "佐藤");
    EXPECT_EQ(entry.year, 2021);
    EXPECT_EQ(entry.month, 3);
    EXPECT_EQ(entry.day, 4);
    EXPECT_FALSE(fillEntry(entry, captions(), {.mode = FillMode::Overwrite}).changed);
}

TEST(EntryMetadata, DateAndTextsCanBeLeftOut)
{
    ImageEntry entry;
    const EntryFill none = fillEntry(entry, captions(), {.date = false, .texts = false});
    EXPECT_FALSE(none.changed);
    EXPECT_EQ(entry, ImageEntry{});
    fillEntry(entry, captions(), {.date = true, .texts = false});
    EXPECT_EQ(entry.year, 2021);
    EXPECT_TRUE(fieldText(entry.summary).empty());
    EXPECT_TRUE(fillEntry(entry, PhotoMetadata{}, {}).undated);
}

TEST(EntryMetadata, LongTextsAreCutAtACharacterAndReported)
{
    PhotoMetadata m;
    for (int i = 0; i < 700; ++i)
        m.description += "あ"; // 1400 CP932 bytes for a 1024-byte memo
    m.location = "Ω☃東京"; // the snowman has no CP932 form
    ImageEntry entry;
    const EntryFill filled = fillEntry(entry, m, {});
    EXPECT_TRUE(filled.shortened);
    EXPECT_EQ(fieldText(entry.memo).size(), 1022u); // 511 whole characters, then the zero
    EXPECT_EQ(utf8(entry.place), "Ω東京");
}

TEST(EntryMetadata, EntryTextsGoOutAsUtf8Fields)
{
    ImageEntry entry;
    fillEntry(entry, captions(), {});
    const PhotoMetadata out = entryMetadata(entry);
    EXPECT_EQ(out, captions());
    EXPECT_FALSE(entryMetadata(ImageEntry{}).taken);
}

TEST(EntryMetadata, AppendedPicturesTakeTheirDateAndCaptionsUnlessTheDateIsSwitchedOff)
{
    const std::string camera = dataFile("dated.jpg");
    const std::string captioned = dataFile("captions.jpg");
    FileNameList list;
    ASSERT_TRUE(list.add(camera));
    ASSERT_TRUE(list.add(captioned));
    ASSERT_TRUE(list.add(dataFile("long_caption.jpg")));
    auto table = makeAlbumTable();
    AlbumRecord& album = table->working;
    auto on = appendImages(album, list, 1);
    ASSERT_TRUE(on);
    EXPECT_EQ(album.images[0].year, 2015);
    EXPECT_EQ(album.images[0].month, 8);
    EXPECT_EQ(album.images[0].day, 9);
    EXPECT_EQ(utf8(album.images[1].summary), "東京タワー");
    EXPECT_EQ(utf8(album.images[1].author), "佐藤花子");
    EXPECT_EQ(on->shortenedTexts, (std::vector<int>{2}));

    auto off = appendImages(album, list, 1, EntryTexts::Clear, {.date = false});
    ASSERT_TRUE(off);
    EXPECT_EQ(album.images[3].year, 0);
    EXPECT_EQ(album.images[3].month, 0);
    EXPECT_EQ(album.images[3].day, 0);
    EXPECT_EQ(utf8(album.images[4].place), "東京");
}

TEST(EntryMetadata, ASidecarsTextsComeBeforeTheFilesButNotItsDate)
{
    test::TempDir dir;
    const std::string picture = dir.file("IMG_1.jpg");
    std::filesystem::copy_file(dataFile("dated.jpg"), picture);
    PhotoMetadata sidecar;
    sidecar.title = "from the sidecar";
    sidecar.taken = TakenDate{2001, 1, 1};
    ASSERT_EQ(writeXmpSidecar(picture, sidecar), Status::Ok);
    const PhotoMetadata m = pictureMetadata(picture);
    EXPECT_EQ(m.title, "from the sidecar");
    EXPECT_EQ(m.taken, (TakenDate{2015, 8, 9}));
}

TEST(EntryMetadata, ExportThenImportGivesTheTextsBackAndMarksTheAlbum)
{
    test::TempDir dir;
    const std::string picture = dir.file("IMG_1.jpg");
    test::writeBytes(picture, "not really a picture");
    auto table = makeAlbumTable();
    AlbumRecord& album = table->working;
    album.imageCount = 2;
    setFieldText(album.images[0].path, picture);
    fillEntry(album.images[0], captions(), {});
    setFieldText(album.images[1].path, dir.file("gone.jpg"));
    const std::vector<int> both = {0, 1, 5};
    const SidecarExportReport report = exportSidecars(album, both);
    EXPECT_EQ(report.written, (std::vector<std::string>{dir.file("IMG_1.xmp")}));
    ASSERT_EQ(report.failed.size(), 1u);
    EXPECT_EQ(report.failed[0].second, Status::NotFound);

    const ImageEntry exported = album.images[0];
    album.images[0] = ImageEntry{};
    album.images[0].path = exported.path;
    markAlbumSaved(album);
    const FillReport filled = fillAlbumEntries(album, both, {});
    EXPECT_EQ(filled.changed, (std::vector<int>{0}));
    EXPECT_EQ(album.images[0], exported);
    EXPECT_TRUE(albumChanged(album));
}

} // namespace
} // namespace pictra
