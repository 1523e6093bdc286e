// Renders a print job onto a printer (or a PDF file): page after page from
// the page loop, each picture loaded from its own file into buffers of the
// job's own, one picture at a time, so a worker thread may run it while the
// window stays responsive. Needs a QGuiApplication, no widgets.
#pragma once

#include "core/print/print_pages.h"
#include "core/util/result.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class QPrinter;

namespace pictra::ui {

struct PrintJob {
    WorkingSheet sheet;                // checkLayout must accept it
    std::vector<std::string> paths;    // the print list, in order
    PrintRange range = PrintRange::All;
    int displayed = 0;                 // the sheet for PrintRange::DisplayedSheet
    std::size_t imageBufferBytes = 0;  // the largest picture a load may give
};

struct SkippedPicture {
    std::string path;
    Status status = Status::Ok; // why it could not be printed (Unsupported: a pixel depth we cannot print)
};

enum class PrintOutcome { Printed, Cancelled, NotStarted };

struct PrintReport {
    PrintOutcome outcome = PrintOutcome::Printed;
    int pages = 0;                       // pages sent
    std::vector<SkippedPicture> skipped; // their frames stay blank
};

// Called before each picture with the pictures done and the total; false
// cancels the job (the printer's run is aborted). May be empty.
using PrintProgress = std::function<bool(int done, int total)>;

// The pages a job will print, without printing them.
std::vector<PrintPage> jobPages(const PrintJob& job);

// Prints `job` on `printer`, whose page preparePrinter has set. NotStarted
// when the printer could not be opened (no such printer, an unwritable file).
PrintReport renderPrintJob(QPrinter& printer, const PrintJob& job, const PrintProgress& progress = {});

} // namespace pictra::ui
