// Word splitting and the pattern and word tests of both searches.
#include "core/search/album_search.h"
#include "core/search/search_locations.h"
#include "core/search/search_match.h"
#include "core/search/search_words.h"
#include "core/util/cp932.h"
#include "core/util/fixed_text.h"

#include "search_test_support.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

using Words = std::vector<std::string>;

TEST(SearchWords, SplitsAtSpacesAndCommas)
{
    struct Case {
        const char* text;
        Words words;
    };
    const Case cases[] = {
        {"", {}},
        {" ", {}},
        {"京都", {"京都"}},
        {"2003,京都", {"2003", "京都"}},
        {"a b,c", {"a", "b", "c"}},
        {",a", {"", "a"}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseSearchWords(c.text).words, c.words) << c.text;
}

TEST(SearchWords, KeepsTenWordsOfAtMost99BytesAndSaysWhatWasLeftOut)
{
    const SearchWords many = parseSearchWords("1 2 3 4 5 6 7 8 9 10 11 12");
    EXPECT_EQ(many.words.size(), 10u);
    EXPECT_EQ(many.words.back(), "10");
    EXPECT_EQ(many.ignored, 2);

    std::string longWord;
    for (int i = 0; i < 40; ++i)
        longWord += "海"; // three bytes each
    const SearchWords cut = parseSearchWords(longWord);
    ASSERT_EQ(cut.words.size(), 1u);
    EXPECT_EQ(cut.words[0].size(), 99u);
    EXPECT_TRUE(isValidUtf8(cut.words[0]));
    EXPECT_EQ(cut.shortened, 1);
}

TEST(AlbumSearchPattern, FixedPatternsTestTheExtensionOthersThePath)
{
    struct Case {
        const char* path;
        const char* pattern;
        bool passes;
    };
    const Case cases[] = {
        {"/p/a.jpg", "*.*", true},         {"/p/a.JPG", "*.*", true},        {"/p/a.bmp", "*.*", true},
        {"/p/a.tif", "*.*", true},         {"/p/a.psd", "*.*", true},        {"/p/a.pcx", "*.*", true},
        {"/p/a.jpeg", "*.*", true},        {"/p/a.JPG", "*.jpg", true},      {"/p/a.bmp", "*.jpg", false},
        {"/p/a.png", "*.*", true},         {"/p/a.HEIC", "*.*", true},       {"/p/a.jxl", "*.*", true},
        {"/p/a.txt", "*.*", false},        {"/p/a.abm", "*.*", false},       {"/p/a.tiff", "*.tif", false},
        {"/p/Kyoto/a.png", "kyoto", true}, {"/p/KYOTO.jpg", "kyoto", true},  {"/p/osaka.jpg", "kyoto", false},
        {"/p/a.jpeg", "*.jpeg", false},    {"/p/a.jpg", "*.jpeg", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(albumEntryPassesPattern(c.path, c.pattern), c.passes) << c.path << " " << c.pattern;
}

TEST(DiskSearchPattern, PrefixForBmpJpgAbmAndStarPatternsByExtension)
{
    struct Case {
        const char* name;
        const char* pattern;
        bool passes;
    };
    const Case cases[] = {
        {"IMG0001.JPG", "IMG", true}, {"img2.bmp", "IMG", true}, {"IMG3.tif", "IMG", false},
        {"trip.abm", "tr", true},     {"a.tif", "*.*", true},    {"a.PCX", "*.*", true},
        {"a.txt", "*.*", false},      {"a.jpeg", "*.*", true},   {"b.ABM", "*.abm", true},
        {"a.webp", "*.*", true},      {"a.avif", "*.*", true},   {"b.abm", "*.*", true},
        {"a.png", "IMG", false},      {"a.gif", "*.jpg", false},
        {"b.jpg", "*.abm", false},    {"IM", "IMG", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(diskFilePassesPattern(c.name, c.pattern), c.passes) << c.name << " " << c.pattern;
}

TEST(SearchWordsMatch, DatesAndDecodedTexts)
{
    const ImageEntry of2003 = test::makeEntry({"/p/a.jpg", 2003, "", ""});
    const ImageEntry inKyoto = test::makeEntry({"/p/b.jpg", 1999, "京都府", ""});
    const ImageEntry neither = test::makeEntry({"/p/c.jpg", 2004, "大阪", "海"});
    const ImageEntry noText = test::makeEntry({"/p/d.jpg", 2004, "", ""});
    const SearchWords words = parseSearchWords("2003,京都");
    EXPECT_TRUE(entryMatchesWords(of2003, words, DateWords::Compared));
    EXPECT_FALSE(entryMatchesWords(of2003, words, DateWords::Ignored));
    EXPECT_TRUE(entryMatchesWords(inKyoto, words, DateWords::Compared));
    EXPECT_FALSE(entryMatchesWords(neither, words, DateWords::Compared));
    EXPECT_TRUE(entryMatchesWords(noText, SearchWords{}, DateWords::Compared));

    const SearchWords empty = parseSearchWords(",x");
    EXPECT_TRUE(entryMatchesWords(neither, empty, DateWords::Ignored));
    EXPECT_FALSE(entryMatchesWords(noText, empty, DateWords::Ignored));

    // In CP932 "ア" is 0x83 0x41: its trail byte is "A". Matching raw bytes
    // would find "A" in it.
    const ImageEntry katakana = test::makeEntry({"/p/e.jpg", 0, "", "ア"});
    ASSERT_NE(fieldText(katakana.memo).find('A'), std::string_view::npos);
    EXPECT_FALSE(entryMatchesWords(katakana, parseSearchWords("A"), DateWords::Ignored));
    EXPECT_TRUE(entryMatchesWords(katakana, parseSearchWords("ア"), DateWords::Ignored));
}

TEST(AlbumSearch, PatternThenWordsInAlbumOrder)
{
    const std::vector<ImageEntry> entries = {
        test::makeEntry({"/p/kyoto/a.jpg", 2003, "", ""}),
        test::makeEntry({"/p/kyoto/b.jpeg", 2003, "", ""}),
        test::makeEntry({"/p/nara/c.JPG", 2001, "京都", ""}),
        test::makeEntry({"/p/nara/d.tif", 2001, "", ""}),
    };
    EXPECT_EQ(searchAlbumEntries(entries, "*.*", parseSearchWords("2003,京都")),
              (Words{"/p/kyoto/a.jpg", "/p/kyoto/b.jpeg", "/p/nara/c.JPG"}));
    EXPECT_EQ(searchAlbumEntries(entries, "*.jpg", parseSearchWords("2003,京都")),
              (Words{"/p/kyoto/a.jpg", "/p/nara/c.JPG"}));
    EXPECT_EQ(searchAlbumEntries(entries, "KYOTO", {}), (Words{"/p/kyoto/a.jpg", "/p/kyoto/b.jpeg"}));
}

TEST(SearchLocations, HomeRootThenVolumesWithTheUsersFiles)
{
    const std::vector<MountedVolume> volumes = {
        {"/", "ext4"},          {"/proc", "proc"},       {"/sys/fs/cgroup", "cgroup2"}, {"/dev/shm", "tmpfs"},
        {"/media/usb", "vfat"}, {"/run/user/1000", "ext4"}, {"/run/media/u/cam", "exfat"}, {"/snap/x/1", "squashfs"},
        {"/home", "btrfs"},
    };
    EXPECT_EQ(searchLocations("/home/u", volumes),
              (Words{"/home/u/", "/", "/media/usb/", "/run/media/u/cam/", "/home/"}));
}

} // namespace
} // namespace pictra
