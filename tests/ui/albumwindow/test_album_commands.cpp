#include "support/album_window_fixture.h"

#include "codec_test_support.h"
#include "core/album/file_name_list.h"
#include "core/commands/command_ids.h"
#include "core/image_io/image_file_io.h"
#include "core/util/file_io.h"
#include "ui/albumwindow/picture_loading.h"
#include "ui/albumwindow/slide_show_runner.h"

#include <QDialog>
#include <QMdiArea>
#include <QTreeWidget>
#include <QtTest>

using pictra::AlbumKind;
using pictra::test::AlbumWindowFixture;
namespace cmd = pictra::cmd;

namespace {

int countBluePixels(const QImage& image)
{
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            blue += image.pixelColor(x, y) == QColor(0, 0, 255) ? 1 : 0;
    return blue;
}

// The image index shown by each of `ticks` slide-show ticks.
QList<int> slideOrder(AlbumWindowFixture& f, int ticks)
{
    QList<int> shown;
    for (int i = 0; i < ticks; ++i) {
        pictra::ui::slideShowTick(f.state, f.host);
        const std::string& path = f.state.slideShow.currentPath;
        shown << QString::fromStdString(path).section(QStringLiteral("img"), -1).section('.', 0, 0).toInt();
    }
    return shown;
}

int windowsOfKind(AlbumWindowFixture& f, AlbumKind kind)
{
    int n = 0;
    for (int i = 0; i < f.state.albums->openCount; ++i)
        n += f.state.albums->windowSlots[static_cast<std::size_t>(i)].kind == kind ? 1 : 0;
    return n;
}

} // namespace

class TestAlbumCommands : public QObject {
    Q_OBJECT
private slots:
    void closeAsksAndDeletesTheStoreFolder()
    {
        AlbumWindowFixture f;
        const std::string path = f.dir.file("trip.abm");
        f.writePictures(path, 2);
        auto* frame = f.openAlbum(path, 2);
        f.host.scripted.yesNoAnswers << false << true;
        QVERIFY(!frame->close());
        QCOMPARE(f.host.scripted.asked,
                 QStringList{QString::fromStdString(path) + QStringLiteral("を終了しますがよろしいですか。")});
        QCOMPARE(f.state.albums->openCount, 1);
        QVERIFY(frame->close());
        QCOMPARE(f.state.albums->openCount, 0);
        QVERIFY(!pictra::folderExists(pictra::StoreFolder(f.state.programFolder, path)));
    }

    void closingAnEmptyAlbumAsksNothing()
    {
        AlbumWindowFixture f;
        auto* first = f.openAlbum("/albums/a.abm", 3);
        auto* empty = f.openAlbum("/albums/empty.abm", 0);
        QVERIFY(empty->close());
        QVERIFY(f.host.scripted.asked.isEmpty());
        QCOMPARE(f.state.albums->openCount, 1);
        QCOMPARE(f.state.albums->windowSlots[0].viewId, first->viewId());
    }

    void slideShowOrderInBothDirections()
    {
        AlbumWindowFixture f;
        auto* owner = f.openAlbum("/albums/a.abm", 3);
        QVERIFY(owner->handleCommand(cmd::kReverseSlide));
        QCOMPARE(windowsOfKind(f, AlbumKind::SlideShow), 1);
        QVERIFY(f.host.slideTimerRunning);
        QCOMPARE(f.host.slideInterval, 500);
        QVERIFY(QString::fromStdString(f.state.slideShow.currentPath).endsWith("img2.jpg"));
        QCOMPARE(slideOrder(f, 4), (QList<int>{1, 0, 2, 1}));
        owner->handleCommand(cmd::kSlideShow); // image 1 on screen
        QCOMPARE(slideOrder(f, 3), (QList<int>{2, 0, 1}));
        owner->handleCommand(cmd::kSlideShow); // a second press opens no second window
        QCOMPARE(windowsOfKind(f, AlbumKind::SlideShow), 1);
        owner->handleCommand(cmd::kPauseSlide);
        const std::string paused = f.state.slideShow.currentPath;
        slideOrder(f, 2);
        QCOMPARE(f.state.slideShow.currentPath, paused);
    }

