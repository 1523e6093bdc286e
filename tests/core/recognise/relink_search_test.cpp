#include "core/recognise/relink_search.h"

#include "core/util/file_io.h"
#include "support/synthetic_scene.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

constexpr std::size_t kCap = std::size_t{64} << 20;

std::vector<std::uint8_t> sceneJpeg(std::uint32_t seed, int quality = 90)
{
    return test::encodeWithTurbo(test::makeScene(320, 240, seed), quality, test::TurboSampling::S420);
}

class RelinkSearchTest : public ::testing::Test {
protected:
    void put(const std::string& name, const std::vector<std::uint8_t>& bytes)
    {
        ASSERT_TRUE(makeFolders(std::string(folderOf(dir.file(name)))));
        ASSERT_EQ(writeFile(dir.file(name), bytes), Status::Ok);
    }
    static std::string_view folderOf(const std::string& path) { return {path.data(), path.rfind('/')}; }

    MissingOriginal missing(int index, std::uint32_t seed)
    {
        auto described = describeMissingOriginal(index, "/gone/IMG_" + std::to_string(index) + ".jpg",
                                                 sceneJpeg(seed, 75), 0, kCap);
        EXPECT_TRUE(described.ok());
        return described ? std::move(*described) : MissingOriginal{};
    }

    RelinkOutcome find(const std::vector<MissingOriginal>& entries, const RelinkProgress& progress = {})
    {
        return findMovedOriginals(entries, {{dir.path()}, albumPaths, kCap}, cache, progress);
    }

    test::TempDir dir;
    HashCache cache;
    std::vector<std::string> albumPaths;
};

TEST_F(RelinkSearchTest, FindsEachOriginalAndReportsTheRest)
{
    put("a/one.jpg", sceneJpeg(1));
    put("b/c/two.jpg", sceneJpeg(2));
    put("b/notes.txt", {1, 2, 3});
    put("b/broken.jpg", {0xFF, 0xD8, 0xFF});
    const RelinkOutcome outcome = find({missing(0, 1), missing(1, 2), missing(2, 3)});
    ASSERT_FALSE(outcome.cancelled);
    EXPECT_EQ(outcome.filesSeen, 3u); // the text file is no picture
    EXPECT_EQ(outcome.filesHashed, 2u);
    ASSERT_EQ(outcome.proposals.size(), 3u);
    EXPECT_EQ(outcome.proposals[0].verdict, RelinkVerdict::Found);
    EXPECT_EQ(outcome.proposals[0].candidates.front().path, dir.file("a/one.jpg"));
    EXPECT_EQ(outcome.proposals[1].candidates.front().path, dir.file("b/c/two.jpg"));
    EXPECT_EQ(outcome.proposals[2].verdict, RelinkVerdict::NotFound);
    EXPECT_EQ(outcome.proposals[2].oldPath, "/gone/IMG_2.jpg");
}

TEST_F(RelinkSearchTest, SecondSearchTakesTheHashesFromTheCache)
{
    put("a/one.jpg", sceneJpeg(1));
    put("a/two.jpg", sceneJpeg(2));
    EXPECT_EQ(find({missing(0, 1)}).filesHashed, 2u);
    const RelinkOutcome again = find({missing(0, 1)});
    EXPECT_EQ(again.filesHashed, 0u);
    EXPECT_EQ(again.proposals[0].verdict, RelinkVerdict::Found);
    put("a/two.jpg", sceneJpeg(3, 80)); // changed: hashed anew
    EXPECT_EQ(find({missing(0, 1)}).filesHashed, 1u);
}

TEST_F(RelinkSearchTest, TwoCopiesOfOneFileAreLeftToTheUser)
{
    put("a/one.jpg", sceneJpeg(1));
    put("backup/one copy.jpg", sceneJpeg(1));
    const RelinkOutcome outcome = find({missing(0, 1)});
    ASSERT_EQ(outcome.proposals.size(), 1u);
    EXPECT_EQ(outcome.proposals[0].verdict, RelinkVerdict::Tie);
    EXPECT_EQ(outcome.proposals[0].candidates.size(), 2u);
}

TEST_F(RelinkSearchTest, AFileTwoEntriesWantIsAChoiceForBoth)
{
    put("a/one.jpg", sceneJpeg(1));
    const RelinkOutcome outcome = find({missing(0, 1), missing(1, 1)});
    ASSERT_EQ(outcome.proposals.size(), 2u);
    EXPECT_EQ(outcome.proposals[0].verdict, RelinkVerdict::Tie);
    EXPECT_EQ(outcome.proposals[1].verdict, RelinkVerdict::Tie);
}

TEST_F(RelinkSearchTest, FilesTheAlbumListsAreNeverProposed)
{
    put("a/one.jpg", sceneJpeg(1));
    albumPaths = {dir.file("a/one.jpg")};
    const RelinkOutcome outcome = find({missing(0, 1)});
    EXPECT_EQ(outcome.filesSeen, 0u);
    EXPECT_EQ(outcome.proposals[0].verdict, RelinkVerdict::NotFound);
}

TEST_F(RelinkSearchTest, CancelStopsAndKeepsWhatWasHashed)
{
    for (int i = 0; i < 6; ++i)
        put("a/" + std::to_string(i) + ".jpg", sceneJpeg(static_cast<std::uint32_t>(i + 1)));
    std::vector<RelinkPhase> phases;
    const RelinkOutcome outcome = find({missing(0, 1)}, [&](RelinkPhase phase, std::size_t, std::size_t total) {
        phases.push_back(phase);
        EXPECT_EQ(total, 6u);
        return false;
    });
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_TRUE(outcome.proposals.empty());
    EXPECT_EQ(phases, std::vector<RelinkPhase>{RelinkPhase::Hashing});
    EXPECT_EQ(cache.size(), outcome.filesHashed);
}

TEST(DescribeMissingOriginal, RefusesAnUnreadableStoreCopy)
{
    EXPECT_EQ(describeMissingOriginal(0, "/a.jpg", {}, 0, kCap).status(), Status::InvalidArgument);
    const std::vector<std::uint8_t> junk(100, 0x42);
    EXPECT_FALSE(describeMissingOriginal(0, "/a.jpg", junk, 0, kCap).ok());
}

TEST(EntryDateNumber, KeepsOnlyPossibleDates)
{
    EXPECT_EQ(entryDateNumber(2003, 4, 5), 20030405);
    EXPECT_EQ(entryDateNumber(0, 0, 0), 0);
    EXPECT_EQ(entryDateNumber(2003, 13, 5), 0);
    EXPECT_EQ(entryDateNumber(2003, 4, 32), 0);
}

} // namespace
} // namespace pictra
