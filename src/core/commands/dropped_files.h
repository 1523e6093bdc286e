// Sorting the files dropped on the main window: albums to open and images to
// append (at most one FileNameList of them); everything else is skipped.
#pragma once

#include <string>
#include <vector>

namespace pictra {

struct DroppedFiles {
    std::vector<std::string> albums; // ".abm"
    std::vector<std::string> images; // of a format the program reads; at most kMaxDroppedImages
    int skippedImages = 0;           // images beyond the limit
};

inline constexpr int kMaxDroppedImages = 1000;

// By each path's extension, without regard to case. Paths
// longer than a stored path field (359 bytes) are skipped: an album could
// not keep them.
DroppedFiles sortDroppedFiles(const std::vector<std::string>& paths);

} // namespace pictra
