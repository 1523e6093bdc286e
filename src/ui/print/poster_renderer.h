// Printing a poster: one picture across its sheets, each sheet carrying its
// part of the poster at full size. Works on a printer or a PDF file with
// buffers of its own (no widgets), so the dialog and pictra-cli share it.
#pragma once

#include "core/print/poster_setup.h"
#include "core/util/result.h"

#include <QImage>

class QPrinter;

namespace pictra::ui {

enum class PosterOutcome {
    Printed,
    NoPicture,  // the picture could not be loaded (status says why; TooLarge: no memory for it)
    NotStarted, // the printer or PDF file could not be opened
};

struct PosterReport {
    PosterOutcome outcome = PosterOutcome::Printed;
    Status status = Status::Ok;
    int pages = 0;
};

// Prints `picture` as the poster `setup` describes, one sheet per page in
// the order of posterSheets (the bottom row first), after setting the
// printer's paper to the sheet paper.
PosterReport renderPoster(QPrinter& printer, const PosterSetup& setup, const QImage& picture);

} // namespace pictra::ui
