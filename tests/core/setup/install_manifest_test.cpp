#include "core/setup/install_manifest.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(InstallManifest, WritesAndReadsBack)
{
    InstallManifest m;
    m.folders = {"/home/u/ABM10", "/home/u/ABM10/PARAM"};
    m.files = {{"/home/u/ABM10/写真 1.jpg", 123, 1700000000123456789}};
    m.defaults = {{"/home/u/.config/mimeapps.list", "application/x-pictra-album", "pictra.desktop"}};
    m.registry = {{"_dir", true, "/old folder"}, {"_dir", false, ""}};
    Result<InstallManifest> back = parseManifest(formatManifest(m));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, m);
}

TEST(InstallManifest, RefusesTheWholeRecordForOneBadLine)
{
    for (const char* text : {"folder\trelative/path\n", "file\tx\t1\t/a\n", "file\t1\t1\n", "remove\t/\n",
                             "registry\t_dir\t2\t\n", "folder\t\n"})
        EXPECT_EQ(parseManifest(std::string("folder\t/ok\n") + text).status(), Status::Corrupt) << text;
}

} // namespace
} // namespace pictra
