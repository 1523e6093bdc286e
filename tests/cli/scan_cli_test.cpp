// pictra-cli scan against SANE's test backend: scanners listed, pictures
// saved and appended to the album, a missing folder refused before scanning.
#include "core/album/album_file.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace pictra {
namespace {

class ScanCli : public testing::Test {
protected:
    ScanCli()
    {
        test::writeBytes(dir.file("sane/dll.conf"), "test\n");
        test::writeBytes(dir.file("sane/test.conf"), "number_of_devices 2\ntest-picture \"Color pattern\"\n");
        makeFolders(dir.file("pictures"));
    }

    // Runs pictra-cli with the private SANE set-up; stdout, and the exit code in `code`.
    std::string run(const std::string& arguments, int& code)
    {
        const std::string command = "SANE_CONFIG_DIR=" + dir.file("sane") + " " + PICTRA_CLI_PATH + " " +
                                    arguments + " 2>" + dir.file("err.txt");
        std::string out;
        FILE* pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return out;
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, pipe)) > 0;)
            out.append(buf, n);
        const int status = ::pclose(pipe);
        code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return out;
    }

    std::string err()
    {
        auto bytes = readFile(dir.file("err.txt"));
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
    }

    test::TempDir dir;
};

TEST_F(ScanCli, ListsTheScannersOnePerLine)
{
    int code = -1;
    const std::string out = run("scan --list", code);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(out.substr(0, 7), "test:0\t");
    EXPECT_NE(out.find("\ntest:1\t"), std::string::npos);
}

TEST_F(ScanCli, ScansIntoTheFolderAndAppendsToTheAlbum)
{
    const std::string album = dir.file("scans.abm");
    int code = -1;
    run("scan --resolution 20 --folder " + dir.file("pictures") + " " + album, code);
    ASSERT_EQ(code, 0) << err();
    run("scan --resolution 20 --format bmp --device test:1 --folder " + dir.file("pictures") + " " + album, code);
    ASSERT_EQ(code, 0) << err();

    auto bytes = readFile(album);
    ASSERT_TRUE(bytes);
    auto contents = parseAlbumFile(*bytes);
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->entries.size(), 2u);
    const std::string first(fieldText(contents->entries[0].path));
    const std::string second(fieldText(contents->entries[1].path));
    EXPECT_TRUE(first.starts_with(dir.file("pictures/ABM"))) << first;
    EXPECT_TRUE(first.ends_with("_0.jpg")) << first;
    EXPECT_TRUE(second.ends_with(".bmp")) << second;
    EXPECT_NE(first.substr(0, first.size() - 4), second.substr(0, second.size() - 4));
    EXPECT_TRUE(fileExists(first));
    EXPECT_TRUE(fileExists(second));
    EXPECT_FALSE(contents->storeCopies[0].empty());
    EXPECT_FALSE(contents->storeCopies[1].empty());
}

TEST_F(ScanCli, RefusesAMissingFolderAndBadArguments)
{
    int code = -1;
    run("scan --folder " + dir.file("nowhere") + " " + dir.file("a.abm"), code);
    EXPECT_EQ(code, 1);
    EXPECT_NE(err().find("nowhere"), std::string::npos);
    EXPECT_FALSE(fileExists(dir.file("a.abm")));
    run("scan --format png " + dir.file("a.abm"), code);
    EXPECT_EQ(code, 2);
    run("scan --device test:9 --folder " + dir.file("pictures") + " " + dir.file("a.abm"), code);
    EXPECT_EQ(code, 1);
    EXPECT_NE(err().find("no such scanner"), std::string::npos);
}

} // namespace
} // namespace pictra
