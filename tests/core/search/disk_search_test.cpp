// The disk walk over real folder trees, and the hand-over files.
#include "core/album/album_head_read.h"
#include "core/search/album_search.h"
#include "core/search/disk_search.h"
#include "core/search/search_files.h"
#include "core/platform/program_paths.h"
#include "core/util/file_io.h"

#include "search_test_support.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace pictra {
namespace {

using Paths = std::vector<std::string>;

Paths sorted(Paths p)
{
    std::sort(p.begin(), p.end());
    return p;
}

class DiskSearch : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"IMG0001.JPG", "a/img2.bmp", "a/IMG3.tif", "a/b/notes.txt", "a/b/c.pcx"})
            test::writeBytes(dir.file(name), "x");
        std::filesystem::create_directory_symlink(dir.path(), dir.file("a/b/loop"));
        const std::vector<ImageEntry> entries = {
            test::makeEntry({"/photos/beach.jpg", 0, "海辺", ""}),
            test::makeEntry({"/photos/hill.jpg", 0, "山", ""}),
        };
        test::writeBytes(dir.file("a/trip.abm"), test::albumBytes(entries));
        test::writeBytes(dir.file("a/b/damaged.abm"), test::albumBytes(entries).substr(0, 2000));
    }

    Paths search(std::string_view pattern, std::string_view words = "", DiskSearchSummary* summary = nullptr,
                 DiskWords rule = DiskWords::AlbumPatternOnly)
    {
        Paths rows;
        DiskSearchCallbacks callbacks;
        callbacks.found = [&rows](std::span<const std::string> paths) { rows.insert(rows.end(), paths.begin(), paths.end()); };
        const DiskSearchSummary s = searchDisk(dir.path(), pattern, parseSearchWords(words), rule, callbacks);
        if (summary)
            *summary = s;
        return rows;
    }

    test::TempDir dir;
};

TEST_F(DiskSearch, PatternsOverATreeWithALinkLoopAndADamagedAlbum)
{
    const std::string cwd = std::filesystem::current_path();
    DiskSearchSummary summary;
    EXPECT_EQ(sorted(search("*.*", "", &summary)),
              sorted({dir.file("IMG0001.JPG"), dir.file("a/img2.bmp"), dir.file("a/IMG3.tif"), dir.file("a/b/c.pcx"),
                      "/photos/beach.jpg", "/photos/hill.jpg"}));
    EXPECT_EQ(summary.damagedAlbums, 1);
    EXPECT_FALSE(summary.stopped);
    EXPECT_EQ(std::filesystem::current_path(), cwd);

    EXPECT_EQ(sorted(search("IMG")), sorted({dir.file("IMG0001.JPG"), dir.file("a/img2.bmp")}));
    EXPECT_TRUE(search("").empty());
}

// The search dialog and pictra-cli search both go by this rule: the words
// test album entries under "*.abm" only, unless asked for every pattern.
TEST_F(DiskSearch, WordsApplyUnderTheAlbumPatternOrUnderEveryPatternWhenAsked)
{
    const std::string beach = "/photos/beach.jpg", hill = "/photos/hill.jpg";
    const std::string images[] = {dir.file("IMG0001.JPG"), dir.file("a/img2.bmp"), dir.file("a/IMG3.tif"),
                                  dir.file("a/b/c.pcx")};
    struct Case {
        const char* pattern;
        DiskWords rule;
        bool takesWords;
        Paths albumRows;
    };
    const Case cases[] = {
        {"*.abm", DiskWords::AlbumPatternOnly, true, {beach}},
        {"*.ABM", DiskWords::AlbumPatternOnly, true, {beach}},
        {"*.*", DiskWords::AlbumPatternOnly, false, {beach, hill}},
        {"trip", DiskWords::AlbumPatternOnly, false, {beach, hill}},
        {"*.abm", DiskWords::EveryPattern, true, {beach}},
        {"*.*", DiskWords::EveryPattern, true, {beach}},
        {"trip", DiskWords::EveryPattern, true, {beach}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pattern) + (c.rule == DiskWords::EveryPattern ? " every" : " album"));
        EXPECT_EQ(diskSearchTakesWords(c.pattern, c.rule), c.takesWords);
        Paths rows = search(c.pattern, "海", nullptr, c.rule);
        Paths albumRows;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(albumRows),
                     [](const std::string& p) { return p.starts_with("/photos/"); });
        EXPECT_EQ(sorted(albumRows), c.albumRows);
        // Image files are never tested by words.
        if (std::string_view(c.pattern) == "*.*") {
            EXPECT_EQ(rows.size() - albumRows.size(), std::size(images));
        }
    }
}

