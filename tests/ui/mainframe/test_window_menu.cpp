// The ウインドウ menu's list of open windows, 重ねて表示, the program's icon on
// every window, and the thumbnail tip giving way to menus.
#include "support/app_session.h"
#include "support/modal_dialogs.h"

#include "core/album/image_entry.h"
#include "core/commands/command_ids.h"
#include "core/util/fixed_text.h"
#include "ui/albumwindow/c_child_frame.h"
#include "ui/albumwindow/special_window.h"
#include "ui/mainframe/album_documents.h"
#include "ui/mainframe/command_actions.h"
#include "ui/mainframe/drop_handler.h"
#include "ui/mainframe/navigation_tip.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QToolTip>
#include <QtTest>

using namespace pictra;

namespace {

struct Program : test::StartedProgram {
    ui::CChildFrame* pictureWindow(const std::string& name)
    {
        const std::string path = tmp.file("photos/" + name);
        test::writeJpeg(path, 80, 60, 5);
        ImageEntry entry{};
        setFieldText(entry.path, path);
        return ui::openSpecialWindow(state, *frame, AlbumKind::SingleImage, entry);
    }

    QMenu* openWindowMenu()
    {
        QMenu* menu = frame->commands().windowMenu();
        menu->popup(frame->mapToGlobal(QPoint(60, 30)));
        return menu;
    }

    // The items after the window commands' separator.
    QList<QAction*> windowItems()
    {
        QList<QAction*> items;
        for (QAction* a : frame->commands().windowMenu()->actions()) {
            if (a->isCheckable())
                items << a;
        }
        return items;
    }
};

QImage iconImage(const QIcon& icon) { return icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32); }

} // namespace

class TestWindowMenu : public QObject {
    Q_OBJECT
private slots:
    void listsTheOpenWindowsAndBringsTheChosenOneForward()
    {
        Program p;
        p.frame->show();
        p.frame->documents().newAlbum();
        ui::CChildFrame* picture = p.pictureWindow("海.jpg");
        QVERIFY(picture);
        picture->showMaximized();
        const QList<QMdiSubWindow*> windows = p.frame->mdi()->subWindowList();
        QCOMPARE(windows.size(), 3); // the sample album, the new album, the picture

        QMenu* menu = p.openWindowMenu();
        const QList<QAction*> items = p.windowItems();
        QCOMPARE(items.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(items[i]->text(), QStringLiteral("&%1 %2").arg(i + 1).arg(windows[i]->windowTitle()));
            QCOMPARE(items[i]->isChecked(), windows[i] == picture);
        }
        QVERIFY(items[0]->text().endsWith(QStringLiteral(".abm")));
        QCOMPARE(items[2]->text(), QStringLiteral("&3 海.jpg"));

        // The menu drawn over the window, as the user sees it.
        QImage shot = p.frame->grab().toImage();
        QPainter(&shot).drawPixmap(p.frame->mapFromGlobal(menu->pos()), menu->grab());
        QVERIFY(shot.save(qEnvironmentVariable("PICTRA_ARTIFACT_DIR") + QStringLiteral("/window_menu.png")));

        menu->hide();
        items[0]->trigger();
        QCOMPARE(p.frame->mdi()->activeSubWindow(), windows[0]);
        p.openWindowMenu();
        QVERIFY(p.windowItems()[0]->isChecked());
        QVERIFY(!p.windowItems()[2]->isChecked());
        menu->hide();

        // A closed window leaves the list.
        picture->close();
        QTRY_COMPARE(p.frame->mdi()->subWindowList().size(), 2);
        p.openWindowMenu();
        QCOMPARE(p.windowItems().size(), 2);
        menu->hide();
    }

    void cascadeKeepsEveryWindowUsable()
    {
        Program p;
        p.frame->show();
        for (int i = 0; i < 5; ++i)
            p.frame->documents().newAlbum();
        QVERIFY(p.frame->handleCommand(cmd::kCascade));
        const QSize area = p.frame->mdi()->viewport()->size();
        const QList<QMdiSubWindow*> windows = p.frame->mdi()->subWindowList();
        QCOMPARE(windows.size(), 6);
        QMdiSubWindow* active = p.frame->mdi()->activeSubWindow();
        QSet<int> steps;
        for (QMdiSubWindow* w : windows) {
            const QRect box = w->geometry();
            QVERIFY2(box.width() >= area.width() * 2 / 3 && box.height() >= area.height() * 2 / 3,
                     qPrintable(QStringLiteral("%1 x %2 in %3 x %4").arg(box.width()).arg(box.height()).arg(area.width()).arg(area.height())));
            QVERIFY(QRect(QPoint(0, 0), area).contains(box));
            QCOMPARE(box.x(), box.y());
            steps << box.x();
        }
        QCOMPARE(steps.size(), 6); // no two windows on top of each other
        QCOMPARE(active->geometry().topLeft(), QPoint(5 * 24, 5 * 24)); // the active one on top of the stack
        QCOMPARE(p.frame->mdi()->activeSubWindow(), active);
    }

    void everyWindowShowsTheProgramIcon()
    {
        Program p;
        const QImage program = iconImage(QIcon(QStringLiteral(":/icons/pictra.png")));
        QVERIFY(!program.isNull());
        QCOMPARE(iconImage(QApplication::windowIcon()), program);
        QCOMPARE(iconImage(p.frame->windowIcon()), program);
        p.frame->documents().newAlbum();
        QVERIFY(p.pictureWindow("a.jpg"));
        for (QMdiSubWindow* w : p.frame->mdi()->subWindowList())
            QCOMPARE(iconImage(w->windowIcon()), program);
        QMessageBox box(QMessageBox::Warning, QStringLiteral("注意"), QStringLiteral("x"), QMessageBox::Ok);
        QCOMPARE(iconImage(box.windowIcon()), program);
    }

    void thumbnailTipClosesWhenAMenuOpens()
    {
        Program p;
        p.frame->show();
        ui::NavigationTip& tip = p.frame->navigationTip();
        tip.configure(true, 0);
        QWidget* view = p.frame->mdi()->subWindowList().front()->widget();
        QVERIFY(view && view->isVisible());

        tip.relay(view, view->mapToGlobal(QPoint(30, 30))); // the mouse over a thumbnail
        tip.show(view, QStringLiteral("2024年の海"));
        QVERIFY(tip.isShown());
        QMenu* barMenu = p.frame->menuBar()->actions().front()->menu();
        barMenu->popup(p.frame->mapToGlobal(QPoint(10, 30)));
        QVERIFY(!tip.isShown());
        QTRY_VERIFY(!QToolTip::isVisible());
        barMenu->hide();

        tip.show(view, QStringLiteral("2025年の山"));
        QVERIFY(tip.isShown());
        QMenu context;
        context.addAction(QStringLiteral("コピー"));
        context.popup(view->mapToGlobal(QPoint(20, 20)));
        QVERIFY(!tip.isShown());
        QTRY_VERIFY(!QToolTip::isVisible());

        // A tip still waiting for its delay does not come up over the menu either.
        tip.configure(true, 50);
        context.hide();
        tip.show(view, QStringLiteral("2026年の川"));
        context.popup(view->mapToGlobal(QPoint(20, 20)));
        QVERIFY(!tip.isShown()); // its delay was stopped with it
        context.hide();
    }
};

QTEST_MAIN(TestWindowMenu)
#include "test_window_menu.moc"
