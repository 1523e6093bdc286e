// "元画像を探す..." as a user meets it: an album whose originals were moved,
// the search, the confirmation list (screenshot relink_pairs.png), a tie the
// user settles, and the entries repointed with the album marked changed.
#include "support/album_window_fixture.h"
#include "support/modal_dialogs.h"

#include "core/album/album_changes.h"
#include "core/commands/command_ids.h"
#include "core/util/file_io.h"
#include "support/synthetic_scene.h"
#include "ui/albumwindow/error_log_dialog.h"
#include "ui/dialogs/c_relink_dlg.h"
#include "ui/dialogs/relink_messages.h"

#include <QComboBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <cstdlib>
#include <filesystem>

using pictra::test::AlbumWindowFixture;
using pictra::test::whenDialogOpens;
namespace cmd = pictra::cmd;

namespace {

void writeScene(const std::string& path, std::uint32_t seed, int quality)
{
    const auto bytes = pictra::test::encodeWithTurbo(pictra::test::makeScene(320, 240, seed), quality,
                                                     pictra::test::TurboSampling::S420);
    pictra::test::writeBytes(path, std::string(bytes.begin(), bytes.end()));
}

std::string entryPath(const pictra::AlbumRecord& record, int i)
{
    return std::string(pictra::fieldText(record.images[static_cast<std::size_t>(i)].path));
}

} // namespace

class TestRelinkDialog : public QObject {
    Q_OBJECT

private slots:
    void init() { ::setenv("XDG_CACHE_HOME", (m_cache.path() + "/cache").c_str(), 1); }

    // Four entries: two moved and renamed, one whose file now exists twice
    // (a tie), one really gone.
    void confirmsPairsAndRepointsTheAlbum()
    {
        AlbumWindowFixture f;
        const std::string album = f.dir.file("trip.abm");
        pictra::ui::CChildFrame* frame = f.openAlbum(album, 4);
        for (int i = 0; i < 4; ++i)
            writeScene(pictra::storeCopyPath(f.state.programFolder, album, f.dir.file("img" + std::to_string(i) + ".jpg")),
                       static_cast<std::uint32_t>(i + 1), 75);
        writeScene(f.dir.file("moved/2024/holiday 1.jpg"), 1, 92);
        writeScene(f.dir.file("moved/2024/holiday 2.jpg"), 2, 92);
        writeScene(f.dir.file("moved/a3.jpg"), 3, 92);
        writeScene(f.dir.file("backup/a3 copy.jpg"), 3, 92);
        writeScene(f.dir.file("moved/unrelated.jpg"), 50, 92);

        const auto expected = whenDialogOpens([&](QDialog& d) {
            auto& dialog = static_cast<pictra::ui::CRelinkDlg&>(d);
            QCOMPARE(dialog.missingCount(), 4);
            dialog.setFolders({f.dir.file("moved"), f.dir.file("backup")});
            dialog.search();
            auto* pairs = dialog.findChild<QTreeWidget*>(QStringLiteral("pairs"));
            QVERIFY(pairs);
            QCOMPARE(pairs->topLevelItemCount(), 4);
            QCOMPARE(pairs->topLevelItem(0)->checkState(0), Qt::Checked);
            QCOMPARE(pairs->topLevelItem(0)->text(1), QString::fromStdString(f.dir.file("moved/2024/holiday 1.jpg")));
            QCOMPARE(pairs->topLevelItem(1)->checkState(0), Qt::Checked);
            QCOMPARE(pairs->topLevelItem(2)->checkState(0), Qt::Unchecked);
            QCOMPARE(pairs->topLevelItem(3)->text(1), pictra::ui::relinkNotFoundText());
            auto* choice = qobject_cast<QComboBox*>(pairs->itemWidget(pairs->topLevelItem(2), 1));
            QVERIFY(choice);
            QCOMPARE(choice->count(), 3);
            dialog.findChild<QPushButton*>(QStringLiteral("checkAll"))->click();
            QCOMPARE(pairs->topLevelItem(2)->checkState(0), Qt::Unchecked); // a tie needs its file chosen
            choice->setCurrentIndex(choice->findText(QString::fromStdString(f.dir.file("moved/a3.jpg")),
                                                     Qt::MatchStartsWith));
            QCOMPARE(pairs->topLevelItem(2)->checkState(0), Qt::Checked);
            pairs->topLevelItem(1)->setCheckState(0, Qt::Unchecked); // the user keeps this one as it was
            QCoreApplication::processEvents();
            QVERIFY(pictra::test::saveArtifact(dialog, "relink_pairs.png"));
            dialog.findChild<QPushButton*>(QStringLiteral("apply"))->click();
        });
        QVERIFY(frame->handleCommand(cmd::kRelink));
        const pictra::AlbumRecord& record = f.record(*frame);
        QCOMPARE(entryPath(record, 0), f.dir.file("moved/2024/holiday 1.jpg"));
        QCOMPARE(entryPath(record, 1), f.dir.file("img1.jpg"));
        QCOMPARE(entryPath(record, 2), f.dir.file("moved/a3.jpg"));
        QCOMPARE(entryPath(record, 3), f.dir.file("img3.jpg"));
        QVERIFY(pictra::albumChanged(record));
        QVERIFY(frame->windowTitle().endsWith(QStringLiteral(" *")));
        // The store copy follows the new name, so the picture still shows.
        QVERIFY(pictra::fileExists(pictra::storeCopyPath(f.state.programFolder, album, f.dir.file("moved/2024/holiday 1.jpg"))));
    }

    void saysSoWhenNothingIsMissing()
    {
        AlbumWindowFixture f;
        const std::string album = f.dir.file("full.abm");
        pictra::ui::CChildFrame* frame = f.openAlbum(album, 2);
        f.writePictures(album, 2);
        QVERIFY(frame->handleCommand(cmd::kRelink));
        QCOMPARE(f.host.scripted.asked, QStringList{pictra::ui::relinkNothingMissingMessage()});
        QVERIFY(!pictra::albumChanged(f.record(*frame)));
    }

    void errorLogOffersTheSearch()
    {
        int asked = 0;
        pictra::ui::ErrorLogDialog log("/a/trip.abm", {"/a/img0.jpg"}, nullptr, [&] { ++asked; });
        auto* find = log.findChild<QPushButton*>(QStringLiteral("findOriginals"));
        QVERIFY(find);
        QCOMPARE(find->text(), pictra::ui::relinkErrorLogButtonText());
        find->click();
        QCOMPARE(asked, 1);
        pictra::ui::ErrorLogDialog plain({}, {"/a/img0.jpg"}, nullptr);
        QVERIFY(!plain.findChild<QPushButton*>(QStringLiteral("findOriginals")));
    }

private:
    pictra::test::TempDir m_cache;
};

QTEST_MAIN(TestRelinkDialog)
#include "test_relink_dialog.moc"
