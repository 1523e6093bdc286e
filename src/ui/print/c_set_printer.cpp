#include "ui/print/c_set_printer.h"

namespace pictra::ui {

CSetPrinter::CSetPrinter(QPrinter* printer, QWidget* parent) : QPrintDialog(printer, parent)
{
    setOption(QAbstractPrintDialog::PrintSelection, false);
    setOption(QAbstractPrintDialog::PrintPageRange, false);
    setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    // Users without a print server still print to a PDF file.
    setOption(QAbstractPrintDialog::PrintToFile, true);
    setOption(QAbstractPrintDialog::PrintShowPageSize, true);
}

} // namespace pictra::ui
