#include "ui/print/print_renderer.h"

#include "core/image/image_record.h"
#include "core/image_io/image_file_io.h"
#include "core/print/sheet_geometry.h"
#include "ui/drawing/image_painter.h"
#include "ui/print/printer_page.h"

#include <QPainter>
#include <QPen>
#include <QPrinter>

#include <algorithm>

namespace pictra::ui {

namespace {

// Cell borders are 0.2 mm lines.
constexpr double kBorderWidth = 2.0;

int pictureCount(const std::vector<PrintPage>& pages)
{
    int total = 0;
    for (const PrintPage& page : pages)
        total += static_cast<int>(page.pictures.size());
    return total;
}

// Top, right, bottom, left, in 0.1 mm.
void drawBorder(QPainter& painter, const PaperCorners& c)
{
    painter.setPen(QPen(Qt::black, kBorderWidth));
    for (std::size_t i = 0; i < c.size(); ++i) {
        const PointD a = c[i];
        const PointD b = c[(i + 1) % c.size()];
        painter.drawLine(QPointF(roundHalfAway(a.x), roundHalfAway(a.y)), QPointF(roundHalfAway(b.x), roundHalfAway(b.y)));
    }
}

// The picture upright at its place: the y-up page is flipped back locally
// so the picture's top row lands at the top of its rectangle.
void drawPicture(QPainter& painter, const QImage& image, const PaperPlacement& at)
{
    painter.save();
    painter.translate(at.x, at.y + at.height);
    painter.scale(1, -1);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(0, 0, at.width, at.height), image);
    painter.restore();
}

} // namespace

std::vector<PrintPage> jobPages(const PrintJob& job)
{
    if (checkLayout(job.sheet) != LayoutProblem::None)
        return {};
    return planPrintPages(job.sheet, paperLayout(sheetGeometry(job.sheet)), static_cast<int>(job.paths.size()),
                          job.range, job.displayed);
}

PrintReport renderPrintJob(QPrinter& printer, const PrintJob& job, const PrintProgress& progress)
{
    PrintReport report;
    const std::vector<PrintPage> pages = jobPages(job);
    QPainter painter;
    if (pages.empty() || !painter.begin(&printer)) {
        report.outcome = PrintOutcome::NotStarted;
        return report;
    }
    ImageBuffers buffers(job.imageBufferBytes);
    ImageFileIO io;
    const int total = pictureCount(pages);
    int done = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        // Logical units of 0.1 mm with y upward, origin at the sheet's top-left.
        scaleToSheet(painter, printer, job.sheet.margin);
        painter.scale(0.1, -0.1);
        for (const PagePicture& picture : pages[p].pictures) {
            if (progress && !progress(done, total)) {
                printer.abort();
                painter.end();
                report.outcome = PrintOutcome::Cancelled;
                return report;
            }
            ++done;
            if (picture.border)
                drawBorder(painter, picture.frame);
            const std::string& path = job.paths[static_cast<std::size_t>(picture.entry)];
            ImageRecord& record = buffers.record();
            const Status loaded = io.loadImage(path, record);
            const QImage image = pictureLoaded(loaded) ? uprightImage(record) : QImage();
            const auto placed = fitIntoFrame(picture.frame, image.width(), image.height());
            if (!pictureLoaded(loaded) || image.isNull() || !placed) {
                report.skipped.push_back({path, !pictureLoaded(loaded) ? loaded : Status::Unsupported});
                continue;
            }
            drawPicture(painter, image, *placed);
        }
        ++report.pages;
    }
    painter.end();
    if (progress)
        progress(total, total);
    return report;
}

} // namespace pictra::ui
