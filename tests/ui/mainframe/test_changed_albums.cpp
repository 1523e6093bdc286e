// Unsaved albums are never lost without a question: the title shows the
// mark, closing a window or the program asks per changed album (save,
// discard or stay), a failed save keeps the album open, renames mark every
// album that follows the file, and the error log explains itself.
#include "support/app_session.h"
#include "support/modal_dialogs.h"

#include "core/album/album_changes.h"
#include "core/album/album_file.h"
#include "core/album/window_records.h"
#include "core/commands/command_ids.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/error_log_dialog.h"
#include "ui/dialogs/album_change_messages.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/drop_handler.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace pictra;
using ui::YesNoCancel;

Q_DECLARE_METATYPE(ui::YesNoCancel)

namespace {

using Program = test::StartedProgram;

QString qs(const std::string& s) { return QString::fromStdString(s); }

// The entry paths the album file on disk lists; empty when it cannot be read.
std::vector<std::string> pathsOnDisk(const std::string& album)
{
    std::vector<std::string> paths;
    const auto bytes = readFile(album);
    if (!bytes)
        return paths;
    if (const auto contents = parseAlbumFile(*bytes)) {
        for (const ImageEntry& e : contents->entries)
            paths.emplace_back(fieldText(e.path));
    }
    return paths;
}

std::string picture(Program& p, const std::string& name, std::uint32_t seed)
{
    const std::string path = p.tmp.file("img/" + name);
    test::writeJpeg(path, 64, 48, seed);
    return path;
}

// A new album window holding `images`, saved as `path`; returns its window.
ui::CChildFrame* savedAlbum(Program& p, const std::string& path, const std::vector<std::string>& images)
{
    QDir().mkpath(QFileInfo(qs(path)).absolutePath());
    ui::CChildFrame* window = p.frame->documents().newAlbum();
    p.frame->drops().dropFiles(images);
    p.prompts.fileAnswers << qs(path);
    if (!p.frame->documents().saveAs())
        return nullptr;
    return window;
}

const AlbumRecord& recordOf(Program& p, const ui::CChildFrame& window)
{
    return *windowRecord(*p.state.albums, window.viewId());
}

} // namespace

class TestChangedAlbums : public QObject {
    Q_OBJECT
private slots:
    void exitAsksOnlyAboutTheChangedAlbum_data()
    {
        QTest::addColumn<YesNoCancel>("answer");
        QTest::addColumn<int>("imagesOnDisk");
        QTest::addColumn<bool>("exited");
        QTest::newRow("はい saves and exits") << YesNoCancel::Yes << 2 << true;
        QTest::newRow("いいえ discards and exits") << YesNoCancel::No << 1 << true;
        QTest::newRow("ｷｬﾝｾﾙ stays") << YesNoCancel::Cancel << 1 << false;
    }
    void exitAsksOnlyAboutTheChangedAlbum()
    {
        QFETCH(YesNoCancel, answer);
        QFETCH(int, imagesOnDisk);
        QFETCH(bool, exited);
        Program p;
        const std::string trip = p.tmp.file("albums/trip.abm");
        const std::string kept = p.tmp.file("albums/kept.abm");
        ui::CChildFrame* changed = savedAlbum(p, trip, {picture(p, "a.jpg", 1)});
        QVERIFY(changed);
        QVERIFY(savedAlbum(p, kept, {picture(p, "k.jpg", 2)}));
        QCOMPARE(changed->windowTitle(), QStringLiteral("trip.abm"));

        p.frame->bringToTop(*changed);
        changed->makeCurrent();
        p.frame->drops().dropFiles({picture(p, "b.jpg", 3)});
        QCOMPARE(changed->windowTitle(), QStringLiteral("trip.abm *"));
        QCOMPARE(changedAlbumWindows(*p.state.albums), std::vector<std::uint64_t>{changed->viewId()});

        const auto asked = p.prompts.asked.size();
        p.prompts.yesNoCancelAnswers << answer;
        p.prompts.yesNoAnswers << false; // were the plain exit question asked, it would keep the program open
        QCOMPARE(p.frame->close(), exited);
        QCOMPARE(p.prompts.asked.size(), asked + 1); // one question, about trip.abm only
        const QString question = p.prompts.asked.last();
        QCOMPARE(question, ui::saveChangesQuestion(qs(trip)));
        QVERIFY(question.contains(QStringLiteral("trip.abm")));
        QCOMPARE(static_cast<int>(pathsOnDisk(trip).size()), imagesOnDisk);
        QCOMPARE(pathsOnDisk(kept).size(), std::size_t{1});
        if (!exited) {
            QCOMPARE(p.state.albums->openCount, 3);
            QVERIFY(albumChanged(recordOf(p, *changed)));
            QCOMPARE(changed->windowTitle(), QStringLiteral("trip.abm *"));
        }
        if (answer == YesNoCancel::Yes) {
            // The box as the program shows it.
            const std::unique_ptr<QMessageBox> box = ui::makeYesNoCancelBox(nullptr, question);
            box->show();
            QCOMPARE(box->button(QMessageBox::Cancel)->text(), QStringLiteral("ｷｬﾝｾﾙ"));
            QCOMPARE(box->windowTitle(), QStringLiteral("注意"));
            QVERIFY(test::saveArtifact(*box, "save_question.png"));
        }
    }

