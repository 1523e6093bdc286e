// The installation stages against a made-up distribution and target, with
// the desktop folders and the registry store inside the test's folder.
#include "core/setup/installation.h"
#include "core/setup/proposed_folder.h"
#include "core/setup/uninstall.h"

#include "core/album/album_file.h"
#include "core/startup/first_album.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace pictra {
namespace {

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void makeExecutable(const std::string& path, const std::string& bytes)
{
    test::writeBytes(path, bytes);
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
}

// An album of one picture, named by its path.
std::string albumNaming(const std::string& picture)
{
    ImageEntry entry;
    (void)setFieldText(entry.path, picture);
    ByteWriter out;
    writeAlbumHead(out, std::span<const ImageEntry>(&entry, 1));
    out.i32(3);
    out.bytes(std::vector<std::uint8_t>{1, 2, 3});
    return std::string(out.data().begin(), out.data().end());
}

class InstallationTest : public ::testing::Test {
protected:
    InstallationTest() : registry(tmp.file("pictra.reg"))
    {
        places = {tmp.file("data"), tmp.file("config")};
        source = tmp.file("medium/ABM10");
        makeExecutable(tmp.file("medium/pictra-setup"), "setup");
        makeExecutable(source + "/pictra", "program");
        makeExecutable(source + "/pictra-cli", "cli");
        makeExecutable(source + "/pictra-setup", "a stray copy of the setup program");
        test::writeBytes(source + "/pictra.pdf", "manual");
        test::writeBytes(source + "/PARAM/wrk_mode.dat", "shipped settings");
        test::writeBytes(source + "/IMAGE/sample1.jpg", "picture");
        test::writeBytes(source + "/USER/sample.abm", albumNaming(source + "/IMAGE/sample1.jpg"));
        test::writeBytes(source + "/icons/hicolor/48x48/apps/pictra.png", "icon");
        options = {source, tmp.file("home/ABM10"), true, true};
    }

    InstallOutcome install(const InstallOptions& o)
    {
        Installation run(o, places, registry);
        run.runAll();
        const InstallOutcome outcome = run.finish();
        for (const InstallFailure& f : run.failures())
            ADD_FAILURE() << "stage " << static_cast<int>(f.stage) << ": " << f.path << ": " << statusName(f.status);
        return outcome;
    }

    bool registered() const
    {
        return registry.readString(kPictraRegistryKey, kProgramFolderValue).has_value() ||
               fs::exists(places.applications() + "/pictra.desktop") ||
               fs::exists(places.mimePackages() + "/pictra.xml") ||
               readText(places.mimeApps()).find("pictra.desktop") != std::string::npos;
    }

