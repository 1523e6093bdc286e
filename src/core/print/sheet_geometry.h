// One geometry for the print preview and the paper: the image frame and the
// grid cells of a sheet in millimetres, measured from the sheet's top-left
// corner with y downward. The preview scales it into pixels; the printer
// gets it in tenths of a millimetre with y upward.
//
//   +---------------- W ----------------+
//   |        offT                       |
//   | offL +-----+ gapX +-----+ gapX +-----+ offL
//   |      |  1  |      |  2  |      |  3  |
//   |      +-----+      +-----+      +-----+
//   |             gapY                  |
//   |      +-----+      +-----+      +-----+
//   |      |  4  |      |  5  |      |  6  |
//   |      +-----+      +-----+      +-----+
//   |        offT                       |
//   +-----------------------------------+
#pragma once

#include "core/print/working_sheet.h"

#include <vector>

namespace pictra {

struct RectD {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    friend bool operator==(const RectD&, const RectD&) = default;
};

struct SheetGeometry {
    double width = 0;   // W
    double height = 0;  // H
    RectD frame;        // the single image's frame, inset by the offsets on every side
    int across = 1;
    int down = 1;
    // One sheet's cells row by row (cell i·across + j), all inside the frame
    // with the gaps between them; empty for one image per sheet.
    std::vector<RectD> cells;
};

// The geometry of a sheet checkLayout accepts; for any other sheet the
// frame and cells are empty.
SheetGeometry sheetGeometry(const WorkingSheet& sheet);

} // namespace pictra
