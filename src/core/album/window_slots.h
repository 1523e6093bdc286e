// Opening, activating and finding windows in the album table. A window is
// opened in two steps: the working copy is prepared (a new or read album, or
// the record of a single-image or slide window), then the frame registers it
// in the next slot under its view id.
#pragma once

#include "core/album/album_table.h"
#include "core/album/selection_block.h"

#include <cstdint>
#include <string_view>

namespace pictra {

// The table as the program starts: no windows, an empty selection block.
void startAlbumTable(AlbumTable& table, SelectionBlock& selection);

// As the program starts, the working copy and every slot take the grid of
// the settings (`columns` × `rows`, as stored).
void presetGrid(AlbumTable& table, std::uint8_t columns, std::uint8_t rows);

// Prepares the working copy for a new, empty album window at `path` with a
// columns × rows grid (each side brought into 1..10). The active window's
// changes are mirrored into its slot first. False when ten windows are open.
bool prepareNewAlbum(AlbumTable& table, std::string_view path, int columns, int rows);

// Prepares the working copy for a single-image or slide window showing
// `entry`: one cell, one image, and the slot of the album it came from in the
// current page field. False when ten windows are open.
bool prepareImageWindow(AlbumTable& table, AlbumKind kind, const ImageEntry& entry);

// Registers the prepared working copy as the window with view `viewId`, in
// the next slot: an album window starts without a focus and without a grid.
// Returns the slot, or -1 when ten windows are open (nothing changes).
int openWindowSlot(AlbumTable& table, AlbumKind kind, std::uint64_t viewId);

// The window with view `viewId` became the active one: the previous active
// window's working copy goes back to its slot, this window's slot becomes
// the working copy, and for an album its focused image becomes the only
// selected one. False when the window has no slot or was already active.
bool activateWindow(AlbumTable& table, SelectionBlock& selection, std::uint64_t viewId);

// The view id of an open window of `kind` whose path is `path`, or 0.
std::uint64_t findWindow(const AlbumTable& table, AlbumKind kind, std::string_view path);

// The slide window with view `slideViewId` shows `entry` now.
void showSlideEntry(AlbumTable& table, std::uint64_t slideViewId, const ImageEntry& entry);

// Save-as gave the active album a new path (working copy and slot).
void renameWorkingAlbum(AlbumTable& table, std::string_view path);

} // namespace pictra
