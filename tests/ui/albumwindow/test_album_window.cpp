#include "support/album_window_fixture.h"

#include "core/commands/command_ids.h"

#include <QComboBox>
#include <QMdiArea>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

using pictra::test::AlbumWindowFixture;
namespace cmd = pictra::cmd;

namespace {

QStringList comboItems(pictra::ui::CChildFrame* frame)
{
    auto* combo = frame->pageView()->findChild<QComboBox*>(QStringLiteral("1081"));
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

} // namespace

class TestAlbumWindow : public QObject {
    Q_OBJECT
private slots:
    void emptyAlbumShowsOnePageAndNoMenu()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum("/albums/empty.abm", 0);
        QCOMPARE(comboItems(frame), QStringList{QStringLiteral("1/1")});
        QCOMPARE(frame->windowTitle(), QStringLiteral("empty.abm"));
        AlbumWindowFixture::press(frame->pageView(), f.cellCentre(*frame, 0), Qt::NoModifier, Qt::RightButton);
        QVERIFY(!frame->pageView()->findChild<QMenu*>(QStringLiteral("143")));
    }

    void controlsCarryTheirIds()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum("/albums/a.abm", 20);
        auto* view = frame->pageView();
        QCOMPARE(view->findChild<QRadioButton*>(QStringLiteral("1067"))->text(), QStringLiteral("横"));
        QCOMPARE(view->findChild<QRadioButton*>(QStringLiteral("1068"))->text(), QStringLiteral("縦"));
        auto* slider = view->findChild<QSlider*>(QStringLiteral("1083"));
        QCOMPARE(slider->minimum(), 1);
        QCOMPARE(slider->maximum(), 10);
        QCOMPARE(slider->value(), 3);
        QCOMPARE(comboItems(frame), (QStringList{"1/3", "2/3", "3/3"}));
        // The grid hangs from the anchor frame.
        const QRect anchor = view->findChild<QWidget*>(QStringLiteral("1031"))->geometry();
        QCOMPARE(f.record(*frame).cells[0].left, anchor.left());
        QCOMPARE(f.record(*frame).cells[0].top, anchor.top());
    }

    void clicksSelectAndCtrlClicksAdd()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum("/albums/a.abm", 9);
        auto* view = frame->pageView();
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 4));
        QCOMPARE(f.state.selection.selection.size(), std::size_t{1});
        QCOMPARE(f.state.selection.selection[0].stamp, 104);
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 6), Qt::ControlModifier);
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 1), Qt::ControlModifier);
        QCOMPARE(f.state.selection.selection.size(), std::size_t{3});
        QCOMPARE(f.record(*frame).focusIndex, 1);
        // A plain click on a selected image keeps the selection until release.
        AlbumWindowFixture::press(view, f.cellCentre(*frame, 6));
        QCOMPARE(f.state.selection.selection.size(), std::size_t{3});
        AlbumWindowFixture::release(view, f.cellCentre(*frame, 6));
        QCOMPARE(f.state.selection.selection.size(), std::size_t{1});
        QCOMPARE(f.state.selection.selection[0].stamp, 106);
        // A plain click on another image selects it alone.
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 0));
        QCOMPARE(f.state.selection.selection.size(), std::size_t{1});
        QCOMPARE(f.state.selection.selection[0].stamp, 100);
    }

    void rightClickShowsTheContextMenu()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum("/albums/a.abm", 3);
        AlbumWindowFixture::press(frame->pageView(), f.cellCentre(*frame, 2), Qt::NoModifier, Qt::RightButton);
        auto* menu = frame->pageView()->findChild<QMenu*>(QStringLiteral("143"));
        QVERIFY(menu);
        QStringList texts;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator())
                texts << a->text();
            if (a->data().toInt() == cmd::kPaste)
                QVERIFY(!a->isEnabled()); // nothing on the clipboard
        }
        QCOMPARE(texts, (QStringList{"拡大ビュー表示", "コピー", "切り取り", "貼り付け", "削除",
                                     "別のフォルダーにコピー", "別のフォルダーに移動", "ファイル名を変更"}));
        QCOMPARE(f.record(*frame).focusIndex, 2);
        menu->close();
    }

    void ctrlDropCopiesThreeImagesAtPositionTwo()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum("/albums/a.abm", 10, 4, 3);
        auto* view = frame->pageView();
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 7));
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 0), Qt::ControlModifier);
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 9), Qt::ControlModifier);
        AlbumWindowFixture::press(view, f.cellCentre(*frame, 9), Qt::ControlModifier);
        AlbumWindowFixture::dragTo(view, f.cellCentre(*frame, 5));
        AlbumWindowFixture::dragTo(view, f.cellCentre(*frame, 2));
        AlbumWindowFixture::release(view, f.cellCentre(*frame, 2), Qt::ControlModifier);
        const auto s = f.summaries(*frame);
        QCOMPARE(s.size(), std::size_t{13});
        const std::vector<std::string> expected{"summary 0", "summary 1", "summary 7", "summary 0", "summary 9",
                                                "summary 2", "summary 3", "summary 4", "summary 5", "summary 6",
                                                "summary 7", "summary 8", "summary 9"};
        QCOMPARE(s, expected);
        const auto& r = f.record(*frame);
        // Fresh consecutive stamps for the copies; the originals keep theirs.
        QVERIFY(r.images[2].stamp < 100 || r.images[2].stamp > 109);
        QCOMPARE(r.images[3].stamp, r.images[2].stamp + 1);
        QCOMPARE(r.images[4].stamp, r.images[2].stamp + 2);
        QCOMPARE(r.images[10].stamp, 107);
        QCOMPARE(f.state.selection.selection.size(), std::size_t{1});
        QCOMPARE(f.state.selection.selection[0].stamp, r.images[2].stamp);
        QCOMPARE(comboItems(frame), (QStringList{"1/2", "2/2"}));
    }

    void dropOnTheStartCellChangesNothing()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum("/albums/a.abm", 5);
        auto* view = frame->pageView();
        const auto before = f.summaries(*frame);
        AlbumWindowFixture::press(view, f.cellCentre(*frame, 1));
        AlbumWindowFixture::dragTo(view, f.cellCentre(*frame, 3));
        AlbumWindowFixture::dragTo(view, f.cellCentre(*frame, 1) + QPoint(3, 3));
        AlbumWindowFixture::release(view, f.cellCentre(*frame, 1) + QPoint(3, 3));
        QCOMPARE(f.summaries(*frame), before);
        QCOMPARE(f.record(*frame).images[1].stamp, 101);
    }

    void moveDropReorders()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum("/albums/a.abm", 5);
        auto* view = frame->pageView();
        AlbumWindowFixture::press(view, f.cellCentre(*frame, 0));
        AlbumWindowFixture::dragTo(view, f.cellCentre(*frame, 3));
        AlbumWindowFixture::release(view, f.cellCentre(*frame, 3));
        QCOMPARE(f.summaries(*frame), (std::vector<std::string>{"summary 1", "summary 2", "summary 3", "summary 0",
                                                               "summary 4"}));
    }

    void rightClickCancelsADrag()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum("/albums/a.abm", 5);
        auto* view = frame->pageView();
        const auto before = f.summaries(*frame);
        AlbumWindowFixture::press(view, f.cellCentre(*frame, 0));
        AlbumWindowFixture::dragTo(view, f.cellCentre(*frame, 3));
        AlbumWindowFixture::send(view, QEvent::MouseButtonPress, f.cellCentre(*frame, 3), Qt::RightButton,
                                 Qt::LeftButton | Qt::RightButton);
        AlbumWindowFixture::release(view, f.cellCentre(*frame, 3));
        QCOMPARE(f.summaries(*frame), before);
        QVERIFY(!view->findChild<QMenu*>(QStringLiteral("143")));
    }

    void dragIntoAnotherAlbumCopiesAndLeavesTheSourceAlone()
    {
        AlbumWindowFixture f;
        auto* a = f.openAlbum("/albums/a.abm", 4);
        auto* b = f.openAlbum("/albums/b.abm", 2);
        f.host.mdiArea().tileSubWindows();
        QCoreApplication::processEvents();
        a->pageView()->setRaiseDelay(0);
        f.host.bringToTop(*a);
        a->makeCurrent();
        auto* view = a->pageView();
        AlbumWindowFixture::click(view, f.cellCentre(*a, 1));
        AlbumWindowFixture::click(view, f.cellCentre(*a, 3), Qt::ControlModifier);
        AlbumWindowFixture::press(view, f.cellCentre(*a, 3));
        // Over album B: it comes to the top once the raise timer fires.
        const QPoint overB = b->pageView()->mapToGlobal(f.cellCentre(*b, 0));
        AlbumWindowFixture::dragTo(view, view->mapFromGlobal(overB));
        QTRY_COMPARE(f.state.albums->working.viewId, b->viewId());
        AlbumWindowFixture::dragTo(view, view->mapFromGlobal(overB) + QPoint(1, 1));
        f.host.scripted.yesNoCancelAnswers << pictra::ui::YesNoCancel::Yes; // B holds image 1 already: add it again
        AlbumWindowFixture::release(view, view->mapFromGlobal(overB) + QPoint(1, 1));
        QVERIFY(f.host.scripted.asked.last().contains(QStringLiteral("すでにアルバムにあります")));
        QCOMPARE(f.summaries(*b), (std::vector<std::string>{"summary 1", "summary 3", "summary 0", "summary 1"}));
        QCOMPARE(f.summaries(*a).size(), std::size_t{4});
        QCOMPARE(f.record(*a).images[1].stamp, 101);
        QVERIFY(f.record(*b).images[0].stamp != 101);
        QCOMPARE(f.state.selection.selection[0].stamp, f.record(*b).images[0].stamp);
    }

    void sliderKeepsTheFocusedImage()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum("/albums/a.abm", 30);
        frame->handleCommand(cmd::kNextPage);
        auto* view = frame->pageView();
        AlbumWindowFixture::click(view, f.cellCentre(*frame, 8)); // image 17
        view->findChild<QSlider*>(QStringLiteral("1083"))->setValue(5);
        const auto& r = f.record(*frame);
        QCOMPARE(int(r.columns), 5);
        QCOMPARE(r.currentPage, 1);
        QCOMPARE(r.focusIndex, 2);
        QCOMPARE(comboItems(frame), (QStringList{"1/2", "2/2"}));
        // "縦" makes the slider set the rows.
        view->findChild<QRadioButton*>(QStringLiteral("1068"))->click();
        view->findChild<QSlider*>(QStringLiteral("1083"))->setValue(2);
        QCOMPARE(int(f.record(*frame).rows), 2);
        QCOMPARE(int(f.record(*frame).columns), 5);
    }

    void pageNavigation_data()
    {
        QTest::addColumn<int>("images");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("beeps");
        QTest::newRow("9 next") << 9 << cmd::kNextPage << 0 << true;
        QTest::newRow("10 next") << 10 << cmd::kNextPage << 1 << false;
        QTest::newRow("18 last") << 18 << cmd::kLastPage << 1 << false;
        QTest::newRow("19 last") << 19 << cmd::kLastPage << 2 << false;
        QTest::newRow("19 previous") << 19 << cmd::kPreviousPage << 0 << true;
    }

    void pageNavigation()
    {
        QFETCH(int, images);
        QFETCH(int, command);
        QFETCH(int, page);
        QFETCH(bool, beeps);
        AlbumWindowFixture f;
        auto* frame = f.openAlbum("/albums/a.abm", images);
        QVERIFY(frame->handleCommand(command));
        const auto& r = f.record(*frame);
        QCOMPARE(r.currentPage, page);
        QCOMPARE(bool(r.hasFocus), !beeps);
        if (!beeps) {
            QCOMPARE(r.focusIndex, 0);
            QCOMPARE(f.state.selection.selection[0].stamp, 100 + page * 9);
            auto* combo = frame->pageView()->findChild<QComboBox*>(QStringLiteral("1081"));
            QCOMPARE(combo->currentIndex(), page);
        }
    }

    void hoverTipShowsTheSummary()
    {
        AlbumWindowFixture f;
        auto* frame = f.openAlbum("/albums/a.abm", 2);
        auto* view = frame->pageView();
        AlbumWindowFixture::send(view, QEvent::MouseMove, f.cellCentre(*frame, 1), Qt::NoButton, Qt::NoButton);
        QVERIFY(f.host.tipShown);
        QCOMPARE(f.host.tipText, QStringLiteral("summary 1"));
        AlbumWindowFixture::send(view, QEvent::MouseMove, f.cellCentre(*frame, 5), Qt::NoButton, Qt::NoButton);
        QVERIFY(!f.host.tipShown);
    }
};

QTEST_MAIN(TestAlbumWindow)
#include "test_album_window.moc"
