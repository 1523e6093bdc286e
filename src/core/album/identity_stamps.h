// Identity stamps tell album entries apart (selection, cut, drags). New
// entries get the tick count plus their position, bumped past every stamp
// already in use, so two entries never share one: a shared stamp would make
// a cut remove an unselected image or frame two cells as selected.
#pragma once

#include "core/album/image_entry.h"
#include "core/album/selection_block.h"

#include <cstdint>
#include <span>
#include <vector>

namespace pictra {

// `count` distinct stamps for new entries of `album` (its live entries),
// base, base + 1, ... where free; a stamp held by an album entry, by the
// selection list or by the clipboard is skipped. Stamps wrap like the 32-bit
// tick count they come from.
std::vector<std::int32_t> freshStamps(std::span<const ImageEntry> album, const SelectionBlock& block,
                                      std::uint32_t base, int count);

// Gives each of `fresh` (entries about to join `album`) a stamp from freshStamps.
void stampNewEntries(std::span<ImageEntry> fresh, std::span<const ImageEntry> album, const SelectionBlock& block,
                     std::uint32_t base);

} // namespace pictra