    test::TempDir tmp;
    RegistryStore registry;
    DesktopPlaces places;
    std::string source;
    InstallOptions options;
};

TEST_F(InstallationTest, CopiesEveryStageAndRegisters)
{
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    const std::string& t = options.target;
    for (const char* name : {"pictra", "pictra-cli", "pictra.pdf", "PARAM/wrk_mode.dat", "IMAGE/sample1.jpg",
                             "USER/sample.abm", "pictra-uninstall", "uninstall.lst", "TEMP", "CMP"})
        EXPECT_TRUE(fs::exists(t + "/" + name)) << name;
    EXPECT_EQ(readText(t + "/pictra-uninstall"), "setup"); // the one beside the distribution
    EXPECT_EQ(readText(t + "/pictra"), "program");
    EXPECT_EQ(registry.readString(kPictraRegistryKey, "_Dir"), t);
    EXPECT_TRUE(fs::exists(places.icons() + "/48x48/apps/pictra.png"));
    EXPECT_NE(readText(places.applications() + "/pictra.desktop").find("Exec=" + t + "/pictra %f"), std::string::npos);
    EXPECT_NE(readText(places.mimeApps()).find("application/x-pictra-album=pictra.desktop;"), std::string::npos);
    EXPECT_TRUE(fs::exists(places.mimeRoot() + "/application/x-pictra-album.xml")); // the database knows the type

    // The installed sample album names the installed picture, not the medium's.
    auto bytes = readFile(t + "/USER/sample.abm");
    ASSERT_TRUE(bytes);
    auto album = parseAlbumFile(*bytes);
    ASSERT_TRUE(album);
    EXPECT_EQ(fieldText(album->entries[0].path), t + "/IMAGE/sample1.jpg");
    EXPECT_EQ(album->storeCopies[0].size(), 3u);
}

TEST_F(InstallationTest, BothBoxesClearedMakeOnlyFoldersAndKeys)
{
    options.samples = options.program = false;
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    const std::string& t = options.target;
    for (const char* name : {"pictra", "pictra-cli", "pictra.pdf", "PARAM/wrk_mode.dat", "IMAGE/sample1.jpg",
                             "USER/sample.abm"})
        EXPECT_FALSE(fs::exists(t + "/" + name)) << name;
    EXPECT_TRUE(fs::is_directory(t + "/PARAM"));
    EXPECT_TRUE(registered());
}

TEST_F(InstallationTest, IntoTheDistributionItselfCopiesNothing)
{
    options.target = source + "/./";
    Installation run(options, places, registry);
    EXPECT_FALSE(run.copiesFiles());
    run.runAll();
    ASSERT_EQ(run.finish(), InstallOutcome::Installed);
    EXPECT_EQ(readText(source + "/pictra"), "program");
    EXPECT_FALSE(fs::exists(source + "/PARAM.part"));
    EXPECT_FALSE(fs::exists(source + "/TEMP")); // not even the folder stage ran
    EXPECT_TRUE(registered());
}

TEST_F(InstallationTest, ReadOnlyFilesBecomeWritableAndTheSetupProgramStaysBehind)
{
    fs::permissions(source + "/pictra.pdf", fs::perms::owner_read | fs::perms::group_read);
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    EXPECT_NE(fs::status(options.target + "/pictra.pdf").permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_FALSE(fs::exists(options.target + "/pictra-setup"));
}

TEST_F(InstallationTest, ReinstallKeepsTheUsersDataAndRenewsThePrograms)
{
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    test::writeBytes(options.target + "/PARAM/wrk_mode.dat", "the user's settings");
    test::writeBytes(options.target + "/USER/sample.abm", "an album the user edited");
    makeExecutable(source + "/pictra", "program 2");
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    EXPECT_EQ(readText(options.target + "/PARAM/wrk_mode.dat"), "the user's settings");
    EXPECT_EQ(readText(options.target + "/USER/sample.abm"), "an album the user edited");
    EXPECT_EQ(readText(options.target + "/pictra"), "program 2");
}

TEST_F(InstallationTest, CancelAfterTheProgramStageLeavesNothingRegistered)
{
    ASSERT_TRUE(registry.writeString(kPictraRegistryKey, kProgramFolderValue, "/earlier/place") == Status::Ok);
    Installation run(options, places, registry);
    for (InstallStage stage : {InstallStage::Folders, InstallStage::Parameters, InstallStage::Programs})
        run.runStage(stage);
    EXPECT_TRUE(fs::exists(options.target + "/pictra"));
    run.cancel();
    run.runAll();
    EXPECT_EQ(run.finish(), InstallOutcome::Cancelled);
    EXPECT_EQ(registry.readString(kPictraRegistryKey, kProgramFolderValue), "/earlier/place");
    EXPECT_FALSE(fs::exists(places.applications() + "/pictra.desktop"));
    EXPECT_FALSE(fs::exists(options.target)); // what this run made is gone again
}

TEST_F(InstallationTest, AFailureIsReportedAndRegistersNothing)
{
    test::writeBytes(tmp.file("home/file"), "a file where a folder should be");
    options.target = tmp.file("home/file/ABM10");
    Installation run(options, places, registry);
    run.runAll();
    EXPECT_EQ(run.finish(), InstallOutcome::Failed);
    ASSERT_FALSE(run.failures().empty());
    EXPECT_EQ(run.failures().front().stage, InstallStage::Folders);
    EXPECT_FALSE(registered());
}

TEST_F(InstallationTest, RefusesUnusableTargetsAndAMediumWithoutTheProgram)
{
    for (const char* target : {"", "relative/ABM10", "/", "/a\nb"}) {
        options.target = target;
        EXPECT_EQ(Installation::check(options), Status::InvalidArgument) << target;
    }
    options.target = "/" + std::string(kMaxInstallFolderBytes, 'a');
    EXPECT_EQ(Installation::check(options), Status::InvalidArgument);
    options.target = tmp.file("home/ABM10");
    options.source = tmp.file("elsewhere");
    EXPECT_EQ(Installation::check(options), Status::NotFound);
    options.program = false;
    EXPECT_EQ(Installation::check(options), Status::Ok);
}

TEST_F(InstallationTest, UninstallRemovesWhatSetupMadeAndNothingElse)
{
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    const std::string& t = options.target;
    test::writeBytes(t + "/USER/mine.abm", "the user's own album");
    test::writeBytes(t + "/PARAM/wrk_mode.dat", "changed settings");
    test::writeBytes(places.applications() + "/other.desktop", "someone else's entry");

    Result<UninstallReport> report = uninstallPictra(t, places, registry);
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->failed.empty());
    EXPECT_EQ(report->keptChanged, std::vector<std::string>{t + "/PARAM/wrk_mode.dat"});
    for (const char* name : {"pictra", "pictra-cli", "pictra.pdf", "pictra-uninstall", "IMAGE", "TEMP", "uninstall.lst"})
        EXPECT_FALSE(fs::exists(t + "/" + name)) << name;
    EXPECT_TRUE(fs::exists(t + "/USER/mine.abm"));
    EXPECT_TRUE(fs::exists(places.applications() + "/other.desktop"));
    EXPECT_FALSE(registered());
    EXPECT_FALSE(fs::exists(places.mimeRoot() + "/application/x-pictra-album.xml"));
    EXPECT_EQ(uninstallPictra(tmp.file("nothing"), places, registry).status(), Status::NotFound);
}

TEST_F(InstallationTest, WithoutTheProgramNothingNamesIt)
{
    options.program = false;
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    EXPECT_TRUE(fs::exists(options.target + "/IMAGE/sample1.jpg"));
    EXPECT_EQ(registry.readString(kPictraRegistryKey, kProgramFolderValue), options.target);
    std::vector<std::string> entries;
    if (fs::is_directory(places.applications()))
        for (const auto& e : fs::directory_iterator(places.applications()))
            if (e.path().extension() == ".desktop")
                entries.push_back(e.path().filename().string());
    EXPECT_TRUE(entries.empty()) << entries.front();
    EXPECT_FALSE(fs::exists(places.thumbnailers() + "/pictra.thumbnailer"));
    EXPECT_EQ(readText(places.mimeApps()).find("pictra.desktop"), std::string::npos);

    // The program installed later into the same folder brings its entries.
    options.program = true;
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    EXPECT_TRUE(fs::exists(places.applications() + "/pictra.desktop"));
    EXPECT_TRUE(fs::exists(places.applications() + "/pictra-uninstall.desktop"));
}

TEST_F(InstallationTest, UninstallRemovesTheEmptyFoldersItMadeOnly)
{
    fs::create_directories(places.thumbnailers()); // there before: not ours to remove
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    ASSERT_TRUE(fs::exists(places.mimeRoot() + "/mime.cache"));
    ASSERT_TRUE(uninstallPictra(options.target, places, registry));
    EXPECT_FALSE(fs::exists(places.mimeRoot())); // with the database derived from our type
    EXPECT_FALSE(fs::exists(places.applications()));
    EXPECT_FALSE(fs::exists(places.icons()));
    EXPECT_TRUE(fs::is_directory(places.thumbnailers()));
    EXPECT_FALSE(fs::exists(options.target));
    EXPECT_FALSE(fs::exists(tmp.file("home"))); // the missing parent of the folder too

    // A folder that holds someone's file stays, and so does that file.
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    test::writeBytes(places.applications() + "/other.desktop", "someone else's entry");
    test::writeBytes(places.mimePackages() + "/other.xml", "<mime-info/>");
    test::writeBytes(options.target + "/IMAGE/mine.jpg", "the user's picture");
    ASSERT_TRUE(uninstallPictra(options.target, places, registry));
    EXPECT_TRUE(fs::exists(places.applications() + "/other.desktop"));
    EXPECT_TRUE(fs::exists(places.mimePackages() + "/other.xml"));
    EXPECT_TRUE(fs::exists(places.mimeRoot() + "/mime.cache")); // still serves the other type
    EXPECT_TRUE(fs::exists(options.target + "/IMAGE/mine.jpg"));
    EXPECT_FALSE(fs::exists(options.target + "/TEMP"));
}

TEST_F(InstallationTest, TheFirstStartIsHandedTheInstalledSampleAlbumOnce)
{
    EXPECT_EQ(proposedInstallFolder(registry, "/home/u/ABM10"), "/home/u/ABM10");
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    const std::string album = options.target + "/USER/sample.abm";
    EXPECT_EQ(proposedInstallFolder(registry, "/home/u/ABM10"), options.target); // a reinstall goes there again
    EXPECT_EQ(takeFirstAlbum(registry), album);
    EXPECT_EQ(takeFirstAlbum(registry), std::nullopt);

    // A reinstall keeps the user's album and is no first start.
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    EXPECT_EQ(takeFirstAlbum(registry), std::nullopt);

    // Never started: the uninstall takes the value away with the album, and
    // the program-folder value written before this installation's record.
    fs::remove(album);
    fs::remove(options.target + "/uninstall.lst");
    ASSERT_EQ(install(options), InstallOutcome::Installed);
    ASSERT_TRUE(registry.readString(kPictraRegistryKey, kFirstAlbumValue).has_value());
    ASSERT_TRUE(uninstallPictra(options.target, places, registry));
    EXPECT_FALSE(registry.readString(kPictraRegistryKey, kFirstAlbumValue).has_value());
    EXPECT_FALSE(registry.readString(kPictraRegistryKey, kProgramFolderValue).has_value());
    EXPECT_EQ(proposedInstallFolder(registry, "/home/u/ABM10"), "/home/u/ABM10");
}

} // namespace
} // namespace pictra
