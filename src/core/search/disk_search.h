// The disk search: walks a folder tree for image files and for the entries
// of album files. It never changes the process's current folder, never
// follows a link to a folder, does not enter proc, sys, dev and the other
// pseudo file systems, and goes down at most kMaxSearchDepth levels.
#pragma once

#include "core/search/search_words.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace pictra {

inline constexpr int kMaxSearchDepth = 10;

struct DiskSearchCallbacks {
    // Called before every item of a folder, with that folder (ending in
    // "/"); false ends the search. Empty: the search runs to its end.
    std::function<bool(std::string_view folder)> proceed;
    // The rows one file added, as full paths: the image file itself, or the
    // matching entries' image paths of an album file.
    std::function<void(std::span<const std::string> paths)> found;
};

struct DiskSearchSummary {
    int rows = 0;
    int damagedAlbums = 0;     // album files that could not be read or were refused
    int unreadableFolders = 0; // folders that could not be listed
    bool stopped = false;      // ended by `proceed`
};

// Which patterns the words apply to. The search dialog opens its words
// field for "*.abm" alone (any case), so with any other pattern an album
// file met on disk lists all its entries; a script may ask for the words
// to test album entries under every pattern.
enum class DiskWords { AlbumPatternOnly, EveryPattern };

// True when a disk search with `pattern` tests album entries with the words.
bool diskSearchTakesWords(std::string_view pattern, DiskWords rule);

// Walks `location` (an absolute folder) in the order the file system lists
// it, entering each folder as it is met. Image files are tested by
// diskFilePassesPattern; album files that pass have their entries tested
// with `words` against their texts (dates are not compared) when
// diskSearchTakesWords says so. Nothing is searched for an empty pattern.
DiskSearchSummary searchDisk(const std::string& location, std::string_view pattern, const SearchWords& words,
                             DiskWords rule, const DiskSearchCallbacks& callbacks);

} // namespace pictra
