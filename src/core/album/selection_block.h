// SelectionBlock: the process-wide selection list and image clipboard. Both
// hold ImageEntry copies identified by their identity stamps; several
// operations clear the whole block at once. One instance lives in AppState.
#pragma once

#include "core/album/image_entry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra {

inline constexpr int kMaxSelection = 10;

struct SelectionBlock {
    bool clipboardFilled = false;
    std::vector<ImageEntry> selection; // in order of selection, at most kMaxSelection
    std::vector<ImageEntry> clipboard; // copies of a former selection, at most kMaxSelection
    std::string clipboardAlbum;        // album file the clipboard entries came from (its store copies)
};

// True when an entry with this stamp is in the selection list.
bool isSelected(const SelectionBlock& block, std::int32_t stamp);

// Appends a copy of `entry` unless its stamp is already there or the list is
// full. Returns true when it was appended.
bool addToSelection(SelectionBlock& block, const ImageEntry& entry);

// The selection list becomes `entry` alone.
void selectOnly(SelectionBlock& block, const ImageEntry& entry);

// Empties the selection list; the clipboard stays.
void clearSelection(SelectionBlock& block);

// Empties selection and clipboard and clears the clipboard flag.
void clearSelectionBlock(SelectionBlock& block);

} // namespace pictra
