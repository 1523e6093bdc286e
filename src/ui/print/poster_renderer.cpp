// Poster pages on a printer.
#include "ui/print/poster_renderer.h"

#include "core/print/poster_layout.h"
#include "ui/print/printer_page.h"

#include <QPainter>
#include <QPrinter>

namespace pictra::ui {

PosterReport renderPoster(QPrinter& printer, const PosterSetup& setup, const QImage& picture)
{
    PosterReport report;
    if (picture.isNull()) {
        report.outcome = PosterOutcome::NoPicture;
        report.status = Status::NotFound;
        return report;
    }
    const PosterPlan plan = posterPlan(setup, picture.width(), picture.height());
    const std::vector<PosterSheet> sheets = posterSheets(plan, picture.width(), picture.height());
    preparePrinter(printer, posterPrinterSheet(setup));
    QPainter painter;
    if (sheets.empty() || !painter.begin(&printer)) {
        report.outcome = PosterOutcome::NotStarted;
        return report;
    }
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0)
            printer.newPage();
        const PosterSheet& sheet = sheets[i];
        scaleToSheet(painter, printer, setup.margin); // millimetres, y down, from the sheet's top-left
        painter.setClipRect(QRectF(0, 0, plan.sheetWidth, plan.sheetHeight));
        if (!sheet.blank) {
            const RectD& t = sheet.target;
            const PixelRect& s = sheet.source;
            painter.drawImage(QRectF(t.left, t.top, t.width(), t.height()), picture,
                              QRectF(s.x, s.y, s.width, s.height));
        }
        ++report.pages;
    }
    painter.end();
    return report;
}

} // namespace pictra::ui
