// The search dialog as a user works it: a folder searched, results opened
// and added, a search stopped, files deleted, and the album search.
#include "support/album_window_fixture.h"
#include "support/modal_dialogs.h"

#include "core/commands/command_ids.h"
#include "core/platform/program_paths.h"
#include "core/search/search_files.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "ui/search/c_search_dlg.h"
#include "ui/widgets/picture_preview.h"
#include "ui/search/search_command.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <chrono>
#include <filesystem>

using pictra::AlbumKind;
using pictra::test::AlbumWindowFixture;
using pictra::ui::CSearchDlg;
namespace cmd = pictra::cmd;

namespace {

using pictra::test::control;

QPushButton* button(QWidget& dialog, const char* id) { return control<QPushButton>(dialog, id); }
QTreeWidget* results(QWidget& dialog) { return control<QTreeWidget>(dialog, "1079"); }
QString resultText(QWidget& dialog) { return control<QLabel>(dialog, "1012")->text(); }

// Chooses `folder` through "参照から指定する" (the last item of the location box).
void chooseFolder(AlbumWindowFixture& f, QWidget& dialog, const std::string& folder)
{
    auto* location = control<QComboBox>(dialog, "1019");
    f.host.scripted.fileAnswers << QString::fromStdString(folder);
    emit location->activated(location->count() - 1);
}

QStringList columnTexts(QTreeWidget& list, int column)
{
    QStringList texts;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        texts << list.topLevelItem(i)->text(column);
    return texts;
}

void clickHeading(QTreeWidget& list, int column)
{
    QHeaderView* header = list.header();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

int windowsOfKind(AlbumWindowFixture& f, AlbumKind kind)
{
    int n = 0;
    for (int i = 0; i < f.state.albums->openCount; ++i)
        n += f.state.albums->windowSlots[static_cast<std::size_t>(i)].kind == kind ? 1 : 0;
    return n;
}

void saveShot(QWidget& widget, const char* name)
{
    const QByteArray dir = qgetenv("PICTRA_ARTIFACT_DIR");
    if (!dir.isEmpty())
        QVERIFY(widget.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name)));
}

} // namespace

class TestSearchDialog : public QObject {
    Q_OBJECT
private slots:
    void folderSearchOpensTwoResultsAndAddsOne()
    {
        AlbumWindowFixture f;
        QVERIFY(pictra::makeFolders(f.dir.file("TEMP")));
        const std::string album = f.dir.file("trip.abm");
        f.writePictures(album, 2);
        auto* frame = f.openAlbum(album, 2);
        AlbumWindowFixture::writeJpeg(f.dir.file("disk/beach.jpg"), 320, 3);
        AlbumWindowFixture::writeJpeg(f.dir.file("disk/sub/hill.jpg"), 240, 4);
        pictra::test::writeBytes(f.dir.file("disk/sub/notes.txt"), "x");

        CSearchDlg dialog(f.state, f.host.scripted, cmd::kSearchFromFile, true, nullptr);
        dialog.show();
        for (const char* id : {"1020", "1018", "1021", "1022"})
            QVERIFY(!button(dialog, id)->isEnabled());
        QVERIFY(!control<QLineEdit>(dialog, "1001")->isEnabled());
        auto* pattern = control<QComboBox>(dialog, "1081");
        QCOMPARE(pattern->count(), 7);
        pattern->setEditText(QStringLiteral("*.ABM"));
        QVERIFY(control<QLineEdit>(dialog, "1001")->isEnabled());
        pattern->setEditText(QStringLiteral("*.*"));
        QVERIFY(!control<QLineEdit>(dialog, "1001")->isEnabled());

        chooseFolder(f, dialog, f.dir.file("disk"));
        QCOMPARE(control<QComboBox>(dialog, "1019")->currentText(), QString::fromStdString(f.dir.file("disk/")));
        QTest::mouseClick(button(dialog, "1017"), Qt::LeftButton);
        QCOMPARE(resultText(dialog), QStringLiteral("2件のファイルが見つかりました。"));
        QTreeWidget* list = results(dialog);
        QCOMPARE(list->topLevelItemCount(), 2);
        list->selectAll();
        QVERIFY(button(dialog, "1018")->isEnabled());
        QVERIFY(button(dialog, "1022")->isEnabled());
        QVERIFY(!control<pictra::ui::PicturePreview>(dialog, "1058")->path().empty());
        const QTreeWidgetItem* hill = list->findItems(QStringLiteral("hill"), Qt::MatchExactly, 1).value(0);
        QVERIFY(hill);
        QCOMPARE(hill->text(2), QStringLiteral("jpg"));
        QCOMPARE(hill->text(3), QString::fromStdString(f.dir.file("disk/sub/")));
        saveShot(dialog, "search_dialog.png");

        QTest::mouseClick(button(dialog, "1018"), Qt::LeftButton);
        QCOMPARE(dialog.handOver(), CSearchDlg::Open);
        QVERIFY(!dialog.isVisible());
        pictra::ui::applySearchResult(f.state, f.host, nullptr, dialog.handOver(), frame);
        QCOMPARE(windowsOfKind(f, AlbumKind::SingleImage), 2);
        QVERIFY(!pictra::fileExists(pictra::tempFilePath(f.state.programFolder, pictra::kSearchResultFile)));

        // "追加" of one result into the album window, with its store copy.
        frame->makeCurrent();
        CSearchDlg adding(f.state, f.host.scripted, cmd::kSearchFromFile, true, nullptr);
        chooseFolder(f, adding, f.dir.file("disk/sub"));
        QTest::mouseClick(button(adding, "1017"), Qt::LeftButton);
        QCOMPARE(results(adding)->topLevelItemCount(), 1);
        results(adding)->topLevelItem(0)->setSelected(true);
        QTest::mouseClick(button(adding, "1022"), Qt::LeftButton);
        QCOMPARE(adding.handOver(), CSearchDlg::Add);
        pictra::ui::applySearchResult(f.state, f.host, nullptr, adding.handOver(), frame);
        QCOMPARE(f.record(*frame).imageCount, 3);
        QVERIFY(pictra::fileExists(pictra::storeCopyPath(f.state.programFolder, album, f.dir.file("disk/sub/hill.jpg"))));
    }

