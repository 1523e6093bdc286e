// The blue frame, the information bar and Ctrl+Delete name the same picture
// after every edit that adds or removes pictures, and none after the last
// picture is gone; the information bar follows tools and new windows.
#include "support/app_session.h"
#include "support/modal_dialogs.h"

#include "core/album/window_records.h"
#include "core/commands/command_ids.h"
#include "core/search/search_files.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/infobar/info_bar.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/drop_handler.h"
#include "ui/search/c_search_dlg.h"
#include "ui/search/search_command.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QtTest>

using namespace pictra;

namespace {

struct Program : test::StartedProgram {
    // A new album of `count` 40 × 30 pictures tag0.jpg, tag1.jpg, ... dropped into it.
    ui::CChildFrame* albumWith(int count, const std::string& tag = "p")
    {
        frame->documents().newAlbum();
        frame->drops().dropFiles(pictures(count, tag));
        return frame->documents().activeFrame();
    }

    std::vector<std::string> pictures(int count, const std::string& tag)
    {
        std::vector<std::string> paths;
        for (int i = 0; i < count; ++i) {
            paths.push_back(tmp.file("photos/" + tag + std::to_string(i) + ".jpg"));
            test::writeJpeg(paths.back(), 40, 30, static_cast<std::uint32_t>(tag[0] * 100 + i + 1));
        }
        return paths;
    }

    QString bar(const char* id) const
    {
        if (auto* edit = frame->infoBar()->findChild<QLineEdit*>(QString::fromLatin1(id)))
            return edit->text();
        return frame->infoBar()->findChild<QLabel*>(QString::fromLatin1(id))->text();
    }

    void clickCell(int cell)
    {
        const Rect& r = state.albums->working.cells[static_cast<std::size_t>(cell)];
        QTest::mouseClick(frame->documents().activeFrame()->pageView(), Qt::LeftButton, {},
                          QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    }

    // The framed cells, the bar's file and the picture Ctrl+Delete asks
    // about are all `name` ("" for none: nothing framed, delete refused).
    void expectTarget(const QString& name)
    {
        const AlbumRecord& w = state.albums->working;
        const std::vector<int> framed = selectedCells(w, state.selection);
        if (name.isEmpty()) {
            QVERIFY(framed.empty());
            QCOMPARE(bar("1007"), QString());
            QCOMPARE(bar("1046"), QString());
            QVERIFY(!frame->handleCommand(cmd::kDelete));
            return;
        }
        QCOMPARE(framed, std::vector<int>{w.focusIndex});
        QVERIFY2(bar("1007").endsWith(QLatin1Char('/') + name), qPrintable(bar("1007")));
        prompts.yesNoAnswers << false;
        QVERIFY(frame->handleCommand(cmd::kDelete));
        QVERIFY2(prompts.asked.last().startsWith(QStringLiteral("「") + name + QStringLiteral("」")),
                 qPrintable(prompts.asked.last()));
    }
};

} // namespace

class TestOneTarget : public QObject {
    Q_OBJECT
private slots:
    void insertKeepsTheFocusedPictureFramed()
    {
        Program p;
        QVERIFY(p.albumWith(4));
        p.clickCell(2);
        QStringList more;
        for (const std::string& path : p.pictures(2, "q"))
            more << QString::fromStdString(path);
        p.prompts.filesAnswers << more;
        const auto expected101 = test::whenDialogOpens([](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("1017"))->click();
            dialog.findChild<QPushButton*>(QStringLiteral("1"))->click();
        });
        QVERIFY(p.frame->handleCommand(cmd::kInputFromFile));
        QCOMPARE(p.state.albums->working.imageCount, 6);
        p.frame->resize(1000, 760);
        QVERIFY(test::saveArtifact(*p.frame, "one_target_after_insert.png"));
        p.expectTarget(QStringLiteral("p2.jpg"));
    }

    void searchAddKeepsTheFocusedPictureFramed()
    {
        Program p;
        ui::CChildFrame* album = p.albumWith(3);
        QVERIFY(album);
        p.clickCell(1);
        const std::vector<std::string> found = p.pictures(2, "s");
        QVERIFY(writeSearchResults(p.state.programFolder, found).ok());
        ui::applySearchResult(p.state, *p.frame, p.frame.get(), ui::CSearchDlg::Add, album);
        QCOMPARE(p.state.albums->working.imageCount, 5);
        p.expectTarget(QStringLiteral("p1.jpg"));
    }

