#include "core/platform/program_folder.h"

#include "support/status_print.h"
#include "support/temp_dir.h"

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

TEST(ProgramFolder, ResolvedFromTheRegistryStore)
{
    test::TempDir dir;
    RegistryStore store(dir.file("pictra.reg"));
    ASSERT_EQ(store.writeString(kPictraRegistryKey, "_dir", dir.file("here")), Status::Ok);
    EXPECT_EQ(resolveProgramFolder(store).value(), dir.file("here"));
}

} // namespace
} // namespace pictra
