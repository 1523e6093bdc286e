// The page a print job asks of the printer, and taking over a paper the user
// picked in the printer's own set-up. One rule for every print path: the
// page is the paper in force (the sheet plus the margin) in millimetres with
// its orientation; a printer media within kMediaToleranceMm of it is used by
// its own name, and a paper picked at the printer becomes the dialog's paper
// (a table paper of that size, else the free size).
#pragma once

#include "core/print/dtp_setup.h"
#include "core/print/poster_setup.h"
#include "core/print/working_sheet.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace pictra {

// Sizes within this of each other are the same paper (printers describe
// L判 as 3.5 x 5 in, 88.9 x 127 mm).
inline constexpr double kMediaToleranceMm = 1.0;

struct PrinterPage {
    std::string paper;      // the paper's name, for a custom size
    double shortSide = 0;   // mm
    double longSide = 0;    // mm
    SheetOrientation orientation = SheetOrientation::Portrait;
    // Across and down as printed.
    double width() const { return orientation == SheetOrientation::Landscape ? longSide : shortSide; }
    double height() const { return orientation == SheetOrientation::Landscape ? shortSide : longSide; }
};

// The page of a laid-out sheet: W + m by H + m, landscape when wider than high.
PrinterPage printerPage(const WorkingSheet& sheet);

struct MediaSize {
    double shortSide = 0; // mm
    double longSide = 0;  // mm
};

// The printer media nearest the page's size, when one lies within the
// tolerance on both sides.
std::optional<std::size_t> matchingMedia(const PrinterPage& page, std::span<const MediaSize> media);

// Whether a page of `width` x `height` mm (as printed) is the sheet's page.
bool samePage(const WorkingSheet& sheet, double width, double height);

// A page picked at the printer (`width` x `height` mm as printed) becomes the
// sheet's paper: the table paper of that size, else the free size, with the
// orientation it is printed in and the margin in force taken off. False
// (nothing changes) when it is the sheet's page already or the margin would
// leave nothing of it.
bool takeOverPage(WorkingSheet& sheet, double width, double height);

// The same for the DTP and poster dialogs, within their own paper lists
// (the poster takes only a sheet paper its rules allow).
bool takeOverDtpPage(DtpSetup& setup, double width, double height);
bool takeOverPosterSheet(PosterSetup& setup, double width, double height);

// The sheet a poster is printed on, as a working sheet.
WorkingSheet posterPrinterSheet(const PosterSetup& setup);

} // namespace pictra