    void addIsOfferedOnlyWithAnAlbumWindowAndRefusesAClashingName()
    {
        AlbumWindowFixture f;
        QVERIFY(pictra::makeFolders(f.dir.file("TEMP")));
        const std::string album = f.dir.file("trip.abm");
        auto* frame = f.openAlbum(album, 1); // holds img0.jpg
        AlbumWindowFixture::writeJpeg(f.dir.file("disk/img0.jpg"), 64, 1);

        CSearchDlg without(f.state, f.host.scripted, cmd::kSearchFromFile, false, nullptr);
        chooseFolder(f, without, f.dir.file("disk"));
        QTest::mouseClick(button(without, "1017"), Qt::LeftButton);
        results(without)->selectAll();
        QVERIFY(button(without, "1018")->isEnabled());
        QVERIFY(!button(without, "1022")->isEnabled());

        CSearchDlg with(f.state, f.host.scripted, cmd::kSearchFromFile, true, nullptr);
        chooseFolder(f, with, f.dir.file("disk"));
        QTest::mouseClick(button(with, "1017"), Qt::LeftButton);
        results(with)->selectAll();
        QTest::mouseClick(button(with, "1022"), Qt::LeftButton);
        // Its store copy would replace that of the album's own img0.jpg.
        QCOMPARE(with.handOver(), CSearchDlg::None);
        QVERIFY(f.host.scripted.asked.last().contains(QStringLiteral("同じファイル名")));
        QCOMPARE(f.record(*frame).imageCount, 1);
    }

