// The main window's menus, toolbar, enabling, recent items, information bar
// controls and start-up picture.
#include "core/app/app_state.h"
#include "core/commands/command_ids.h"
#include "support/scripted_prompts.h"
#include "ui/infobar/histogram_box.h"
#include "ui/infobar/info_bar.h"
#include "ui/mainframe/c_main_frame.h"
#include "ui/mainframe/command_actions.h"
#include "ui/mainframe/splash.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTabBar>
#include <QToolBar>
#include <QtTest>

using namespace pictra;

class TestMainFrame : public QObject {
    Q_OBJECT
private slots:
    void showsTheProgramTitleMenusAndToolbar()
    {
        AppState state;
        test::ScriptedPrompts prompts;
        ui::CMainFrame frame(state, &prompts);
        frame.show();
        QCOMPARE(frame.windowTitle(), QStringLiteral("Pictra  Version1.04"));
        QStringList titles;
        for (QAction* a : frame.menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles.first(), QStringLiteral("ファイル(&F)"));
        QCOMPARE(titles.last(), QStringLiteral("ヘルプ(&H)"));

        // Every button is its command's own action, so pressing one runs it.
        QToolBar* bar = frame.commands().toolBar();
        for (QAction* a : bar->actions()) {
            if (!a->isSeparator())
                QCOMPARE(a, frame.commands().action(a->objectName().toInt()));
        }
        QTest::mouseClick(bar->widgetForAction(frame.commands().action(cmd::kNewAlbum)), Qt::LeftButton);
        QCOMPARE(frame.mdi()->subWindowList().size(), 1);
        QAction* next = frame.commands().action(cmd::kNextPage);
        QCOMPARE(next->statusTip(), QStringLiteral("次のページにする"));
        QCOMPARE(next->toolTip(), QStringLiteral("ページ送り(PageDown)"));
        QCOMPARE(next->shortcut(), QKeySequence(Qt::Key_PageDown));
        QCOMPARE(frame.commands().action(cmd::kDelete)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
        QVERIFY(!next->icon().isNull());
    }

    void arrangeIconsLinesMinimisedWindowsUpAlongTheBottom()
    {
        AppState state;
        test::ScriptedPrompts prompts;
        ui::CMainFrame frame(state, &prompts);
        frame.resize(900, 700);
        frame.show();
        QVERIFY(frame.handleCommand(cmd::kNewAlbum));
        QVERIFY(frame.handleCommand(cmd::kNewAlbum));
        const QList<QMdiSubWindow*> windows = frame.mdi()->subWindowList();
        QCOMPARE(windows.size(), 2);
        for (QMdiSubWindow* w : windows)
            w->showMinimized();
        windows[0]->move(300, 100);
        QVERIFY(frame.handleCommand(cmd::kArrangeIcons));
        const int bottom = frame.mdi()->viewport()->height();
        QCOMPARE(windows[0]->geometry().bottom() + 1, bottom);
        QCOMPARE(windows[0]->x(), 0);
        QCOMPARE(windows[1]->y(), windows[0]->y());
        QCOMPARE(windows[1]->x(), windows[0]->width());
    }

    void greysCommandsWithoutAWindowAndNeverRunsThem()
    {
        AppState state;
        test::ScriptedPrompts prompts;
        ui::CMainFrame frame(state, &prompts);
        frame.updateCommandStates();
        for (int id : {cmd::kSave, cmd::kSaveAs, cmd::kCut, cmd::kNextPage, cmd::kSlideShow, cmd::kCascade})
            QVERIFY2(!frame.commands().action(id)->isEnabled(), qPrintable(QString::number(id)));
        QVERIFY(frame.commands().action(cmd::kNewAlbum)->isEnabled());
        QVERIFY(!frame.handleCommand(cmd::kSaveAs)); // greyed: not carried out
        QVERIFY(prompts.asked.isEmpty());
    }

    void recentItemsGoBeforePrintWithTheirSeparator()
    {
        AppState state;
        test::ScriptedPrompts prompts;
        ui::CMainFrame frame(state, &prompts);
        QMenu* file = frame.commands().fileMenu();
        const int before = file->actions().size();
        frame.commands().setRecentItems({{1, QStringLiteral("1. /home/u/b.abm")}, {2, QStringLiteral("2. /home/u/a.abm")}});
        const QList<QAction*> items = file->actions();
        QCOMPARE(items.size(), before + 3);
        QCOMPARE(items[5]->text(), QStringLiteral("1. /home/u/b.abm"));
        QCOMPARE(items[6]->objectName(), QStringLiteral("2"));
        QVERIFY(items[7]->isSeparator());
        QCOMPARE(items[8]->text(), QStringLiteral("印刷(&P)"));
        frame.commands().setRecentItems({});
        QCOMPARE(file->actions().size(), before);
    }

    void infoBarHasItsControls()
    {
        AppState state;
        test::ScriptedPrompts prompts;
        ui::CMainFrame frame(state, &prompts);
        ui::InfoBar* bar = frame.infoBar();
        for (const char* id : {"1046", "1007", "1001", "1004", "1005", "1003", "1002", "1006", "1000", "1031"})
            QVERIFY2(bar->findChild<QWidget*>(QString::fromLatin1(id)), id);
        auto* tabs = bar->findChild<QTabBar*>(QStringLiteral("1119"));
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("メモ"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Exif"));
        QCOMPARE(frame.dockWidgetArea(bar), Qt::BottomDockWidgetArea);
    }

    void histogramOfAGreyPictureIsOneCurve()
    {
        ImageBuffers buffers(4096);
        ImageRecord& r = buffers.record();
        QCOMPARE(r.setup24(8, 8), Status::Ok);
        std::fill(r.pixels.begin(), r.pixels.begin() + static_cast<std::ptrdiff_t>(r.imageBytes()), std::uint8_t{100});
        ui::HistogramBox box;
        box.resize(258, 82);
        box.setHistogram(countRgbHistogram(r));
        const QImage shot = box.grab().toImage();
        // The three curves coincide; blue is drawn last, so the peak is blue.
        const int x = 1 + (100 * 256 + 128) / 256;
        QCOMPARE(shot.pixelColor(x, 1), QColor(0, 0, 255));
        QCOMPARE(shot.pixelColor(0, 0), QColor(0, 0, 0));
        QCOMPARE(shot.pixelColor(120, 40), QColor(255, 255, 255));
    }

    void splashIsCentredAtTwoFifths()
    {
        QCOMPARE(ui::splashPosition(QSize(1000, 700)), QPoint(216, 181));
        QCOMPARE(ui::splashImage().size(), QSize(567, 246));
    }
};

QTEST_MAIN(TestMainFrame)
#include "test_main_frame.moc"
