// Recovery after a crash: a program killed after changes leaves recovery
// copies, the next start offers them and restores exactly the changed
// albums; damaged copies are reported and kept aside; a save removes the
// copy and an exit with undecided changes keeps it.
#include "support/app_session.h"
#include "support/modal_dialogs.h"

#include "core/album/album_changes.h"
#include "core/album/album_file.h"
#include "core/album/window_records.h"
#include "core/document/album_names.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/drop_handler.h"
#include "ui/recovery/c_recovery_dlg.h"
#include "ui/recovery/recovery_keeper.h"

#include <QApplication>
#include <QListWidget>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>
#include <filesystem>
#include <map>

namespace fs = std::filesystem;
using namespace pictra;

namespace {

// Set for the copy of this test program that plays the program to be killed.
constexpr const char* kChildVariable = "PICTRA_RECOVERY_TEST_CHILD";
constexpr const char* kSampleMemo = "落ちる前に書いたメモ";

std::string authorOf(int i) { return "作者 " + std::to_string(i); }
std::string memoOf(int i) { return "メモ\n" + std::to_string(i) + " 行目"; }

std::vector<std::string> pictures(const std::string& root)
{
    std::vector<std::string> paths;
    for (int i = 0; i < 3; ++i)
        paths.push_back(root + "/img/p" + std::to_string(i) + ".jpg");
    return paths;
}

void markChanged(AlbumTable& t)
{
    markAlbumChanged(t.working);
    mirrorToActiveSlot(t);
}

// Waits until every change is in its recovery copy.
bool waitForCopies(ui::RecoveryKeeper& keeper)
{
    QSignalSpy written(&keeper, &ui::RecoveryKeeper::copiesWritten);
    while (!keeper.upToDate()) {
        keeper.checkNow();
        if (!keeper.writing() && keeper.upToDate())
            break;
        if (!written.wait(30000))
            return false;
    }
    return true;
}

// The program to be killed: changes the sample album and a new one, waits
// for their copies, says "ready" and runs until it is killed.
int runChild(const std::string& root)
{
    AppState state;
    test::ScriptedPrompts prompts;
    auto frame = test::startProgram(state, prompts, root + "/program");
    AlbumTable& t = *state.albums;
    if (t.openCount != 1 || t.working.imageCount == 0)
        return 3; // the first start opens the sample album
    setFieldText(t.working.images[0].memo, kSampleMemo);
    markChanged(t);

    frame->documents().newAlbum();
    frame->drops().dropFiles(pictures(root));
    if (t.working.imageCount != 3)
        return 4;
    for (int i = 0; i < 3; ++i) {
        setFieldText(t.working.images[static_cast<std::size_t>(i)].author, authorOf(i));
        setFieldText(t.working.images[static_cast<std::size_t>(i)].memo, memoOf(i));
    }
    markChanged(t);
    if (!waitForCopies(frame->recovery()))
        return 5;
    std::printf("ready\n");
    std::fflush(stdout);
    return QApplication::exec();
}

std::map<std::string, std::string> filesUnder(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& item : fs::recursive_directory_iterator(folder)) {
        if (item.is_regular_file()) {
            const auto bytes = readFile(item.path().string());
            files[item.path().string()] = std::string(bytes->begin(), bytes->end());
        }
    }
    return files;
}

int slotOf(const AlbumTable& t, const std::string& path)
{
    for (int i = 0; i < t.openCount; ++i) {
        if (fieldText(t.windowSlots[static_cast<std::size_t>(i)].path) == path)
            return i;
    }
    return -1;
}

