// The image tools as the enlarged view opens them: parameters, the preview,
// and keeping the result by "変更", "追加" and "開く".
#include "core/album/album_changes.h"
#include "core/album/cell_picture.h"
#include "core/image_io/image_file_io.h"
#include "core/imaging_library/exif_info.h"
#include "core/tools/image_tool.h"
#include "core/util/file_io.h"
#include "support/album_window_fixture.h"
#include "support/exif_jpeg.h"
#include "support/modal_dialogs.h"
#include "ui/albumwindow/special_window.h"
#include "ui/enlargedview/c_pictra_view.h"
#include "ui/tools/c_histogram_dlg.h"
#include "ui/tools/tool_session.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <filesystem>

namespace pictra {
namespace {

using test::AlbumWindowFixture;
using ui::CPictraView;

std::vector<std::uint8_t> bytesOf(const std::string& path)
{
    auto bytes = readFile(path);
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}

test::RgbImage pixelsOf(const std::string& path)
{
    ImageBuffers buffers(1 << 22);
    ImageFileIO io;
    if (io.loadImage(path, buffers.record()) != Status::Ok)
        return {};
    return test::fromRecord(buffers.record());
}

template <typename T>
T* child(QDialog& dialog, int id)
{
    return dialog.findChild<T*>(QString::number(id));
}

void click(QDialog& dialog, int id)
{
    QPushButton* button = child<QPushButton>(dialog, id);
    QVERIFY2(button, qPrintable(QString::number(id)));
    button->click();
}

class TestToolDialogs : public QObject {
    Q_OBJECT

    static constexpr const char* kAlbum = "/albums/trip.abm";

    // An album of two pictures (img0.jpg, img1.jpg, 64 × 48) and a
    // single-image window opened from it for img0.jpg.
    CPictraView* openFromAlbum(AlbumWindowFixture& f)
    {
        f.openAlbum(kAlbum, 2);
        f.writePictures(kAlbum, 2, 64, 32);
        ui::CChildFrame* frame = ui::openSpecialWindow(f.state, f.host, AlbumKind::SingleImage,
                                                       f.state.albums->working.images[0]);
        QCoreApplication::processEvents();
        return qobject_cast<CPictraView*>(frame->widget());
    }

    static int albumCount(AlbumWindowFixture& f) { return f.state.albums->windowSlots[0].imageCount; }

private slots:
    void init() { ui::toolSession() = {}; }

    void outOfRangeRgbLeavesThePreviewAndOpenWritesTheSuffixedCopy()
    {
        AlbumWindowFixture f;
        const std::string beach = f.dir.file("beach.jpg");
        f.writeJpeg(beach, 64, 2);
        ImageEntry entry{};
        setFieldText(entry.path, beach);
        ui::CChildFrame* frame = ui::openSpecialWindow(f.state, f.host, AlbumKind::SingleImage, entry);
        auto* view = qobject_cast<CPictraView*>(frame->widget());
        const std::string scratch = toolScratchPath(f.state.programFolder, ImageTool::Rgb);
        const std::string copy = f.state.programFolder + "/TEMP/beach_rgb.bmp";
        const auto dialog1 = test::whenDialogOpens([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("ＲＧＢ調整"));
            child<QLineEdit>(dialog, 1000)->setText("50");
            QCOMPARE(child<QSlider>(dialog, 1083)->value(), 50);
            const auto at50 = bytesOf(scratch);
            QVERIFY(!at50.empty());
            QLineEdit* red = child<QLineEdit>(dialog, 1000);
            for (const char* refused : {"150", "99999999999", "abc"}) {
                red->setText(refused);
                QCOMPARE(bytesOf(scratch), at50);
                QCOMPARE(child<QSlider>(dialog, 1083)->value(), 50);
                QCOMPARE(red->palette().color(QPalette::Text), QColor(Qt::red));
            }
            red->setText("150");
            test::saveArtifact(dialog, "tool_rgb.png");
            click(dialog, 1021);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(bytesOf(copy), at50);
            QVERIFY(!fileExists(scratch));
        });
        QVERIFY(view->handleCommand(32787));
        QCOMPARE(f.host.mdiArea().subWindowList().size(), 2);
        auto* opened = qobject_cast<ui::CChildFrame*>(f.host.mdiArea().activeSubWindow());
        QVERIFY(opened);
        QCOMPARE(qobject_cast<CPictraView*>(opened->widget())->picturePath(), copy);
    }

