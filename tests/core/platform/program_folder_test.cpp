#include "core/platform/program_folder.h"

#include "core/platform/program_paths.h"
#include "core/settings/last_used_folder.h"
#include "core/settings/recent_album_list.h"
#include "core/settings/settings_file.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "support/temp_dir.h"
#include "support/status_print.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(ProgramFolder, DirValueElseDataHomeElseHomeButNeverTheRoot)
{
    struct Case {
        std::optional<std::string> dir;
        FolderEnvironment env;
        std::string expected; // "" = NotFound
    };
    const Case cases[] = {
        {"/opt/pictra/", {"/d", "/h"}, "/opt/pictra"},
        {std::nullopt, {"/d", "/h"}, "/d/pictra"},
        {"", {"/d/", "/h"}, "/d/pictra"},
        {"/", {"", "/h"}, "/h/.local/share/pictra"},
        {"C:\\Program Files\\Pictra", {"relative", "/h"}, "/h/.local/share/pictra"},
        {"//", {"/", "/"}, ""},
        {std::nullopt, {"", ""}, ""},
    };
    for (const Case& c : cases) {
        auto folder = programFolderFrom(c.dir, c.env);
        EXPECT_EQ(folder ? *folder : std::string(), c.expected) << (c.dir ? *c.dir : "(none)");
    }
}

TEST(ProgramFolder, FirstStartCreatesTheTreeAndShippedFilesButNeverOverwrites)
{
    test::TempDir dir;
    const std::string folder = dir.file("pictra");
    ASSERT_EQ(ensureProgramFolder(folder), Status::Ok);
    for (const char* sub : {"PARAM", "TEMP", "USER", "CMP", "IMAGE"})
        EXPECT_TRUE(folderExists(folder + "/" + sub)) << sub;
    EXPECT_EQ(loadSettings(folder).value(), defaultWorkModeSettings());
    EXPECT_EQ(loadRecentAlbumList(folder)->count, 0);
    auto folders = loadLastUsedFolder(folder);
    ASSERT_TRUE(folders);
    EXPECT_EQ(fieldText(folders->albumFolder), folder + "/USER/");
    EXPECT_EQ(fieldText(folders->imageFolder), folder + "/IMAGE/");

    WorkModeSettings mine = defaultWorkModeSettings();
    mine.columns = 2;
    ASSERT_EQ(saveSettings(folder, mine), Status::Ok);
    ASSERT_EQ(ensureProgramFolder(folder), Status::Ok);
    EXPECT_EQ(loadSettings(folder)->columns, 2);
}

TEST(ProgramFolder, ResolvedFromTheRegistryStore)
{
    test::TempDir dir;
    RegistryStore store(dir.file("pictra.reg"));
    ASSERT_EQ(store.writeString(kPictraRegistryKey, "_dir", dir.file("here")), Status::Ok);
    EXPECT_EQ(resolveProgramFolder(store).value(), dir.file("here"));
}

} // namespace
} // namespace pictra
