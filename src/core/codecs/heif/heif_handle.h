// libheif's objects with owners that release them, and the one way this
// program opens a HEIF file held in memory: with its item count checked
// before libheif parses it, quiet, tiles decoded on every core.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <libheif/heif.h>

#include <memory>

namespace pictra {

struct HeifHandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct HeifImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};
using HeifHandle = std::unique_ptr<heif_image_handle, HeifHandleRelease>;
using HeifImage = std::unique_ptr<heif_image, HeifImageRelease>;

// The primary image of the file. `data` must outlive the handle: libheif
// reads it in place. TooLarge for a file of more items than kMaxHeifItems,
// otherwise the status libheif's failure maps to.
Result<HeifHandle> openPrimaryImage(ByteSpan data);

// Our status for a libheif error (Ok for none).
Status heifStatus(const heif_error& error);

} // namespace pictra
