// XMP sidecar files next to pictures: "IMG_1.xmp" beside "IMG_1.jpg" (the
// name most programs write) is the one written; "IMG_1.jpg.xmp" (darktable's
// name) is read as well. A sidecar is merged, never replaced: fields this
// program does not write stay as they were. The picture is never touched.
#pragma once

#include "core/metadata/photo_metadata.h"
#include "core/util/result.h"

#include <string>
#include <vector>

namespace pictra {

// A bigger sidecar is not ours to rewrite.
inline constexpr std::size_t kMaxSidecarBytes = 16u << 20;

// The sidecar written for `imagePath`: its folder and stem with ".xmp".
std::string sidecarPath(const std::string& imagePath);
// The sidecars read for `imagePath`, in the order they count: sidecarPath,
// then the whole file name with ".xmp" appended.
std::vector<std::string> sidecarReadPaths(const std::string& imagePath);

// The fields of the sidecars of `imagePath`, the first sidecar's before the
// second's; NotFound when there is none, else the first failure to read
// (IoError, TooLarge, Corrupt) when none could be read.
Result<PhotoMetadata> readSidecarMetadata(const std::string& imagePath);

// Writes `fields` into sidecarPath(imagePath), merged into that file when it
// exists: the title and description replace their default-language texts,
// the creator becomes the one creator, the location replaces
// Iptc4xmpCore:Location and the date photoshop:DateCreated (and
// xmp:CreateDate when it names another day). Empty fields and a missing date
// leave the sidecar's values alone. The file is replaced atomically.
// Corrupt when the existing sidecar does not parse (it is left as it is),
// TooLarge above kMaxSidecarBytes, write failures as writeFileAtomic.
Status writeXmpSidecar(const std::string& imagePath, const PhotoMetadata& fields);

// The XMP packet writeXmpSidecar would write over `existing` (empty: a new
// sidecar); Corrupt when `existing` does not parse.
Result<std::string> mergedSidecarPacket(std::string_view existing, const PhotoMetadata& fields);

} // namespace pictra
