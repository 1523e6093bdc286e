// Writing a tool's result where the user keeps pictures: over the original
// ("変更"), as a new file ("追加") or to pictra-cli edit's output. All go
// through a temporary file in the target's folder and a rename, so a failed
// encode or a full disk never leaves a broken picture behind.
#pragma once

#include "core/image_io/image_file_io.h"
#include "core/tools/pixel_transform.h"
#include "core/tools/tool_edit.h"
#include "core/util/result.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace pictra {

// Encodes the record by the target's extension and renames it over the
// target (or into place). A JPEG target gets `exif` (a whole APP1 Exif
// segment, or nothing when empty) and no other camera data: never the Exif
// of the file it replaces. The encode's, the read's or the rename's failure;
// the target is then unchanged.
Status writePictureSafely(ImageFileIO& io, const ImageRecord& record, const std::string& target,
                          std::span<const std::uint8_t> exif = {});

// How writeEditedPicture put the edit into its file.
enum class EditWriting {
    Lossless,  // the source's JPEG data turned or mirrored, nothing decoded
    Reencoded, // the edited picture encoded afresh
    Declined,  // no lossless turn was possible and mayReencode said no: nothing written
};

// Writes `edited`, the result of `edit` on the picture of the file `source`,
// to `target` (which may be `source` itself). A turn or flip of a JPEG into
// a JPEG target is done on the source's bytes without re-encoding (its Exif
// kept, orientation reset to 1). When no perfect lossless transform exists
// (partial edge blocks would be trimmed or left unturned) `mayReencode` is
// asked whether to encode `edited` instead. Every encoded JPEG target
// carries the source's Exif with the orientation reset to 1 (the pixels are
// upright), and none when the source had none or is gone. The source's
// read failure (other than NotFound) or the write's; the target is then
// unchanged.
Result<EditWriting> writeEditedPicture(ImageFileIO& io, const ToolEdit& edit, const ImageRecord& edited,
                                       const std::string& source, const std::string& target,
                                       const std::function<bool()>& mayReencode);

} // namespace pictra
