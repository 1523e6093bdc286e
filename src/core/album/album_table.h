// AlbumTable: the working copy of the active window's album and one slot per
// open album window, in opening order. Commands edit the working copy and
// mirror each change into the active window's slot. One instance lives in
// AppState; it is large, so it is always heap-allocated (makeAlbumTable).
#pragma once

#include "core/album/album_record.h"

#include <array>
#include <memory>

namespace pictra {

inline constexpr int kMaxAlbumWindows = 10;

struct AlbumTable {
    int openCount = 0; // 0..kMaxAlbumWindows
    AlbumRecord working;
    std::array<AlbumRecord, kMaxAlbumWindows> windowSlots; // "slots" is a Qt macro
};

std::unique_ptr<AlbumTable> makeAlbumTable();

// Empties the table: no windows, zeroed working copy and slots.
void clearAlbumTable(AlbumTable& table);

} // namespace pictra
