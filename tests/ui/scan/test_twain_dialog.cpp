// The scanner import dialog: rows and names over several rounds, delete
// without reusing names, the hand-over file, failures and cancel, and the
// album window's command end to end on SANE's test backend.
#include "support/album_window_fixture.h"
#include "support/fake_scan_source.h"
#include "support/modal_dialogs.h"

#include "core/album/name_list_file.h"
#include "core/commands/command_ids.h"
#include "core/platform/program_paths.h"
#include "core/util/file_io.h"
#include "scanner/sane_scan_source.h"
#include "ui/scan/c_twain_dlg.h"
#include "ui/scan/scan_device_chooser.h"
#include "ui/scan/twain_import.h"
#include "ui/widgets/picture_preview.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QSignalSpy>
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

class FirstDevice final : public pictra::ui::ScanDeviceChooser {
public:
    int asked = 0;
    std::optional<int> choose(QWidget*, const std::vector<ScanDevice>&, int preselected) override
    {
        ++asked;
        return preselected;
    }
};

struct DialogFixture : AlbumWindowFixture {
    DialogFixture()
    {
        pictra::makeFolders(dir.file("IMAGE"));
        pictra::makeFolders(dir.file("TEMP"));
        album = dir.file("trip.abm");
        frame = openAlbum(album, 0);
        source.pictures = {pictra::test::FakePicture{}, pictra::test::FakePicture{20, 10, 0, 0, 255}};
    }

    std::unique_ptr<CTwainDlg> dialog(pictra::ScanSource& from)
    {
        auto d = std::make_unique<CTwainDlg>(state, host.scripted, from, chooser, nullptr);
        d->show();
        return d;
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
    FirstDevice chooser;
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
        auto d = f.dialog(sane);
        QVERIFY(DialogFixture::scan(*d));
        QVERIFY(DialogFixture::scan(*d));
        QCOMPARE(DialogFixture::list(*d)->topLevelItemCount(), 2);
        QCOMPARE(f.chooser.asked, 0); // one device: nothing to choose
        DialogFixture::list(*d)->selectAll();
        QVERIFY(pictra::test::saveArtifact(*d, "scan_dialog.png"));
        DialogFixture::button(*d, "1022")->click();
        QCOMPARE(d->resultCode(), TwainResult::Add);
        pictra::ui::applyTwainResult(f.state, f.host, *f.frame, static_cast<int>(d->resultCode()));
        QCOMPARE(f.record(*f.frame).imageCount, 2);
        QVERIFY(!pictra::fileExists(f.handOverFile()));
    }

    void theCommandOpensTheScansInTheirOwnWindows()
    {
        DialogFixture f;
        const auto dialog1 = pictra::test::whenDialogOpens([](QDialog& dialog) {
            auto& d = static_cast<CTwainDlg&>(dialog);
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
