// Telling the printer the paper of a print dialog, so pages come out in the
// chosen size and orientation (custom sizes for papers the printer does not
// name, such as L判) and the sheet starts at the printable area's origin.
#pragma once

#include "core/print/working_sheet.h"

class QPrinter;

namespace pictra::ui {

// The document name of every print job.
inline constexpr const char* kPrintDocumentName = "Pictra";

// Page size = the paper in force (W + m by H + m), its orientation, and the
// margin split evenly as page margins, so the printable area is the sheet.
void preparePrinter(QPrinter& printer, const WorkingSheet& sheet);

} // namespace pictra::ui
