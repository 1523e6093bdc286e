// Writing a tool's result where the user keeps pictures: over the original
// ("変更") or as a new file ("追加"). Both go through a temporary file in
// the target's folder and a rename, so a failed encode or a full disk never
// leaves a broken picture behind.
#pragma once

#include "core/image_io/image_file_io.h"
#include "core/tools/pixel_transform.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

// Encodes the record by the target's extension and renames it over the
// target (or into place). A JPEG target that already exists keeps its Exif
// block, with the orientation reset to 1 because the pixels are upright.
// The encode's, the read's or the rename's failure; the target is then
// unchanged.
Status writePictureSafely(ImageFileIO& io, const ImageRecord& record, const std::string& target);

// Turns/mirrors a JPEG file in place without re-encoding (see
// transformJpegLossless): Unsupported when no perfect transform exists,
// the read's or the write's failure; the file is then unchanged.
Status transformJpegFileLossless(const std::string& path, PixelTransform t);

} // namespace pictra
