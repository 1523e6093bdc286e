// Print jobs rendered to PDF and read back with pdftoppm: pages, and where
// and which way up each picture lands.
#include "core/print/sheet_geometry.h"
#include "support/print_check.h"
#include "support/temp_dir.h"
#include "ui/print/print_renderer.h"
#include "ui/print/printer_page.h"

#include <QFile>
#include <QPrinter>
#include <QtTest>

using namespace pictra;
using namespace pictra::test;

namespace {

constexpr int kDpi = 50;

struct Job {
    TempDir dir;
    std::vector<std::string> paths;

    std::string picture(const std::string& name, int width, int height, Split split)
    {
        const auto jpeg = encodeWithTurbo(makeSplitPicture(width, height, split), 95, TurboSampling::S444);
        const std::string path = dir.file(name);
        writeBytes(path, std::string(jpeg.begin(), jpeg.end()));
        return path;
    }

    ui::PrintReport print(const WorkingSheet& sheet, PrintRange range = PrintRange::All, int displayed = 0,
                          const ui::PrintProgress& progress = {})
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf()));
        ui::preparePrinter(printer, sheet);
        return ui::renderPrintJob(printer, {sheet, paths, range, displayed, 64u << 20}, progress);
    }

    std::string pdf() const { return dir.file("out.pdf"); }
};

WorkingSheet a4Grid(int across, int down, int gap)
{
    WorkingSheet s;
    s.paper = "A4";
    s.margin = 10;
    s.width = 287;
    s.height = 200;
    s.across = across;
    s.down = down;
    s.gapX = gap;
    s.gapY = gap;
    s.several = true;
    return s;
}

// A cell in page millimetres: the sheet starts half the margin in from the paper's corner.
RectD onPage(const RectD& cell, const WorkingSheet& sheet)
{
    const double o = sheet.margin / 2.0;
    return {cell.left + o, cell.top + o, cell.right + o, cell.bottom + o};
}

double midX(const RectD& r) { return (r.left + r.right) / 2; }
double midY(const RectD& r) { return (r.top + r.bottom) / 2; }

} // namespace

class TestPrintRendering : public QObject {
    Q_OBJECT
private slots:
    void twoByTwoJobOfFivePicturesGivesTwoPagesUpright()
    {
        Job job;
        const std::string tb = job.picture("tb.jpg", 300, 200, Split::TopBottom);
        const std::string lr = job.picture("lr.jpg", 100, 200, Split::LeftRight);
        job.paths = {tb, lr, lr, tb, lr};
        const WorkingSheet sheet = a4Grid(2, 2, 10);
        const ui::PrintReport report = job.print(sheet);
        QCOMPARE(report.outcome, ui::PrintOutcome::Printed);
        QCOMPARE(report.pages, 2);
        QVERIFY(report.skipped.empty());

        const auto pages = renderPdfPages(job.pdf(), kDpi);
        QCOMPARE(pages.size(), std::size_t(2));
        QVERIFY(std::abs(pages[0].width - 297 * kDpi / 25.4) < 2); // A4 landscape
        QVERIFY(std::abs(pages[0].height - 210 * kDpi / 25.4) < 2);

        const SheetGeometry g = sheetGeometry(sheet);
        for (int k = 0; k < 5; ++k) {
            const RgbImage& page = pages[static_cast<std::size_t>(k / 4)];
            const RectD cell = onPage(g.cells[static_cast<std::size_t>(k % 4)], sheet);
            const double dx = cell.width() / 10;
            const double dy = cell.height() / 10;
            if (job.paths[static_cast<std::size_t>(k)] == tb) {
                QCOMPARE(colourAt(page, midX(cell), midY(cell) - dy, kDpi), 'R');
                QCOMPARE(colourAt(page, midX(cell), midY(cell) + dy, kDpi), 'B');
            } else {
                QCOMPARE(colourAt(page, midX(cell) - dx, midY(cell), kDpi), 'G');
                QCOMPARE(colourAt(page, midX(cell) + dx, midY(cell), kDpi), 'Y');
                // Fitted to the cell's height and centred: white beside it.
                QCOMPARE(colourAt(page, cell.left + 3 * dx, midY(cell), kDpi), 'W');
                QCOMPARE(colourAt(page, cell.right - 3 * dx, midY(cell), kDpi), 'W');
            }
        }
        // The second sheet has only its first cell.
        const RectD empty = onPage(g.cells[1], sheet);
        QCOMPARE(colourAt(pages[1], midX(empty), midY(empty), kDpi), 'W');
    }