    void typingInTheInformationBarMarksTheAlbum()
    {
        Program p;
        ui::CChildFrame* sample = p.frame->documents().activeFrame();
        QVERIFY(sample && p.state.albums->working.hasFocus == 1);
        QVERIFY(!sample->windowTitle().endsWith(QStringLiteral(" *")));
        auto* author = p.frame->findChild<QLineEdit*>(QStringLiteral("1003"));
        QVERIFY(author);
        QTest::keyClicks(author, QStringLiteral("x"));
        p.frame->updateCommandStates();
        QVERIFY2(sample->windowTitle().endsWith(QStringLiteral(".abm *")), qPrintable(sample->windowTitle()));
        QVERIFY(albumChanged(*activeSlot(*p.state.albums)));
    }

    void withoutChangesTheExitQuestionStays()
    {
        Program p;
        QVERIFY(savedAlbum(p, p.tmp.file("albums/trip.abm"), {picture(p, "a.jpg", 1)}));
        p.prompts.yesNoAnswers << false;
        QVERIFY(!p.frame->close());
        QCOMPARE(p.prompts.asked.last(), QString::fromUtf8(ui::kExitQuestion));
    }

    void closingAChangedWindowAsksToSaveIt_data()
    {
        QTest::addColumn<YesNoCancel>("answer");
        QTest::addColumn<int>("imagesOnDisk");
        QTest::addColumn<bool>("closed");
        QTest::newRow("はい") << YesNoCancel::Yes << 2 << true;
        QTest::newRow("いいえ") << YesNoCancel::No << 1 << true;
        QTest::newRow("ｷｬﾝｾﾙ") << YesNoCancel::Cancel << 1 << false;
    }
    void closingAChangedWindowAsksToSaveIt()
    {
        QFETCH(YesNoCancel, answer);
        QFETCH(int, imagesOnDisk);
        QFETCH(bool, closed);
        Program p;
        const std::string trip = p.tmp.file("albums/trip.abm");
        ui::CChildFrame* window = savedAlbum(p, trip, {picture(p, "a.jpg", 1)});
        QVERIFY(window);
        p.frame->drops().dropFiles({picture(p, "b.jpg", 2)});
        const int open = p.state.albums->openCount;
        const auto asked = p.prompts.asked.size();
        p.prompts.yesNoCancelAnswers << answer;
        QCOMPARE(window->close(), closed);
        QCOMPARE(p.prompts.asked.size(), asked + 1); // no second "close?" question after the answer
        QCOMPARE(p.prompts.asked.last(), ui::saveChangesQuestion(qs(trip)));
        QCOMPARE(static_cast<int>(pathsOnDisk(trip).size()), imagesOnDisk);
        QCOMPARE(p.state.albums->openCount, closed ? open - 1 : open);
    }

    void aFailingSaveKeepsTheAlbumChangedAndTheProgramOpen()
    {
        Program p;
        const std::string trip = p.tmp.file("albums/trip.abm");
        ui::CChildFrame* window = savedAlbum(p, trip, {picture(p, "a.jpg", 1)});
        QVERIFY(window);
        p.frame->drops().dropFiles({picture(p, "b.jpg", 2)});
        // The album's folder becomes a plain file: no one can write there, root included.
        QVERIFY(QDir(qs(p.tmp.file("albums"))).removeRecursively());
        test::writeBytes(p.tmp.file("albums"), "not a folder");

        p.prompts.yesNoCancelAnswers << YesNoCancel::Yes;
        QVERIFY(!p.frame->close());
        QVERIFY(p.prompts.asked.last().startsWith(QStringLiteral("アルバムを保存できませんでした。")));
        QVERIFY(albumChanged(recordOf(p, *window)));
        QCOMPARE(window->windowTitle(), QStringLiteral("trip.abm *"));

        p.prompts.yesNoCancelAnswers << YesNoCancel::Yes;
        QVERIFY(!window->close()); // the window too stays when its save fails
        QVERIFY(ui::CChildFrame::find(p.frame->mdiArea(), window->viewId()));
    }

