#include "core/startup/program_folder_setup.h"

#include "core/settings/last_used_folder.h"
#include "core/settings/recent_album_list.h"
#include "core/settings/settings_file.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "support/status_print.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(ProgramFolderSetup, FirstStartCreatesTheTreeAndShippedFilesButNeverOverwrites)
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

} // namespace
} // namespace pictra
