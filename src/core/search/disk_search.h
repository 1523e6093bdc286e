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

// Walks `location` (an absolute folder) in the order the file system lists
// it, entering each folder as it is met. Image files are tested by
// diskFilePassesPattern; album files that pass have their entries tested
// with `words` against their texts (dates are not compared). Nothing is
// searched for an empty pattern.
DiskSearchSummary searchDisk(const std::string& location, std::string_view pattern, const SearchWords& words,
                             const DiskSearchCallbacks& callbacks);

} // namespace pictra
