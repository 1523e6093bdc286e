// Making a new album file from image files in one go (the command-line
// tool's "create"): a store copy of each image, then the album file.
#pragma once

#include "core/image/image_file_io.h"
#include "core/image/image_record.h"
#include "core/util/result.h"

#include <span>
#include <string>
#include <vector>

namespace pictra {

struct SkippedImage {
    std::string path;
    Status status = Status::Ok; // why the image was left out
    std::string sharesCopyWith; // set when it would overwrite this image's store copy
};

struct CreateAlbumReport {
    int added = 0;
    std::vector<SkippedImage> skipped;
};

// Writes `albumPath` as a new album of `images` (in order). Store copies are
// made with `io` (its JPEG options) through `record` in the store folder of
// the album under `workFolder`, which the caller owns and removes. Images
// that cannot be read, whose path does not fit an entry (InvalidArgument),
// beyond the 1000th (TooLarge), or whose store copy would overwrite another
// image's are skipped and listed. Fails with the album writer's status;
// an album of no images is still written.
Result<CreateAlbumReport> createAlbumFile(ImageFileIO& io, ImageRecord& record, const std::string& workFolder,
                                          const std::string& albumPath, std::span<const std::string> images);

} // namespace pictra