// A recovery copy of a one-picture album left by a program that died.
struct LeftCopy {
    explicit LeftCopy(const test::TempDir& tmp) : programFolder(tmp.file("program")), albumPath(tmp.file("a/旅行.abm"))
    {
        auto album = std::make_unique<AlbumRecord>();
        setFieldText(album->path, albumPath);
        const std::string image = tmp.file("img/x.jpg");
        test::writeJpeg(image, 32, 24, 9);
        setFieldText(album->images[0].path, image);
        test::writeBytes(storeCopyPath(programFolder, albumPath, image), "jpeg");
        album->imageCount = 1;
        markAlbumChanged(*album);
        const ProcessIdentity dead{static_cast<int>(::getpid()), currentProcess().startTicks + 1};
        [&] { QCOMPARE(writeRunMarker(programFolder, dead), Status::Ok); }();
        [&] { QCOMPARE(writeRecoveryCopy(takeRecoverySnapshot(*album, 1'700'000'000, dead), programFolder), Status::Ok); }();
        fs::remove_all(StoreFolder(programFolder, albumPath));
        for (const auto& item : fs::directory_iterator(recoveryFolder(programFolder))) {
            if (item.path().extension() == ".abm")
                copyPath = item.path().string();
        }
    }
    std::string programFolder;
    std::string albumPath;
    std::string copyPath;
};

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    void aKilledProgramsChangesAreRestoredExactly()
    {
        test::TempDir tmp;
        std::uint32_t seed = 1; // each its own picture, or the duplicate guard would ask
        for (const std::string& picture : pictures(tmp.path()))
            test::writeJpeg(picture, 64, 48, seed++);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable), QString::fromStdString(tmp.path()));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {});
        QByteArray said;
        while (!said.contains("ready") && child.waitForReadyRead(60000))
            said += child.readAllStandardOutput();
        QVERIFY2(said.contains("ready"), qPrintable(QStringLiteral("the program ended with %1").arg(child.exitCode())));
        const auto childPid = static_cast<pid_t>(child.processId());
        ::kill(childPid, SIGKILL);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        const std::string programFolder = tmp.file("program");
        const auto left = readRunMarkers(programFolder);
        QCOMPARE(left.size(), std::size_t{1});
        QCOMPARE(left[0].pid, static_cast<int>(childPid));
        const std::string samplePath = programFolder + "/USER/サンプル.abm";
        const auto sampleFile = readFile(samplePath);
        QVERIFY(sampleFile.ok());
        const auto sampleEntries = parseAlbumHead(*sampleFile);
        QVERIFY(sampleEntries.ok());
        // The pictures must come from the recovery copies alone.
        const std::map<std::string, std::string> storeCopies = filesUnder(programFolder + "/CMP");
        QVERIFY(storeCopies.size() > 3);
        fs::remove_all(programFolder + "/CMP");
        fs::create_directories(programFolder + "/CMP");

        // The next start, with the real dialogs: the offer lists both albums.
        AppState state;
        (void)state.registry.writeString(kPictraRegistryKey, "_dir", programFolder);
        int listed = 0;
        const auto expected101 = test::whenDialogOpens([&](QDialog& dialog) {
            auto* offer = qobject_cast<ui::CRecoveryDlg*>(&dialog);
            if (!offer)
                return;
            listed = offer->list()->count();
            QVERIFY(test::saveArtifact(dialog, "recovery_offer.png"));
            dialog.accept();
        });
        StartOptions options;
        options.splashMs = 0;
        options.programDir = qEnvironmentVariable("PICTRA_BINARY_DIR").toStdString() + "/src/app";
        auto frame = startPictra(state, options);
        QCOMPARE(listed, 2);
        // The dead program's marker goes; this program's own takes its place.
        QCOMPARE(readRunMarkers(programFolder), std::vector<ProcessIdentity>{frame->recovery().self()});

        AlbumTable& t = *state.albums;
        QCOMPARE(t.openCount, 2);
        const int sample = slotOf(t, samplePath);
        QVERIFY(sample >= 0);
        const int untitled = 1 - sample;
        const AlbumRecord& s = t.windowSlots[static_cast<std::size_t>(sample)];
        const AlbumRecord& u = t.windowSlots[static_cast<std::size_t>(untitled)];
        QVERIFY(albumChanged(s));
        QVERIFY(albumChanged(u));
        QVERIFY(isUntitledAlbum(fieldText(u.path)));
        QVERIFY(ui::CChildFrame::find(*frame->mdi(), s.viewId)->windowTitle().endsWith(QStringLiteral(" *")));

        QCOMPARE(s.imageCount, static_cast<int>(sampleEntries->size()));
        for (int i = 0; i < s.imageCount; ++i) {
            const ImageEntry& got = s.images[static_cast<std::size_t>(i)];
            const ImageEntry& filed = (*sampleEntries)[static_cast<std::size_t>(i)];
            QCOMPARE(fieldText(got.path), fieldText(filed.path));
            QCOMPARE(fieldText(got.memo), i == 0 ? std::string_view(kSampleMemo) : fieldText(filed.memo));
        }
        QCOMPARE(u.imageCount, 3);
        for (int i = 0; i < 3; ++i) {
            const ImageEntry& got = u.images[static_cast<std::size_t>(i)];
            QCOMPARE(std::string(fieldText(got.path)), pictures(tmp.path())[static_cast<std::size_t>(i)]);
            QCOMPARE(std::string(fieldText(got.author)), authorOf(i));
            QCOMPARE(std::string(fieldText(got.memo)), memoOf(i));
        }
        QCOMPARE(filesUnder(programFolder + "/CMP"), storeCopies);
        // The album files themselves were never touched.
        QCOMPARE(readFile(samplePath)->size(), sampleFile->size());
        QVERIFY(!fileExists(std::string(fieldText(u.path))));
    }

