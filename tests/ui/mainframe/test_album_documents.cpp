// Opening and saving albums through the main window: the shell's open
// command, albums whose store folders would clash, failed saves, the
// ten-window limit and the settings' effect on start-up.
#include "support/app_session.h"

#include "core/commands/command_ids.h"
#include "core/commands/open_command.h"
#include "core/settings/last_used_folder.h"
#include "core/settings/recent_album_list.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/dialogs/status_messages.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/command_actions.h"
#include "ui/mainframe/drop_handler.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QtTest>

using namespace pictra;

namespace {

// An album of one image saved at `path` through save as.
void makeAlbum(ui::CMainFrame& frame, test::ScriptedPrompts& prompts, const test::TempDir& tmp, const std::string& path)
{
    QVERIFY(QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath()));
    frame.documents().newAlbum();
    const std::string image = tmp.file("img/" + std::to_string(std::hash<std::string>{}(path)) + ".jpg");
    test::writeJpeg(image, 64, 48, 3);
    frame.drops().dropFiles({image});
    prompts.fileAnswers << QString::fromStdString(path);
    frame.documents().saveAs();
    QVERIFY(QFile::exists(QString::fromStdString(path)));
}

QString openCommand(const std::string& path) { return QString::fromStdString(makeOpenCommand(path)); }

using Program = test::StartedProgram;

} // namespace

class TestAlbumDocuments : public QObject {
    Q_OBJECT
private slots:
    void shellCommandOpensAlbumsOnlyAndActivatesAnOpenOne()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        const std::string album = tmp.file("a/trip.abm");
        makeAlbum(*frame, prompts, tmp, album);
        frame->documents().activeFrame()->close();
        QTRY_COMPARE(state.albums->openCount, 1);

        frame->executeShellCommand(openCommand(tmp.file("img/photo.jpg")));
        QCOMPARE(state.albums->openCount, 1);
        frame->executeShellCommand(openCommand(album));
        QCOMPARE(state.albums->openCount, 2);
        QCOMPARE(std::string(fieldText(state.albums->working.path)), album);
        QCOMPARE(state.albums->working.imageCount, 1);
        frame->executeShellCommand(openCommand(album)); // already open: only activated
        QCOMPARE(state.albums->openCount, 2);

