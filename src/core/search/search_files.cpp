// The search's hand-over files.
#include "core/search/search_files.h"

#include "core/album/album_file.h"
#include "core/album/name_list_file.h"
#include "core/platform/program_paths.h"
#include "core/util/byte_writer.h"
#include "core/util/file_io.h"

#include <cstdio>

namespace pictra {

Status writeSearchAlbum(const std::string& programFolder, std::span<const ImageEntry> entries)
{
    ByteWriter out(albumHeadBytes(entries.size()));
    writeAlbumHead(out, entries);
    return writeFile(tempFilePath(programFolder, kSearchAlbumFile), out.take());
}

Result<HandOverReport> writeSearchResults(const std::string& programFolder, std::span<const std::string> paths)
{
    HandOverReport report;
    FileNameList list;
    for (const std::string& path : paths) {
        if (path.size() >= kPathBytes)
            ++report.tooLong;
        else if (list.full())
            ++report.beyondLimit;
        else
            (void)list.add(path); // cannot fail: length and room checked just above
    }
    report.written = list.count();
    const Status written = writeNameListFile(tempFilePath(programFolder, kSearchResultFile), list);
    if (written != Status::Ok)
        return written;
    return report;
}

Result<FileNameList> takeSearchResults(const std::string& programFolder)
{
    const std::string path = tempFilePath(programFolder, kSearchResultFile);
    auto list = readNameListFile(path);
    std::remove(path.c_str());
    return list;
}

} // namespace pictra
