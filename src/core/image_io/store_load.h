// Loading a picture at the size its store copy keeps. A JPEG is decoded at
// the smallest DCT reduction that is still at least that size and then
// averaged down to it, which is much faster than a full decode and gives a
// smoother copy; a still WebP is scaled while it decodes; any other file is
// loaded whole and reduced.
#pragma once

#include "core/image/image_record.h"
#include "core/image/reduce_for_store.h"
#include "core/image_io/image_file_io.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

// Loads `path` into `record` at storeSize of its upright full size. Partial
// (picture loaded) for a file read only in part; the load's failure
// otherwise (NotFound, Unsupported, Corrupt, TooLarge ...).
// A JPEG too large for the buffer at full size still loads this way.
Status loadForStore(ImageFileIO& io, const std::string& path, ImageRecord& record);

} // namespace pictra
