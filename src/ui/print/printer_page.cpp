#include "ui/print/printer_page.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <vector>

namespace pictra::ui {

QPageSize printerPageSize(const QPrinter& printer, const PrinterPage& page)
{
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty()) {
        const QList<QPageSize> offered = QPrinterInfo::printerInfo(printer.printerName()).supportedPageSizes();
        std::vector<MediaSize> sizes;
        sizes.reserve(static_cast<std::size_t>(offered.size()));
        for (const QPageSize& size : offered) {
            const QSizeF mm = size.size(QPageSize::Millimeter);
            sizes.push_back({std::min(mm.width(), mm.height()), std::max(mm.width(), mm.height())});
        }
        if (const auto match = matchingMedia(page, sizes))
            return offered[static_cast<qsizetype>(*match)];
    }
    // Exact: a fuzzy match would turn a size into a standard one the printer may not name.
    return QPageSize(QSizeF(page.shortSide, page.longSide), QPageSize::Millimeter, QString::fromStdString(page.paper),
                     QPageSize::ExactMatch);
}

void preparePrinter(QPrinter& printer, const WorkingSheet& sheet)
{
    const PrinterPage page = printerPage(sheet);
    const QPageLayout layout(printerPageSize(printer, page),
                             page.orientation == SheetOrientation::Landscape ? QPageLayout::Landscape
                                                                             : QPageLayout::Portrait,
                             QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setFullPage(true);
    printer.setPageLayout(layout);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setDocName(QString::fromUtf8(kPrintDocumentName));
}

PrintedPageSize printerPageMm(const QPrinter& printer)
{
    const QRectF full = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    return {full.width(), full.height()};
}

void scaleToSheet(QPainter& painter, const QPrinter& printer, int margin)
{
    const double perMm = printer.resolution() / 25.4;
    painter.resetTransform();
    painter.scale(perMm, perMm);
    painter.translate(margin / 2.0, margin / 2.0);
}

} // namespace pictra::ui
