// The enlarged view: rubber-band zoom, the zoom stack, zoom back, standard
// size, panning, the popup menu and the stack files it leaves behind.
#include "core/commands/command_ids.h"
#include "core/tools/image_tool.h"
#include "core/tools/zoom_stack.h"
#include "core/util/file_io.h"
#include "support/album_window_fixture.h"
#include "support/modal_dialogs.h"
#include "ui/albumwindow/special_window.h"
#include "ui/enlargedview/c_pictra_view.h"

#include <QMenu>

namespace pictra {
namespace {

using test::AlbumWindowFixture;
using ui::CPictraView;

class TestEnlargedView : public QObject {
    Q_OBJECT

    // A single-image window for a 400 × 300 JPEG at `path`.
    CPictraView* openPicture(AlbumWindowFixture& f, const std::string& path)
    {
        f.writeJpeg(path, 400, 3);
        ImageEntry entry{};
        setFieldText(entry.path, path);
        ui::CChildFrame* frame = ui::openSpecialWindow(f.state, f.host, AlbumKind::SingleImage, entry);
        frame->resize(500, 400);
        QCoreApplication::processEvents();
        return qobject_cast<CPictraView*>(frame->widget());
    }

    static void zoomBetween(CPictraView* view, QPoint a, QPoint b)
    {
        QVERIFY(view->handleCommand(cmd::kZoom));
        AlbumWindowFixture::press(view, a);
        AlbumWindowFixture::release(view, a);
        AlbumWindowFixture::dragTo(view, b);
        AlbumWindowFixture::press(view, b);
        AlbumWindowFixture::release(view, b);
    }

private slots:
    void zoomTwiceThenZoomBackTwice()
    {
        AlbumWindowFixture f;
        CPictraView* view = openPicture(f, f.dir.file("beach.jpg"));
        QVERIFY(view);
        QVERIFY(!view->zoomState().zoomed);

        zoomBetween(view, {100, 100}, {200, 180});
        QVERIFY(view->zoomState().zoomed);
        QCOMPARE(view->zoomState().toolMode, 0);
        const Outline first = view->zoomedOutline();
        QVERIFY(first[1].x - first[0].x > 400); // magnified past the window
        test::saveArtifact(*view->parentWidget(), "enlarged_zoomed.png");

        zoomBetween(view, {50, 50}, {150, 120});
        QVERIFY(view->zoomedOutline()[1].x - view->zoomedOutline()[0].x > first[1].x - first[0].x);
        QCOMPARE(readZoomStack(view->zoomStackFile())->size(), std::size_t(2));


        QVERIFY(view->handleCommand(cmd::kZoomBack));
        QVERIFY(view->zoomState().zoomed);
        QCOMPARE(view->zoomedOutline(), first);
        QVERIFY(view->handleCommand(cmd::kZoomBack));
        QVERIFY(!view->zoomState().zoomed);
    }

    void rightClickBetweenTheCornersCancelsAndTinyBandsAreIgnored()
    {
        AlbumWindowFixture f;
        CPictraView* view = openPicture(f, f.dir.file("a.jpg"));
        QVERIFY(view->handleCommand(cmd::kZoom));
        AlbumWindowFixture::press(view, {100, 100});
        AlbumWindowFixture::release(view, {100, 100});
        QVERIFY(view->zoomState().firstCorner);
        AlbumWindowFixture::press(view, {150, 150}, Qt::NoModifier, Qt::RightButton);
        QVERIFY(!view->zoomState().firstCorner);
        QCOMPARE(view->zoomState().toolMode, 0);
        QVERIFY(!view->zoomState().zoomed);
        QVERIFY(!view->popupMenu());

        // A second click on (almost) the first corner is no rectangle.
        zoomBetween(view, {100, 100}, {102, 160});
        QVERIFY(!view->zoomState().zoomed);
        QCOMPARE(view->zoomState().toolMode, cmd::kZoom);
        QVERIFY(!fileExists(view->zoomStackFile()));
    }

