// The main window as a user meets it: keys after a click on a thumbnail,
// the information bar following the active window, window placement kept
// between runs, new windows inside the window area and Tile.
#include "support/app_session.h"

#include "core/album/window_records.h"
#include "core/commands/command_ids.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/c_view_pictra.h"
#include "ui/infobar/info_bar.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/drop_handler.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QtTest>

using namespace pictra;

namespace {

struct Program {
    test::TempDir tmp;
    AppState state;
    test::ScriptedPrompts prompts;
    std::unique_ptr<ui::CMainFrame> frame = test::startProgram(state, prompts, tmp.file("program"));

    // A new album window with `count` small pictures dropped into it.
    ui::CChildFrame* albumWith(int count, const std::string& tag = "p")
    {
        frame->documents().newAlbum();
        std::vector<std::string> paths;
        for (int i = 0; i < count; ++i) {
            std::string name = "photos/";
            name.append(tag).append(std::to_string(i)).append(".jpg");
            paths.push_back(tmp.file(name));
            test::writeJpeg(paths.back(), 40, 30, static_cast<std::uint32_t>(i + 1));
        }
        frame->drops().dropFiles(paths);
        return frame->documents().activeFrame();
    }

    void showActive()
    {
        frame->show();
        // A store-copy progress window shown by an earlier drop may take the
        // activation after our request on a slow run, so ask until it holds.
        QTRY_VERIFY_WITH_TIMEOUT((QApplication::setActiveWindow(frame.get()), frame->isActiveWindow()), 20000);
    }

    QLineEdit* barEdit(const char* id) const { return frame->infoBar()->findChild<QLineEdit*>(QString::fromLatin1(id)); }
};

QPoint cellCentre(const AlbumRecord& r, int cell)
{
    const Rect& c = r.cells[static_cast<std::size_t>(cell)];
    return {(c.left + c.right) / 2, (c.top + c.bottom) / 2};
}

} // namespace

