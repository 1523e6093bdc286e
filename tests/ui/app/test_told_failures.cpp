// Failures the user is told about instead of the program going on silently:
// a program folder that cannot be prepared, a manual that cannot be shown,
// and pasted images whose store copy cannot be made.
#include "support/app_session.h"

#include "core/album/cell_picture.h"
#include "core/commands/command_ids.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "ui/mainframe/album_documents.h"

#include <QtTest>

#include <cstdio>

using namespace pictra;

class TestToldFailures : public QObject {
    Q_OBJECT
private slots:
    void programFolderThatIsAPlainFileStopsTheStart()
    {
        test::TempDir tmp;
        const std::string folder = tmp.file("program");
        test::writeBytes(folder, "not a folder");
        AppState state;
        test::ScriptedPrompts prompts;
        QVERIFY(!test::startProgram(state, prompts, folder));
        QCOMPARE(prompts.asked.size(), 1);
        QVERIFY(prompts.asked[0].contains(QString::fromStdString(folder)));
        QVERIFY(prompts.asked[0].contains(QStringLiteral("起動できません")));
    }

    void manualThatCannotBeShownNamesItsFile_data()
    {
        QTest::addColumn<bool>("pdfExists");
        QTest::addColumn<QString>("words");
        QTest::newRow("no viewer") << true << QStringLiteral("PDFビューアで");
        QTest::newRow("no file") << false << QStringLiteral("見つかりません");
    }

    void manualThatCannotBeShownNamesItsFile()
    {
        QFETCH(bool, pdfExists);
        QFETCH(QString, words);
        test::StartedProgram program;
        const std::string pdf = program.state.programFolder + "/pictra.pdf";
        std::remove(pdf.c_str());
        if (pdfExists)
            test::writeBytes(pdf, "%PDF-1.4\n");
        // Without xdg-open on the search path no viewer can be started.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QByteArray::fromStdString(program.tmp.file("empty")));
        program.prompts.asked.clear();
        QVERIFY(program.frame->handleCommand(cmd::kManual));
        qputenv("PATH", path);
        QCOMPARE(program.prompts.asked.size(), 1);
        QVERIFY(program.prompts.asked[0].contains(QString::fromStdString(pdf)));
        QVERIFY(program.prompts.asked[0].contains(words));
    }

    void pasteLeavesOutAnImageWithoutAStoreCopy()
    {
        test::StartedProgram program;
        const std::string good = program.tmp.file("photos/good.jpg");
        const std::string gone = program.tmp.file("photos/gone.jpg");
        test::writeJpeg(good, 160, 120, 7);
        QVERIFY(program.frame->handleCommand(cmd::kNewAlbum));
        SelectionBlock& block = program.state.selection;
        block.clipboard.assign(2, ImageEntry{});
        QVERIFY(setFieldText(block.clipboard[0].path, gone));
        QVERIFY(setFieldText(block.clipboard[1].path, good));
        block.clipboardAlbum = program.tmp.file("closed.abm"); // no store copies to take over
        block.clipboardFilled = true;
        program.prompts.asked.clear();
        QVERIFY(program.frame->handleCommand(cmd::kPaste));
        const AlbumRecord& album = program.state.albums->working;
        QCOMPARE(album.imageCount, 1);
        QCOMPARE(imageFilePath(album.images[0]), good);
        QCOMPARE(program.prompts.asked.size(), 1);
        QVERIFY(program.prompts.asked[0].contains(QString::fromStdString(gone)));
    }
};

QTEST_MAIN(TestToldFailures)
#include "test_told_failures.moc"
