// Finding the moved originals of an album's missing entries: every picture
// file under the chosen folders is hashed (or its hash taken from the
// cache), the files near an entry's store copy by hash are compared with it
// by PSNR, and chooseOriginal decides per entry. A file two entries would
// take is offered to both as a choice instead.
#pragma once

#include "core/image/reduce_for_store.h"
#include "core/recognise/hash_cache.h"
#include "core/recognise/picture_grid.h"
#include "core/recognise/relink_choice.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pictra {

// What the album still knows of an entry whose original is missing.
struct MissingOriginal {
    int entryIndex = 0;
    std::string path;       // the path the album names (UTF-8)
    std::uint64_t hash = 0; // of its store copy
    PictureGrid likeness;   // its store copy at 160 × 120
    PictureSize storeSize;  // its store copy's size
    std::int32_t date = 0;  // the entry's date as YYYYMMDD, 0 when none is set
};

// Describes an entry from its store copy (JPEG bytes, as the album file or
// the store folder holds it). The decode's failure (Corrupt, Unsupported,
// TooLarge) when the copy cannot be read; InvalidArgument when it is empty.
Result<MissingOriginal> describeMissingOriginal(int entryIndex, std::string path, ByteSpan storeCopy,
                                                std::int32_t date, std::size_t capBytes);

// An entry's date fields as YYYYMMDD (0 when unset or impossible).
std::int32_t entryDateNumber(int year, int month, int day);

struct RelinkCandidate {
    std::string path;
    int hashDistance = 64;
    double psnr = 0;
    friend bool operator==(const RelinkCandidate&, const RelinkCandidate&) = default;
};

struct RelinkProposal {
    int entryIndex = 0;
    std::string oldPath;
    RelinkVerdict verdict = RelinkVerdict::NotFound;
    std::vector<RelinkCandidate> candidates; // Found: the file; Tie: the choices, most alike first
};

enum class RelinkPhase { Hashing, Comparing };
// Called on the calling thread now and then; false cancels the search.
using RelinkProgress = std::function<bool(RelinkPhase phase, std::size_t done, std::size_t total)>;

struct RelinkSearch {
    std::vector<std::string> folders;     // searched with their subfolders
    std::vector<std::string> albumPaths;  // files the album already lists: never proposed
    std::size_t capBytes = std::size_t{256} << 20; // the image-buffer setting
};

struct RelinkOutcome {
    bool cancelled = false;
    std::size_t filesSeen = 0;   // picture files under the folders
    std::size_t filesHashed = 0; // of those, decoded this time (not from the cache)
    std::vector<RelinkProposal> proposals; // one per missing entry, in their order (none when cancelled)
};

// Runs the search on every core. New hashes go into `cache` (also when
// cancelled, so a second try is quicker); files that cannot be read are
// passed over.
RelinkOutcome findMovedOriginals(const std::vector<MissingOriginal>& missing, const RelinkSearch& search,
                                 HashCache& cache, const RelinkProgress& progress = {});

} // namespace pictra
