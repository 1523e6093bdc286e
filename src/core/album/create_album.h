// Making a new album file from image files in one go (the command-line
// tool's "create"): a store copy of each image, then the album file.
#pragma once

#include "core/album/store_copy_batch.h"
#include "core/metadata/metadata_fill.h"
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
    std::vector<std::string> shortenedTexts; // added images whose texts from their metadata were cut
};

// Writes `job.albumPath` as a new album of `images` (in order). The store
// copies are made by `run` in the store folder of the album under
// `job.programFolder` (a work folder the caller owns and removes), with the
// job's JPEG options and buffer cap; the job's sources are ignored. Images
// that cannot be read, whose path does not fit an entry (InvalidArgument),
// beyond the 1000th (TooLarge), or whose store copy would overwrite another
// image's are skipped and listed. Each entry takes its date and texts from
// its picture's metadata as `fill` says. Fails with the album writer's status;
// an album of no images is still written.
Result<CreateAlbumReport> createAlbumFile(const StoreCopyBatch& job, std::span<const std::string> images,
                                          const StoreCopyRunner& run, const MetadataFill& fill = {});

} // namespace pictra
