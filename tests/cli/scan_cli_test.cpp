// pictra-cli scan against SANE's test backend: scanners listed, pictures
// saved and appended to the album, settings outside the device refused, a
// missing folder refused before scanning, and a stop signal that still adds
// the pages scanned. Every SANE call in the child is bounded.
#include "core/album/album_file.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

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
    std::string run(const std::string& arguments, int& code, const std::string& environment = {})
    {
        const std::string command = "SANE_CONFIG_DIR=" + dir.file("sane") + " PICTRA_SANE_CALL_LIMIT=30 " +
                                    environment + " " + PICTRA_CLI_PATH + " " + arguments + " 2>" +
                                    dir.file("err.txt");
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

    std::vector<std::string> albumPaths(const std::string& album)
    {
        std::vector<std::string> out;
        auto bytes = readFile(album);
        if (!bytes)
            return out;
        auto contents = parseAlbumFile(*bytes);
        if (!contents)
            return out;
        for (const auto& entry : contents->entries)
            out.emplace_back(fieldText(entry.path));
        return out;
    }

    test::TempDir dir;
};

// The test backend leaks buffers of its own in feeder mode (unloaded with
// it, so the leak checker cannot tell them from ours): feeder runs go
// without it.
constexpr const char* kFeederEnvironment = "ASAN_OPTIONS=detect_leaks=0";

TEST_F(ScanCli, SettingsOutsideTheDeviceAreRefusedNamingWhatItAllows)
{
    const std::string album = dir.file("a.abm");
    const std::string folder = " --folder " + dir.file("pictures") + " ";
    const std::pair<std::string, std::string> cases[] = {
        // 40000 dpi once wrapped to a 3 x 3 picture.
        {"--resolution 40000", "1-1200 dpi"},
        {"--mode lineart", "gray, color"},
        {"--area a4", "200.0 x 200.0 mm"},
    };
    for (const auto& [arguments, allowed] : cases) {
        int code = -1;
        run("scan " + arguments + folder + album, code);
        EXPECT_EQ(code, 2) << arguments;
        EXPECT_NE(err().find(allowed), std::string::npos) << arguments << ": " << err();
        EXPECT_FALSE(fileExists(album));
    }
    int code = -1;
    run("scan --area 0x10" + folder + album, code);
    EXPECT_EQ(code, 2);
}

TEST_F(ScanCli, FeederSourceAddsEveryPage)
{
    const std::string album = dir.file("feed.abm");
    int code = -1;
    run("scan --source feeder --mode gray --resolution 10 --area 20x20 --folder " + dir.file("pictures") + " " + album,
        code, kFeederEnvironment);
    ASSERT_EQ(code, 0) << err();
    EXPECT_EQ(albumPaths(album).size(), 10u);
}

// The feeder reads slowly; the signal comes once the first page is saved.
TEST_F(ScanCli, InterruptAddsThePagesScannedAndFails)
{
    test::writeBytes(dir.file("slow/dll.conf"), "test\n");
    test::writeBytes(dir.file("slow/test.conf"),
                     "number_of_devices 1\nread-delay true\nread-delay-duration 200000\n");
    const std::string album = dir.file("stopped.abm");
    const std::string sane = "SANE_CONFIG_DIR=" + dir.file("slow");
    std::vector<std::string> args = {PICTRA_CLI_PATH, "scan", "--source", "feeder", "--resolution", "20",
                                     "--area", "30x30", "--folder", dir.file("pictures"), album};
    // Put first: the first of two equal names is the one a program sees.
    std::vector<std::string> env = {sane, "PICTRA_SANE_CALL_LIMIT=30", kFeederEnvironment};
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    std::vector<char*> argv, envp;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data()), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);

    // Reads stderr to its end; a child silent for a minute is stopped and fails the test.
    std::string errText;
    bool signalled = false;
    for (;;) {
        pollfd fd{pipeFds[0], POLLIN, 0};
        if (::poll(&fd, 1, 60'000) <= 0) {
            ::kill(child, SIGKILL);
            ADD_FAILURE() << "pictra-cli scan went silent: " << errText;
            break;
        }
        char buf[1024];
        const ssize_t n = ::read(pipeFds[0], buf, sizeof buf);
        if (n <= 0)
            break;
        errText.append(buf, static_cast<std::size_t>(n));
        if (!signalled && errText.find("scanned ") != std::string::npos) {
            ::kill(child, SIGINT);
            signalled = true;
        }
    }
    ::close(pipeFds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(signalled) << errText;
    ASSERT_TRUE(WIFEXITED(status)) << errText;
    EXPECT_EQ(WEXITSTATUS(status), 1) << errText;

    std::size_t scanned = 0;
    for (std::size_t at = 0; (at = errText.find("pictra-cli: scanned ", at)) != std::string::npos; ++at)
        ++scanned;
    const std::vector<std::string> paths = albumPaths(album);
    EXPECT_GE(paths.size(), 1u);
    EXPECT_LT(paths.size(), 10u) << "the feeder was not stopped";
    EXPECT_EQ(paths.size(), scanned);
    EXPECT_NE(errText.find("stopped: the " + std::to_string(paths.size()) + " page(s) scanned before the stop were added"),
              std::string::npos)
        << errText;
    for (const std::string& path : paths)
        EXPECT_TRUE(fileExists(path)) << path;
}

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
