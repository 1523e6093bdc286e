#include "ui/print/printer_page.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include <algorithm>

namespace pictra::ui {

void preparePrinter(QPrinter& printer, const WorkingSheet& sheet)
{
    const double paperWidth = static_cast<double>(sheet.width) + sheet.margin;
    const double paperHeight = static_cast<double>(sheet.height) + sheet.margin;
    // Page sizes are portrait; the orientation turns them.
    const QPageSize size(QSizeF(std::min(paperWidth, paperHeight), std::max(paperWidth, paperHeight)),
                         QPageSize::Millimeter, QString::fromStdString(sheet.paper));
    const double half = sheet.margin / 2.0;
    const QPageLayout layout(size, paperWidth > paperHeight ? QPageLayout::Landscape : QPageLayout::Portrait,
                             QMarginsF(half, half, half, half), QPageLayout::Millimeter);
    printer.setFullPage(false);
    printer.setPageLayout(layout);
    printer.setDocName(QString::fromUtf8(kPrintDocumentName));
}

} // namespace pictra::ui
