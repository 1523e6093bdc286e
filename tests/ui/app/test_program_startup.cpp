#include "app/program_resources.h"
#include "app/program_startup.h"

#include "core/platform/program_paths.h"
#include "core/settings/settings_file.h"
#include "core/startup/first_album.h"
#include "core/util/file_io.h"
#include "support/app_session.h"
#include "support/temp_dir.h"

#include <QtTest>

class TestProgramStartup : public QObject {
    Q_OBJECT
private slots:
    void firstStartCreatesTheFolderNamedByTheRegistryStore()
    {
        pictra::test::TempDir dir;
        pictra::AppState state;
        const std::string folder = dir.file("installed");
        QCOMPARE(state.registry.writeString(pictra::kPictraRegistryKey, "_dir", folder), pictra::Status::Ok);
        QCOMPARE(pictra::prepareProgramFolder(state), pictra::Status::Ok);
        QCOMPARE(state.programFolder, folder);
        QVERIFY(pictra::folderExists(folder + "/CMP"));
        QVERIFY(state.settings == pictra::defaultWorkModeSettings());
        QVERIFY(state.registry.deleteValue(pictra::kPictraRegistryKey, "_dir") == pictra::Status::Ok);
    }

    void zeroedSettingsFileGivesUsableSettingsAndStaysAsItIs()
    {
        pictra::test::TempDir dir;
        pictra::AppState state;
        const std::string folder = dir.file("installed");
        QCOMPARE(state.registry.writeString(pictra::kPictraRegistryKey, "_dir", folder), pictra::Status::Ok);
        const std::string settingsFile = pictra::paramFilePath(folder, pictra::kWorkModeFile);
        pictra::test::writeBytes(settingsFile, std::string(pictra::kWorkModeSettingsBytes, '\0'));
        QCOMPARE(pictra::prepareProgramFolder(state), pictra::Status::Ok);
        QVERIFY(state.settings.columns >= 1 && state.settings.rows >= 1);
        QVERIFY(state.settings.imageBufferMb >= 1);
        const auto stored = pictra::readFile(settingsFile);
        QVERIFY(stored.ok() && *stored == std::vector<std::uint8_t>(pictra::kWorkModeSettingsBytes, 0));
        QVERIFY(state.registry.deleteValue(pictra::kPictraRegistryKey, "_dir") == pictra::Status::Ok);
    }

    void firstStartAfterSetupOpensTheInstalledSampleAlbum()
    {
        // A program folder as pictra-setup leaves it: samples made from the
        // distribution, the album named for the first start.
        pictra::test::TempDir dir;
        const std::string folder = dir.file("ABM10");
        pictra::AppState installer;
        QCOMPARE(pictra::prepareProgramFolderAt(installer, folder), pictra::Status::Ok);
        const std::optional<std::string> album = pictra::makeSampleData(installer);
        QVERIFY(album);
        QCOMPARE(installer.registry.writeString(pictra::kPictraRegistryKey, pictra::kFirstAlbumValue, *album),
                 pictra::Status::Ok);

        pictra::AppState state;
        pictra::test::ScriptedPrompts prompts;
        auto frame = pictra::test::startProgram(state, prompts, folder);
        QVERIFY(frame);
        QCOMPARE(state.albums->openCount, 1);
        QVERIFY(state.albums->working.imageCount > 0); // the samples, not an empty new album
        QVERIFY(!state.registry.readString(pictra::kPictraRegistryKey, pictra::kFirstAlbumValue));
        QVERIFY(state.registry.deleteValue(pictra::kPictraRegistryKey, "_dir") == pictra::Status::Ok);
    }
};

QTEST_MAIN(TestProgramStartup)
#include "test_program_startup.moc"
