// The album window's editing commands as a user meets them: the insert
// dialog, delete, rename and move, with the screenshots of their dialogs.
#include "support/album_window_fixture.h"
#include "support/modal_dialogs.h"

#include "core/album/album_changes.h"
#include "core/album/cell_picture.h"
#include "core/commands/command_ids.h"
#include "core/util/file_io.h"
#include "ui/dialogs/c_insert_image_dlg.h"
#include "ui/dialogs/status_messages.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <filesystem>

using pictra::test::AlbumWindowFixture;
using pictra::test::whenDialogOpens;
namespace cmd = pictra::cmd;

namespace {

QString labelText(QWidget& dialog, const char* id)
{
    auto* label = dialog.findChild<QLabel*>(QLatin1String(id));
    return label ? label->text() : QStringLiteral("<none>");
}

void clickButton(QWidget& dialog, const char* id)
{
    auto* button = dialog.findChild<QPushButton*>(QLatin1String(id));
    QVERIFY2(button, id);
    button->click();
}

void clickCell(QWidget& dialog, const char* id)
{
    QWidget* cell = dialog.findChild<QWidget*>(QLatin1String(id));
    QVERIFY2(cell, id);
    QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center());
}

// A picture of its own colours for each i, so the strip's cells tell apart.
void writeTinted(const std::string& path, int i)
{
    pictra::test::RgbImage image = pictra::test::makePhotoLike(160, 120, static_cast<std::uint32_t>(i + 1));
    for (std::size_t p = 0; p + 2 < image.rgb.size(); p += 3) {
        std::rotate(image.rgb.begin() + static_cast<std::ptrdiff_t>(p),
                    image.rgb.begin() + static_cast<std::ptrdiff_t>(p) + i % 3,
                    image.rgb.begin() + static_cast<std::ptrdiff_t>(p) + 3);
        if (i % 6 >= 3)
            for (std::size_t c = p; c < p + 3; ++c)
                image.rgb[c] = static_cast<std::uint8_t>(255 - image.rgb[c]);
    }
    const auto bytes = pictra::test::encodeWithTurbo(image, 90, pictra::test::TurboSampling::S420);
    pictra::test::writeBytes(path, std::string(bytes.begin(), bytes.end()));
}

