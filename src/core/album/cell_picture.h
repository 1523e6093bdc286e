// Which file an album cell draws its picture from.
#pragma once

#include "core/album/album_record.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

// The path fields as file paths (names from the original platform are CP932).
std::string imageFilePath(const ImageEntry& entry);
std::string albumFilePath(const AlbumRecord& album);
// imageFilePath of the entries at the album positions `indices`.
std::vector<std::string> imageFilePaths(const AlbumRecord& album, std::span<const int> indices);

enum class DisplayMethod { Speed, Quality }; // "速度優先" store copies, "画質優先" source files

// The image's own file for the quality method or a one-cell page; otherwise
// its store copy, but only while the image's own file exists (a copy of a
// vanished picture is not shown). "" when there is nothing to load.
std::string cellPicturePath(std::string_view programFolder, std::string_view albumPath, std::string_view imagePath,
                            int cellsPerPage, DisplayMethod method);

} // namespace pictra
