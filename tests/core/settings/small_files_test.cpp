#include "core/album/name_list_file.h"
#include "core/settings/last_used_folder.h"
#include "core/settings/window_placement.h"

#include "core/settings/settings_file.h"
#include "core/util/fixed_text.h"
#include "support/status_print.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>

namespace pictra {
namespace {

TEST(LastUsedFolder, ThreeFoldersAt0And360And720)
{
    std::vector<std::uint8_t> bytes(kLastUsedFolderBytes, 0);
    std::memcpy(&bytes[0], "/albums/", 8);
    std::memcpy(&bytes[360], "/pics/", 6);
    std::memcpy(&bytes[720], "C:\\old\\", 7);
    const LastUsedFolder f = decodeLastUsedFolder(bytes);
    EXPECT_EQ(fieldText(f.albumFolder), "/albums/");
    EXPECT_EQ(fieldText(f.imageFolder), "/pics/");
    EXPECT_EQ(fieldText(f.unused), "C:\\old\\");
    EXPECT_EQ(encodeLastUsedFolder(f), bytes);
    EXPECT_EQ(folderWithSeparator("/a/b/c.abm"), "/a/b/");
    EXPECT_EQ(folderWithSeparator("c.abm"), "");
}

TEST(NameList, CountThenPathsOf360Bytes)
{
    FileNameList names;
    ASSERT_TRUE(names.add("/p/one.jpg"));
    ASSERT_TRUE(names.add("/p/two.bmp"));
    const auto bytes = encodeNameList(names);
    ASSERT_EQ(bytes.size(), 4u + 2 * 360);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(std::memcmp(&bytes[4], "/p/one.jpg", 11), 0);
    EXPECT_EQ(std::memcmp(&bytes[364], "/p/two.bmp", 11), 0);
    auto back = parseNameList(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, names);
}

TEST(NameList, DamagedFilesAreRefused)
{
    FileNameList one;
    ASSERT_TRUE(one.add("/p/a.jpg"));
    auto bytes = encodeNameList(one);
    struct Case {
        std::int32_t count;
        std::size_t keep;
        Status expected;
    };
    for (const Case& c : {Case{-1, 364, Status::Corrupt}, Case{1001, 364, Status::TooLarge},
                          Case{2, 364, Status::Truncated}, Case{1, 200, Status::Truncated},
                          Case{1, 3, Status::Truncated}}) {
        auto damaged = bytes;
        std::memcpy(damaged.data(), &c.count, 4);
        damaged.resize(c.keep);
        EXPECT_EQ(parseNameList(damaged).status(), c.expected) << c.count << " " << c.keep;
    }
    std::fill(bytes.begin() + 4, bytes.end(), 'x'); // no terminating zero
    EXPECT_EQ(parseNameList(bytes).status(), Status::Corrupt);
}


TEST(FileNameList, HoldsAtMost1000PathsThatFitTheirField)
{
    FileNameList names;
    EXPECT_FALSE(names.add(std::string(360, 'x')));
    EXPECT_TRUE(names.add(std::string(359, 'x')));
    for (int i = 1; i < 1000; ++i)
        ASSERT_TRUE(names.add("/p/" + std::to_string(i)));
    EXPECT_TRUE(names.full());
    EXPECT_FALSE(names.add("/p/more"));
    EXPECT_EQ(names.count(), 1000);
}

TEST(WindowPlacement, AnyMissingOrNonsensicalValueGivesTheFallback)
{
    using V = StoredPlacement;
    const auto neg = [](std::int32_t v) { return static_cast<std::uint32_t>(v); };
    struct Case {
        V values;
        WindowPlacement expected;
    };
    const Case cases[] = {
        {V{10, 20, 810, 620}, {10, 20, 800, 600}},
        {V{neg(-1600), neg(-10), 0, 900}, {-1600, -10, 1600, 910}},
        {V{std::nullopt, 20, 810, 620}, kFallbackPlacement},
        {V{10, 20, 810, std::nullopt}, kFallbackPlacement},
        {V{810, 20, 10, 620}, kFallbackPlacement},
        {V{10, 20, 10, 620}, kFallbackPlacement},
    };
    for (const Case& c : cases)
        EXPECT_EQ(placementFromValues(c.values), c.expected);
}

TEST(WindowPlacement, RestoredOnlyWhenNotMaximisedAndRestoringIsOn)
{
    WorkModeSettings s = defaultWorkModeSettings();
    const StoredPlacement values{1, 2, 3, 4};
    s.mainMaximized = 0;
    s.restorePlacement = 1;
    EXPECT_EQ(startPlacement(s, values), (WindowPlacement{1, 2, 2, 2}));
    s.mainMaximized = 1;
    EXPECT_EQ(startPlacement(s, values), std::nullopt);
    s.mainMaximized = 0;
    s.restorePlacement = 0;
    EXPECT_EQ(startPlacement(s, values), std::nullopt);
}

TEST(WindowPlacement, SavedValuesReadBack)
{
    test::TempDir dir;
    RegistryStore registry(dir.file("r/pictra.reg"));
    EXPECT_EQ(placementFromValues(readStoredPlacement(registry)), kFallbackPlacement);
    const WindowPlacement p{-200, 30, 900, 700};
    ASSERT_EQ(saveWindowPlacement(registry, p), Status::Ok);
    EXPECT_EQ(placementFromValues(readStoredPlacement(registry)), p);
    EXPECT_EQ(registry.readDword(kPictraRegistryKey, "wnd_pt3"), 700u);
}

} // namespace
} // namespace pictra
