// The sample album of a distribution names its pictures in the
// distribution's IMAGE folder; once installed, it must name the installed
// copies instead, or the album would point at the medium it came from.
#pragma once

#include "core/util/result.h"

#include <string>

namespace pictra {

// Rewrites the album at `albumPath` so every entry whose picture has a file
// of the same name in `imageFolder` names that file. Written atomically;
// the album is left as it was on any failure (Corrupt, Truncated, TooLarge
// for a file that is not an album; IoError, NoPermission, DiskFull when it
// cannot be written). Returns how many entries changed.
Result<int> repointSamplePictures(const std::string& albumPath, const std::string& imageFolder);

} // namespace pictra
