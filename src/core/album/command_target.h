// The one picture an album window's commands act on. The focus names it; the
// blue frames, the information bar, delete, the tools and every other command
// take it from there. Every edit of an album's entries (append, drop, paste,
// cut, delete, a page change) ends with settleTarget, so the frame and the
// focus can never name different pictures, and an album without pictures has
// neither.
#pragma once

#include "core/album/album_record.h"
#include "core/album/selection_block.h"

#include <vector>

namespace pictra {

// Puts the record's focus on a real image and returns its album position,
// or -1 (no focus) for an album without images. The image is `preferred`
// when that is one of the album's positions; otherwise the focused image,
// pulled back onto the last image when the focus points past the end; the
// first image of the current page when there was no focus. The page
// follows the image. Records of other kinds are left alone (their target
// is their one picture, see commandImage).
int settleFocus(AlbumRecord& album, int preferred = -1);

// settleFocus for the active window, then the frames follow: entries of the
// selection list the album no longer holds are dropped, and a focused image
// that is not selected becomes the only selected one (Ctrl-selections that
// include it stay). The clipboard is never touched.
int settleTarget(AlbumRecord& album, SelectionBlock& selection, int preferred = -1);

// The album positions of the selected images, in album order; the focused
// image alone when the selection holds none of them; empty without focus.
std::vector<int> selectedPositions(const AlbumRecord& album, const SelectionBlock& selection);

} // namespace pictra
