// Store copies: the reduced JPEG copy (at most 640 × 480) that an open album
// keeps of each image in its store folder, programFolder/CMP/<album base
// name>/<image base name>.jpg. Written with the ImageFileIO's JPEG options.
#pragma once

#include "core/album/image_entry.h"
#include "core/image/image_record.h"
#include "core/image_io/image_file_io.h"
#include "core/util/result.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pictra {

// Loads the source image into `record` (whose buffers must hold it), reduces
// it and writes it as the store copy, creating the store folder if needed.
// InvalidArgument for an empty source path; the load's failure (NotFound,
// Unsupported, Corrupt, TooLarge ...) or the save's (IoError) otherwise,
// in which case no new store copy was written. Partial when the copy was
// written from a source that could be read only in part (a damaged file).
Status makeStoreCopy(ImageFileIO& io, ImageRecord& record, const std::string& programFolder,
                     std::string_view albumPath, const std::string& sourcePath);

// Reduces the given (edited) record in place and writes it over the store
// copy of `sourcePath`. InvalidArgument for an empty path; the save's failure.
Status replaceStoreCopy(ImageFileIO& io, ImageRecord& record, const std::string& programFolder,
                        std::string_view albumPath, const std::string& sourcePath);

// Loads the store copy of `sourcePath` into `record`. NotFound (headers
// cleared) when the source file itself no longer exists: an image whose
// source is gone is not shown even though its copy is still there. The
// load's failure otherwise.
Status loadStoreCopy(ImageFileIO& io, ImageRecord& record, const std::string& programFolder,
                     std::string_view albumPath, const std::string& sourcePath);

// Two images share a store copy when their source paths have the same
// BaseName. When `sourcePath` differs from an entry's path but names the same
// store copy, returns that entry's path: appending the image would overwrite
// the other image's copy, so it must be refused. The same file again shares
// its copy and is fine (nullopt).
std::optional<std::string> storeNameClash(std::span<const ImageEntry> entries, std::string_view sourcePath);

} // namespace pictra