class TestWindowUse : public QObject {
    Q_OBJECT
private slots:
    void albumKeysWorkAfterAClickAndFromTheInformationBar()
    {
        Program p;
        ui::CChildFrame* window = p.albumWith(26); // 4 x 3 cells: pages 0..2
        QVERIFY(window && window->pageView());
        p.showActive();
        QLineEdit* year = p.barEdit("1001");
        year->setFocus(); // where the keyboard was left
        ui::CViewPictra* view = window->pageView();
        QTest::mouseClick(view, Qt::LeftButton, {}, cellCentre(p.state.albums->working, 1));
        QCOMPARE(p.state.albums->working.focusIndex, 1);
        QCOMPARE(QApplication::focusWidget(), view);

        QWidget* keys = QApplication::focusWidget();
        QTest::keyClick(keys, Qt::Key_PageDown);
        QCOMPARE(p.state.albums->working.currentPage, 1);
        QTest::keyClick(keys, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(p.state.albums->working.currentPage, 2);
        QTest::keyClick(keys, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(p.state.albums->working.currentPage, 0);

        // The same keys while the year field has the keyboard: the album pages, the text stays.
        year->setFocus();
        year->setText(QStringLiteral("2001"));
        QTest::keyClick(year, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(p.state.albums->working.currentPage, 2);
        QTest::keyClick(year, Qt::Key_PageUp);
        QCOMPARE(p.state.albums->working.currentPage, 1);

        const int open = p.state.albums->openCount;
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(p.state.albums->openCount, open + 1);
        QCOMPARE(p.state.albums->working.kind, AlbumKind::SingleImage);
        QCOMPARE(fieldText(p.state.albums->working.path), p.tmp.file("photos/p12.jpg")); // page 1, cell 0
    }

    void typingInTheMemoKeepsCopyForTheText()
    {
        Program p;
        ui::CChildFrame* window = p.albumWith(3);
        QVERIFY(window);
        p.showActive();
        QTest::mouseClick(window->pageView(), Qt::LeftButton, {}, cellCentre(p.state.albums->working, 2));
        auto* memo = p.frame->infoBar()->findChild<QPlainTextEdit*>(QStringLiteral("1000"));
        QVERIFY(memo);
        memo->setFocus(Qt::MouseFocusReason); // the user clicks into the memo

        QTest::keyClicks(memo, QStringLiteral("harbour at dusk"));
        memo->selectAll();
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("harbour at dusk"));
        QVERIFY(p.state.selection.clipboard.empty()); // the album's image clipboard was not touched
        memo->moveCursor(QTextCursor::End);
        const int open = p.state.albums->openCount;
        QTest::keyClick(memo, Qt::Key_Return); // a new line, not the enlarged view
        QCOMPARE(p.state.albums->openCount, open);
        QCOMPARE(memo->toPlainText(), QStringLiteral("harbour at dusk\n"));
    }

    void informationBarFollowsTheActiveWindow()
    {
        Program p;
        ui::CChildFrame* a = p.albumWith(2, "a");
        ui::CChildFrame* b = p.albumWith(2, "b");
        QVERIFY(a && b);
        p.showActive();
        QLineEdit* path = p.barEdit("1007");
        QVERIFY(path->text().endsWith(QStringLiteral("b0.jpg")));
        p.frame->mdiArea().setActiveSubWindow(a);
        QCOMPARE(p.state.albums->working.viewId, a->viewId());
        QVERIFY(path->text().endsWith(QStringLiteral("a0.jpg")));
        // Typing now edits album A's entry, not B's.
        QTest::keyClicks(p.barEdit("1006"), QStringLiteral("A"));
        QCOMPARE(fieldText(windowRecord(*p.state.albums, a->viewId())->images[0].summary), std::string("A"));
        QCOMPARE(fieldText(windowRecord(*p.state.albums, b->viewId())->images[0].summary), std::string());
    }

    void placementIsRestoredExactlyRunAfterRun()
    {
        test::TempDir tmp;
        const QRect chosen(137, 91, 900, 640);
        for (int run = 0; run < 3; ++run) {
            AppState state;
            test::ScriptedPrompts prompts;
            auto frame = test::startProgram(state, prompts, tmp.file("program"));
            if (run == 0)
                frame->setGeometry(chosen);
            else
                QCOMPARE(frame->geometry(), chosen); // as the run before left it
            QVERIFY(frame->close()); // the exit question is answered yes
        }
    }

    void newWindowsOpenCascadedInsideTheWindowArea()
    {
        Program p;
        p.showActive();
        QMdiArea& area = p.frame->mdiArea();
        const QRect room(QPoint(0, 0), area.viewport()->size());
        for (int i = 0; i < 3; ++i)
            p.albumWith(2, std::string(1, static_cast<char>('c' + i)));
        QVERIFY(p.frame->handleCommand(cmd::kSlideShow)); // the slide window of the last album
        const QList<QMdiSubWindow*> windows = area.subWindowList();
        QCOMPARE(windows.size(), 5); // sample album, three albums, the slide window
        for (int i = 0; i < windows.size(); ++i) {
            QVERIFY2(room.contains(windows[i]->geometry()), qPrintable(QString::number(i)));
        }
        QVERIFY(p.frame->handleCommand(cmd::kEndSlideShow));

        QVERIFY(p.frame->handleCommand(cmd::kTile));
        int x = 0;
        for (QMdiSubWindow* w : area.subWindowList()) { // side by side, each as high as the area
            if (!w->isVisible())
                continue;
            QCOMPARE(w->geometry().left(), x);
            QCOMPARE(w->geometry().top(), 0);
            QCOMPARE(w->geometry().height(), room.height());
            x = w->geometry().right() + 1;
        }
        QCOMPARE(x, room.width());
    }
};

QTEST_MAIN(TestWindowUse)
#include "test_window_use.moc"
