// The hand-over of scanned files to the album window: TEMP/scan.dat, a
// name-list file of at most 1000 paths.
#pragma once

#include "core/album/file_name_list.h"
#include "core/util/result.h"

#include <span>
#include <string>

namespace pictra {

struct ScanHandOver {
    FileNameList list;
    int leftOut = 0; // paths beyond the list's 1000 (or too long for it)
};

// The paths in order, as many as a name list holds.
ScanHandOver scanHandOver(std::span<const std::string> paths);

// Writes programFolder/TEMP/scan.dat; the failure of writeNameListFile.
Status writeScanHandOver(const std::string& programFolder, const FileNameList& list);

} // namespace pictra
