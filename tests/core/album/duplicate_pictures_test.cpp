#include "core/album/duplicate_pictures.h"
#include "core/album/picture_identity.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

namespace pictra {
namespace {

PictureIdentity picture(std::string path, std::optional<FileId> file = {}, std::optional<std::uint64_t> hash = {})
{
    return {std::move(path), file, hash};
}

TEST(DuplicatePictures, SameFileByPathOrByDeviceAndInode)
{
    const std::vector<PictureIdentity> album = {picture("/p/a.jpg", FileId{1, 10}), picture("/p/b.jpg", FileId{1, 11})};
    const std::vector<PictureIdentity> offered = {
        picture("/p/a.jpg"),                   // same path, file gone
        picture("/q/link.jpg", FileId{1, 11}), // another path to b.jpg
        picture("/p/c.jpg", FileId{1, 12}),    // a new file
        picture("/r/b.jpg", FileId{2, 11}),    // same inode on another device
    };
    const std::vector<DuplicatePicture> expected = {{0, "/p/a.jpg", DuplicateKind::SameFile},
                                                    {1, "/p/b.jpg", DuplicateKind::SameFile}};
    EXPECT_EQ(findDuplicatePictures(album, offered), expected);
}

TEST(DuplicatePictures, RepeatsWithinOneAddNameTheFirst)
{
    const std::vector<PictureIdentity> offered = {picture("/p/a.jpg", FileId{1, 10}), picture("/p/b.jpg", FileId{1, 20}),
                                                  picture("/p/./a.jpg", FileId{1, 10})};
    const std::vector<DuplicatePicture> expected = {{2, "/p/a.jpg", DuplicateKind::SameFile}};
    EXPECT_EQ(findDuplicatePictures({}, offered), expected);
}

TEST(DuplicatePictures, EmptyPathsAndUnknownFilesNeverMatch)
{
    const std::vector<PictureIdentity> album = {picture(""), picture("/p/a.jpg")};
    const std::vector<PictureIdentity> offered = {picture(""), picture("/p/b.jpg")};
    EXPECT_TRUE(findDuplicatePictures(album, offered).empty());
}

TEST(DuplicatePictures, SameContentWithinTheHashDistance)
{
    constexpr std::uint64_t kHash = 0xF0F0'1234'5678'9ABCull;
    constexpr std::uint64_t kFourOff = kHash ^ 0x8421ull;
    constexpr std::uint64_t kFiveOff = kHash ^ 0xF800000000000000ull; // and nine from kFourOff
    const std::vector<PictureIdentity> album = {picture("/p/a.jpg", FileId{1, 10}, kHash)};
    const std::vector<PictureIdentity> offered = {picture("/q/a-small.jpg", FileId{1, 30}, kFourOff),
                                                  picture("/q/other.jpg", FileId{1, 31}, kFiveOff),
                                                  picture("/q/unread.jpg", FileId{1, 32})};
    const std::vector<DuplicatePicture> expected = {{0, "/p/a.jpg", DuplicateKind::SameContent}};
    EXPECT_EQ(findDuplicatePictures(album, offered), expected);
}

TEST(DuplicatePictures, SameFileCountsBeforeSameContent)
{
    const std::vector<PictureIdentity> album = {picture("/p/copy.jpg", FileId{1, 9}, 7), picture("/p/a.jpg", FileId{1, 10}, 7)};
    const std::vector<PictureIdentity> offered = {picture("/p/a.jpg", FileId{1, 10}, 7)};
    const std::vector<DuplicatePicture> expected = {{0, "/p/a.jpg", DuplicateKind::SameFile}};
    EXPECT_EQ(findDuplicatePictures(album, offered), expected);
}

TEST(DuplicatePictures, WithoutDuplicatesKeepsTheOthersInOrder)
{
    const std::vector<std::string> paths = {"a", "b", "c", "d"};
    const std::vector<DuplicatePicture> duplicates = {{1, "x", DuplicateKind::SameFile}, {3, "y", DuplicateKind::SameContent}};
    EXPECT_EQ(withoutDuplicates(std::span<const std::string>(paths), duplicates), (std::vector<std::string>{"a", "c"}));
}

TEST(PictureIdentity, NormalisedPathsAndLinksFindTheSameFile)
{
    test::TempDir dir;
    test::writeBytes(dir.file("pics/a.jpg"), "x");
    ASSERT_EQ(::symlink(dir.file("pics/a.jpg").c_str(), dir.file("link.jpg").c_str()), 0);
    ASSERT_EQ(::link(dir.file("pics/a.jpg").c_str(), dir.file("hard.jpg").c_str()), 0);
    const std::vector<std::string> album = {dir.file("pics/a.jpg")};
    const std::vector<std::string> offered = {dir.path() + "/pics/../pics//a.jpg", dir.file("link.jpg"),
                                              dir.file("hard.jpg"), dir.file("missing.jpg")};
    const auto duplicates = findDuplicatePictures(fileIdentities(album), fileIdentities(offered));
    ASSERT_EQ(duplicates.size(), 3u);
    for (std::size_t i = 0; i < duplicates.size(); ++i) {
        EXPECT_EQ(duplicates[i].offered, i);
        EXPECT_EQ(duplicates[i].of, dir.file("pics/a.jpg"));
    }
}

TEST(PictureIdentity, NormalisedPathIsAbsolute)
{
    EXPECT_EQ(normalisedPath("/a/./b/../c/"), "/a/c");
    EXPECT_EQ(normalisedPath(""), "");
    EXPECT_EQ(normalisedPath("x.jpg"), (std::filesystem::current_path() / "x.jpg").string());
}

} // namespace
} // namespace pictra
