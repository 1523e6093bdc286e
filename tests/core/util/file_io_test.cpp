#include "core/util/file_io.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace pictra {
namespace {

TEST(FileIo, AtomicWriteReplacesTheTargetAndLeavesNoTemporaries)
{
    test::TempDir dir;
    const std::string path = dir.file("a.bin");
    const std::vector<std::uint8_t> first{1, 2, 3}, second{9};
    ASSERT_EQ(writeFileAtomic(path, first), Status::Ok);
    ASSERT_EQ(writeFileAtomic(path, second), Status::Ok);
    auto read = readFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, second);
    int files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(FileIo, FailedAtomicWriteKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    test::TempDir dir;
    const std::string path = dir.file("a.bin");
    ASSERT_EQ(writeFileAtomic(path, std::vector<std::uint8_t>{7}), Status::Ok);
    ::chmod(dir.path().c_str(), 0500);
    EXPECT_EQ(writeFileAtomic(path, std::vector<std::uint8_t>{8}), Status::NoPermission);
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(readFile(path)->at(0), 7);
}

TEST(FileIo, ReadReportsMissingAndTooLarge)
{
    test::TempDir dir;
    EXPECT_EQ(readFile(dir.file("none")).status(), Status::NotFound);
    ASSERT_EQ(writeFile(dir.file("b"), std::vector<std::uint8_t>(10)), Status::Ok);
    EXPECT_EQ(readFile(dir.file("b"), 9).status(), Status::TooLarge);
    EXPECT_EQ(readFile(dir.path()).status(), Status::IoError);
}

} // namespace
} // namespace pictra