    void closingTheSlideWindowOrTheOwnerEndsTheShow()
    {
        AlbumWindowFixture f;
        auto* owner = f.openAlbum("/albums/a.abm", 3);
        owner->handleCommand(cmd::kSlideShow);
        auto* slide = pictra::ui::CChildFrame::find(f.host.mdiArea(), f.state.slideShow.slideViewId);
        QVERIFY(slide);
        QCOMPARE(slide->kind(), AlbumKind::SlideShow);
        QVERIFY(slide->close());
        QCOMPARE(f.state.slideShow.state, pictra::SlideState::None);
        QCOMPARE(windowsOfKind(f, AlbumKind::SlideShow), 0);
        owner->handleCommand(cmd::kSlideShow);
        QCOMPARE(windowsOfKind(f, AlbumKind::SlideShow), 1);
        f.host.scripted.yesNoAnswers << true;
        QVERIFY(owner->close());
        QCOMPARE(f.state.slideShow.state, pictra::SlideState::None);
        QCOMPARE(f.state.albums->openCount, 0);
    }

    void slideShowDoesNotStartOnAnEmptyAlbum()
    {
        AlbumWindowFixture f;
        auto* owner = f.openAlbum("/albums/a.abm", 0);
        owner->handleCommand(cmd::kSlideShow);
        QCOMPARE(f.state.albums->openCount, 1);
        QCOMPARE(f.state.slideShow.state, pictra::SlideState::None);
    }

