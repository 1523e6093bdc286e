#include "core/recognise/relink_album.h"

#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "support/synthetic_scene.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

std::vector<ImageEntry> entriesNamed(const std::vector<std::string>& paths)
{
    std::vector<ImageEntry> entries(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i)
        EXPECT_TRUE(setFieldText(entries[i].path, paths[i]));
    return entries;
}

TEST(ApplyRelinks, RepointsAndRefusesWhatTheAlbumCannotHold)
{
    std::vector<ImageEntry> entries = entriesNamed({"/old/a.jpg", "/old/b.jpg", "/kept/c.jpg", "/old/d.jpg"});
    const std::vector<RelinkChange> changes{
        {0, "/old/a.jpg", "/new/a renamed.jpg"},
        {1, "/old/b.jpg", "/new/c.jpg"},          // entry 2's store copy is c.jpg
        {3, "/old/d.jpg", "/" + std::string(kPathBytes, 'x') + ".jpg"},
        {7, "/old/x.jpg", "/new/x.jpg"},
        {3, "/old/d.jpg", "/new/d.JPG"}};
    const std::vector<RelinkRefusal> refusals = applyRelinks(entries, changes);
    EXPECT_EQ(refusals, (std::vector<RelinkRefusal>{RelinkRefusal::None, RelinkRefusal::StoreNameTaken,
                                                     RelinkRefusal::PathTooLong, RelinkRefusal::NoSuchEntry,
                                                     RelinkRefusal::None}));
    EXPECT_EQ(fieldText(entries[0].path), "/new/a renamed.jpg");
    EXPECT_EQ(fieldText(entries[1].path), "/old/b.jpg");
    EXPECT_EQ(fieldText(entries[3].path), "/new/d.JPG");
}

// The same base name in a new folder is the entry's own store copy.
TEST(ApplyRelinks, AMovedFileKeepsItsOwnStoreName)
{
    std::vector<ImageEntry> entries = entriesNamed({"/old/a.jpg"});
    const std::vector<RelinkChange> moved{{0, "/old/a.jpg", "/new/a.jpg"}};
    EXPECT_EQ(applyRelinks(entries, moved), std::vector<RelinkRefusal>{RelinkRefusal::None});
}

TEST(FindMissingEntries, DescribesMissingEntriesByTheirStoreCopies)
{
    const test::TempDir dir;
    const std::string present = dir.file("here.jpg");
    const auto jpeg = test::encodeWithTurbo(test::makeScene(64, 48, 1), 85, test::TurboSampling::S420);
    ASSERT_EQ(writeFile(present, jpeg), Status::Ok);
    std::vector<ImageEntry> entries = entriesNamed({present, dir.file("gone.jpg"), dir.file("gone too.jpg"), ""});
    entries[1].year = 2001;
    entries[1].month = 2;
    entries[1].day = 3;
    const MissingEntries missing = findMissingEntries(
        entries, [&](int i) { return i == 1 ? jpeg : std::vector<std::uint8_t>{}; }, std::size_t{16} << 20);
    ASSERT_EQ(missing.described.size(), 1u);
    EXPECT_EQ(missing.described[0].entryIndex, 1);
    EXPECT_EQ(missing.described[0].path, dir.file("gone.jpg"));
    EXPECT_EQ(missing.described[0].date, 20010203);
    EXPECT_EQ(missing.described[0].storeSize, (PictureSize{64, 48}));
    EXPECT_EQ(missing.withoutStoreCopy, std::vector<int>{2});
}

TEST(FoundChanges, TakesOnlyWhatWasFound)
{
    const std::vector<RelinkProposal> proposals{
        {0, "/a.jpg", RelinkVerdict::Found, {{"/n/a.jpg", 1, 40}}},
        {1, "/b.jpg", RelinkVerdict::Tie, {{"/n/b.jpg", 1, 40}, {"/m/b.jpg", 1, 40}}},
        {2, "/c.jpg", RelinkVerdict::NotFound, {}}};
    EXPECT_EQ(foundChanges(proposals), (std::vector<RelinkChange>{{0, "/a.jpg", "/n/a.jpg"}}));
}

} // namespace
} // namespace pictra
