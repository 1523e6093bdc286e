// The album side of finding moved originals: which entries are missing,
// described from their store copies, and pointing entries at the files
// found, refusing a path the entry cannot hold or a store-copy name another
// entry already owns.
#pragma once

#include "core/album/image_entry.h"
#include "core/recognise/relink_search.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace pictra {

struct MissingEntries {
    std::vector<MissingOriginal> described;
    std::vector<int> withoutStoreCopy; // missing, and no readable store copy to recognise them by
};

// The entries whose source file does not exist. `storeCopy(i)` gives entry
// i's store copy as JPEG bytes (empty when there is none).
MissingEntries findMissingEntries(std::span<const ImageEntry> entries,
                                  const std::function<std::vector<std::uint8_t>(int index)>& storeCopy,
                                  std::size_t capBytes);

// The entry paths as UTF-8, for RelinkSearch::albumPaths.
std::vector<std::string> entryPaths(std::span<const ImageEntry> entries);

struct RelinkChange {
    int entryIndex = 0;
    std::string from;
    std::string to;
    friend bool operator==(const RelinkChange&, const RelinkChange&) = default;
};

// The changes the search found (Found proposals only).
std::vector<RelinkChange> foundChanges(std::span<const RelinkProposal> proposals);

enum class RelinkRefusal { None, NoSuchEntry, PathTooLong, StoreNameTaken };

// Whether `change` may be made to `entries` as they are: the new path fits
// the entry, and no other entry's source has the same store-copy name.
RelinkRefusal relinkRefusal(std::span<const ImageEntry> entries, const RelinkChange& change);

// Makes the changes in turn, each checked against the entries as the ones
// before it left them; returns each change's refusal (None when made).
std::vector<RelinkRefusal> applyRelinks(std::vector<ImageEntry>& entries, std::span<const RelinkChange> changes);

} // namespace pictra