    void pasteFramesThePastedPicture()
    {
        Program p;
        QVERIFY(p.albumWith(4));
        p.clickCell(0);
        QVERIFY(p.frame->handleCommand(cmd::kCut));
        p.expectTarget(QStringLiteral("p1.jpg")); // the picture that followed the cut one
        p.clickCell(2);                           // p3
        QVERIFY(p.frame->handleCommand(cmd::kPaste));
        QCOMPARE(fieldText(p.state.albums->working.images[2].path), p.tmp.file("photos/p0.jpg"));
        p.expectTarget(QStringLiteral("p0.jpg"));
    }

    void cuttingTheLastPicturesLeavesTheNewLastOrNothing()
    {
        Program p;
        QVERIFY(p.albumWith(2));
        p.clickCell(1);
        QVERIFY(p.frame->handleCommand(cmd::kCut));
        p.expectTarget(QStringLiteral("p0.jpg"));
        QVERIFY(p.frame->handleCommand(cmd::kCut));
        QCOMPARE(p.state.albums->working.imageCount, 0);
        p.expectTarget({});
        QVERIFY(p.frame->handleCommand(cmd::kPaste)); // the picture cut last is still on the clipboard
        p.expectTarget(QStringLiteral("p0.jpg"));
    }

    void aNewEmptyAlbumEmptiesTheInformationBar()
    {
        Program p;
        QVERIFY(p.albumWith(2));
        QVERIFY(!p.bar("1007").isEmpty());
        QVERIFY(p.frame->handleCommand(cmd::kNewAlbum));
        QCOMPARE(p.bar("1007"), QString());
        QCOMPARE(p.bar("1046"), QString());
    }

    void aPictureWindowFromTheSearchIsShownInTheInformationBar()
    {
        Program p;
        ui::CChildFrame* album = p.albumWith(2);
        QVERIFY(album);
        const std::vector<std::string> found = p.pictures(1, "w");
        QVERIFY(writeSearchResults(p.state.programFolder, found).ok());
        ui::applySearchResult(p.state, *p.frame, p.frame.get(), ui::CSearchDlg::Open, album);
        QCOMPARE(p.state.albums->working.kind, AlbumKind::SingleImage);
        QCOMPARE(p.bar("1007"), QString::fromStdString(found[0]));
        QCOMPARE(p.bar("1046"), QStringLiteral("40pixel × 30pixel"));
    }

    void theInformationBarShowsAToolsResult()
    {
        Program p;
        ui::CChildFrame* album = p.albumWith(2);
        QVERIFY(album);
        p.clickCell(1);
        QVERIFY(p.frame->handleCommand(cmd::kEnlargedView));
        QCOMPARE(p.state.albums->working.kind, AlbumKind::SingleImage);
        QVERIFY(p.bar("1007").endsWith(QStringLiteral("/p1.jpg"))); // a new picture window is shown at once
        const std::string added = p.tmp.file("photos/p1_grey.jpg");
        p.prompts.fileAnswers << QString::fromStdString(added);
        const auto expected102 = test::whenDialogOpens([](QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("1018"))->click(); });
        QVERIFY(p.frame->handleCommand(32838)); // グレースケール, "追加"
        QCOMPARE(p.bar("1007"), QString::fromStdString(added));

        // "変更" of a quarter turn: the bar tells the new size.
        const auto expected103 = test::whenDialogOpens([](QDialog& dialog) {
            dialog.findChild<QPushButton*>(QStringLiteral("1020"))->click(); // 回転
            dialog.findChild<QPushButton*>(QStringLiteral("1017"))->click(); // 変更
        });
        QVERIFY(p.frame->handleCommand(32786));
        QCOMPARE(p.bar("1046"), QStringLiteral("30pixel × 40pixel"));

        // Back in the album the added picture is its last one, and the frame
        // still names the picture the focus had.
        p.frame->mdiArea().setActiveSubWindow(album);
        QCOMPARE(p.state.albums->working.imageCount, 3);
        p.expectTarget(QStringLiteral("p1.jpg"));
    }
};

QTEST_MAIN(TestOneTarget)
#include "test_one_target.moc"
