// The open preview's index of embedded copies and its page extraction.
#include "core/album/album_file.h"
#include "core/album/album_previews.h"
#include "core/util/byte_writer.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pictra {
namespace {

// An album of `count` entries, all named same.jpg, whose copy i is the text "copy<i>".
std::string albumOf(int count)
{
    std::vector<ImageEntry> entries(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        (void)setFieldText(entries[static_cast<std::size_t>(i)].path, "/d" + std::to_string(i) + "/same.jpg");
    ByteWriter out;
    writeAlbumHead(out, entries);
    for (int i = 0; i < count; ++i) {
        const std::string copy = "copy" + std::to_string(i);
        out.i32(static_cast<std::int32_t>(copy.size()));
        for (const char c : copy)
            out.u8(static_cast<std::uint8_t>(c));
    }
    const auto bytes = out.take();
    return std::string(bytes.begin(), bytes.end());
}

std::string contents(const std::string& path)
{
    const auto bytes = readFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("<none>");
}

TEST(AlbumPreviews, PagesAreExtractedByIndexAndOnlyOurFilesCleared)
{
    test::TempDir dir;
    test::writeBytes(dir.file("a.abm"), albumOf(9));
    const auto index = indexAlbumPreviews(dir.file("a.abm"));
    ASSERT_TRUE(index);
    EXPECT_EQ(index->count(), 9);
    const std::string folder = dir.file("TEMP/preview");
    const auto page1 = extractAlbumPreviews(*index, 8, 8, folder);
    ASSERT_EQ(page1.size(), 1u);
    EXPECT_EQ(contents(page1[0]), "copy8");
    const auto page0 = extractAlbumPreviews(*index, 0, 8, folder);
    ASSERT_EQ(page0.size(), 8u);
    // Same file names in different folders: each entry keeps its own copy.
    EXPECT_EQ(contents(page0[0]), "copy0");
    EXPECT_EQ(contents(page0[7]), "copy7");

    test::writeBytes(folder + "/holiday.jpg", "mine");
    clearAlbumPreviews(folder);
    EXPECT_FALSE(fileExists(page0[0]));
    EXPECT_TRUE(fileExists(folder + "/holiday.jpg"));
}

TEST(AlbumPreviews, BadBlocksEndTheIndexAndForeignFilesHaveNone)
{
    test::TempDir dir;
    const std::string good = albumOf(3);
    const std::size_t secondBlock = albumHeadBytes(3) + 4 + 5;
    const struct {
        const char* name;
        std::string bytes;
        int count;
    } cases[] = {
        {"negative", std::string(good).replace(secondBlock, 4, "\xff\xff\xff\xff"), 1},
        {"too long", std::string(good).replace(secondBlock, 4, std::string("\x81\x96\x98\0", 4)), 1},
        {"past the end", good.substr(0, good.size() - 2), 2},
    };
    for (const auto& c : cases) {
        test::writeBytes(dir.file("x.abm"), c.bytes);
        const auto index = indexAlbumPreviews(dir.file("x.abm"));
        ASSERT_TRUE(index) << c.name;
        EXPECT_EQ(index->count(), c.count) << c.name;
    }
    test::writeBytes(dir.file("photo.abm"), "\xFF\xD8 not an album");
    EXPECT_FALSE(indexAlbumPreviews(dir.file("photo.abm")));
}

} // namespace
} // namespace pictra
