// The print preview: the sheet's geometry scaled into the preview control's
// rectangle (pixels of the dialog), centred and keeping its proportions.
#pragma once

#include "core/album/album_record.h"
#include "core/print/sheet_geometry.h"

#include <vector>

namespace pictra {

struct PreviewCell {
    RectD exact; // pixels, double precision
    Rect rect;   // the same, each coordinate truncated toward zero
};

struct PreviewLayout {
    Rect sheet;                    // the paper
    PreviewCell area;              // the image frame (the single image's cell)
    std::vector<PreviewCell> cells; // one sheet's grid cells, row by row
    int cellsPerSheet = 1;

    // The cell that shows print-list entry `entry` (0-based) when its sheet
    // is displayed: every sheet uses the same positions. nullptr with no grid.
    const PreviewCell* cellForEntry(int entry) const;
    // Position on the sheet (0..cellsPerSheet-1) of the grid cell holding the
    // point, or -1.
    int cellAt(int x, int y) const;
};

// Lays `sheet` out into `control`. A sheet checkLayout refuses gives an
// empty layout (all rectangles zero).
PreviewLayout previewLayout(const Rect& control, const WorkingSheet& sheet);

} // namespace pictra
