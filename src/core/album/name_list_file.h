// Name-list files in TEMP ("errorlog.dat", "scan.dat", the search results):
// an int32 count at offset 0, then count paths of 360 bytes from offset 4.
#pragma once

#include "core/album/file_name_list.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <string>
#include <vector>

namespace pictra {

// Corrupt for a negative count or a path without its terminating zero,
// TooLarge for more than 1000 paths, Truncated when the bytes end before
// the count's paths.
Result<FileNameList> parseNameList(ByteSpan bytes);

// The file's bytes. The count is filled in last, after the paths, so a
// reader that races the writer sees no paths rather than garbage ones.
std::vector<std::uint8_t> encodeNameList(const FileNameList& names);

Result<FileNameList> readNameListFile(const std::string& path);
Status writeNameListFile(const std::string& path, const FileNameList& names);

} // namespace pictra
