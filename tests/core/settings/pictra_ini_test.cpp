// The key=value settings file: lines it does not know survive, a key is
// found exactly, and the file is replaced whole.
#include "core/settings/pictra_ini.h"

#include "core/platform/program_paths.h"
#include "core/util/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(PictraIni, UnknownLinesSurviveAndKeysAreExact)
{
    PictraIni ini = PictraIni::parse("a.b=1\r\n\n; note\nfuture.key=x=y\na.bc=2");
    EXPECT_EQ(ini.value("a.b"), "1");
    EXPECT_EQ(ini.value("a.bc"), "2");
    EXPECT_EQ(ini.value("future.key"), "x=y");
    EXPECT_FALSE(ini.value("a"));
    ini.set("a.b", "3\nz");
    ini.set("new", "日本語");
    EXPECT_EQ(ini.text(), "a.b=3z\n\n; note\nfuture.key=x=y\na.bc=2\nnew=日本語\n");
    EXPECT_EQ(iniKeyPart("a.b=c%\n"), "a%2Eb%3Dc%25%0A");
    // A line with stray CRs is written the same at every save.
    const std::string saved = PictraIni::parse("k=v\r\r\r\n\r\r").text();
    EXPECT_EQ(saved, "k=v\n\n");
    EXPECT_EQ(PictraIni::parse(saved).text(), saved);
}

TEST(PictraIni, UpdateReadsAfreshAndWritesTheWholeFile)
{
    test::TempDir dir;
    ASSERT_TRUE(makeFolders(dir.file("PARAM")));
    const std::string path = paramFilePath(dir.path(), kPictraIniFile);
    ASSERT_EQ(updatePictraIni(dir.path(), [](PictraIni& ini) { ini.set("one", "1"); }), Status::Ok);
    // Another window's key written meanwhile is kept.
    test::writeBytes(path, "one=1\nother=2\n");
    ASSERT_EQ(updatePictraIni(dir.path(), [](PictraIni& ini) { ini.set("one", "9"); }), Status::Ok);
    auto read = readPictraIni(dir.path());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->text(), "one=9\nother=2\n");

    // A file too big to be ours is left alone.
    test::writeBytes(path, std::string(kMaxPictraIniBytes + 1, 'x'));
    EXPECT_EQ(updatePictraIni(dir.path(), [](PictraIni& ini) { ini.set("one", "1"); }), Status::TooLarge);
    EXPECT_EQ(readFile(path).value().size(), kMaxPictraIniBytes + 1);
}

} // namespace
} // namespace pictra
