// The scanner import dialog: rows and names over several rounds, delete
// without reusing names, the hand-over file, failures and cancel, the
// device's settings (shown, refused, remembered), and the album window's
// command end to end on SANE's test backend.
#include "support/album_window_fixture.h"
#include "support/fake_scan_source.h"
#include "support/modal_dialogs.h"

#include "core/album/name_list_file.h"
#include "core/commands/command_ids.h"
#include "core/platform/program_paths.h"
#include "core/util/file_io.h"
#include "scanner/sane_scan_source.h"
#include "core/settings/pictra_ini.h"
#include "scanner/sane_call_watch.h"
#include "ui/scan/c_twain_dlg.h"
#include "ui/scan/scan_messages.h"
#include "ui/scan/twain_import.h"
#include "ui/widgets/picture_preview.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include <cstdlib>
#include <memory>

using pictra::ScanDevice;
using pictra::test::AlbumWindowFixture;
using pictra::ui::CTwainDlg;
using pictra::ui::TwainResult;
namespace cmd = pictra::cmd;

namespace {

struct DialogFixture : AlbumWindowFixture {
    DialogFixture()
    {
        pictra::makeFolders(dir.file("IMAGE"));
        pictra::makeFolders(dir.file("TEMP"));
        pictra::makeFolders(dir.file("PARAM"));
        album = dir.file("trip.abm");
        frame = openAlbum(album, 0);
        source.pictures = {pictra::test::FakePicture{}, pictra::test::FakePicture{20, 10, 0, 0, 255}};
    }

    std::unique_ptr<CTwainDlg> dialog(pictra::ScanSource& from)
    {
        auto d = std::make_unique<CTwainDlg>(state, host.scripted, from, nullptr);
        d->show();
        return d;
    }

    // A dialog whose device settings are shown.
    std::unique_ptr<CTwainDlg> readyDialog(pictra::ScanSource& from)
    {
        auto d = std::make_unique<CTwainDlg>(state, host.scripted, from, nullptr);
        QSignalSpy ready(d.get(), &CTwainDlg::deviceReady);
        d->show();
        if (!ready.wait(20000))
            return nullptr;
        return d;
    }

    static QComboBox* combo(QWidget& d, const char* id) { return d.findChild<QComboBox*>(QLatin1String(id)); }
    static QStringList items(QComboBox* box)
    {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }

    static QPushButton* button(QWidget& d, const char* id) { return d.findChild<QPushButton*>(QLatin1String(id)); }
    static QTreeWidget* list(QWidget& d) { return d.findChild<QTreeWidget*>(QStringLiteral("1079")); }

    static bool scan(CTwainDlg& d)
    {
        QSignalSpy done(&d, &CTwainDlg::acquisitionFinished);
        button(d, "1020")->click();
        return done.wait(20000);
    }

    static QStringList column(QWidget& d, int c)
    {
        QStringList out;
        for (int i = 0; i < list(d)->topLevelItemCount(); ++i)
            out << list(d)->topLevelItem(i)->text(c);
        return out;
    }

    std::string imageFile(const QString& name, const char* ext = ".jpg")
    {
        return dir.file("IMAGE/" + name.toStdString() + ext);
    }

    std::string handOverFile() const { return pictra::tempFilePath(state.programFolder, pictra::kScanListFile); }

    std::string album;
    pictra::ui::CChildFrame* frame = nullptr;
    pictra::test::FakeScanSource source;
};

} // namespace

class TestTwainDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // SANE reads its configuration folder once per process.
        m_sane = std::make_unique<pictra::test::TempDir>();
        pictra::test::writeBytes(m_sane->file("dll.conf"), "test\n");
        pictra::test::writeBytes(m_sane->file("test.conf"), "number_of_devices 1\ntest-picture \"Color pattern\"\n");
        ::setenv("SANE_CONFIG_DIR", m_sane->path().c_str(), 1);
        ::setenv(pictra::kSaneCallLimitVariable, "30", 1);
    }

    void settingsShowWhatTheDeviceOffersAndComeBackAfterARestart()
    {
        DialogFixture f;
        f.source.options.feeds = {{pictra::ScanFeed::Flatbed, "Flatbed"}, {pictra::ScanFeed::Feeder, "ADF"}};
        {
            auto d = f.readyDialog(f.source);
            QVERIFY(d);
            QCOMPARE(DialogFixture::items(DialogFixture::combo(*d, "scanMode")),
                     (QStringList{QStringLiteral("カラー"), QStringLiteral("グレー")}));
            QCOMPARE(DialogFixture::combo(*d, "scanSource")->count(), 2);
            QCOMPARE(DialogFixture::combo(*d, "scanArea")->itemText(0), QStringLiteral("最大 (216 × 297 mm)"));
            auto* dpi = d->findChild<QSpinBox*>(QStringLiteral("scanResolution"));
            QVERIFY(dpi->isVisibleTo(d.get()));
            QCOMPARE(dpi->minimum(), 75);
            QCOMPARE(dpi->maximum(), 1200);
            QCOMPARE(dpi->value(), 300);
            QVERIFY(!d->findChild<QComboBox*>(QStringLiteral("scanResolutionList"))->isVisibleTo(d.get()));

            dpi->setValue(150);
            DialogFixture::combo(*d, "scanMode")->setCurrentIndex(1);
            DialogFixture::combo(*d, "scanSource")->setCurrentIndex(1);
            DialogFixture::combo(*d, "scanArea")->setCurrentIndex(4);
            d->findChild<QDoubleSpinBox*>(QStringLiteral("scanAreaWidth"))->setValue(100);
            d->findChild<QDoubleSpinBox*>(QStringLiteral("scanAreaHeight"))->setValue(148);
            QVERIFY(DialogFixture::scan(*d));
            const pictra::ScanRequest& r = f.source.lastRequest;
            QCOMPARE(r.resolutionDpi, 150);
            QCOMPARE(r.mode, std::optional(pictra::ScanMode::Grey));
            QCOMPARE(r.feed, std::optional(pictra::ScanFeed::Feeder));
            QVERIFY(r.area == std::optional(pictra::ScanAreaMm{100, 148}));
        }
        auto ini = pictra::readPictraIni(f.state.programFolder);
        QVERIFY(ini);
        QCOMPARE(ini->value("scan.fake:0.area"), std::optional<std::string>("100x148"));

        // A new dialog (as after a restart) reads them back from the file.
        auto again = f.readyDialog(f.source);
        QVERIFY(again);
        QCOMPARE(again->findChild<QSpinBox*>(QStringLiteral("scanResolution"))->value(), 150);
        QCOMPARE(DialogFixture::combo(*again, "scanMode")->currentText(), QStringLiteral("グレー"));
        QCOMPARE(DialogFixture::combo(*again, "scanSource")->currentIndex(), 1);
        QCOMPARE(DialogFixture::combo(*again, "scanArea")->currentText(), QStringLiteral("サイズを指定"));
        QCOMPARE(again->findChild<QDoubleSpinBox*>(QStringLiteral("scanAreaHeight"))->value(), 148.0);
    }

    void aListDeviceWithoutSourcesShowsItsListOnly()
    {
        DialogFixture f;
        f.source.options.resolutionList = {100, 200, 400};
        f.source.options.feeds.clear();
        auto d = f.readyDialog(f.source);
        QVERIFY(d);
        QComboBox* list = DialogFixture::combo(*d, "scanResolutionList");
        QVERIFY(list->isVisibleTo(d.get()));
        QCOMPARE(DialogFixture::items(list), (QStringList{"100", "200", "400"}));
        QCOMPARE(list->currentText(), QStringLiteral("200"));
        QVERIFY(!d->findChild<QSpinBox*>(QStringLiteral("scanResolution"))->isVisibleTo(d.get()));
        QVERIFY(!DialogFixture::combo(*d, "scanSource")->isVisibleTo(d.get()));
    }

    void settingsOverTheBufferCapAreRefusedNamingTheRange()
    {
        DialogFixture f;
        f.state.settings.imageBufferMb = 10;
        auto d = f.readyDialog(f.source);
        QVERIFY(d);
        d->findChild<QSpinBox*>(QStringLiteral("scanResolution"))->setValue(1200);
        DialogFixture::button(*d, "1020")->click();
        QCOMPARE(f.host.scripted.asked.size(), 1);
        // 216 x 297 mm at 10 MB: at most 183 dpi.
        QVERIFY2(f.host.scripted.asked[0].contains(QStringLiteral("75〜183 dpi")), qPrintable(f.host.scripted.asked[0]));
        QCOMPARE(f.source.acquireCalls, 0);
        QVERIFY(DialogFixture::button(*d, "1020")->isEnabled());
    }

    void noScannerIsToldWhenStartIsPressed()
    {
        DialogFixture f;
        f.source.deviceList.clear();
        auto d = f.readyDialog(f.source);
        QVERIFY(d);
        QCOMPARE(d->findChild<QLabel*>(QStringLiteral("scanDeviceState"))->text(), QStringLiteral("スキャナーが見つかりません"));
        QVERIFY(DialogFixture::scan(*d)); // looks again, then tells
        QCOMPARE(f.host.scripted.asked.size(), 1);
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("スキャナーが見つかりません。")));
        QCOMPARE(f.source.acquireCalls, 0);
        QCOMPARE(f.source.optionReads, 0);
    }

    void theSearchingLabelFits()
    {
        DialogFixture f;
        auto d = f.dialog(f.source);
        auto* state = d->findChild<QLabel*>(QStringLiteral("scanDeviceState"));
        QVERIFY(state->fontMetrics().horizontalAdvance(pictra::ui::scanSearchingText()) <= state->width());
        QSignalSpy ready(d.get(), &CTwainDlg::deviceReady);
        QVERIFY(ready.wait(20000));
    }

    void roundsNumberOnAndDeleteNeverReusesAName()
    {
        DialogFixture f;
        auto d = f.dialog(f.source);
        QCOMPARE(d->windowTitle(), QStringLiteral("TWAIN Driver"));
        QVERIFY(!DialogFixture::button(*d, "1021")->isEnabled());
        QVERIFY(DialogFixture::scan(*d));
        QVERIFY(DialogFixture::scan(*d));
        QCOMPARE(DialogFixture::column(*d, 0), (QStringList{"1", "2", "3", "4"}));
        const QStringList names = DialogFixture::column(*d, 1);
        const QString stem = names[0].section('_', 0, 0);
        QVERIFY(stem.startsWith(QStringLiteral("ABM")));
        QCOMPARE(names, (QStringList{stem + "_0", stem + "_1", stem + "_2", stem + "_3"}));
        QCOMPARE(DialogFixture::column(*d, 2), (QStringList{"jpg", "jpg", "jpg", "jpg"}));
        QCOMPARE(DialogFixture::column(*d, 3)[0], QString::fromStdString(f.dir.file("IMAGE")));
        for (const QString& name : names) {
            QVERIFY(pictra::fileExists(f.imageFile(name)));
            QVERIFY(pictra::fileExists(pictra::storeCopyPath(f.state.programFolder, f.album, f.imageFile(name))));
        }

        DialogFixture::list(*d)->topLevelItem(1)->setSelected(true);
        QVERIFY(DialogFixture::button(*d, "1021")->isEnabled());
        QCOMPARE(d->findChild<pictra::ui::PicturePreview*>(QStringLiteral("1031"))->path(), f.imageFile(names[1]));
        DialogFixture::button(*d, "1021")->click();
        QCOMPARE(DialogFixture::column(*d, 0), (QStringList{"1", "2", "3"}));
        QCOMPARE(DialogFixture::column(*d, 1), (QStringList{names[0], names[2], names[3]}));
        QVERIFY(!pictra::fileExists(f.imageFile(names[1])));
        QVERIFY(!DialogFixture::button(*d, "1022")->isEnabled());

        f.source.pictures.resize(1);
        d->findChild<QComboBox*>(QStringLiteral("1081"))->setCurrentIndex(1);
        QVERIFY(DialogFixture::scan(*d));
        QCOMPARE(DialogFixture::column(*d, 1).last(), stem + "_4");
        QCOMPARE(DialogFixture::column(*d, 2).last(), QStringLiteral("bmp"));
        QVERIFY(pictra::fileExists(f.imageFile(stem + "_4", ".bmp")));
        QVERIFY(f.host.scripted.asked.isEmpty());
    }

    void openWithoutRowsWritesACountOfZeroAndCancelWritesNothing()
    {
        DialogFixture f;
        auto d = f.dialog(f.source);
        QVERIFY(DialogFixture::scan(*d));
        DialogFixture::list(*d)->topLevelItem(0)->setSelected(true);
        DialogFixture::list(*d)->clearSelection();
        DialogFixture::button(*d, "1023")->click();
        QCOMPARE(d->resultCode(), TwainResult::Open);
        QVERIFY(!d->isVisible());
        auto handed = pictra::readNameListFile(f.handOverFile());
        QVERIFY(handed);
        QCOMPARE(handed->count(), 0);
        std::filesystem::remove(f.handOverFile());

        auto again = f.dialog(f.source);
        QVERIFY(DialogFixture::scan(*again));
        DialogFixture::button(*again, "2")->click();
        QCOMPARE(again->resultCode(), TwainResult::Cancelled);
        QVERIFY(!pictra::fileExists(f.handOverFile()));
        QCOMPARE(DialogFixture::column(*again, 1).size(), 2);
        QVERIFY(pictra::fileExists(f.imageFile(DialogFixture::column(*again, 1)[0])));
    }

    void failingDeviceAndMissingFolderAreTold()
    {
        DialogFixture f;
        f.source.pictures.clear();
        f.source.endWith = pictra::ScanError::DeviceError;
        auto d = f.dialog(f.source);
        QVERIFY(DialogFixture::scan(*d));
        QCOMPARE(DialogFixture::list(*d)->topLevelItemCount(), 0);
        QCOMPARE(f.host.scripted.asked.size(), 1);
        QVERIFY(f.host.scripted.asked[0].startsWith(QStringLiteral("ＰｉｃｔｒａはＴＷＡＩＮからの読み込みに失敗しました。")));
        QVERIFY(DialogFixture::button(*d, "1020")->isEnabled());

        d->findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QString::fromStdString(f.dir.file("gone")));
        DialogFixture::button(*d, "1020")->click();
        QCOMPARE(f.host.scripted.asked.size(), 2);
        QVERIFY(f.host.scripted.asked[1].contains(QStringLiteral("gone")));
        QCOMPARE(f.source.acquireCalls, 1);
    }

    void cancelStopsTheScanAndKeepsWhatArrived()
    {
        DialogFixture f;
        auto d = f.dialog(f.source);
        QPushButton* stop = DialogFixture::button(*d, "scanCancel");
        f.source.beforePicture = [stop](int index) {
            if (index == 0)
                QMetaObject::invokeMethod(stop, &QPushButton::click, Qt::BlockingQueuedConnection);
        };
        QVERIFY(DialogFixture::scan(*d));
        QCOMPARE(DialogFixture::list(*d)->topLevelItemCount(), 1);
        QVERIFY(f.host.scripted.asked.isEmpty());
        QVERIFY(stop->isHidden());
    }

    void twoSaneScansAreAddedToTheAlbum()
    {
        DialogFixture f;
        pictra::SaneScanSource sane;
        auto d = f.readyDialog(sane);
        QVERIFY(d);
        QCOMPARE(DialogFixture::combo(*d, "scanDevice")->count(), 1);
        QCOMPARE(DialogFixture::items(DialogFixture::combo(*d, "scanSource")),
                 (QStringList{QStringLiteral("フラットベッド"), QStringLiteral("原稿送り装置 (ADF)")}));
        // The test scanner's 200 x 200 mm at a low resolution keeps the test quick.
        d->findChild<QSpinBox*>(QStringLiteral("scanResolution"))->setValue(50);
        DialogFixture::combo(*d, "scanArea")->setCurrentIndex(4);
        d->findChild<QDoubleSpinBox*>(QStringLiteral("scanAreaWidth"))->setValue(60);
        d->findChild<QDoubleSpinBox*>(QStringLiteral("scanAreaHeight"))->setValue(90);
        QVERIFY(pictra::test::saveArtifact(*d, "scan_settings.png"));
        QVERIFY(DialogFixture::scan(*d));
        QVERIFY(DialogFixture::scan(*d));
        QCOMPARE(DialogFixture::list(*d)->topLevelItemCount(), 2);
        DialogFixture::list(*d)->selectAll();
        QVERIFY(pictra::test::saveArtifact(*d, "scan_dialog.png"));
        DialogFixture::button(*d, "1022")->click();
        QCOMPARE(d->resultCode(), TwainResult::Add);
        // Both scans are of the scanner's one test pattern: the guard asks,
        // and はい adds them both.
        f.host.scripted.yesNoCancelAnswers << pictra::ui::YesNoCancel::Yes;
        pictra::ui::applyTwainResult(f.state, f.host, *f.frame, static_cast<int>(d->resultCode()));
        QVERIFY(f.host.scripted.asked.last().contains(QStringLiteral("同じ内容")));
        QCOMPARE(f.record(*f.frame).imageCount, 2);
        QVERIFY(!pictra::fileExists(f.handOverFile()));
    }

    void theCommandOpensTheScansInTheirOwnWindows()
    {
        DialogFixture f;
        const auto dialog1 = pictra::test::whenDialogOpens([](QDialog& dialog) {
            auto& d = static_cast<CTwainDlg&>(dialog);
            // A small area keeps the scan quick.
            QComboBox* area = DialogFixture::combo(d, "scanArea");
            if (area->count() == 0) {
                QSignalSpy ready(&d, &CTwainDlg::deviceReady);
                QVERIFY(ready.wait(20000));
            }
            area->setCurrentIndex(3);
            QVERIFY(DialogFixture::scan(d));
            DialogFixture::list(d)->selectAll();
            DialogFixture::button(d, "1023")->click();
        });
        QVERIFY(f.frame->handleCommand(cmd::kInputTwain));
        QCOMPARE(f.state.albums->openCount, 2);
        QCOMPARE(f.host.mdiArea().subWindowList().size(), 2);
    }

private:
    std::unique_ptr<pictra::test::TempDir> m_sane;
};

QTEST_MAIN(TestTwainDialog)
#include "test_twain_dialog.moc"
