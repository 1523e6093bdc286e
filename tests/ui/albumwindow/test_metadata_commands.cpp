// Metadata in the album window as a user meets it: pictures added with
// their date taken and captions (unless the options sheet switched the date
// off), "撮影日を日付に入れる", "XMPに書き出す" and "並べ替え".
#include "support/album_window_fixture.h"
#include "support/modal_dialogs.h"

#include "core/album/album_changes.h"
#include "core/album/cell_picture.h"
#include "core/album/file_name_list.h"
#include "core/commands/command_ids.h"
#include "core/commands/command_enabling.h"
#include "core/metadata/metadata_settings.h"
#include "core/settings/settings_file.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "ui/options/options_apply.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <cstdlib>
#include <filesystem>

using pictra::test::AlbumWindowFixture;
using pictra::test::whenDialogOpens;
using namespace pictra;

namespace {

std::string metadataFile(const std::string& name)
{
    return std::string(std::getenv("PICTRA_TEST_DATA")) + "/metadata/" + name;
}

std::string summaryOf(const AlbumRecord& album, int i)
{
    return cp932ToUtf8(fieldText(album.images[static_cast<std::size_t>(i)].summary)).text;
}

FileNameList listOf(std::initializer_list<std::string> paths)
{
    FileNameList list;
    for (const std::string& p : paths)
        (void)list.add(p); // the test paths are short
    return list;
}

} // namespace

class TestMetadataCommands : public QObject {
    Q_OBJECT
private slots:
    void addedPicturesTakeDateAndCaptionsAndLongOnesAreNamedOnce()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum(f.dir.file("trip.abm"), 0);
        QCOMPARE(frame->appendImages(listOf({metadataFile("dated.jpg"), metadataFile("captions.jpg"),
                                             metadataFile("long_caption.jpg")})),
                 1);
        const AlbumRecord& w = f.state.albums->working;
        QCOMPARE(w.images[0].year, 2015);
        QCOMPARE(w.images[0].day, 9);
        QCOMPARE(summaryOf(w, 1), std::string("東京タワー"));
        QCOMPARE(f.host.scripted.asked.size(), 1);
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("一部を省いて")));
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("long_caption.jpg")));
        QVERIFY(!f.host.scripted.asked[0].contains(QStringLiteral("dated.jpg")));
    }

    void theOptionsSheetSwitchLeavesNewDatesUnset()
    {
        AlbumWindowFixture f;
        f.state.settings = defaultWorkModeSettings(); // values the sheet accepts
        auto* frame = f.openAlbum(f.dir.file("trip.abm"), 0);
        QVERIFY(makeFolders(f.dir.file("PARAM")));
        {
            const auto expected = whenDialogOpens([](QDialog& sheet) {
                auto* pages = sheet.findChild<QTabWidget*>();
                pages->setCurrentIndex(pages->count() - 1);
                auto* dateTaken = test::control<QCheckBox>(sheet, "dateTaken");
                QVERIFY(dateTaken->isChecked());
                dateTaken->click();
                test::saveArtifact(sheet, "options_metadata_page.png");
                test::control<QPushButton>(sheet, "1")->click();
            });
            ui::runOptionsSheet(f.state, f.host, frame);
        }
        auto ini = readPictraIni(f.state.programFolder);
        QVERIFY(ini);
        QVERIFY(!dateTakenForNewEntries(*ini));
        QCOMPARE(frame->appendImages(listOf({metadataFile("dated.jpg")})), 1);
        const ImageEntry& added = f.state.albums->working.images[0];
        QCOMPARE(added.year + added.month + added.day, 0);
        QCOMPARE(summaryOf(f.state.albums->working, 0), std::string()); // dated.jpg has no captions
    }

    void fillDateTakenSetsTheFocusedDateAndNamesPicturesWithout()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum(f.dir.file("trip.abm"), 2);
        std::filesystem::copy_file(metadataFile("digitized.jpg"), f.dir.file("img0.jpg"));
        AlbumRecord& w = f.state.albums->working;
        w.hasFocus = 1;
        w.focusIndex = 0;
        w.images[0].year = 1990;
        markAlbumSaved(w);
        QVERIFY(isCommandEnabled(cmd::kFillDateTaken, windowStateOf(w, 1, true)));
        QVERIFY(frame->handleCommand(cmd::kFillDateTaken));
        QCOMPARE(w.images[0].year, 2013);
        QCOMPARE(w.images[0].month, 2);
        QVERIFY(albumChanged(w));

        clearSelection(f.state.selection);
        w.focusIndex = 1; // img1.jpg does not exist
        QVERIFY(frame->handleCommand(cmd::kFillDateTaken));
        QCOMPARE(f.host.scripted.asked.size(), 1);
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("撮影日が書かれていない")));
    }

    void exportXmpWritesTheSidecarAndSaysSo()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum(f.dir.file("trip.abm"), 2);
        f.writePictures(f.dir.file("trip.abm"), 1);
        AlbumRecord& w = f.state.albums->working;
        w.hasFocus = 1;
        w.focusIndex = 0;
        const std::uint32_t serial = w.changeSerial;
        QVERIFY(frame->handleCommand(cmd::kExportXmp));
        QVERIFY(fileExists(f.dir.file("img0.xmp")));
        QVERIFY(!fileExists(f.dir.file("img1.xmp")));
        QCOMPARE(f.host.scripted.asked.size(), 1);
        QVERIFY(f.host.scripted.asked[0].startsWith(QStringLiteral("1件のXMPファイル")));
        QCOMPARE(w.changeSerial, serial); // export never edits the album's entries
    }

    void sortByNameKeepsTheFocusOnItsPictureAndMarksTheAlbum()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum(f.dir.file("trip.abm"), 3);
        AlbumRecord& w = f.state.albums->working;
        setFieldText(w.images[0].path, f.dir.file("c.jpg"));
        setFieldText(w.images[1].path, f.dir.file("a.jpg"));
        setFieldText(w.images[2].path, f.dir.file("b.jpg"));
        // The pictures and their store copies, so the screenshot shows the order.
        for (const char* name : {"c.jpg", "a.jpg", "b.jpg"}) {
            const std::string source = f.dir.file(name);
            AlbumWindowFixture::writeJpeg(source, 200, name[0]);
            AlbumWindowFixture::writeJpeg(storeCopyPath(f.state.programFolder, f.dir.file("trip.abm"), source), 100,
                                          name[0]);
        }
        w.hasFocus = 1;
        w.focusIndex = 0;
        markAlbumSaved(w);
        QVERIFY(frame->handleCommand(cmd::kSortByName));
        QCOMPARE(imageFilePath(w.images[0]), f.dir.file("a.jpg"));
        QCOMPARE(imageFilePath(w.images[2]), f.dir.file("c.jpg"));
        QCOMPARE(summaryOf(w, 2), std::string("summary 0")); // the whole entry moved
        QCOMPARE(w.focusIndex, 2);
        QVERIFY(albumChanged(w));
        test::saveArtifact(*frame, "album_sorted_by_name.png");
    }
};

QTEST_MAIN(TestMetadataCommands)
#include "test_metadata_commands.moc"