    void anUntitledChangedAlbumAsksAndSavesThroughTheNameDialog()
    {
        Program p;
        ui::CChildFrame* window = p.frame->documents().newAlbum();
        QVERIFY(window);
        p.frame->drops().dropFiles({picture(p, "a.jpg", 1)});
        QVERIFY(window->windowTitle().endsWith(QStringLiteral(" *")));
        const std::string target = p.tmp.file("named.abm");

        p.prompts.yesNoCancelAnswers << YesNoCancel::Yes;
        QVERIFY(!p.frame->close()); // the name dialog cancelled: nothing saved, still running
        QVERIFY(!fileExists(target));

        p.prompts.yesNoCancelAnswers << YesNoCancel::Yes;
        p.prompts.fileAnswers << qs(target);
        QVERIFY(p.frame->close());
        QCOMPARE(pathsOnDisk(target).size(), std::size_t{1});
    }

    void aRenameMarksEveryAlbumListingTheFileAndExitAsksForEach()
    {
        Program p;
        const std::string photo = picture(p, "photo.jpg", 1);
        const std::string first = p.tmp.file("albums/first.abm");
        const std::string second = p.tmp.file("albums/second.abm");
        QVERIFY(savedAlbum(p, second, {photo}));
        p.prompts.yesNoCancelAnswers << YesNoCancel::Yes; // the photo twice, as asked
        ui::CChildFrame* window = savedAlbum(p, first, {photo, photo, picture(p, "other.jpg", 2)});
        QVERIFY(window);
        QVERIFY(changedAlbumWindows(*p.state.albums).empty());
        AlbumTable& t = *p.state.albums;
        t.working.hasFocus = 1;
        t.working.focusIndex = 0;
        mirrorToActiveSlot(t);

        const auto renameDialog = test::whenDialogOpens([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QStringLiteral("renamed"));
            dialog.findChild<QPushButton*>(QStringLiteral("1"))->click();
        });
        QVERIFY(p.frame->handleCommand(cmd::kRename));
        const std::string renamed = p.tmp.file("img/renamed.jpg");
        QVERIFY(fileExists(renamed));
        QCOMPARE(changedAlbumWindows(t).size(), std::size_t{2});
        QCOMPARE(window->windowTitle(), QStringLiteral("first.abm *"));