    void aDamagedCopyIsReportedAndKeptAside()
    {
        test::TempDir tmp;
        const LeftCopy left(tmp);
        const auto bytes = readFile(left.copyPath);
        test::writeBytes(left.copyPath, std::string(bytes->begin(), bytes->end() - 10));

        AppState state;
        test::ScriptedPrompts prompts;
        auto frame = test::startProgram(state, prompts, left.programFolder);
        QCOMPARE(state.albums->openCount, 1); // the sample album only
        QVERIFY(prompts.asked.filter(QStringLiteral("壊れている")).size() == 1);
        QVERIFY(prompts.asked.filter(QStringLiteral("旅行.abm")).size() == 1);
        QVERIFY(fileExists(left.copyPath + ".damaged"));
        QVERIFY(fileExists(recoveryPathFor(left.programFolder, left.albumPath) + ".damaged"));
        QVERIFY(!fileExists(left.copyPath));
    }

    void aDeclinedCopyIsDiscarded()
    {
        test::TempDir tmp;
        const LeftCopy left(tmp);
        AppState state;
        test::ScriptedPrompts prompts;
        prompts.yesNoAnswers << false;
        auto frame = test::startProgram(state, prompts, left.programFolder);
        QCOMPARE(prompts.asked.size(), 1);
        QVERIFY(prompts.asked[0].contains(QStringLiteral("旅行.abm")));
        QCOMPARE(state.albums->openCount, 1);
        QVERIFY(!fileExists(left.copyPath));
        QVERIFY(!fileExists(recoveryPathFor(left.programFolder, left.albumPath)));
    }

    void aSaveRemovesTheCopyAndAnExitWithUndecidedChangesKeepsIt()
    {
        test::StartedProgram p;
        auto& [tmp, state, prompts, frame] = p;
        AlbumTable& t = *state.albums;
        const std::string samplePath(fieldText(t.working.path));
        setFieldText(t.working.images[0].place, "場所");
        markChanged(t);
        frame->documents().newAlbum();
        const std::string picture = tmp.file("img/y.jpg");
        test::writeJpeg(picture, 32, 24, 4);
        frame->drops().dropFiles({picture});
        markChanged(t);
        const std::string untitledPath(fieldText(t.working.path));
        QVERIFY(waitForCopies(frame->recovery()));
        QVERIFY(fileExists(recoveryPathFor(state.programFolder, untitledPath)));
        QVERIFY(fileExists(recoveryPathFor(state.programFolder, samplePath)));

        prompts.fileAnswers << QString::fromStdString(tmp.file("saved/y.abm"));
        fs::create_directories(tmp.file("saved"));
        frame->documents().save();
        QVERIFY(!fileExists(recoveryPathFor(state.programFolder, untitledPath)));
        QVERIFY(!albumChanged(t.working));

        frame->runExitSteps(); // the sample album's changes were never decided on
        QVERIFY(fileExists(recoveryPathFor(state.programFolder, samplePath)));
        QCOMPARE(readRunMarkers(state.programFolder), std::vector<ProcessIdentity>{frame->recovery().self()});
        // Once this program is gone, the next start offers it.
        removeRunMarker(state.programFolder, frame->recovery().self());
        const RecoveryFolderScan scan = scanRecoveryFolder(state.programFolder, {12345678, 1});
        QCOMPARE(scan.recoverable.size(), std::size_t{1});
        QCOMPARE(scan.recoverable[0].note.albumPath, samplePath);
    }

    void anExitWithoutChangesLeavesNothing()
    {
        test::StartedProgram p;
        auto& [tmp, state, prompts, frame] = p;
        QCOMPARE(readRunMarkers(state.programFolder).size(), std::size_t{1});
        frame->runExitSteps();
        QVERIFY(fs::is_empty(recoveryFolder(state.programFolder)));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (const QString root = qEnvironmentVariable(kChildVariable); !root.isEmpty())
        return runChild(root.toStdString());
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_recovery.moc"