    void fourTurnsReturnTheSourceAndChangeKeepsTheJpegLossless()
    {
        AlbumWindowFixture f;
        CPictraView* view = openFromAlbum(f);
        const std::string source = view->picturePath();
        const test::RgbImage before = test::decodeWithTurbo(bytesOf(source));
        const std::string scratch = toolScratchPath(f.state.programFolder, ImageTool::Rotate);
        const auto dialog2 = test::whenDialogOpens([&](QDialog& dialog) {
            const test::RgbImage loaded = pixelsOf(scratch);
            for (int i = 0; i < 4; ++i)
                click(dialog, 1020);
            QCOMPARE(pixelsOf(scratch).rgb, loaded.rgb);
        });
        QVERIFY(view->handleCommand(32786));
        // Four quarter turns of the file itself, each kept by "変更": no generation loss.
        for (int i = 0; i < 4; ++i) {
            const auto dialog3 = test::whenDialogOpens([&](QDialog& dialog) {
                click(dialog, 1020);
                click(dialog, 1017);
            });
            QVERIFY(view->handleCommand(32786));
            QCOMPARE(test::decodeWithTurbo(bytesOf(source)).width, i % 2 == 0 ? 48 : 64);
        }
        QCOMPARE(test::decodeWithTurbo(bytesOf(source)).rgb, before.rgb);
        QVERIFY(f.host.scripted.asked.isEmpty());
    }

    void changeRenewsTheAlbumsStoreCopyAndAsksOnceBeforeReencoding()
    {
        AlbumWindowFixture f;
        CPictraView* view = openFromAlbum(f);
        const std::string source = view->picturePath();
        const std::string storeCopy = storeCopyPath(f.state.programFolder, kAlbum, source);
        const auto oldCopy = bytesOf(storeCopy);
        QVERIFY(!albumChanged(f.state.albums->windowSlots[0]));
        for (int run = 0; run < 2; ++run) {
            const auto dialog4 = test::whenDialogOpens([&](QDialog& dialog) { click(dialog, 1017); });
            QVERIFY(view->handleCommand(32839)); // negative
        }
        QCOMPARE(f.host.scripted.asked.size(), 1); // the re-encoding question, once
        QVERIFY(bytesOf(storeCopy) != oldCopy);
        QVERIFY(albumChanged(f.state.albums->windowSlots[0])); // its file still holds the old picture

        // A result whose scratch file is gone is not used.
        const auto kept = bytesOf(source);
        const auto dialog5 = test::whenDialogOpens([&](QDialog& dialog) {
            std::remove(toolScratchPath(f.state.programFolder, ImageTool::Noise).c_str());
            click(dialog, 1017);
            QVERIFY(dialog.isVisible());
        });
        QVERIFY(view->handleCommand(32830));
        QCOMPARE(bytesOf(source), kept);
        QVERIFY(f.host.scripted.asked.last().contains("元の画像は変更されていません"));
    }

    void changeOfAPictureThatCannotBeWrittenKeepsAJpegBesideIt()
    {
        AlbumWindowFixture f;
        f.openAlbum(kAlbum, 2);
        f.writePictures(kAlbum, 2, 64, 32);
        // A GIF by name (the program reads it by its bytes) that the program cannot write.
        const std::string gif = f.dir.file("img0.gif");
        std::filesystem::copy_file(f.dir.file("img0.jpg"), gif);
        editWindowRecords(*f.state.albums, f.state.albums->windowSlots[0].viewId,
                          [&](AlbumRecord& r) { setFieldText(r.images[0].path, gif); });
        ui::CChildFrame* frame = ui::openSpecialWindow(f.state, f.host, AlbumKind::SingleImage,
                                                       f.state.albums->windowSlots[0].images[0]);
        auto* view = qobject_cast<CPictraView*>(frame->widget());
        const auto kept = bytesOf(gif);

        f.host.scripted.yesNoAnswers << false;
        const auto declined = test::whenDialogOpens([&](QDialog& dialog) { click(dialog, 1017); });
        QVERIFY(view->handleCommand(32839)); // negative
        QVERIFY(f.host.scripted.asked.last().contains(QStringLiteral("「img0-1.jpg」"))); // img0.jpg is taken
        QVERIFY(!fileExists(f.dir.file("img0-1.jpg")));

        f.host.scripted.yesNoAnswers << true;
        const auto accepted = test::whenDialogOpens([&](QDialog& dialog) { click(dialog, 1017); });
        QVERIFY(view->handleCommand(32839));
        const std::string jpeg = f.dir.file("img0-1.jpg");
        QVERIFY(fileExists(jpeg));
        QCOMPARE(bytesOf(gif), kept); // the original stays as it was
        QCOMPARE(imageFilePath(f.state.albums->windowSlots[0].images[0]), jpeg);
        QVERIFY(albumChanged(f.state.albums->windowSlots[0]));
        QVERIFY(fileExists(storeCopyPath(f.state.programFolder, kAlbum, jpeg)));
    }

