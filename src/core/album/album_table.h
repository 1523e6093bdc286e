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

// The slot of the window whose view is `viewId`, or -1.
int findSlot(const AlbumTable& table, std::uint64_t viewId);
// The slot of the active window (the one whose view the working copy names), or nullptr.
AlbumRecord* activeSlot(AlbumTable& table);
// Copies the whole working copy into the active window's slot (no-op without one).
void mirrorToActiveSlot(AlbumTable& table);

// Empties the table: no windows, zeroed working copy and slots.
void clearAlbumTable(AlbumTable& table);

} // namespace pictra
