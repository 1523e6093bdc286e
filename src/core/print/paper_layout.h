// The sheet on the printer, in tenths of a millimetre with x to the right and
// y upward, the origin at the sheet's top-left corner (so everything on the
// sheet has y <= 0), and the fitting of a picture into a frame there.
#pragma once

#include "core/image/image_record.h"
#include "core/print/sheet_geometry.h"

#include <array>
#include <optional>
#include <vector>

namespace pictra {

// Four corners, top-left first, then clockwise: (x0, y0) (x1, y0) (x1, y1) (x0, y1).
using PaperCorners = std::array<PointD, 4>;

struct PaperLayout {
    PaperCorners frame{};             // the single image's frame
    std::vector<PaperCorners> cells;  // one sheet's grid cells, row by row
};

// The geometry in 0.1 mm: y_paper = -10 · y_sheet, so a larger top offset
// moves the frame down the page.
PaperLayout paperLayout(const SheetGeometry& geometry);

// A picture's place on paper, 0.1 mm: the lower-left corner and the size.
struct PaperPlacement {
    int x = 0;
    int y = 0; // the bottom edge; the picture extends upward to y + height
    int width = 0;
    int height = 0;
    friend bool operator==(const PaperPlacement&, const PaperPlacement&) = default;
};

// Fits a bw × bh picture into `frame` keeping its proportions, centred, every
// step rounded half away from zero. nullopt for a picture without pixels
// (a failed load) or a frame without area.
std::optional<PaperPlacement> fitIntoFrame(const PaperCorners& frame, int bw, int bh);

} // namespace pictra