    void panningMovesOnlyAZoomedPictureAndIsRemembered()
    {
        AlbumWindowFixture f;
        CPictraView* view = openPicture(f, f.dir.file("a.jpg"));
        AlbumWindowFixture::press(view, {100, 100});
        AlbumWindowFixture::dragTo(view, {140, 120});
        AlbumWindowFixture::release(view, {140, 120});
        QVERIFY(!view->zoomState().zoomed);
        QVERIFY(!fileExists(view->zoomStackFile()));
        QVERIFY(f.host.infoBarRefreshes > 0);

        zoomBetween(view, {150, 150}, {250, 230});
        const Outline zoomed = view->zoomedOutline();
        AlbumWindowFixture::press(view, {200, 200});
        AlbumWindowFixture::dragTo(view, {210, 195});
        AlbumWindowFixture::release(view, {210, 195});
        QCOMPARE(view->zoomedOutline()[0].x, zoomed[0].x + 10);
        QCOMPARE(view->zoomedOutline()[0].y, zoomed[0].y - 5);
        QCOMPARE(readZoomStack(view->zoomStackFile())->back(), view->zoomedOutline());

        QVERIFY(view->handleCommand(cmd::kStandardSize));
        QVERIFY(!view->zoomState().zoomed);
    }

    void aBrokenStackFileShowsThePictureFitted()
    {
        AlbumWindowFixture f;
        CPictraView* view = openPicture(f, f.dir.file("a.jpg"));
        zoomBetween(view, {150, 150}, {250, 230});
        QVERIFY(view->zoomState().zoomed);
        test::writeBytes(view->zoomStackFile(), std::string("\x05\0\0\0garbage", 11));
        view->repaint();
        QVERIFY(!view->zoomState().zoomed);
    }

    void windowsKeepTheirOwnStacksAndCloseRemovesIt()
    {
        AlbumWindowFixture f;
        CPictraView* first = openPicture(f, f.dir.file("one/x.jpg"));
        CPictraView* second = openPicture(f, f.dir.file("two/x.jpg"));
        QVERIFY(first->zoomStackFile() != second->zoomStackFile());
        zoomBetween(second, {150, 150}, {250, 230});
        const std::string stack = second->zoomStackFile();
        QVERIFY(fileExists(stack));
        second->parentWidget()->close();
        QCoreApplication::processEvents();
        QVERIFY(!fileExists(stack));
    }

    void popupMenuListsTheViewCommands()
    {
        AlbumWindowFixture f;
        CPictraView* view = openPicture(f, f.dir.file("a.jpg"));
        AlbumWindowFixture::press(view, {100, 100}, Qt::NoModifier, Qt::RightButton);
        QMenu* menu = view->popupMenu();
        QVERIFY(menu);
        QStringList texts;
        for (QAction* a : menu->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(texts, QStringList({"標準サイズ", "ズームアップ", "ズームバック", "-", "回転", "反転", "２値化", "ＲＧＢ",
                                     "色相、彩度、明暗", "ヒストグラム", "ネガティブ", "ノイズフィルター", "-",
                                     "グレースケール", "レッドスケール", "グリーンスケール", "ブルースケール"}));
        // Every tool's item is the tool table's text and opens that tool.
        int toolItems = 0;
        for (QAction* a : menu->actions()) {
            const std::optional<ImageTool> tool = toolForCommand(a->data().toInt());
            if (!tool)
                continue;
            ++toolItems;
            const std::string_view expected = imageToolInfo(*tool).menuText;
            QCOMPARE(a->text(), QString::fromUtf8(expected.data(), static_cast<qsizetype>(expected.size())));
        }
        QCOMPARE(toolItems, 12);
        menu->actions()[1]->trigger();
        QCOMPARE(view->zoomState().toolMode, cmd::kZoom);
        QCOMPARE(view->cursor().shape(), Qt::CrossCursor);
        menu->close();
    }
};

} // namespace
} // namespace pictra

QTEST_MAIN(pictra::TestEnlargedView)
#include "test_enlarged_view.moc"
