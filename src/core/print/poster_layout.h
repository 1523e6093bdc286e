// Where a picture goes on a poster and on each of its sheets. One plan
// serves the preview and the printer: millimetres from the top-left corner
// of the sheets laid side by side, y downward. The poster (PW x PH) is
// centred on the sheets, the picture fitted into the poster and centred:
//
//   +--------+--------+--------+   <- across x SW
//   |   +----+--------+----+   |
//   |   |    picture  |    |   |      each sheet prints its own SW x SH part
//   +---+----+--------+----+---+      at full size, so the sheets put
//   |   |    |        |    |   |      together give the poster
//   |   +----+--------+----+   |
//   +--------+--------+--------+
#pragma once

#include "core/album/album_record.h"
#include "core/print/poster_setup.h"
#include "core/print/sheet_geometry.h"

#include <vector>

namespace pictra {

struct PosterPlan {
    PosterGrid grid;
    double sheetWidth = 0;  // SW
    double sheetHeight = 0; // SH
    RectD poster;           // the poster on the sheets
    RectD picture;          // the picture on the poster; empty without one
};

// The plan for a picture of bw x bh pixels (0 x 0 for none yet).
PosterPlan posterPlan(const PosterSetup& setup, int bw, int bh);

// The plan scaled into a preview rectangle, pixels: the sheets' area centred
// in `frame`, every sheet (row by row from the top, edges shared so the
// tiles never leave the area), the poster and the picture.
struct PosterPreview {
    Rect area;
    std::vector<Rect> sheets;
    Rect poster;
    Rect picture;
};
PosterPreview posterPreview(const PosterPlan& plan, const Rect& frame);

// What one printer sheet shows: the picture's pixels `source` (x and y from
// its top-left) drawn into `target`, mm from the sheet's top-left, y down.
// The target may reach a little past the sheet (whole pixels): clip to it.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
struct PosterSheet {
    int row = 0;    // 0 = the top row of the poster
    int column = 0; // 0 = the left column
    bool blank = true; // no part of the picture falls on this sheet
    PixelRect source;
    RectD target;
};

// Every sheet in printing order: the bottom row first, each row from the
// left. Empty for a plan without a picture.
std::vector<PosterSheet> posterSheets(const PosterPlan& plan, int bw, int bh);

} // namespace pictra
