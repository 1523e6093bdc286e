#include "core/metadata/photo_metadata.h"

#include "core/imaging_library/jpeg_app_segments.h"
#include "core/util/file_io.h"
#include "support/status_print.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace pictra {
namespace {

std::string dataFile(const std::string& name)
{
    const char* root = std::getenv("PICTRA_TEST_DATA");
    return std::string(root ? root : "tests/data") + "/metadata/" + name;
}

// Camera files of many makes, cut after their Exif block; each is named
// after its DateTimeOriginal ("2007-08-15-14-42-46-sep-...").
constexpr const char* kCameraSamples = "/usr/share/gocode/src/github.com/rwcarlsen/goexif/exif/samples";

TEST(PhotoMetadata, CameraFilesGiveTheirDateTimeOriginal)
{
    if (!std::filesystem::is_directory(kCameraSamples))
        GTEST_SKIP() << "golang-github-rwcarlsen-goexif-dev is not installed";
    int checked = 0;
    for (const auto& file : std::filesystem::directory_iterator(kCameraSamples)) {
        const std::string name = file.path().filename().string();
        const std::optional<TakenDate> named = parseTakenDate(name.substr(0, 10));
        if (!named || name.find("-sep-") == std::string::npos)
            continue;
        auto read = readPhotoMetadata(file.path().string());
        ASSERT_TRUE(read) << name << ": " << statusName(read.status());
        EXPECT_EQ(read->taken, named) << name;
        ++checked;
    }
    EXPECT_GE(checked, 40);
}

TEST(PhotoMetadata, ExifDateComesFirstThenDigitizedThenXmp)
{
    auto dated = readPhotoMetadata(dataFile("dated.jpg")); // Original 2015, Digitized 2016, xmp:CreateDate 2014
    ASSERT_TRUE(dated);
    EXPECT_EQ(dated->taken, (TakenDate{2015, 8, 9}));
    auto digitized = readPhotoMetadata(dataFile("digitized.jpg"));
    ASSERT_TRUE(digitized);
    EXPECT_EQ(digitized->taken, (TakenDate{2013, 2, 3}));
    auto xmp = readPhotoMetadata(dataFile("captions.jpg"));
    ASSERT_TRUE(xmp);
    EXPECT_EQ(xmp->taken, (TakenDate{2021, 3, 4}));
}

TEST(PhotoMetadata, XmpWrittenByExiftoolGivesTheFourTexts)
{
    auto m = readPhotoMetadata(dataFile("captions.jpg"));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->title, "東京タワー");
    EXPECT_EQ(m->description, "夕方の展望台から");
    EXPECT_EQ(m->creator, "佐藤花子");
    EXPECT_EQ(m->location, "東京");
}

TEST(PhotoMetadata, IptcFillsWhatXmpLacksSubLocationBeforeCity)
{
    auto m = readPhotoMetadata(dataFile("iptc_only.jpg"));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->title, "金閣寺");
    EXPECT_EQ(m->description, "池の向こう");
    EXPECT_EQ(m->creator, "山田");
    EXPECT_EQ(m->location, "北区");
    EXPECT_EQ(m->taken, (TakenDate{2017, 11, 12}));
}

TEST(PhotoMetadata, MissingFilesAndNonPicturesFailCleanly)
{
    EXPECT_EQ(readPhotoMetadata(dataFile("none.jpg")).status(), Status::NotFound);
    const std::vector<std::uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
    EXPECT_EQ(photoMetadataFromBytes(text).status(), Status::Unsupported);
    EXPECT_EQ(photoMetadataFromBytes({}).status(), Status::Unsupported);
    EXPECT_EQ(photoMetadataFromXmp("<x:xmpmeta").status(), Status::Corrupt);
}

TEST(PhotoMetadata, EveryCutOfAFileFailsCleanlyOrKeepsItsDate)
{
    auto bytes = readFile(dataFile("dated.jpg"));
    ASSERT_TRUE(bytes);
    for (std::size_t n = 0; n < bytes->size(); n += 7) {
        auto m = photoMetadataFromBytes(std::span(bytes->data(), n));
        if (m && m->taken) {
            EXPECT_EQ(m->taken, (TakenDate{2015, 8, 9})) << n;
        }
    }
}

TEST(JpegExifBlock, FoundAfterOtherSegmentsAndCutAtTheFileEnd)
{
    // SOI, APP0 of 2 payload bytes, APP1 Exif declared longer than the file.
    const std::vector<std::uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x04, 1, 2, 0xFF, 0xE1, 0x01, 0x00,
                                            'E',  'x',  'i',  'f',  0,    0,    'I', 'I', 42, 0};
    const auto block = jpegExifBlock(jpeg);
    ASSERT_EQ(block.size(), 4u);
    EXPECT_EQ(block[0], 'I');
    EXPECT_TRUE(jpegExifBlock(std::span(jpeg.data(), 10)).empty());
    const std::vector<std::uint8_t> scanFirst = {0xFF, 0xD8, 0xFF, 0xDA, 0x00, 0x02, 0xFF, 0xE1};
    EXPECT_TRUE(jpegExifBlock(scanFirst).empty());
}

TEST(PhotoMetadata, MergeTakesOnlyWhatTheFirstLacks)
{
    PhotoMetadata first;
    first.title = "a";
    PhotoMetadata second;
    second.title = "b";
    second.creator = "c";
    second.taken = TakenDate{2000, 1, 2};
    const PhotoMetadata merged = mergedMetadata(first, second);
    EXPECT_EQ(merged.title, "a");
    EXPECT_EQ(merged.creator, "c");
    EXPECT_EQ(merged.taken, second.taken);
}

} // namespace
} // namespace pictra
