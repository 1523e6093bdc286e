#include "core/startup/scratch_files.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace pictra {
namespace {

TEST(ScratchFiles, DeletesOnlyTheFourKindsInTemp)
{
    test::TempDir tmp;
    for (const char* name : {"TEMP/serch.dat", "TEMP/_rgb.DAT", "TEMP/twain_1.bmp", "TEMP/_serch.abm", "TEMP/x.jpg",
                             "TEMP/keep.txt", "TEMP/sub/inner.dat", "PARAM/wrk_mode.dat", "USER/a.abm"})
        test::writeBytes(tmp.file(name), "x");
    EXPECT_EQ(deleteScratchFiles(tmp.path()), 5);
    EXPECT_TRUE(fs::exists(tmp.file("TEMP/keep.txt")));
    EXPECT_TRUE(fs::exists(tmp.file("TEMP/sub/inner.dat")));
    EXPECT_TRUE(fs::exists(tmp.file("PARAM/wrk_mode.dat")));
    EXPECT_TRUE(fs::exists(tmp.file("USER/a.abm")));
    EXPECT_EQ(deleteScratchFiles(""), 0);
}

TEST(ScratchFiles, SpareTheRecoveryCopies)
{
    test::TempDir tmp;
    for (const char* name : {"TEMP/recovery/0123456789abcdef-3-77.abm", "TEMP/recovery/0123456789abcdef.rcv",
                             "TEMP/recovery/running-77", "TEMP/recovery/x.jpg"})
        test::writeBytes(tmp.file(name), "x");
    EXPECT_EQ(deleteScratchFiles(tmp.path()), 0);
    EXPECT_TRUE(fs::exists(tmp.file("TEMP/recovery/0123456789abcdef-3-77.abm")));
    EXPECT_TRUE(fs::exists(tmp.file("TEMP/recovery/0123456789abcdef.rcv")));
    EXPECT_TRUE(fs::exists(tmp.file("TEMP/recovery/running-77")));
    EXPECT_TRUE(fs::exists(tmp.file("TEMP/recovery/x.jpg")));
}

} // namespace
} // namespace pictra
