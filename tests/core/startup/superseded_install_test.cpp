#include "core/startup/superseded_install.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace pictra {
namespace {

void touch(const fs::path& p)
{
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "x";
}

TEST(SupersededInstall, RemovesOnlyTheListedFilesAndEmptyFolders)
{
    test::TempDir tmp;
    const fs::path f = fs::path(tmp.path()) / "old";
    for (const char* name : {"delabm10.exe", "UPDATE.EXE", "setup.exe", "autorun.inf", "readme.txt",
                             "abm10/pictra.exe", "abm10/ik6com.DLL", "abm10/pictra.pdf", "abm10/pictra.hlp",
                             "abm10/param/wrk_mode.dat", "abm10/image/a.jpg", "abm10/user/x.abm"})
        touch(f / name);
    fs::create_directories(f / "abm10/temp");
    fs::create_directories(f / "abm10/cmp");
    fs::permissions(f / "abm10/pictra.exe", fs::perms::owner_read);
    // Things an old installation did not bring stay.
    for (const char* name : {"mine.txt", "abm10/user/notes.txt", "abm10/image/b.png", "abm10/keep/x.exe"})
        touch(f / name);

    const RemovalReport report = removeSupersededInstallation(f.string());
    EXPECT_EQ(report.filesRemoved, 12);
    EXPECT_FALSE(fs::exists(f / "setup.exe"));
    EXPECT_FALSE(fs::exists(f / "abm10/pictra.exe"));
    EXPECT_FALSE(fs::exists(f / "abm10/param"));
    EXPECT_FALSE(fs::exists(f / "abm10/temp"));
    EXPECT_FALSE(fs::exists(f / "abm10/cmp"));
    EXPECT_TRUE(fs::exists(f / "mine.txt"));
    EXPECT_TRUE(fs::exists(f / "abm10/user/notes.txt"));
    EXPECT_TRUE(fs::exists(f / "abm10/image/b.png"));
    EXPECT_TRUE(fs::exists(f / "abm10/keep/x.exe"));
    EXPECT_TRUE(fs::exists(f / "abm10")); // not empty
}

TEST(SupersededInstall, NeverFollowsLinksOutOfTheFolder)
{
    test::TempDir tmp;
    const fs::path root(tmp.path());
    const fs::path outside = root / "outside";
    for (const char* name : {"setup.exe", "abm10/pictra.exe", "param/wrk_mode.dat", "readme.txt"})
        touch(outside / name);
    const fs::path f = root / "old";
    fs::create_directories(f / "abm10");
    fs::create_symlink(outside / "setup.exe", f / "setup.exe");          // a linked file
    fs::create_symlink(outside / "readme.txt", f / "abm10/evil.exe");  // a link named like a program
    fs::create_symlink(outside / "param", f / "abm10/param");          // a linked folder
    fs::create_symlink(outside / "abm10", root / "linked");             // the named folder is a link

    removeSupersededInstallation(f.string());
    removeSupersededInstallation((root / "linked").string());
    for (const char* name : {"setup.exe", "abm10/pictra.exe", "param/wrk_mode.dat", "readme.txt"})
        EXPECT_TRUE(fs::exists(outside / name)) << name;
    EXPECT_TRUE(fs::is_symlink(f / "abm10/param"));
}

TEST(SupersededInstall, RefusesUnsafeFolderNames)
{
    for (const char* folder : {"", "relative/dir", "/", "/no/such/folder"})
        EXPECT_EQ(removeSupersededInstallation(folder).filesRemoved, 0) << folder;
}

} // namespace
} // namespace pictra
