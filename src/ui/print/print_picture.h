// Loading the picture a print dialog prints: from its file into buffers of
// its own (not the shared record), upright, as an image Qt can draw.
#pragma once

#include "core/util/result.h"

#include <QImage>

#include <cstddef>
#include <string>

namespace pictra::ui {

// The picture at `path`, upright, loaded into buffers of at most
// `imageBufferBytes`; a null image with the status when that fails.
struct LoadedPicture {
    QImage image;
    Status status = Status::Ok;
};
LoadedPicture loadPrintPicture(const std::string& path, std::size_t imageBufferBytes);

} // namespace pictra::ui
