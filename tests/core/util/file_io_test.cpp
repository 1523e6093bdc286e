#include "core/util/file_io.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pictra {
namespace {

// Runs `check` under an account that folder permissions bind: inline for an
// ordinary user; for root in a child process that gives `dir` to "nobody"
// and becomes it, since root itself writes into any folder.
bool asOrdinaryUser(const std::string& dir, const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    constexpr uid_t kNobody = 65534;
    if (::chown(dir.c_str(), kNobody, kNobody) != 0)
        return false;
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const bool dropped = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

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
    test::TempDir dir;
    const std::string folder = dir.file("album");
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    ::chmod(dir.path().c_str(), 0711); // so the other account reaches the folder
    const std::string path = folder + "/a.bin";
    ASSERT_EQ(writeFileAtomic(path, std::vector<std::uint8_t>{7}), Status::Ok);
    EXPECT_TRUE(asOrdinaryUser(folder, [&] {
        ::chmod(folder.c_str(), 0500);
        const bool refused = writeFileAtomic(path, std::vector<std::uint8_t>{8}) == Status::NoPermission;
        ::chmod(folder.c_str(), 0700);
        return refused;
    }));
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
