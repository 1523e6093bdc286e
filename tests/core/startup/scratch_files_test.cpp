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

} // namespace
} // namespace pictra
