// The papers of a poster print: the poster (A0 to A3) and the printer sheets
// it is split onto (A4 to A6, B4 to B6), each with its orientation, and the
// margin taken off both. Lives only while the poster dialog is open.
#pragma once

#include "core/print/working_sheet.h"

#include <array>
#include <string>
#include <string_view>

namespace pictra {

inline constexpr std::array<std::string_view, 4> kPosterPapers = {"A0", "A1", "A2", "A3"};
inline constexpr std::array<std::string_view, 6> kPosterSheetPapers = {"A4", "A5", "A6", "B4", "B5", "B6"};

struct PosterSetup {
    std::string poster = "A1";
    SheetOrientation posterOrientation = SheetOrientation::Landscape;
    std::string sheet = "A4";
    SheetOrientation sheetOrientation = SheetOrientation::Landscape;
    int margin = 0;
    // The sizes in force, mm: the paper with its orientation minus the margin.
    int posterWidth = 0;  // PW
    int posterHeight = 0; // PH
    int sheetWidth = 0;   // SW
    int sheetHeight = 0;  // SH
    friend bool operator==(const PosterSetup&, const PosterSetup&) = default;
};

// A1 on A4, both landscape, with `margin`; a margin that would leave no
// sheet is taken as 0.
PosterSetup openPosterSetup(int margin);

// A poster paper (long side w, short side h) is taken only when the sheets in
// force are smaller, SW < w and SH < h; a sheet paper only when it is smaller
// than the poster in force, w < PW and h < PH, and the margin leaves some of
// it. False (nothing changes) when refused or not one of the lists' names.
bool choosePosterPaper(PosterSetup& setup, std::string_view name);
bool chooseSheetPaper(PosterSetup& setup, std::string_view name);

// Swaps the poster's (or the sheets') width and height; false when that
// orientation is already in force.
bool setPosterOrientation(PosterSetup& setup, SheetOrientation orientation);
bool setSheetOrientation(PosterSetup& setup, SheetOrientation orientation);

// A new margin applies to both chosen papers. Refused (false, nothing
// changes) when negative or when it leaves no sheet.
bool setPosterMargin(PosterSetup& setup, int margin);

// Sheets across and down: ceil(PW / SW) by ceil(PH / SH).
struct PosterGrid {
    int across = 0;
    int down = 0;
    int sheets() const { return across * down; }
    friend bool operator==(const PosterGrid&, const PosterGrid&) = default;
};
PosterGrid posterGrid(const PosterSetup& setup);

// Printing more sheets than this asks the user first.
inline constexpr int kPosterSheetsWithoutAsking = 50;

} // namespace pictra