        const auto asked = p.prompts.asked.size();
        p.prompts.yesNoCancelAnswers << YesNoCancel::Yes << YesNoCancel::Yes;
        QVERIFY(p.frame->close());
        QCOMPARE(p.prompts.asked.size(), asked + 2);
        QCOMPARE(pathsOnDisk(first), (std::vector<std::string>{renamed, renamed, p.tmp.file("img/other.jpg")}));
        QCOMPARE(pathsOnDisk(second), std::vector<std::string>{renamed});
    }

    void aStoreCopyThatCannotFollowARenameIsTold()
    {
        Program p;
        const std::string trip = p.tmp.file("albums/trip.abm");
        QVERIFY(savedAlbum(p, trip, {picture(p, "photo.jpg", 1)}));
        AlbumTable& t = *p.state.albums;
        t.working.hasFocus = 1;
        t.working.focusIndex = 0;
        mirrorToActiveSlot(t);
        // A stray copy under the new name: the store copy is never put over it.
        const std::string renamed = p.tmp.file("img/renamed.jpg");
        test::writeBytes(storeCopyPath(p.state.programFolder, trip, renamed), "stray");

        const auto expected101 = test::whenDialogOpens([](QDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("1000"))->setText(QStringLiteral("renamed"));
            dialog.findChild<QPushButton*>(QStringLiteral("1"))->click();
        });
        QVERIFY(p.frame->handleCommand(cmd::kRename));
        QVERIFY(fileExists(renamed));
        QCOMPARE(p.prompts.asked.last(), ui::storeCopyRenameFailureMessage(qs(trip), qs(p.tmp.file("img/photo.jpg")), qs(renamed)));
        QVERIFY(p.prompts.asked.last().contains(QStringLiteral("「trip.abm」")));
        QVERIFY(albumChanged(t.working));
    }

    void openingAnAlbumNeverTakesTheWindowOfAnEmptiedChangedOne()
    {
        Program p;
        const std::string other = p.tmp.file("albums/other.abm");
        QVERIFY(savedAlbum(p, other, {picture(p, "o.jpg", 1)}));
        QVERIFY(p.frame->documents().activeFrame()->close());
        ui::CChildFrame* emptied = savedAlbum(p, p.tmp.file("albums/trip.abm"), {picture(p, "a.jpg", 2)});
        QVERIFY(emptied);
        AlbumTable& t = *p.state.albums;
        t.working.hasFocus = 1;
        t.working.focusIndex = 0;
        mirrorToActiveSlot(t);
        QVERIFY(p.frame->handleCommand(cmd::kDelete));
        QCOMPARE(t.working.imageCount, 0);
        const int open = t.openCount;
        QVERIFY(p.frame->documents().openAlbum(other));
        QCOMPARE(t.openCount, open + 1);
        QVERIFY(albumChanged(recordOf(p, *emptied)));
    }

    void discardingOneAlbumThenCancellingKeepsItsMark()
    {
        Program p;
        ui::CChildFrame* a = savedAlbum(p, p.tmp.file("albums/a.abm"), {picture(p, "a.jpg", 1)});
        p.frame->drops().dropFiles({picture(p, "a2.jpg", 2)});
        ui::CChildFrame* b = savedAlbum(p, p.tmp.file("albums/b.abm"), {picture(p, "b.jpg", 3)});
        p.frame->drops().dropFiles({picture(p, "b2.jpg", 4)});
        QVERIFY(a && b);
        p.prompts.yesNoCancelAnswers << YesNoCancel::No << YesNoCancel::Cancel;
        QVERIFY(!p.frame->close());
        QCOMPARE(changedAlbumWindows(*p.state.albums).size(), std::size_t{2});
    }

    void anExitThatCannotKeepItsRecordsSaysSoAndEnds_data()
    {
        QTest::addColumn<bool>("placement");
        QTest::addColumn<QString>("told");
        QTest::newRow("window place") << true << QStringLiteral("ウインドウの位置と大きさを保存できませんでした。");
        QTest::newRow("open albums") << false << QStringLiteral("開いていたアルバムの一覧を保存できませんでした。");
    }
    void anExitThatCannotKeepItsRecordsSaysSoAndEnds()
    {
        QFETCH(bool, placement);
        QFETCH(QString, told);
        Program p;
        if (placement) {
            test::writeBytes(p.tmp.file("blocked"), "a file where a folder should be");
            p.state.registry = RegistryStore(p.tmp.file("blocked/pictra.reg"));
        } else {
            // The recent list cannot be read back or written: a folder stands in its place.
            const QString list = qs(p.state.programFolder + "/PARAM/used_file.dat");
            QFile::remove(list);
            QVERIFY(QDir().mkpath(list));
        }
        p.prompts.yesNoAnswers << true;
        QVERIFY(p.frame->close());
        QVERIFY2(p.prompts.asked.last().startsWith(told), qPrintable(p.prompts.asked.join(QLatin1Char('|'))));
    }

    void theErrorLogNamesTheAlbumAndListsEachMissingFileOnce()
    {
        Program p;
        const std::string gone = picture(p, "gone.jpg", 1);
        const std::string lost = picture(p, "lost.jpg", 2);
        const std::string trip = p.tmp.file("albums/trip.abm");
        ui::CChildFrame* window = savedAlbum(p, trip, {gone, gone, lost, picture(p, "here.jpg", 3)});
        QVERIFY(window);
        QVERIFY(window->close());
        QVERIFY(QFile::remove(qs(gone)) && QFile::remove(qs(lost)));

        QVERIFY(p.frame->documents().openAlbum(trip));
        ui::ErrorLogDialog* log = nullptr;
        QTRY_VERIFY((log = p.frame->findChild<ui::ErrorLogDialog*>()) != nullptr);
        const QString words = log->findChild<QLabel*>(QStringLiteral("explanation"))->text();
        QVERIFY2(words.contains(QStringLiteral("「trip.abm」")) && words.contains(QStringLiteral("見つかりません")),
                 qPrintable(words));
        auto* list = log->findChild<QTreeWidget*>();
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("gone"));
        QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("lost"));
        QVERIFY(test::saveArtifact(*log, "start_error_log.png"));
    }
};

QTEST_MAIN(TestChangedAlbums)
#include "test_changed_albums.moc"
