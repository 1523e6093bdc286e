// The camera-data text of the information bar's "Exif" page, built from an
// ExifInfo: items of the form label "\r\n" value "\r\n", in UTF-8.
#pragma once

#include "core/imaging_library/exif_info.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace pictra {

// The text is never longer than this.
inline constexpr std::size_t kMaxExifPageBytes = 5000;

std::string exifText(const ExifInfo& info);

// Names of the coded fields; "" for a code without a name.
std::string_view meteringModeName(int code);
std::string_view lightSourceName(int code);
std::string_view exposureProgramName(int code);

} // namespace pictra