    void threeAcrossWithGapsStaysInsideTheFrame()
    {
        Job job;
        const std::string wide = job.picture("wide.jpg", 400, 100, Split::TopBottom);
        job.paths = {wide, wide, wide};
        WorkingSheet sheet = a4Grid(3, 1, 20);
        sheet.offsetLeft = 10;
        QCOMPARE(job.print(sheet).pages, 1);
        const auto pages = renderPdfPages(job.pdf(), kDpi);
        QCOMPARE(pages.size(), std::size_t(1));
        const SheetGeometry g = sheetGeometry(sheet);
        const RectD frame = onPage(g.frame, sheet);
        const double y = midY(frame) - 2; // in the red upper half of the wide pictures
        for (int k = 0; k < 3; ++k) {
            const RectD cell = onPage(g.cells[static_cast<std::size_t>(k)], sheet);
            QCOMPARE(colourAt(pages[0], cell.left + 2, y, kDpi), 'R');
            QCOMPARE(colourAt(pages[0], cell.right - 2, y, kDpi), 'R');
        }
        // The gaps are white and the last picture ends at the frame's right edge.
        QCOMPARE(colourAt(pages[0], onPage(g.cells[0], sheet).right + 10, y, kDpi), 'W');
        QCOMPARE(colourAt(pages[0], frame.right + 2, y, kDpi), 'W');
        QVERIFY(frame.right < 297 - sheet.margin / 2.0);
    }

    void topOffsetMovesTheFrameDownAndTheDisplayedSheetPrintsAlone()
    {
        Job job;
        const std::string tb = job.picture("tb.jpg", 200, 100, Split::TopBottom);
        const std::string lr = job.picture("lr.jpg", 200, 100, Split::LeftRight);
        job.paths = {tb, lr, job.dir.file("gone.jpg")};
        WorkingSheet sheet = a4Grid(1, 1, 0);
        sheet.several = false;
        sheet.offsetTop = 40;
        sheet.offsetLeft = 0;
        QCOMPARE(job.print(sheet, PrintRange::DisplayedSheet, 1).pages, 1);
        auto pages = renderPdfPages(job.pdf(), kDpi);
        QCOMPARE(pages.size(), std::size_t(1));
        const RectD frame = onPage(sheetGeometry(sheet).frame, sheet);
        QCOMPARE(colourAt(pages[0], midX(frame) - 20, midY(frame), kDpi), 'G'); // the second picture
        QCOMPARE(colourAt(pages[0], midX(frame), frame.top - 5, kDpi), 'W');    // nothing above the frame
        QCOMPARE(colourAt(pages[0], midX(frame) - 20, frame.top + 5, kDpi), 'G');

        // All three: the missing file leaves a blank page and is reported.
        const ui::PrintReport all = job.print(sheet);
        QCOMPARE(all.pages, 3);
        QCOMPARE(all.skipped.size(), std::size_t(1));
        QCOMPARE(all.skipped[0].path, job.paths[2]);
        QCOMPARE(all.skipped[0].status, Status::NotFound);
        pages = renderPdfPages(job.pdf(), kDpi);
        QCOMPARE(pages.size(), std::size_t(3));
        QCOMPARE(colourAt(pages[0], midX(frame), frame.top + 5, kDpi), 'R');
        QCOMPARE(colourAt(pages[2], midX(frame), midY(frame), kDpi), 'W');
    }

    void cancelStopsTheJob()
    {
        Job job;
        const std::string tb = job.picture("tb.jpg", 20, 20, Split::TopBottom);
        job.paths = {tb, tb, tb};
        WorkingSheet sheet = a4Grid(1, 1, 0);
        sheet.several = false;
        int calls = 0;
        const ui::PrintReport report =
            job.print(sheet, PrintRange::All, 0, [&calls](int done, int total) {
                ++calls;
                return !(done == 1 && total == 3);
            });
        QCOMPARE(report.outcome, ui::PrintOutcome::Cancelled);
        QCOMPARE(calls, 2);
    }
};

QTEST_MAIN(TestPrintRendering)
#include "test_print_rendering.moc"
