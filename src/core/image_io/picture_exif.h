// The information bar's Exif fields of a picture file of any format: its raw
// Exif block read by format, parsed by the imaging library's Exif code.
#pragma once

#include "core/imaging_library/exif_info.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

// NotFound when the file is missing or its picture carries no Exif; IoError,
// TooLarge, Corrupt and Unsupported as reading and parsing the block report.
Result<ExifInfo> pictureExifInfo(const std::string& path);

} // namespace pictra
