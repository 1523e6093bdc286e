#include "core/album/album_file.h"

#include "album_test_support.h"
#include "support/status_print.h"
#include "core/util/fixed_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>

namespace pictra {
namespace {

void putI32(std::vector<std::uint8_t>& b, std::size_t at, std::int32_t v) { std::memcpy(&b[at], &v, 4); }
void putI16(std::vector<std::uint8_t>& b, std::size_t at, std::int16_t v) { std::memcpy(&b[at], &v, 2); }
void putText(std::vector<std::uint8_t>& b, std::size_t at, const char* s) { std::memcpy(&b[at], s, std::strlen(s)); }

// One entry and one 3-byte block, every field placed by hand.
std::vector<std::uint8_t> handBuiltAlbum()
{
    std::vector<std::uint8_t> b(104 + 2162 + 4 + 3, 0);
    putText(b, 0, "Pictra version1.0");
    putI32(b, 100, 1);
    putText(b, 104, "C:\\photos\\cat.jpg");
    putI32(b, 104 + 360, 123456);
    putI16(b, 104 + 364, 1999);
    putI16(b, 104 + 366, 12);
    putI16(b, 104 + 368, 31);
    putText(b, 104 + 370, "author");
    putText(b, 104 + 626, "place");
    putText(b, 104 + 882, "summary");
    putText(b, 104 + 1138, "memo");
    b[104 + 2161] = 'm'; // last byte of the memo field
    putI32(b, 2266, 3);
    putText(b, 2270, "JPG");
    return b;
}

TEST(AlbumFile, HandBuiltFileIsReadAtTheDocumentedOffsets)
{
    const auto bytes = handBuiltAlbum();
    auto album = parseAlbumFile(bytes);
    ASSERT_TRUE(album) << statusName(album.status());
    ASSERT_EQ(album->entries.size(), 1u);
    const ImageEntry& e = album->entries[0];
    EXPECT_EQ(fieldText(e.path), "C:\\photos\\cat.jpg");
    EXPECT_EQ(e.stamp, 123456);
    EXPECT_EQ(e.year, 1999);
    EXPECT_EQ(e.month, 12);
    EXPECT_EQ(e.day, 31);
    EXPECT_EQ(fieldText(e.author), "author");
    EXPECT_EQ(fieldText(e.place), "place");
    EXPECT_EQ(fieldText(e.summary), "summary");
    EXPECT_EQ(fieldText(e.memo), "memo");
    EXPECT_EQ(e.memo[1023], 'm');
    ASSERT_EQ(album->storeCopies[0].size(), 3u);
    EXPECT_EQ(std::memcmp(album->storeCopies[0].data(), "JPG", 3), 0);

    ByteWriter head;
    writeAlbumHead(head, album->entries);
    EXPECT_TRUE(std::equal(head.data().begin(), head.data().end(), bytes.begin()));
}


TEST(AlbumFile, DamagedFilesAreRefusedWithTheirReason)
{
    using Edit = std::function<void(std::vector<std::uint8_t>&)>;
    struct Case {
        const char* name;
        Edit edit;
        Status expected;
    };
    const Case cases[] = {
        {"magic followed by a non-zero byte", [](auto& b) { b[17] = '1'; }, Status::Corrupt},
        {"other magic", [](auto& b) { b[0] = 'p'; }, Status::Corrupt},
        {"empty file", [](auto& b) { b.clear(); }, Status::Corrupt},
        {"magic cut short", [](auto& b) { b.resize(50); }, Status::Truncated},
        {"no count", [](auto& b) { b.resize(102); }, Status::Truncated},
        {"negative count", [](auto& b) { putI32(b, 100, -1); }, Status::Corrupt},
        {"1001 images", [](auto& b) { putI32(b, 100, 1001); }, Status::TooLarge},
        {"huge count", [](auto& b) { putI32(b, 100, INT_MAX); }, Status::TooLarge},
        {"count beyond the entries", [](auto& b) { putI32(b, 100, 2); }, Status::Truncated},
        {"entry cut short", [](auto& b) { b.resize(2000); }, Status::Truncated},
        {"block length missing", [](auto& b) { b.resize(2268); }, Status::Truncated},
        {"block cut short", [](auto& b) { b.resize(2272); }, Status::Truncated},
        {"block longer than the file", [](auto& b) { putI32(b, 2266, 4); }, Status::Truncated},
        {"negative block length", [](auto& b) { putI32(b, 2266, -3); }, Status::Corrupt},
        {"block over 10,000,000 bytes", [](auto& b) { putI32(b, 2266, 10'000'001); }, Status::TooLarge},
        {"path without its ending zero", [](auto& b) { std::memset(&b[104], 'x', 360); }, Status::Corrupt},
    };
    for (const Case& c : cases) {
        auto bytes = handBuiltAlbum();
        c.edit(bytes);
        EXPECT_EQ(parseAlbumFile(bytes).status(), c.expected) << c.name;
    }
}

TEST(AlbumFile, TrailingBytesAndEmptyBlocksAreAccepted)
{
    auto bytes = test::albumFileBytes({{"/a.jpg", "", ""}, {"/b.jpg", "xy", ""}});
    bytes.push_back(0xEE);
    auto album = parseAlbumFile(bytes);
    ASSERT_TRUE(album);
    EXPECT_TRUE(album->storeCopies[0].empty());
    EXPECT_EQ(album->storeCopies[1].size(), 2u);
}

} // namespace
} // namespace pictra
