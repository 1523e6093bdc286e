// The picture files under the folders a relink search looks in.
#pragma once

#include "core/recognise/hash_cache.h"

#include <string>
#include <vector>

namespace pictra {

struct FoundFile {
    std::string path;
    FileStamp stamp;
};

// Every file with an extension the program reads, below each folder
// (subfolders included, symbolic links to folders not followed, unreadable
// folders passed over), each path once, in path order.
std::vector<FoundFile> listPictureFiles(const std::vector<std::string>& folders);

} // namespace pictra