    void changeRenewsTheStoreCopyOfEveryOpenAlbumListingThePicture()
    {
        AlbumWindowFixture f;
        const std::string other = "/albums/other.abm";
        f.openAlbum(other, 1); // lists img0.jpg too
        CPictraView* view = openFromAlbum(f);
        const std::string otherCopy = storeCopyPath(f.state.programFolder, other, view->picturePath());
        QVERIFY(!fileExists(otherCopy));
        const auto expected101 = test::whenDialogOpens([&](QDialog& dialog) { click(dialog, 1017); });
        QVERIFY(view->handleCommand(32839)); // negative
        QVERIFY(fileExists(otherCopy));
        QVERIFY(albumChanged(f.state.albums->windowSlots[0]));
        QVERIFY(albumChanged(f.state.albums->windowSlots[1]));
    }

    void addStoresAJpegForAnUnknownExtensionAndAsksBeforeReplacing()
    {
        AlbumWindowFixture f;
        CPictraView* view = openFromAlbum(f);
        const std::string gif = f.dir.file("grey.gif");
        const std::string jpg = f.dir.file("grey.jpg");
        test::writeBytes(jpg, "keep me");
        f.host.scripted.fileAnswers.enqueue(QString::fromStdString(gif));
        f.host.scripted.yesNoAnswers.enqueue(false); // do not replace grey.jpg
        f.host.scripted.fileAnswers.enqueue(QString::fromStdString(gif));
        const auto dialog6 = test::whenDialogOpens([&](QDialog& dialog) {
            child<QComboBox>(dialog, 1093)->setCurrentIndex(1);
            click(dialog, 1018);
            QVERIFY(dialog.isVisible());
            QCOMPARE(bytesOf(jpg), std::vector<std::uint8_t>({'k', 'e', 'e', 'p', ' ', 'm', 'e'}));
            click(dialog, 1018);
        });
        QVERIFY(view->handleCommand(32838));
        QVERIFY(!fileExists(gif));
        QCOMPARE(pixelsOf(jpg).width, 64);
        QCOMPARE(view->picturePath(), jpg);
        QCOMPARE(view->parentWidget()->windowTitle(), QStringLiteral("grey.jpg"));
        QCOMPARE(albumCount(f), 3);
        QCOMPARE(imageFilePath(f.state.albums->windowSlots[0].images[2]), jpg);
        QVERIFY(fileExists(storeCopyPath(f.state.programFolder, kAlbum, jpg)));
    }

    void addOffersTheWritableTypesAndKeepsAWebp()
    {
        AlbumWindowFixture f;
        CPictraView* view = openFromAlbum(f);
        const std::string webp = f.dir.file("grey.webp");
        f.host.scripted.fileAnswers.enqueue(QString::fromStdString(webp));
        const auto dialog6 = test::whenDialogOpens([&](QDialog& dialog) { click(dialog, 1018); });
        QVERIFY(view->handleCommand(32838));
        QCOMPARE(f.host.scripted.saveFilters.size(), 1);
        const QString filter = f.host.scripted.saveFilters.first();
        for (const char* glob : {"*.jpg", "*.bmp", "*.tif", "*.psd", "*.pcx", "*.png", "*.PNG", "*.webp", "*.WEBP"})
            QVERIFY2(filter.contains(QLatin1String(glob)), glob);
        for (const char* glob : {"*.gif", "*.heic", "*.avif", "*.jxl"})
            QVERIFY2(!filter.contains(QLatin1String(glob)), glob); // read, never written
        QCOMPARE(formatOfFile(webp), ImageFormat::Webp);
        QCOMPARE(pixelsOf(webp).width, 64);
        QCOMPARE(albumCount(f), 3);
    }

    void addLeavesOutOfTheAlbumAPictureWithoutStoreCopy()
    {
        AlbumWindowFixture f;
        CPictraView* view = openFromAlbum(f);
        const std::string jpg = f.dir.file("grey.jpg");
        QVERIFY(makeFolders(storeCopyPath(f.state.programFolder, kAlbum, jpg))); // no copy can be written there
        f.host.scripted.fileAnswers.enqueue(QString::fromStdString(jpg));
        const auto expected101 = test::whenDialogOpens([&](QDialog& dialog) { click(dialog, 1018); });
        QVERIFY(view->handleCommand(32838));
        QVERIFY(fileExists(jpg)); // the picture itself is kept
        QCOMPARE(albumCount(f), 2);
        QVERIFY2(f.host.scripted.asked.last().contains(QStringLiteral("アルバムには追加していません")),
                 qPrintable(f.host.scripted.asked.last()));
    }

