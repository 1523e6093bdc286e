// Painting of an album page: every image of the current page fitted into its
// cell, then the outline of every cell. JPEG pictures are decoded at the
// size their cell needs, several at once on worker threads; drawing stays
// on the calling thread and in cell order, so the page looks exactly as
// if the cells were loaded one by one.
#pragma once

class QPainter;

namespace pictra {
struct AlbumRecord;
struct AppState;
}

namespace pictra::ui {

// Paints `album`'s current page (its cell rectangles, page, columns and
// rows). Pictures that cannot be loaded leave their cell white.
void paintPageCells(QPainter& painter, AppState& state, const AlbumRecord& album);

} // namespace pictra::ui