    void outputFollowsTheChosenExtension()
    {
        AlbumWindowFixture f;
        f.writePictures("/albums/a.abm", 1);
        auto* frame = f.openAlbum("/albums/a.abm", 1);
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 0));
        const std::string target = f.dir.file("out.bmp");
        f.host.scripted.fileAnswers << QString::fromStdString(target);
        QVERIFY(frame->handleCommand(cmd::kExportJpeg));
        auto bytes = pictra::readFile(target);
        QVERIFY(bytes.ok());
        QVERIFY(bytes->size() > 54 && (*bytes)[0] == 'B' && (*bytes)[1] == 'M');
        // Cancelling writes nothing.
        frame->handleCommand(cmd::kExportTiff);
        QVERIFY(!pictra::fileExists(f.dir.file("out.tif")));
    }

    void pngAndWebpOutputWriteTheFocusedPictureInTheirFormat()
    {
        AlbumWindowFixture f;
        f.writePictures("/albums/a.abm", 2);
        auto* frame = f.openAlbum("/albums/a.abm", 2);
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 1));
        const auto decoded = [](const std::string& path) {
            pictra::ImageBuffers buffers(1 << 20);
            pictra::ImageFileIO io;
            if (io.loadImage(path, buffers.record()) != pictra::Status::Ok)
                return pictra::test::RgbImage{};
            return pictra::test::fromRecord(buffers.record());
        };
        const pictra::test::RgbImage source = decoded(f.dir.file("img1.jpg"));
        // Names typed without an extension get the chosen format's.
        f.host.scripted.fileAnswers << QString::fromStdString(f.dir.file("out"))
                                    << QString::fromStdString(f.dir.file("out2"));
        QVERIFY(frame->handleCommand(cmd::kExportPng));
        QVERIFY(frame->handleCommand(cmd::kExportWebp));
        QCOMPARE(f.host.scripted.saveFilters,
                 (QStringList{QStringLiteral("PNGﾌｧｲﾙ (*.png)"), QStringLiteral("WebPﾌｧｲﾙ (*.webp)")}));
        QVERIFY(f.host.scripted.asked.isEmpty());
        QCOMPARE(pictra::formatOfFile(f.dir.file("out.png")), pictra::ImageFormat::Png);
        QCOMPARE(pictra::formatOfFile(f.dir.file("out2.webp")), pictra::ImageFormat::Webp);
        QCOMPARE(decoded(f.dir.file("out.png")).rgb, source.rgb); // lossless
        const pictra::test::RgbImage webp = decoded(f.dir.file("out2.webp"));
        QCOMPARE(webp.width, 200);
        QVERIFY(pictra::test::psnr(webp, source) >= 30);
    }

    void oneCellPageLoadsTheSourceAndShowsNoSelectionFrame()
    {
        AlbumWindowFixture f;
        f.writePictures("/albums/a.abm", 2, 200, 100);
        auto* frame = f.openAlbum("/albums/a.abm", 2, 1, 1);
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 0));
        QCOMPARE(pictra::ui::sharedRecord(f.state).width(), 200);
        QCOMPARE(countBluePixels(frame->pageView()->grab().toImage()), 0);

        auto* grid = f.openAlbum("/albums/a.abm", 2, 2, 2);
        AlbumWindowFixture::click(grid->pageView(), f.cellCentre(*grid, 1));
        QCOMPARE(pictra::ui::sharedRecord(f.state).width(), 100); // the store copy
        QVERIFY(countBluePixels(grid->pageView()->grab().toImage()) > 0);
    }

    void storeCopyIsNotShownOnceTheSourceIsGone()
    {
        AlbumWindowFixture f;
        f.writePictures("/albums/a.abm", 1);
        std::remove(f.dir.file("img0.jpg").c_str());
        auto* frame = f.openAlbum("/albums/a.abm", 1);
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 0));
        QCOMPARE(pictra::ui::sharedRecord(f.state).width(), 0);
    }

    void enlargedViewOpensOneSingleImageWindow()
    {
        AlbumWindowFixture f;
        f.writePictures("/albums/a.abm", 2);
        auto* frame = f.openAlbum("/albums/a.abm", 2);
        auto* view = frame->pageView();
        QVERIFY(!view->handleCommand(cmd::kCopyToFolder));
        QVERIFY(view->handleCommand(cmd::kEnlargedView)); // no focus: nothing
        QCOMPARE(f.state.albums->openCount, 1);
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 1));
        AlbumWindowFixture::send(view, QEvent::MouseButtonDblClick, f.cellCentre(*frame, 1), Qt::LeftButton,
                                 Qt::LeftButton);
        QCOMPARE(windowsOfKind(f, AlbumKind::SingleImage), 1);
        QCOMPARE(f.state.albums->working.kind, AlbumKind::SingleImage);
        QCOMPARE(f.state.albums->working.images[0].stamp, 101);
        frame->makeCurrent();
        view->handleCommand(cmd::kEnlargedView);
        QCOMPARE(windowsOfKind(f, AlbumKind::SingleImage), 1);
    }

    void appendingListsMissingFilesAndKeepsThem()
    {
        AlbumWindowFixture f;
        f.writePictures("/albums/a.abm", 3);
        auto* frame = f.openAlbum("/albums/a.abm", 1);
        pictra::FileNameList list;
        list.add(f.dir.file("img1.jpg"));
        list.add(f.dir.file("gone/missing.tif"));
        list.add(f.dir.file("img2.jpg"));
        QCOMPARE(frame->appendImages(list), 1);
        const auto& r = f.record(*frame);
        QCOMPARE(r.imageCount, 4);
        QCOMPARE(std::string(pictra::fieldText(r.images[2].path)), f.dir.file("gone/missing.tif"));
        QVERIFY(r.hasFocus);
        QCOMPARE(f.state.selection.selection[0].stamp, r.images[0].stamp);
        auto* log = frame->findChild<QDialog*>(QStringLiteral("190"));
        QVERIFY(log);
        QCOMPARE(log->windowTitle(), QStringLiteral("エラーログ"));
        auto* rows = log->findChild<QTreeWidget*>();
        QCOMPARE(rows->topLevelItemCount(), 1);
        const QTreeWidgetItem* row = rows->topLevelItem(0);
        QCOMPARE(row->text(0), QStringLiteral("1"));
        QCOMPARE(row->text(1), QStringLiteral("missing"));
        QCOMPARE(row->text(2), QStringLiteral("tif"));
        QCOMPARE(row->text(3), QString::fromStdString(f.dir.file("gone")));
        QCOMPARE(rows->headerItem()->text(3), QStringLiteral("ディレクトリ"));
        QCOMPARE(frame->appendImages(pictra::FileNameList{}), 0);
    }

    void screenshotOfAThreeByThreePage()
    {
        AlbumWindowFixture f;
        const std::string path = f.dir.file("holiday.abm");
        f.writePictures(path, 12, 320, 160);
        auto* frame = f.openAlbum(path, 12);
        frame->resize(560, 480);
        QCoreApplication::processEvents();
        auto* view = frame->pageView();
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 1));
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 5), Qt::ControlModifier);
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 6), Qt::ControlModifier);
        const QImage shot = frame->grab().toImage();
        QVERIFY(countBluePixels(shot) > 100);
        const QByteArray dir = qgetenv("PICTRA_ARTIFACT_DIR");
        if (!dir.isEmpty())
            QVERIFY(shot.save(QString::fromLocal8Bit(dir) + QStringLiteral("/album_window_3x3.png")));
    }
};

QTEST_MAIN(TestAlbumCommands)
#include "test_album_commands.moc"
