#include "core/platform/registry_store.h"

#include "core/util/file_io.h"
#include "support/temp_dir.h"
#include "support/status_print.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace pictra {
namespace {

std::string textOf(const std::string& path)
{
    auto bytes = readFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
}

TEST(RegistryText, KeysAndValueNamesAreComparedWithoutCase)
{
    const RegistryData data = parseRegistryText("[Software\\Korvale\\pictra\\1.0]\n"
                                                "\"_DIR\"=\"/opt/pictra\"\r\n"
                                                "\"Wnd_Pt1\"=dword:FFFFFFF6\n");
    const RegistryValue* dir = findRegistryValue(data, kPictraRegistryKey, "_dir");
    ASSERT_NE(dir, nullptr);
    EXPECT_EQ(std::get<std::string>(*dir), "/opt/pictra");
    const RegistryValue* pt = findRegistryValue(data, "SOFTWARE\\KORVALE\\PICTRA\\1.0", "wnd_pt1");
    ASSERT_NE(pt, nullptr);
    EXPECT_EQ(std::get<std::uint32_t>(*pt), 0xFFFFFFF6u);
    EXPECT_EQ(findRegistryValue(data, kPictraRegistryKey, "wnd_pt2"), nullptr);
    EXPECT_TRUE(data.unreadLines.empty());
}

TEST(RegistryText, FormatAndParseRoundTripAwkwardStrings)
{
    RegistryData data;
    const std::string awkward = "C:\\Program Files\\\"quoted\"\nline2 写真";
    setRegistryValue(data, "K", "s", awkward);
    setRegistryValue(data, "k", "S", std::string("replaced"));
    setRegistryValue(data, "K", "n", std::uint32_t{42});
    setRegistryValue(data, "Other", "x", awkward);
    const RegistryData back = parseRegistryText(formatRegistryText(data));
    ASSERT_EQ(back.keys.size(), 2u);
    EXPECT_EQ(std::get<std::string>(*findRegistryValue(back, "K", "s")), "replaced");
    EXPECT_EQ(std::get<std::uint32_t>(*findRegistryValue(back, "K", "N")), 42u);
    EXPECT_EQ(std::get<std::string>(*findRegistryValue(back, "other", "x")), awkward);
    EXPECT_TRUE(deleteRegistryValue(data, "k", "S"));
    EXPECT_FALSE(deleteRegistryValue(data, "k", "S"));
}

TEST(RegistryText, DamagedLinesAreKeptAndTheRestIsRead)
{
    const std::string text = "\"orphan\"=\"before any key\"\n"
                             "[K]\n"
                             "\"good\"=dword:10\n"
                             "\"bad\"=dword:xyz\n"
                             "\"open\"=\"no end\n"
                             "garbage line\n"
                             "\"also\"=\"fine\"\n";
    const RegistryData data = parseRegistryText(text);
    EXPECT_EQ(std::get<std::uint32_t>(*findRegistryValue(data, "K", "good")), 16u);
    EXPECT_EQ(std::get<std::string>(*findRegistryValue(data, "K", "also")), "fine");
    EXPECT_EQ(data.unreadLines.size(), 4u);
    const std::string again = formatRegistryText(data);
    for (const std::string& line : data.unreadLines)
        EXPECT_NE(again.find(line), std::string::npos) << line;
}

TEST(RegistryStore, WritesCreateTheFileAndEachChangeKeepsTheOtherValues)
{
    test::TempDir dir;
    RegistryStore store(dir.file("cfg/Korvale/pictra.reg"));
    EXPECT_EQ(store.readString(kPictraRegistryKey, "_dir"), std::nullopt);
    ASSERT_EQ(store.writeString(kPictraRegistryKey, "_dir", "/srv/pictra"), Status::Ok);
    ASSERT_EQ(store.writeDword("software\\korvale\\pictra\\1.0", "wnd_pt1", 5), Status::Ok);
    EXPECT_EQ(store.readString(kPictraRegistryKey, "_DIR"), "/srv/pictra");
    EXPECT_EQ(store.readDword(kPictraRegistryKey, "wnd_pt1"), 5u);
    EXPECT_EQ(store.readDword(kPictraRegistryKey, "_dir"), std::nullopt); // other type
    ASSERT_EQ(store.deleteValue(kPictraRegistryKey, "_dir"), Status::Ok);
    EXPECT_EQ(store.readString(kPictraRegistryKey, "_dir"), std::nullopt);
    EXPECT_EQ(store.readDword(kPictraRegistryKey, "wnd_pt1"), 5u);
    int files = 0; // no temporary file left beside it
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.file("cfg/Korvale")))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(RegistryStore, AFileTooLargeToBeOursIsNeitherReadNorOverwritten)
{
    test::TempDir dir;
    const std::string path = dir.file("pictra.reg");
    const std::string big(kMaxRegistryFileBytes + 1, 'x');
    test::writeBytes(path, big);
    RegistryStore store(path);
    EXPECT_EQ(store.readString(kPictraRegistryKey, "_dir"), std::nullopt);
    EXPECT_EQ(store.writeDword(kPictraRegistryKey, "wnd_pt1", 1), Status::TooLarge);
    EXPECT_EQ(textOf(path), big);
}

// Restores an environment variable when the test ends.
class SavedVariable {
public:
    explicit SavedVariable(const char* name) : m_name(name)
    {
        const char* v = std::getenv(name);
        m_value = v ? std::optional<std::string>(v) : std::nullopt;
    }
    ~SavedVariable()
    {
        if (m_value)
            ::setenv(m_name, m_value->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_value;
};

TEST(RegistryStore, DefaultPathFollowsTheEnvironment)
{
    SavedVariable registry("PICTRA_REGISTRY"), config("XDG_CONFIG_HOME"), home("HOME");
    ::setenv("PICTRA_REGISTRY", "/x/r.reg", 1);
    EXPECT_EQ(RegistryStore::defaultPath(), "/x/r.reg");
    ::unsetenv("PICTRA_REGISTRY");
    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(RegistryStore::defaultPath(), "/cfg/Korvale/pictra.reg");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    ::setenv("HOME", "/home/kei", 1);
    EXPECT_EQ(RegistryStore::defaultPath(), "/home/kei/.config/Korvale/pictra.reg");
}

} // namespace
} // namespace pictra