std::string entryPath(const pictra::AlbumRecord& album, int i)
{
    return pictra::imageFilePath(album.images[static_cast<std::size_t>(i)]);
}

} // namespace

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void insertSevenFilesPageThroughRemoveOneAndInsert()
    {
        AlbumWindowFixture f;
        const std::string album = f.dir.file("trip.abm");
        auto* frame = f.openAlbum(album, 0);
        QStringList files;
        for (int i = 0; i < 7; ++i) {
            const std::string path = f.dir.file("pics/p" + std::to_string(i) + ".jpg");
            writeTinted(path, i);
            files << QString::fromStdString(path);
        }
        pictra::test::writeBytes(f.dir.file("pics/broken.jpg"), "not a picture");
        f.host.scripted.filesAnswers << files << QStringList{QString::fromStdString(f.dir.file("pics/broken.jpg"))};
        const auto dialog1 = whenDialogOpens([&](QDialog& dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("133"));
            clickButton(dialog, "1020"); // nothing to remove yet
            clickButton(dialog, "1017");
            QCOMPARE(labelText(dialog, "1058"), QStringLiteral("1/2"));
            QCOMPARE(labelText(dialog, "1045"), QStringLiteral("p0.jpg"));
            QVERIFY(pictra::fileExists(pictra::storeCopyPath(f.state.programFolder, album, files[6].toStdString())));
            auto* spin = dialog.findChild<QScrollBar*>(QStringLiteral("1016"));
            QVERIFY(spin);
            spin->setValue(1);
            QCOMPARE(labelText(dialog, "1058"), QStringLiteral("2/2"));
            QCOMPARE(labelText(dialog, "1045"), QStringLiteral("p6.jpg"));
            QCOMPARE(labelText(dialog, "1046"), QString());
            spin->setValue(2); // a third page is refused and the control steps back
            QCOMPARE(spin->value(), 1);
            QCOMPARE(labelText(dialog, "1058"), QStringLiteral("2/2"));
            clickButton(dialog, "1017"); // the broken file is named at once and never listed
            QCOMPARE(labelText(dialog, "1046"), QString());
            QVERIFY(f.host.scripted.asked.last().contains(QStringLiteral("broken.jpg\n　画像ファイルが壊れています。")));
            spin->setValue(0);
            clickCell(dialog, "1033"); // p1.jpg
            QVERIFY(pictra::test::saveArtifact(dialog, "insert_dialog.png"));
            clickButton(dialog, "1020");
            QCOMPARE(labelText(dialog, "1058"), QStringLiteral("1/1"));
            QCOMPARE(labelText(dialog, "1046"), QStringLiteral("p2.jpg"));
            clickButton(dialog, "1");
        });
        QVERIFY(frame->handleCommand(cmd::kInputFromFile));
        const pictra::AlbumRecord& rec = f.record(*frame);
        QCOMPARE(rec.imageCount, 6);
        QCOMPARE(entryPath(rec, 0), files[0].toStdString());
        QCOMPARE(entryPath(rec, 1), files[2].toStdString());
        QCOMPARE(entryPath(rec, 5), files[6].toStdString());
    }

    void insertRefusesWhatTheAlbumCannotHoldAndNameClashes()
    {
        AlbumWindowFixture f;
        std::vector<std::string> existing;
        for (int i = 0; i < 995; ++i)
            existing.push_back(f.dir.file("old/x" + std::to_string(i) + ".jpg"));
        QStringList files;
        for (int i = 0; i < 7; ++i) {
            files << QString::fromStdString(f.dir.file("new/n" + std::to_string(i) + ".jpg"));
            writeTinted(files.back().toStdString(), i);
        }
        files.prepend(QString::fromStdString(f.dir.file("new/x3.jpg"))); // an album image's name
        f.host.scripted.filesAnswers << files;
        pictra::ui::CInsertImageDlg dialog(f.state, f.host.scripted, {f.dir.file("big.abm"), existing}, nullptr);
        QCOMPARE(dialog.room(), 5);
        clickButton(dialog, "1017");
        QCOMPARE(dialog.paths().size(), std::size_t{5});
        QCOMPARE(dialog.paths().front(), f.dir.file("new/n0.jpg"));
        QCOMPARE(f.host.scripted.asked.size(), 1);
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("2個のファイルは追加しませんでした")));
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("x3.jpg")));
    }

    void insertStripNamesGiveUpTheirMiddle()
    {
        AlbumWindowFixture f;
        const QString longName = QStringLiteral("IMG_20240421_sunrise_over_the_harbour_0421.jpg");
        const std::string path = f.dir.file("pics/" + longName.toStdString());
        writeTinted(path, 0);
        writeTinted(f.dir.file("pics/p1.jpg"), 1);
        f.host.scripted.filesAnswers << QStringList{QString::fromStdString(path),
                                                    QString::fromStdString(f.dir.file("pics/p1.jpg"))};
        pictra::ui::CInsertImageDlg dialog(f.state, f.host.scripted, {f.dir.file("trip.abm"), {}}, nullptr);
        dialog.show();
        clickButton(dialog, "1017");
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("1045"));
        QVERIFY(label);
        const QString shown = label->text();
        QVERIFY2(shown.startsWith(QStringLiteral("IMG_2")) && shown.endsWith(QStringLiteral("1.jpg")) &&
                     shown.contains(QChar(0x2026)),
                 qPrintable(shown));
        QVERIFY(label->fontMetrics().horizontalAdvance(shown) <= label->contentsRect().width());
        QCOMPARE(label->toolTip(), longName);
        QCOMPARE(labelText(dialog, "1046"), QStringLiteral("p1.jpg")); // a name that fits stays whole
        QVERIFY(pictra::test::saveArtifact(dialog, "insert_strip_names.png"));
    }

    void moveOfAFileListedTwiceMovesItOnceAndSaysSo()
    {
        AlbumWindowFixture f;
        const std::string photo = f.dir.file("a/IMG_1.jpg");
        AlbumWindowFixture::writeJpeg(photo, 120, 1);
        auto* frame = f.openAlbum(f.dir.file("trip.abm"), 2);
        pictra::editWindowRecords(*f.state.albums, frame->viewId(), [&](pictra::AlbumRecord& r) {
            pictra::setFieldText(r.images[0].path, photo);
            pictra::setFieldText(r.images[1].path, photo);
        });
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 0));
        std::filesystem::create_directories(f.dir.file("b"));
        const auto moveDialog = whenDialogOpens([&](QDialog& dialog) {
            dialog.findChild<QRadioButton*>(QStringLiteral("1068"))->click(); // 全てのファイル
            auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("1079"));
            QCOMPARE(list->topLevelItemCount(), 2);
            dialog.findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QString::fromStdString(f.dir.file("b")));
            list->selectAll();
            clickButton(dialog, "1020");
        });
        QVERIFY(frame->handleCommand(cmd::kMoveToFolder));
        QVERIFY(pictra::fileExists(f.dir.file("b/IMG_1.jpg")));
        QCOMPARE(entryPath(f.record(*frame), 1), f.dir.file("b/IMG_1.jpg"));
        // No question about two files of one name: it is one file.
        QCOMPARE(f.host.scripted.asked.size(), 1);
        const QString note = f.host.scripted.asked.last();
        QVERIFY2(note.contains(QStringLiteral("同じファイルなので一度だけ移動しました")) && note.contains(QStringLiteral("IMG_1.jpg")) &&
                     !note.contains(QStringLiteral("別のファイル")) && !note.contains(QStringLiteral("移動しませんでした")),
                 qPrintable(note));
    }

    void deleteAsksAndFocusesTheNewLastImage()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum(f.dir.file("trip.abm"), 3);
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 2));
        f.host.scripted.yesNoAnswers << false << true;
        QVERIFY(frame->handleCommand(cmd::kDelete));
        QCOMPARE(f.record(*frame).imageCount, 3);
        QVERIFY(frame->handleCommand(cmd::kDelete));
        QCOMPARE(f.host.scripted.asked.last(), QStringLiteral("「img2.jpg」を「trip.abm」ファイルから切り離します。"));
        QCOMPARE(f.record(*frame).imageCount, 2);
        QCOMPARE(pictra::focusedImage(f.record(*frame)), 1);
        QCOMPARE(f.state.selection.selection.size(), std::size_t{1});
        QCOMPARE(f.state.selection.selection[0].stamp, f.record(*frame).images[1].stamp);
    }

    void renameRefusesBadNamesAndNeverReplacesUnasked()
    {
        AlbumWindowFixture f;
        const std::string album = f.dir.file("trip.abm");
        auto* frame = f.openAlbum(album, 2);
        const std::string photo = f.dir.file("photo.JPG");
        AlbumWindowFixture::writeJpeg(photo, 120, 1);
        AlbumWindowFixture::writeJpeg(pictra::storeCopyPath(f.state.programFolder, album, photo), 60, 1);
        AlbumWindowFixture::writeJpeg(f.dir.file("taken.JPG"), 40, 2);
        pictra::editWindowRecords(*f.state.albums, frame->viewId(), [&](pictra::AlbumRecord& r) {
            pictra::setFieldText(r.images[0].path, photo);
        });
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 0));

        f.host.scripted.yesNoAnswers << false; // "taken.JPG" exists: keep it
        const auto dialog2 = whenDialogOpens([&](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("1000"));
            QVERIFY(edit);
            QCOMPARE(edit->text(), QStringLiteral("photo"));
            edit->setText(QStringLiteral("../away"));
            clickButton(dialog, "1");
            QVERIFY(dialog.isVisible()); // refused, still open
            edit->setText(QStringLiteral("taken"));
            QVERIFY(pictra::test::saveArtifact(dialog, "rename_dialog.png"));
            clickButton(dialog, "1");
        });
        QVERIFY(frame->handleCommand(cmd::kRename));
        QVERIFY(pictra::fileExists(photo));
        QCOMPARE(f.host.scripted.asked.size(), 2);
        QCOMPARE(f.host.scripted.asked[1], pictra::ui::overwriteQuestion(QStringLiteral("taken.JPG")));

        const auto dialog3 = whenDialogOpens([&](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QStringLiteral("trip"));
            clickButton(dialog, "1");
        });
        QVERIFY(frame->handleCommand(cmd::kRename));
        const std::string trip = f.dir.file("trip.JPG");
        QVERIFY(pictra::fileExists(trip));
        QVERIFY(!pictra::fileExists(photo));
        QCOMPARE(entryPath(f.record(*frame), 0), trip);
        QVERIFY(pictra::fileExists(pictra::storeCopyPath(f.state.programFolder, album, trip)));
    }

    void renameInASingleImageWindowActsOnItsOwnPicture()
    {
        AlbumWindowFixture f;
        const std::string album = f.dir.file("trip.abm");
        auto* frame = f.openAlbum(album, 2);
        const std::string photo = f.dir.file("photo.jpg");
        AlbumWindowFixture::writeJpeg(photo, 120, 1);
        pictra::editWindowRecords(*f.state.albums, frame->viewId(),
                                  [&](pictra::AlbumRecord& r) { pictra::setFieldText(r.images[1].path, photo); });
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 1));
        QVERIFY(frame->pageView()->handleCommand(cmd::kEnlargedView));
        auto* single = pictra::ui::CChildFrame::find(f.host.mdiArea(), f.state.albums->working.viewId);
        QVERIFY(single && single->kind() == pictra::AlbumKind::SingleImage);
        const auto dialog4 = whenDialogOpens([&](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("1000"));
            QCOMPARE(edit->text(), QStringLiteral("photo"));
            edit->setText(QStringLiteral("renamed"));
            clickButton(dialog, "1");
        });
        QVERIFY(single->handleCommand(cmd::kRename));
        const std::string renamed = f.dir.file("renamed.jpg");
        QVERIFY(pictra::fileExists(renamed));
        QCOMPARE(entryPath(f.record(*single), 0), renamed);
        QCOMPARE(single->windowTitle(), QStringLiteral("renamed.jpg"));
        QCOMPARE(entryPath(f.record(*frame), 1), renamed); // the album that lists it follows
        QCOMPARE(entryPath(f.record(*frame), 0), f.dir.file("img0.jpg"));
    }

    void copyOfTwoFilesWithOneNameAsksFirst()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum(f.dir.file("trip.abm"), 2);
        const std::string first = f.dir.file("a/IMG_1.jpg");
        const std::string second = f.dir.file("b/IMG_1.jpg");
        AlbumWindowFixture::writeJpeg(first, 100, 1);
        AlbumWindowFixture::writeJpeg(second, 120, 2);
        pictra::editWindowRecords(*f.state.albums, frame->viewId(), [&](pictra::AlbumRecord& r) {
            pictra::setFieldText(r.images[0].path, first);
            pictra::setFieldText(r.images[1].path, second);
        });
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 0));
        std::filesystem::create_directories(f.dir.file("t"));
        const auto copyBoth = [&] {
            const auto dialog5 = whenDialogOpens([&](QDialog& dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("複写"));
                dialog.findChild<QRadioButton*>(QStringLiteral("1068"))->click(); // 全てのファイル
                auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("1079"));
                QCOMPARE(list->topLevelItemCount(), 2);
                dialog.findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QString::fromStdString(f.dir.file("t")));
                list->selectAll();
                clickButton(dialog, "1020");
            });
            QVERIFY(frame->handleCommand(cmd::kCopyToFolder));
        };
        f.host.scripted.yesNoAnswers << false;
        copyBoth();
        QVERIFY(!pictra::fileExists(f.dir.file("t/IMG_1.jpg"))); // "No": nothing copied
        f.host.scripted.yesNoAnswers << true;
        copyBoth();
        QVERIFY(pictra::fileExists(f.dir.file("t/IMG_1.jpg")));
        QCOMPARE(std::filesystem::file_size(f.dir.file("t/IMG_1.jpg")), std::filesystem::file_size(first));
        QVERIFY(f.host.scripted.asked.last().contains(QStringLiteral("IMG_1.jpg"))); // the row left out is listed
        QCOMPARE(entryPath(f.record(*frame), 0), first); // a copy leaves the album alone
    }

    void aCopyOverAFileAnOpenAlbumListsRenewsThatAlbumsPicture()
    {
        AlbumWindowFixture f;
        const std::string source = f.dir.file("a/pic.jpg");
        const std::string target = f.dir.file("t/pic.jpg");
        AlbumWindowFixture::writeJpeg(source, 120, 1);
        AlbumWindowFixture::writeJpeg(target, 60, 2);
        const std::string otherAlbum = f.dir.file("other.abm");
        auto* other = f.openAlbum(otherAlbum, 1);
        pictra::editWindowRecords(*f.state.albums, other->viewId(),
                                  [&](pictra::AlbumRecord& r) { pictra::setFieldText(r.images[0].path, target); });
        const std::string otherCopy = pictra::storeCopyPath(f.state.programFolder, otherAlbum, target);
        AlbumWindowFixture::writeJpeg(otherCopy, 60, 2);
        const auto oldCopy = pictra::readFile(otherCopy).value();
        auto* frame = f.openAlbum(f.dir.file("trip.abm"), 1);
        pictra::editWindowRecords(*f.state.albums, frame->viewId(),
                                  [&](pictra::AlbumRecord& r) { pictra::setFieldText(r.images[0].path, source); });
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 0));
        const auto expected101 = whenDialogOpens([&](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QString::fromStdString(f.dir.file("t")));
            dialog.findChild<QTreeWidget*>(QStringLiteral("1079"))->topLevelItem(0)->setSelected(true);
            clickButton(dialog, "1020");
        });
        QVERIFY(frame->handleCommand(cmd::kCopyToFolder));
        QCOMPARE(std::filesystem::file_size(target), std::filesystem::file_size(source));
        QVERIFY(pictra::readFile(otherCopy).value() != oldCopy); // made again from the new file
        QVERIFY(pictra::albumChanged(f.record(*other)));
        QVERIFY(!pictra::albumChanged(f.record(*frame))); // a copy leaves the source's album alone
    }

    void moveRepointsEveryEntryOfEveryOpenAlbum()
    {
        AlbumWindowFixture f;
        const std::string photo = f.dir.file("a/photo.jpg");
        AlbumWindowFixture::writeJpeg(photo, 120, 1);
        auto* other = f.openAlbum(f.dir.file("other.abm"), 1);
        pictra::editWindowRecords(*f.state.albums, other->viewId(),
                                  [&](pictra::AlbumRecord& r) { pictra::setFieldText(r.images[0].path, photo); });
        auto* frame = f.openAlbum(f.dir.file("trip.abm"), 3);
        pictra::editWindowRecords(*f.state.albums, frame->viewId(), [&](pictra::AlbumRecord& r) {
            pictra::setFieldText(r.images[0].path, photo);
            pictra::setFieldText(r.images[2].path, photo); // listed twice
        });
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 0));
        std::filesystem::create_directories(f.dir.file("b"));
        const auto dialog6 = whenDialogOpens([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("移動"));
            auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("1079"));
            auto* start = dialog.findChild<QPushButton*>(QStringLiteral("1020"));
            QVERIFY(list && start);
            QCOMPARE(list->topLevelItemCount(), 1);
            QVERIFY(!start->isEnabled());
            dialog.findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QString::fromStdString(f.dir.file("b")));
            list->topLevelItem(0)->setSelected(true);
            QVERIFY(start->isEnabled());
            QVERIFY(pictra::test::saveArtifact(dialog, "reference_dialog.png"));
            start->click();
        });
        QVERIFY(frame->handleCommand(cmd::kMoveToFolder));
        const std::string moved = f.dir.file("b/photo.jpg");
        QVERIFY(pictra::fileExists(moved));
        QVERIFY(!pictra::fileExists(photo));
        QCOMPARE(entryPath(f.record(*frame), 0), moved);
        QCOMPARE(entryPath(f.record(*frame), 2), moved);
        QCOMPARE(entryPath(f.record(*other), 0), moved);
        QVERIFY(f.host.scripted.asked.isEmpty());
        // Both album files still name the old place: both are to be saved.
        QVERIFY(pictra::albumChanged(f.record(*frame)));
        QVERIFY(pictra::albumChanged(f.record(*other)));

        // Moving it into its own folder leaves the file alone and says so.
        AlbumWindowFixture::click(frame->pageView(), f.cellCentre(*frame, 0));
        const auto dialog7 = whenDialogOpens([&](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QString::fromStdString(f.dir.file("b/")));
            dialog.findChild<QTreeWidget*>(QStringLiteral("1079"))->topLevelItem(0)->setSelected(true);
            clickButton(dialog, "1020");
        });
        QVERIFY(frame->handleCommand(cmd::kMoveToFolder));
        QVERIFY(pictra::fileExists(moved));
        QCOMPARE(f.host.scripted.asked.size(), 1);
        QVERIFY(f.host.scripted.asked[0].contains(QStringLiteral("元のファイルと同じ")));
    }
};

QTEST_MAIN(TestEditCommands)
#include "test_edit_commands.moc"
