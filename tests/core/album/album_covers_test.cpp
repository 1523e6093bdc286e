#include "core/album/album_covers.h"

#include "core/album/album_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

// An album of `lengths.size()` entries whose store copies hold `lengths[i]` bytes of value i + 1.
std::string album(const std::vector<int>& lengths)
{
    std::vector<ImageEntry> entries(lengths.size());
    ByteWriter out;
    writeAlbumHead(out, entries);
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        out.i32(lengths[i]);
        out.bytes(std::vector<std::uint8_t>(static_cast<std::size_t>(std::max(0, lengths[i])),
                                            static_cast<std::uint8_t>(i + 1)));
    }
    return std::string(out.data().begin(), out.data().end());
}

TEST(AlbumCovers, TakesTheFirstCopiesAndSkipsMissingOnes)
{
    test::TempDir tmp;
    test::writeBytes(tmp.file("a.abm"), album({0, 5, 7, 9}));
    auto covers = readAlbumCoversFromFile(tmp.file("a.abm"), 2);
    ASSERT_TRUE(covers);
    ASSERT_EQ(covers->size(), 2u);
    EXPECT_EQ((*covers)[0], std::vector<std::uint8_t>(5, 2));
    EXPECT_EQ((*covers)[1], std::vector<std::uint8_t>(7, 3));
    EXPECT_EQ(readAlbumCoversFromFile(tmp.file("none.abm"), 1).status(), Status::NotFound);
}

TEST(AlbumCovers, RefusesDamagedAlbums)
{
    test::TempDir tmp;
    const std::string good = album({5});
    struct Case {
        std::string bytes;
        Status status;
    };
    std::string wrongMagic = good;
    wrongMagic[0] = 'X';
    std::string noZero = good;
    noZero[kAlbumMagic.size()] = '!';
    std::string tooMany = album({});
    tooMany[100] = static_cast<char>(0xE9); // 1001 images
    tooMany[101] = 0x03;
    for (const Case& c : {Case{good.substr(0, 50), Status::Truncated}, Case{wrongMagic, Status::Corrupt},
                          Case{noZero, Status::Corrupt}, Case{tooMany, Status::Corrupt},
                          Case{good.substr(0, good.size() - 1), Status::Truncated},
                          Case{album({-1}), Status::Corrupt}, Case{album({10'000'001}).substr(0, 4000), Status::TooLarge}}) {
        test::writeBytes(tmp.file("bad.abm"), c.bytes);
        EXPECT_EQ(readAlbumCoversFromFile(tmp.file("bad.abm"), 1).status(), c.status);
    }
}

} // namespace
} // namespace pictra
