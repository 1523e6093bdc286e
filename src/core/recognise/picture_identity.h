// What the duplicate rule knows a file by, read from disk: the normalised
// path and the file's device and inode.
#pragma once

#include "core/recognise/duplicate_pictures.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

// `path` made absolute with "." and ".." parts and doubled separators
// resolved by name alone (symbolic links are left for the file id to
// catch). Empty for an empty path.
std::string normalisedPath(std::string_view path);

// The device and inode of the file `path` names, following symbolic links;
// empty when it cannot be reached.
std::optional<FileId> fileIdOf(const std::string& path);

// The file identities (path and file id, no hash) of image files: an
// album's source paths or the files offered to it.
std::vector<PictureIdentity> fileIdentities(std::span<const std::string> paths);

} // namespace pictra
