// Telling the printer the page of a print job, the same way for every print
// path: the paper in force in millimetres with its orientation, the
// printer's own media of that size where it offers one (else a custom
// size), the whole page with no margins of the printer's, and the sheet
// drawn at the program's own margin.
#pragma once

#include "core/print/printer_paper.h"
#include "core/print/working_sheet.h"

#include <QPageSize>

#include <optional>

class QPainter;
class QPrinter;

namespace pictra::ui {

// The document name of every print job.
inline constexpr const char* kPrintDocumentName = "Pictra";

// The page size to ask of `printer` for `page`: its own media within the
// tolerance (so the printer gets the name it knows, such as JIS B5 or L), or
// a custom size in millimetres.
QPageSize printerPageSize(const QPrinter& printer, const PrinterPage& page);

// Sets the printer's page for `sheet`: full page, margins 0, orientation,
// and the document name.
void preparePrinter(QPrinter& printer, const WorkingSheet& sheet);

// The page the printer now has, across and down as printed, in millimetres.
struct PrintedPageSize {
    double width = 0;
    double height = 0;
};
PrintedPageSize printerPageMm(const QPrinter& printer);

// Millimetres from the sheet's top-left, y down: the paper's corner moved in
// by half the margin (the margin is taken off each dimension once).
void scaleToSheet(QPainter& painter, const QPrinter& printer, int margin);

} // namespace pictra::ui