    void addRefusesANameWhoseStoreCopyBelongsToAnotherPicture()
    {
        AlbumWindowFixture f;
        CPictraView* view = openFromAlbum(f);
        const std::string clash = f.dir.file("elsewhere/img1.bmp");
        makeFolders(f.dir.file("elsewhere"));
        f.host.scripted.fileAnswers.enqueue(QString::fromStdString(clash));
        const auto dialog7 = test::whenDialogOpens([&](QDialog& dialog) {
            click(dialog, 1018);
            QVERIFY(dialog.isVisible());
        });
        QVERIFY(view->handleCommand(32843));
        QVERIFY(!fileExists(clash));
        QCOMPARE(albumCount(f), 2);
    }

    // "追加" over a camera file (Korvale KV-10): the new file carries the
    // source's camera data, or none when the source had none.
    void addOverACameraJpegCarriesTheSourcesCameraDataNeverTheReplacedOnes()
    {
        const std::string sample = std::string(std::getenv("PICTRA_TEST_DATA")) + "/exif/korvale_kv10.jpg";
        QVERIFY(IKJpegExifInfo(sample));
        for (const bool cameraSource : {true, false}) {
            AlbumWindowFixture f;
            f.openAlbum(kAlbum, 2);
            f.writePictures(kAlbum, 2, 64, 32);
            const std::string source = imageFilePath(f.state.albums->working.images[0]);
            if (cameraSource)
                QCOMPARE(writeFile(source, test::withExif(bytesOf(source))), Status::Ok);
            ui::CChildFrame* frame = ui::openSpecialWindow(f.state, f.host, AlbumKind::SingleImage,
                                                           f.state.albums->working.images[0]);
            auto* view = qobject_cast<CPictraView*>(frame->widget());
            const std::string camera = f.dir.file("camera.jpg");
            QCOMPARE(writeFile(camera, bytesOf(sample)), Status::Ok);
            f.host.scripted.fileAnswers.enqueue(QString::fromStdString(camera));
            f.host.scripted.yesNoAnswers.enqueue(true); // replace camera.jpg
            const auto tool = test::whenDialogOpens([&](QDialog& dialog) {
                if (!cameraSource)
                    click(dialog, 1020); // a turn, written losslessly
                click(dialog, 1018);
                QVERIFY(!dialog.isVisible());
            });
            QVERIFY(view->handleCommand(cameraSource ? 32839 : 32786)); // negative, rotate
            QCOMPARE(pixelsOf(camera).width, cameraSource ? 64 : 48);
            const Result<ExifInfo> exif = IKJpegExifInfo(camera);
            if (cameraSource) {
                QVERIFY(exif);
                QCOMPARE(exif->model, std::string("PX-100"));
                QCOMPARE(exif->dateTime, std::string("2024:05:03 10:20:30"));
            } else {
                QCOMPARE(exif.status(), Status::NotFound);
            }
        }
    }

    void histogramRemembersLimitsPerChannelAndSlidersCannotCross()
    {
        AlbumWindowFixture f;
        CPictraView* view = openFromAlbum(f);
        const auto dialog8 = test::whenDialogOpens([&](QDialog& dialog) {
            auto& histogram = static_cast<ui::CHistogramDlg&>(dialog);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("ヒストグラム"));
            QVERIFY(histogram.histogram().peak > 0);
            auto* channel = child<QComboBox>(dialog, 1081);
            channel->setCurrentIndex(1);
            child<QLineEdit>(dialog, 1000)->setText("128");
            child<QLineEdit>(dialog, 1001)->setText("64");
            QCOMPARE(histogram.limitState().limits, (HistogramLimits{128, 64}));
            channel->setCurrentIndex(2);
            QCOMPARE(histogram.limitState().limits, (HistogramLimits{255, 0}));
            channel->setCurrentIndex(1);
            QCOMPARE(histogram.limitState().limits, (HistogramLimits{128, 64}));
            QCOMPARE(child<QSlider>(dialog, 1083)->value(), 128);

            auto* upper = child<QSlider>(dialog, 1083);
            upper->setSliderDown(true);
            upper->setSliderPosition(10);
            upper->setSliderDown(false);
            QCOMPARE(histogram.limitState().limits.upper, 64);
            QCOMPARE(child<QLineEdit>(dialog, 1000)->text(), QStringLiteral("64"));
            channel->setCurrentIndex(0);
            child<QLineEdit>(dialog, 1000)->setText("200");
            child<QLineEdit>(dialog, 1001)->setText("60");
            test::saveArtifact(dialog, "tool_histogram.png");
            child<QLineEdit>(dialog, 1001)->setText("900");
            QCOMPARE(histogram.limitState().limits.lower, 255);
        });
        QVERIFY(view->handleCommand(32852));
    }
};

} // namespace
} // namespace pictra

QTEST_MAIN(pictra::TestToolDialogs)
#include "test_tool_dialogs.moc"
