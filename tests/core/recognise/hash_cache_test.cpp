#include "core/recognise/hash_cache.h"

#include "core/util/byte_writer.h"
#include "core/util/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace pictra {
namespace {

const FileStamp kStamp{12345, -7'000'000'001};
const PictureSignature kSignature{0x8000'0000'0000'0001ull, 4000, 3000, 20240131};

TEST(HashCache, FindsOnlyWhileTheStampMatches)
{
    HashCache cache;
    cache.store("/p/a.jpg", kStamp, kSignature);
    EXPECT_EQ(cache.find("/p/a.jpg", kStamp), kSignature);
    EXPECT_FALSE(cache.find("/p/a.jpg", {kStamp.size + 1, kStamp.mtimeNs}));
    EXPECT_FALSE(cache.find("/p/a.jpg", {kStamp.size, kStamp.mtimeNs + 1}));
    EXPECT_FALSE(cache.find("/p/b.jpg", kStamp));
    cache.store(std::string(kMaxCachedPathBytes + 1, 'x'), kStamp, kSignature);
    cache.store("", kStamp, kSignature);
    EXPECT_EQ(cache.size(), 1u);
}

TEST(HashCache, ReadsWhatItWrote)
{
    HashCache cache;
    cache.store("/p/b.jpg", kStamp, kSignature);
    cache.store("/p/ä 写真.tif", {0, 0}, {});
    const auto bytes = cache.serialize();
    const auto read = HashCache::parse(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->size(), 2u);
    EXPECT_EQ(read->find("/p/b.jpg", kStamp), kSignature);
    EXPECT_EQ(read->find("/p/ä 写真.tif", {0, 0}), PictureSignature{});
    EXPECT_EQ(read->serialize(), bytes);
}

// One record laid out by hand at the offsets the header comment gives.
TEST(HashCache, ReadsTheDocumentedLayout)
{
    ByteWriter out(64);
    const auto text = [&](std::string_view t) {
        out.bytes(std::span(reinterpret_cast<const std::uint8_t*>(t.data()), t.size()));
    };
    text("PictraHC");
    out.u32(1);
    out.u32(1);
    out.u16(3);
    text("/a1");
    out.u32(12345);
    out.u32(0);
    out.u32(static_cast<std::uint32_t>(kStamp.mtimeNs));
    out.u32(static_cast<std::uint32_t>(static_cast<std::uint64_t>(kStamp.mtimeNs) >> 32));
    out.u32(1);
    out.u32(0x8000'0000);
    out.u32(4000);
    out.u32(3000);
    out.u32(20240131);
    const auto read = HashCache::parse(out.data());
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read->find("/a1", kStamp), kSignature);
}

TEST(HashCache, RefusesDamagedFiles)
{
    HashCache cache;
    cache.store("/p/a.jpg", kStamp, kSignature);
    const auto good = cache.serialize();
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        const auto parsed = HashCache::parse(std::span(good).first(cut));
        EXPECT_FALSE(parsed.ok()) << cut;
    }
    auto wrong = good;
    wrong[0] = 'X';
    EXPECT_EQ(HashCache::parse(wrong).status(), Status::Corrupt);
    wrong = good;
    wrong[8] = 2; // version
    EXPECT_EQ(HashCache::parse(wrong).status(), Status::Corrupt);
    wrong = good;
    wrong[15] = 0x7F; // a count far beyond the limit
    EXPECT_EQ(HashCache::parse(wrong).status(), Status::Corrupt);
    wrong = good;
    wrong[16] = 0; // empty path
    wrong[17] = 0;
    EXPECT_EQ(HashCache::parse(wrong).status(), Status::Corrupt);
}

TEST(HashCache, SavesAtomicallyAndLoadsDamageAsEmpty)
{
    const test::TempDir dir;
    const std::string path = dir.path() + "/cache/pictra/picture_hashes.bin";
    HashCache cache;
    cache.store("/p/a.jpg", kStamp, kSignature);
    ASSERT_EQ(saveHashCache(path, cache), Status::Ok);
    EXPECT_EQ(loadHashCache(path).find("/p/a.jpg", kStamp), kSignature);
    const std::vector<std::uint8_t> junk{1, 2, 3};
    ASSERT_EQ(writeFile(path, junk), Status::Ok);
    EXPECT_EQ(loadHashCache(path).size(), 0u);
    EXPECT_EQ(loadHashCache(dir.path() + "/none.bin").size(), 0u);
}

TEST(HashCache, LivesInTheUsersCacheFolder)
{
    ::setenv("XDG_CACHE_HOME", "/tmp/xdg-cache", 1);
    EXPECT_EQ(hashCachePath(), "/tmp/xdg-cache/pictra/picture_hashes.bin");
    ::setenv("XDG_CACHE_HOME", "relative", 1);
    ::setenv("HOME", "/home/u", 1);
    EXPECT_EQ(hashCachePath(), "/home/u/.cache/pictra/picture_hashes.bin");
    ::unsetenv("XDG_CACHE_HOME");
    EXPECT_EQ(hashCachePath(), "/home/u/.cache/pictra/picture_hashes.bin");
}

} // namespace
} // namespace pictra