    void stopKeepsTheRowsAndEscapeWaitsForIt()
    {
        AlbumWindowFixture f;
        for (int folder = 0; folder < 60; ++folder)
            for (int i = 0; i < 100; ++i)
                pictra::test::writeBytes(f.dir.file("many/" + std::to_string(folder) + "/p" + std::to_string(i) + ".jpg"), "");
        CSearchDlg dialog(f.state, f.host.scripted, cmd::kSearchFromFile, false, nullptr);
        dialog.show();
        chooseFolder(f, dialog, f.dir.file("many"));
        bool refusedWhileSearching = false;
        QTimer::singleShot(0, &dialog, [&] {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            refusedWhileSearching = dialog.isVisible() && dialog.searching();
            QTest::mouseClick(button(dialog, "1020"), Qt::LeftButton);
        });
        QTest::mouseClick(button(dialog, "1017"), Qt::LeftButton);
        QVERIFY(refusedWhileSearching);
        QVERIFY(!dialog.searching());
        const int rows = results(dialog)->topLevelItemCount();
        QVERIFY(rows > 0 && rows < 6000);
        QCOMPARE(resultText(dialog), QStringLiteral("%1件のファイルが見つかりました。").arg(rows));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    void deleteMovesToTheTrashAndKeepsARowThatFailed()
    {
        AlbumWindowFixture f;
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            pictra::test::writeBytes(f.dir.file(std::string("disk/") + name), "x");
        CSearchDlg dialog(f.state, f.host.scripted, cmd::kSearchFromFile, false, nullptr);
        chooseFolder(f, dialog, f.dir.file("disk"));
        QTest::mouseClick(button(dialog, "1017"), Qt::LeftButton);
        QTreeWidget* list = results(dialog);
        QCOMPARE(list->topLevelItemCount(), 3);
        list->sortItems(1, Qt::AscendingOrder);
        std::remove(f.dir.file("disk/b.jpg").c_str()); // gone before the delete: moving it fails
        QVERIFY(!pictra::fileExists(f.home.trashedFile("a.jpg")));
        list->topLevelItem(0)->setSelected(true);
        list->topLevelItem(1)->setSelected(true);
        f.host.scripted.yesNoAnswers << true << true;
        QTest::mouseClick(button(dialog, "1021"), Qt::LeftButton);
        QVERIFY(f.host.scripted.asked.contains(
            QStringLiteral("「%1」を削除します。").arg(QString::fromStdString(f.dir.file("disk/a.jpg")))));
        QVERIFY(!pictra::fileExists(f.dir.file("disk/a.jpg")));
        QVERIFY(pictra::fileExists(f.home.trashedFile("a.jpg"))); // the test's own trash, nobody else's
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("b"));
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("1"));
        QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("2"));
        QCOMPARE(resultText(dialog), QStringLiteral("2件のファイルが見つかりました。"));
        QVERIFY(!button(dialog, "1021")->isEnabled());
    }

    void resultsSortByEachColumnAndStayNumbered()
    {
        AlbumWindowFixture f;
        namespace fs = std::filesystem;
        const auto now = fs::file_time_type::clock::now();
        struct Found {
            const char* name;
            std::size_t bytes;
            int minutesOld;
        };
        // IMG_9 and IMG_10 both read "2 KB": only their byte counts order them.
        for (const Found& file : {Found{"disk/IMG_10.jpg", 1100, 30}, Found{"disk/IMG_9.jpg", 1500, 10},
                                  Found{"disk/sub/beach.jpg", 12000, 20}}) {
            pictra::test::writeBytes(f.dir.file(file.name), std::string(file.bytes, 'x'));
            fs::last_write_time(f.dir.file(file.name), now - std::chrono::minutes(file.minutesOld));
        }
        CSearchDlg dialog(f.state, f.host.scripted, cmd::kSearchFromFile, false, nullptr);
        dialog.show();
        chooseFolder(f, dialog, f.dir.file("disk"));
        QTest::mouseClick(button(dialog, "1017"), Qt::LeftButton);
        QTreeWidget& list = *results(dialog);
        QCOMPARE(list.topLevelItemCount(), 3);
        const QStringList numbers{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
        const QStringList found = columnTexts(list, 1);

        clickHeading(list, 1);
        QCOMPARE(columnTexts(list, 1), (QStringList{QStringLiteral("beach"), QStringLiteral("IMG_9"), QStringLiteral("IMG_10")}));
        QCOMPARE(columnTexts(list, 0), numbers);
        clickHeading(list, 1);
        QCOMPARE(columnTexts(list, 1), (QStringList{QStringLiteral("IMG_10"), QStringLiteral("IMG_9"), QStringLiteral("beach")}));
        clickHeading(list, 1);
        clickHeading(list, 4);
        QCOMPARE(columnTexts(list, 1), (QStringList{QStringLiteral("IMG_10"), QStringLiteral("IMG_9"), QStringLiteral("beach")}));
        QCOMPARE(columnTexts(list, 4), (QStringList{QStringLiteral("2 KB"), QStringLiteral("2 KB"), QStringLiteral("12 KB")}));
        QCOMPARE(columnTexts(list, 0), numbers);
        QVERIFY(pictra::test::saveArtifact(dialog, "search_sorted.png"));
        clickHeading(list, 5);
        QCOMPARE(columnTexts(list, 1), (QStringList{QStringLiteral("IMG_10"), QStringLiteral("beach"), QStringLiteral("IMG_9")}));
        clickHeading(list, 3);
        QCOMPARE(list.topLevelItem(2)->text(1), QStringLiteral("beach")); // disk/ before disk/sub/
        QCOMPARE(columnTexts(list, 0), numbers);
        clickHeading(list, 0); // back to the order they were found in
        QCOMPARE(columnTexts(list, 1), found);
        QCOMPARE(columnTexts(list, 0), numbers);

        // A delete closes the numbers up.
        list.topLevelItem(0)->setSelected(true);
        f.host.scripted.yesNoAnswers << true;
        QTest::mouseClick(button(dialog, "1021"), Qt::LeftButton);
        QCOMPARE(columnTexts(list, 0), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    }

    void deleteFirstSaysWhichOpenAlbumsUseTheFile()
    {
        AlbumWindowFixture f;
        const std::string used = f.dir.file("disk/a.jpg");
        pictra::test::writeBytes(used, "x");
        auto* trip = f.openAlbum(f.dir.file("trip.abm"), 2);
        f.openAlbum(f.dir.file("other.abm"), 1);
        pictra::editWindowRecords(*f.state.albums, trip->viewId(),
                                  [&](pictra::AlbumRecord& r) { pictra::setFieldText(r.images[1].path, used); });
        CSearchDlg dialog(f.state, f.host.scripted, cmd::kSearchFromFile, false, nullptr);
        chooseFolder(f, dialog, f.dir.file("disk"));
        QTest::mouseClick(button(dialog, "1017"), Qt::LeftButton);
        QCOMPARE(results(dialog)->topLevelItemCount(), 1);
        results(dialog)->topLevelItem(0)->setSelected(true);
        f.host.scripted.yesNoAnswers << false;
        QTest::mouseClick(button(dialog, "1021"), Qt::LeftButton);
        const QString question = f.host.scripted.asked.last();
        QVERIFY2(question.startsWith(QStringLiteral("「%1」を削除します。").arg(QString::fromStdString(used))) &&
                     question.contains(QStringLiteral("「trip.abm」")) && !question.contains(QStringLiteral("other.abm")),
                 qPrintable(question));
        QVERIFY(pictra::fileExists(used)); // いいえ keeps it
    }

    void albumSearchReadsTheTemporaryAlbum()
    {
        AlbumWindowFixture f;
        QVERIFY(pictra::makeFolders(f.dir.file("TEMP")));
        std::vector<pictra::ImageEntry> entries(3);
        const char* paths[] = {"/p/kyoto/a.jpg", "/p/b.JPG", "/p/c.jpeg"};
        for (int i = 0; i < 3; ++i)
            (void)pictra::setFieldText(entries[static_cast<std::size_t>(i)].path, paths[i]);
        entries[1].year = 2003;
        (void)pictra::setFieldText(entries[2].place, pictra::utf8ToCp932("京都").text);
        QCOMPARE(pictra::writeSearchAlbum(f.state.programFolder, entries), pictra::Status::Ok);

        CSearchDlg dialog(f.state, f.host.scripted, cmd::kSearch, true, nullptr);
        auto* pattern = control<QComboBox>(dialog, "1081");
        QCOMPARE(pattern->count(), 6);
        QCOMPARE(pattern->findText(QStringLiteral("*.abm")), -1);
        QVERIFY(!control<QComboBox>(dialog, "1019")->isEnabled());
        control<QLineEdit>(dialog, "1001")->setText(QStringLiteral("2003,京都"));
        QTest::mouseClick(button(dialog, "1017"), Qt::LeftButton);
        QCOMPARE(results(dialog)->topLevelItemCount(), 2); // "*.*" takes every type the program reads
        QCOMPARE(results(dialog)->topLevelItem(0)->text(1), QStringLiteral("b"));
        QCOMPARE(results(dialog)->topLevelItem(1)->text(1), QStringLiteral("c"));
        pattern->setEditText(QStringLiteral("KYOTO"));
        control<QLineEdit>(dialog, "1001")->clear();
        QTest::mouseClick(button(dialog, "1017"), Qt::LeftButton);
        QCOMPARE(results(dialog)->topLevelItemCount(), 1);
        pattern->setEditText(QStringLiteral("*.psd"));
        QTest::mouseClick(button(dialog, "1017"), Qt::LeftButton);
        QCOMPARE(resultText(dialog), QStringLiteral("該当ファイルが見つかりませんでした。"));
        results(dialog)->clearSelection();
        QVERIFY(!button(dialog, "1022")->isEnabled());
    }
};

QTEST_MAIN(TestSearchDialog)
#include "test_search_dialog.moc"
