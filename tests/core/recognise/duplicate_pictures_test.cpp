#include "core/recognise/duplicate_pictures.h"
#include "core/recognise/picture_identity.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>

namespace pictra {
namespace {

PictureIdentity picture(std::string path, std::optional<FileId> file = {}, std::optional<PictureContent> content = {})
{
    return {std::move(path), file, content};
}

// A look of soft waves, moved by `shift` cells and with ±`noise` added in
// a checkerboard: noise is like a re-encode, a shift like another shot.
PictureContent content(std::uint64_t hash, double shift = 0, int noise = 0)
{
    PictureContent c{hash, {}};
    for (int y = 0; y < kLookHeight; ++y)
        for (int x = 0; x < kLookWidth; ++x) {
            const double wave = 128 + 60 * std::sin((x + shift) * 0.5) * std::cos(y * 0.4);
            const double level = wave + ((x + y) % 2 != 0 ? noise : -noise);
            for (int k = 0; k < 3; ++k)
                c.look[static_cast<std::size_t>((y * kLookWidth + x) * 3 + k)] = static_cast<std::uint8_t>(level);
        }
    return c;
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

// Both the hash and the look must agree: the hash a few bits, the look
// differing by noise rather than by moved edges.
TEST(DuplicatePictures, SameContentByHashAndLook)
{
    constexpr std::uint64_t kHash = 0xF0F0'1234'5678'9ABCull;
    constexpr std::uint64_t kSixOff = kHash ^ 0x8421'0003ull;
    constexpr std::uint64_t kSevenOff = kHash ^ 0xFE00000000000000ull;
    const std::vector<PictureIdentity> album = {picture("/p/a.jpg", FileId{1, 10}, content(kHash))};
    const std::vector<PictureIdentity> offered = {
        picture("/q/a-small.jpg", FileId{1, 30}, content(kSixOff, 0, 3)), // re-encoded smaller
        picture("/q/other.jpg", FileId{1, 31}, content(kSevenOff)),        // the hash too far
        picture("/q/burst.jpg", FileId{1, 32}, content(kHash, 1.0)),       // the look moved
        picture("/q/unread.jpg", FileId{1, 33}),                         // no content
    };
    const std::vector<DuplicatePicture> expected = {{0, "/p/a.jpg", DuplicateKind::SameContent}};
    EXPECT_EQ(findDuplicatePictures(album, offered), expected);
}

TEST(DuplicatePictures, SameFileCountsBeforeSameContent)
{
    const std::vector<PictureIdentity> album = {picture("/p/copy.jpg", FileId{1, 9}, content(7)),
                                                picture("/p/a.jpg", FileId{1, 10}, content(7))};
    const std::vector<PictureIdentity> offered = {picture("/p/a.jpg", FileId{1, 10}, content(7))};
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
