// Where dragged images land: a move or copy drop within an album, and copies
// dropped into another album. Dropped entries get fresh stamps s, s+1, ...
// An album whose list was rebuilt is marked changed.
#pragma once

#include "core/album/album_record.h"

#include <cstdint>
#include <span>

namespace pictra {

enum class DropKind { Move, Copy };

// Drop of the selected images at album position `target` of the same album.
// Move: the selected images leave their places and are put, in selection
// order, at `target` of the remaining list; Copy: copies are put at
// `target` and the album grows. A target past the end lands at the end. The
// album's own entries are used (the selection holds copies that may be
// older); a copy that would pass the album's capacity is left out. Returns
// the position of the first dropped image, or -1 when nothing changed.
int dropWithinAlbum(AlbumRecord& album, std::span<const ImageEntry> selection, int target, DropKind kind,
                    std::uint32_t stamp);

// Inserts copies of `entries` (from another album) at `target`, or at the end
// when `target` is past it; the images from `target` on move back. Copies
// past the album's capacity are left out. Returns the position of the first
// copy, or -1 when nothing was inserted.
int insertEntryCopies(AlbumRecord& album, std::span<const ImageEntry> entries, int target, std::uint32_t stamp);

} // namespace pictra
