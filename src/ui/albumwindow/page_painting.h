// Painting of an album page: every image of the current page fitted into its
// cell, then the outline of every cell. JPEG pictures are decoded at the
// size their cell needs, several at once on worker threads; drawing stays
// on the calling thread and in cell order, so the page looks exactly as
// if the cells were loaded one by one.
#pragma once

#include "core/util/result.h"

#include <utility>
#include <vector>

class QPainter;

namespace pictra {
struct AlbumRecord;
struct AppState;
}

namespace pictra::ui {

// The cells (on the page) whose picture could not be shown, and why.
using CellProblems = std::vector<std::pair<int, Status>>;

// Paints `album`'s current page (its cell rectangles, page, columns and
// rows). A picture that cannot be shown gets a crossed cell instead.
CellProblems paintPageCells(QPainter& painter, AppState& state, const AlbumRecord& album);

} // namespace pictra::ui
