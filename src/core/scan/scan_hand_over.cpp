// scan.dat.
#include "core/scan/scan_hand_over.h"

#include "core/album/name_list_file.h"
#include "core/platform/program_paths.h"

namespace pictra {

ScanHandOver scanHandOver(std::span<const std::string> paths)
{
    ScanHandOver handOver;
    for (const std::string& path : paths) {
        if (!handOver.list.add(path))
            ++handOver.leftOut;
    }
    return handOver;
}

Status writeScanHandOver(const std::string& programFolder, const FileNameList& list)
{
    return writeNameListFile(tempFilePath(programFolder, kScanListFile), list);
}

} // namespace pictra