TEST_F(DiskSearch, AlbumFilesListTheirEntriesThatContainTheWords)
{
    EXPECT_EQ(search("*.abm", "海"), (Paths{"/photos/beach.jpg"}));
    EXPECT_EQ(search("*.abm"), (Paths{"/photos/beach.jpg", "/photos/hill.jpg"}));
    // The words test texts only: a year never matches on disk.
    EXPECT_TRUE(search("*.abm", "0").empty());
}

TEST_F(DiskSearch, StopKeepsTheRowsFoundSoFar)
{
    Paths rows;
    DiskSearchCallbacks callbacks;
    callbacks.proceed = [&rows](std::string_view) { return rows.empty(); };
    callbacks.found = [&rows](std::span<const std::string> paths) { rows.insert(rows.end(), paths.begin(), paths.end()); };
    const DiskSearchSummary summary = searchDisk(dir.path(), "*.*", {}, DiskWords::AlbumPatternOnly, callbacks);
    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(summary.rows, static_cast<int>(rows.size()));
    EXPECT_GE(rows.size(), 1u);
    EXPECT_LT(rows.size(), 6u);
}

TEST_F(DiskSearch, GoesDownTenLevels)
{
    std::string deep = dir.file("d");
    for (int level = 1; level <= 11; ++level) {
        deep += '/';
        deep += std::to_string(level);
        test::writeBytes(deep + "/x.jpg", "x");
    }
    const Paths rows = search("x");
    EXPECT_EQ(rows.size(), 9u); // d is level 1, d/1 ... d/9 hold levels 2 to 10
    EXPECT_TRUE(std::none_of(rows.begin(), rows.end(), [](const std::string& p) { return p.find("/10/x") != std::string::npos; }));
}

TEST(SearchFiles, HandOverKeepsWhatFitsAndSaysWhatNot)
{
    test::TempDir program;
    ASSERT_TRUE(makeFolders(program.file("TEMP")));
    Paths paths;
    for (int i = 0; i < 1002; ++i)
        paths.push_back(std::string("/p/").append(std::to_string(i)).append(".jpg"));
    std::string tooLong(400, 'x');
    tooLong.append(".jpg");
    paths.insert(paths.begin() + 1, tooLong);
    const auto report = writeSearchResults(program.path(), paths);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->written, 1000);
    EXPECT_EQ(report->tooLong, 1);
    EXPECT_EQ(report->beyondLimit, 2);
    const auto taken = takeSearchResults(program.path());
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->count(), 1000);
    EXPECT_EQ(taken->path(1), "/p/1.jpg");
    EXPECT_EQ(takeSearchResults(program.path()).status(), Status::NotFound);
}

TEST(SearchFiles, TemporaryAlbumIsSearchedAndHostileHeadsRefused)
{
    test::TempDir program;
    ASSERT_TRUE(makeFolders(program.file("TEMP")));
    const std::vector<ImageEntry> entries = {test::makeEntry({"/p/a.jpg", 2003, "", ""}),
                                             test::makeEntry({"/p/b.jpg", 2004, "", ""})};
    ASSERT_EQ(writeSearchAlbum(program.path(), entries), Status::Ok);
    const std::string album = tempFilePath(program.path(), kSearchAlbumFile);
    const auto found = searchAlbumFile(album, "*.*", parseSearchWords("2004"));
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, (Paths{"/p/b.jpg"}));

    std::string bytes = test::albumBytes(entries);
    const struct {
        std::size_t at;
        std::string patch;
        Status status;
    } hostile[] = {
        {100, std::string("\x88\x13\0\0", 4), Status::TooLarge}, // 5000 images
        {100, std::string("\xff\xff\xff\xff", 4), Status::Corrupt},
        {100, std::string("\x03\0\0\0", 4), Status::Truncated},  // three promised, two there
        {0, "Pictra version2.0", Status::Corrupt},
    };
    for (const auto& h : hostile) {
        std::string damaged = bytes;
        damaged.replace(h.at, h.patch.size(), h.patch);
        if (h.status == Status::Truncated)
            damaged.resize(104 + 2 * 2162);
        test::writeBytes(album, damaged);
        EXPECT_EQ(readAlbumEntries(album).status(), h.status) << h.at;
    }
    EXPECT_EQ(readAlbumEntries(program.file("none.abm")).status(), Status::NotFound);
}

} // namespace
} // namespace pictra
