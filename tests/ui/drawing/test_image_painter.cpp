#include "ui/drawing/image_painter.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using pictra::AlbumKind;
using pictra::AlbumRecord;
using pictra::ImageBuffers;
using pictra::Rect;
using pictra::ui::ImagePainter;
using pictra::ui::SelectionMark;

namespace {

QImage whiteCanvas(int w, int h)
{
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

// A 24-bit record of one colour.
void fillSolid(ImageBuffers& buffers, int w, int h, QColor colour)
{
    QVERIFY(buffers.record().setup24(w, h) == pictra::Status::Ok);
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = buffers.record().row(y);
        for (int x = 0; x < w; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(colour.blue());
            row[3 * x + 1] = static_cast<std::uint8_t>(colour.green());
            row[3 * x + 2] = static_cast<std::uint8_t>(colour.red());
        }
    }
}

} // namespace

class TestImagePainter : public QObject {
    Q_OBJECT
private slots:
    void fitsCentredWithABlackFrame()
    {
        ImageBuffers buffers(100 * 50 * 3);
        fillSolid(buffers, 100, 50, QColor(200, 30, 30));
        QImage canvas = whiteCanvas(200, 200);
        {
            QPainter p(&canvas);
            ImagePainter(p).drawFitted(Rect{0, 0, 200, 200}, buffers.record());
        }
        // 196 × 98 from (2, 51): frame on the border, picture inside.
        const auto& o = buffers.record().outline;
        QCOMPARE(o[0].x, 2.0);
        QCOMPARE(o[0].y, 51.0);
        QCOMPARE(o[2].x, 198.0);
        QCOMPARE(o[2].y, 149.0);
        QCOMPARE(canvas.pixelColor(2, 100), QColor(Qt::black));
        QCOMPARE(canvas.pixelColor(100, 51), QColor(Qt::black));
        QCOMPARE(canvas.pixelColor(100, 100), QColor(200, 30, 30));
        QCOMPARE(canvas.pixelColor(100, 40), QColor(Qt::white));
        QCOMPARE(canvas.pixelColor(1, 100), QColor(Qt::white));
    }

    void keepsTopRowOnTopAndStretchesNearestNeighbour()
    {
        // 2 × 2: top row red/green, bottom row blue/white (rows are stored bottom-up).
        ImageBuffers buffers(64);
        QVERIFY(buffers.record().setup24(2, 2) == pictra::Status::Ok);
        const std::uint8_t bottom[] = {255, 0, 0, 255, 255, 255};
        const std::uint8_t top[] = {0, 0, 255, 0, 255, 0};
        std::copy(std::begin(bottom), std::end(bottom), buffers.record().row(0));
        std::copy(std::begin(top), std::end(top), buffers.record().row(1));
        buffers.record().outline = {{{10, 10}, {30, 10}, {30, 30}, {10, 30}}};
        QImage canvas = whiteCanvas(40, 40);
        {
            QPainter p(&canvas);
            ImagePainter(p).drawImage(buffers.record());
        }
        QCOMPARE(canvas.pixelColor(11, 11), QColor(255, 0, 0));
        QCOMPARE(canvas.pixelColor(28, 11), QColor(0, 255, 0));
        QCOMPARE(canvas.pixelColor(11, 28), QColor(0, 0, 255));
        QCOMPARE(canvas.pixelColor(19, 19), QColor(255, 0, 0)); // no blending at the seam
        QCOMPARE(canvas.pixelColor(20, 20), QColor(255, 255, 255));
    }

    void drawsPaletteRecords_data()
    {
        QTest::addColumn<int>("bits");
        QTest::newRow("8-bit") << 8;
        QTest::newRow("1-bit") << 1;
    }

    void drawsPaletteRecords()
    {
        QFETCH(int, bits);
        ImageBuffers buffers(64);
        auto& r = buffers.record();
        r.infoHeader = {40, 4, 4, 1, static_cast<std::uint16_t>(bits), 0, 0, 0, 0, 2, 0};
        const std::uint8_t palette[] = {0, 0, 0, 0, 10, 200, 30, 0}; // black, then (30, 200, 10)
        std::copy(std::begin(palette), std::end(palette), r.palette.begin());
        std::fill(r.pixels.begin(), r.pixels.end(), bits == 8 ? 1 : 0xFF);
        r.outline = {{{0, 0}, {4, 0}, {4, 4}, {0, 4}}};
        QImage canvas = whiteCanvas(8, 8);
        {
            QPainter p(&canvas);
            ImagePainter(p).drawImage(r);
        }
        QCOMPARE(canvas.pixelColor(2, 2), QColor(30, 200, 10));
    }

    void emptyOutlinesDrawNothing()
    {
        ImageBuffers buffers(64);
        fillSolid(buffers, 4, 4, Qt::red);
        QImage canvas = whiteCanvas(20, 20);
        const QImage before = canvas;
        {
            QPainter p(&canvas);
            ImagePainter painter(p);
            buffers.record().outline = {{{5, 5}, {5, 5}, {5, 5}, {5, 5}}};
            painter.drawFitted(Rect{0, 0, 20, 20}, buffers.record());
            painter.drawImage(buffers.record());
            painter.drawZoomed({3, 3}, {3, 9}, QSize(20, 20), buffers.record());
        }
        QCOMPARE(canvas, before);
    }

    void selectionFramesAndTheOneCellPage()
    {
        auto page = std::make_unique<AlbumRecord>();
        page->kind = AlbumKind::Album;
        page->columns = 1;
        page->rows = 1;
        QImage canvas = whiteCanvas(50, 50);
        QPainter p(&canvas);
        ImagePainter painter(p);
        QVERIFY(!painter.drawSelection(SelectionMark::Draw, Rect{10, 10, 40, 40}, page.get()));
        QCOMPARE(canvas.pixelColor(10, 20), QColor(Qt::white));
        page->kind = AlbumKind::SingleImage;
        QVERIFY(painter.drawSelection(SelectionMark::Draw, Rect{10, 10, 40, 40}, page.get()));
        QCOMPARE(canvas.pixelColor(10, 20), QColor(0, 0, 255));
        painter.drawSelection(SelectionMark::Erase, Rect{10, 10, 40, 40});
        QCOMPARE(canvas.pixelColor(10, 20), QColor(Qt::black));
        QCOMPARE(canvas.pixelColor(9, 20), QColor(Qt::white));
    }

    void roundsHalfAwayFromZero()
    {
        QCOMPARE(pictra::ui::roundHalfAway(2.5), 3);
        QCOMPARE(pictra::ui::roundHalfAway(-2.5), -3);
        QCOMPARE(pictra::ui::roundHalfAway(0.49), 0);
        QCOMPARE(pictra::ui::roundHalfAway(-0.49), 0);
    }
};

QTEST_MAIN(TestImagePainter)
#include "test_image_painter.moc"