        // A picture handed over by "Open with" shows in a window of its own.
        const std::string photo = tmp.file("img/beach.jpg");
        test::writeJpeg(photo, 64, 48, 5);
        frame->executeShellCommand(openCommand(photo));
        QCOMPARE(state.albums->openCount, 3);
        QCOMPARE(state.albums->working.kind, AlbumKind::SingleImage);
        QCOMPARE(std::string(fieldText(state.albums->working.images[0].path)), photo);
    }

    void openThroughTheDialogReusesAnEmptyWindowAndRemembersTheFolder()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        const std::string album = tmp.file("trips/sea.abm");
        makeAlbum(*frame, prompts, tmp, album);
        frame->documents().activeFrame()->close();
        QTRY_COMPARE(state.albums->openCount, 1);
        frame->documents().newAlbum();
        const int open = state.albums->openCount;
        prompts.fileAnswers << QString::fromStdString(album);
        frame->documents().openWithDialog();
        QCOMPARE(state.albums->openCount, open); // the empty window took the album
        QCOMPARE(std::string(fieldText(state.albums->working.path)), album);
        const auto folders = loadLastUsedFolder(state.programFolder);
        QVERIFY(folders.ok());
        QCOMPARE(std::string(fieldText(folders->albumFolder)), tmp.file("trips/"));
        const auto recent = loadRecentAlbumList(state.programFolder);
        QCOMPARE(std::string(recentPath(*recent, recent->count - 1)), album);
        QVERIFY(frame->commands().fileMenu()->actions().at(5)->text().endsWith(QString::fromStdString(album)));
    }

    void albumsSharingAStoreFolderAreRefused()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        const std::string first = tmp.file("a/trip.abm");
        const std::string second = tmp.file("b/trip.abm");
        makeAlbum(*frame, prompts, tmp, first);
        QFile::copy(QString::fromStdString(first), QString::fromStdString(second));
        const int open = state.albums->openCount;
        QVERIFY(!frame->documents().openAlbum(second));
        QCOMPARE(state.albums->openCount, open);
        QVERIFY(prompts.asked.last().contains(QStringLiteral("同じ名前のアルバム")));

        // Saving another album under that base name is refused too, and nothing is written.
        makeAlbum(*frame, prompts, tmp, tmp.file("c/other.abm"));
        prompts.fileAnswers << QString::fromStdString(tmp.file("c/trip.abm"));
        frame->documents().saveAs();
        QVERIFY(!QFile::exists(QString::fromStdString(tmp.file("c/trip.abm"))));
        QCOMPARE(std::string(fieldText(state.albums->working.path)), tmp.file("c/other.abm"));
    }

    void failedSaveTellsWhyAndKeepsTheName()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        makeAlbum(*frame, prompts, tmp, tmp.file("a/mine.abm"));
        prompts.fileAnswers << QString::fromStdString(tmp.file("gone/new.abm"));
        frame->documents().saveAs();
        QVERIFY(prompts.asked.last().contains(QStringLiteral("保存できませんでした")));
        QVERIFY(prompts.asked.last().contains(QStringLiteral("フォルダーがありません")));
        QCOMPARE(std::string(fieldText(state.albums->working.path)), tmp.file("a/mine.abm"));
        QCOMPARE(frame->documents().activeFrame()->windowTitle(), QStringLiteral("mine.abm"));
    }

    void damagedAlbumIsRefusedWithAReasonAndNoWindowStays()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        const int open = state.albums->openCount;
        test::writeBytes(tmp.file("bad.abm"), std::string("Pictra version1.0X") + std::string(200, '\1'));
        QVERIFY(!frame->documents().openAlbum(tmp.file("bad.abm")));
        QVERIFY(prompts.asked.last().contains(QStringLiteral("開けませんでした")));
        QTRY_COMPARE(state.albums->openCount, open);
    }

    void saveAsOverAnExistingFileAsksFirst()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        const std::string target = tmp.file("a/keep.abm");
        test::writeBytes(target, "not overwritten");
        makeAlbum(*frame, prompts, tmp, tmp.file("a/work.abm"));
        prompts.fileAnswers << QString::fromStdString(target);
        prompts.yesNoAnswers << false;
        frame->documents().saveAs();
        QCOMPARE(prompts.asked.last(), ui::overwriteQuestion(QString::fromStdString(target)));
        QFile kept(QString::fromStdString(target));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("not overwritten"));
    }

    void tenWindowsLimitNewAndNeverReadIntoAnotherAlbum()
    {
        Program p;
        auto& [tmp, state, prompts, frame] = p;
        const std::string album = tmp.file("a/late.abm");
        makeAlbum(*frame, prompts, tmp, album);
        frame->documents().activeFrame()->close();
        QTRY_COMPARE(state.albums->openCount, 1);
        while (state.albums->openCount < kMaxAlbumWindows)
            QVERIFY(frame->documents().newAlbum());
        QVERIFY(!frame->documents().newAlbum());
        const std::string active(fieldText(state.albums->working.path));
        frame->drops().dropFiles({album});
        QCOMPARE(std::string(fieldText(state.albums->working.path)), active);
        QCOMPARE(state.albums->working.imageCount, 0);
        // Every untitled window has its own store folder.
        QStringList names;
        for (int i = 0; i < kMaxAlbumWindows; ++i)
            names << QString::fromStdString(BaseName(fieldText(state.albums->windowSlots[static_cast<std::size_t>(i)].path)));
        names.removeDuplicates();
        QCOMPARE(names.size(), kMaxAlbumWindows);
    }

    void supersededInstallationIsRemovedOnceAtStart()
    {
        test::TempDir tmp;
        test::writeBytes(tmp.file("old/setup.exe"), "x");
        test::writeBytes(tmp.file("old/mine.txt"), "x");
        AppState state;
        (void)state.registry.writeString(kPictraRegistryKey, "_dir2", tmp.file("old"));
        test::ScriptedPrompts prompts;
        auto frame = test::startProgram(state, prompts, tmp.file("program"), std::nullopt, 60000);
        QVERIFY(!QFile::exists(QString::fromStdString(tmp.file("old/setup.exe"))));
        QVERIFY(QFile::exists(QString::fromStdString(tmp.file("old/mine.txt"))));
        QVERIFY(!state.registry.readString(kPictraRegistryKey, "_dir2"));
        QVERIFY(QFile::exists(QString::fromStdString(tmp.file("program/pictra.pdf"))));
        // The start-up picture lies over the client area while the albums open.
        auto* splash = frame->findChild<QWidget*>(QStringLiteral("200"));
        QVERIFY(splash && splash->isVisible());
        const QRect client = frame->centralWidget()->geometry();
        QCOMPARE(splash->geometry(), QRect(client.topLeft() + ui::splashPosition(client.size()), QSize(567, 246)));
    }
};

QTEST_MAIN(TestAlbumDocuments)
#include "test_album_documents.moc"
