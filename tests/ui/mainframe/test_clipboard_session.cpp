// Images cut from one album and pasted into another, in the whole program:
// the pasted pictures survive saving, closing and reopening the target.
#include "support/app_session.h"
#include "support/modal_dialogs.h"

#include "core/album/cell_picture.h"
#include "core/commands/command_ids.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/mainframe/album_documents.h"

#include <QMdiArea>
#include <QPushButton>
#include <QtTest>

#include <filesystem>

using namespace pictra;

enum class Source { StaysOpen, Closed };
Q_DECLARE_METATYPE(Source)

class TestClipboardSession : public QObject {
    Q_OBJECT
private slots:
    void cutFromOneAlbumPasteIntoAnotherSaveAndReopen_data();
    void cutFromOneAlbumPasteIntoAnotherSaveAndReopen();
};

void TestClipboardSession::cutFromOneAlbumPasteIntoAnotherSaveAndReopen_data()
{
    // With the source album still open its store copies are copied over;
    // once it is closed (its store folder gone) they are made afresh.
    QTest::addColumn<Source>("source");
    QTest::newRow("source open") << Source::StaysOpen;
    QTest::newRow("source closed") << Source::Closed;
}

void TestClipboardSession::cutFromOneAlbumPasteIntoAnotherSaveAndReopen()
{
    QFETCH(Source, source);
    test::TempDir tmp;
    QStringList images;
    for (int i = 0; i < 3; ++i) {
        const std::string path = tmp.file("photos/shot" + std::to_string(i) + ".jpg");
        test::writeJpeg(path, 320, 240, static_cast<std::uint32_t>(i + 1));
        images << QString::fromStdString(path);
    }
    AppState state;
    test::ScriptedPrompts prompts;
    auto frame = test::startProgram(state, prompts, tmp.file("program"));
    QVERIFY(frame->handleCommand(cmd::kNewAlbum));
    ui::CChildFrame* albumA = frame->documents().activeFrame();
    prompts.filesAnswers << images;
    const auto dialog1 = test::whenDialogOpens([](QDialog& dialog) {
        dialog.findChild<QPushButton*>(QStringLiteral("1017"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("1"))->click();
    });
    QVERIFY(frame->handleCommand(cmd::kInputFromFile));
    QCOMPARE(state.albums->working.imageCount, 3);
    frame->mdi()->tileSubWindows();
    QCoreApplication::processEvents();

    // Select the first and the third image and cut them.
    ui::CViewPictra* view = albumA->pageView();
    const auto centre = [&](int cell) {
        const Rect& r = state.albums->working.cells[static_cast<std::size_t>(cell)];
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    QTest::mouseClick(view, Qt::LeftButton, {}, centre(0));
    QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, centre(2));
    QCOMPARE(state.selection.selection.size(), std::size_t{2});
    QVERIFY(frame->handleCommand(cmd::kCut));
    QCOMPARE(state.albums->working.imageCount, 1);
    if (source == Source::Closed) {
        const std::string albumAPath = albumFilePath(state.albums->working);
        albumA->close();
        QVERIFY(!folderExists(StoreFolder(state.programFolder, albumAPath)));
    }

    QVERIFY(frame->handleCommand(cmd::kNewAlbum));
    QVERIFY(frame->handleCommand(cmd::kPaste));
    QCOMPARE(state.albums->working.imageCount, 2);
    const std::string saved = tmp.file("albums/pasted.abm");
    std::filesystem::create_directories(tmp.file("albums"));
    prompts.fileAnswers << QString::fromStdString(saved);
    QVERIFY(frame->handleCommand(cmd::kSaveAs));
    frame->documents().activeFrame()->close();
    QVERIFY(!folderExists(StoreFolder(state.programFolder, saved)));

    QVERIFY(frame->documents().openAlbum(saved));
    const AlbumRecord& reopened = state.albums->working;
    QCOMPARE(reopened.imageCount, 2);
    for (int i = 0; i < 2; ++i) {
        const std::string image = imageFilePath(reopened.images[static_cast<std::size_t>(i)]);
        QCOMPARE(image, images[i * 2].toStdString());
        const std::string copy = storeCopyPath(state.programFolder, saved, image);
        QVERIFY2(fileExists(copy) && std::filesystem::file_size(copy) > 0, copy.c_str());
    }
    prompts.yesNoAnswers << true;
    QVERIFY(frame->close());
}

QTEST_MAIN(TestClipboardSession)
#include "test_clipboard_session.moc"
