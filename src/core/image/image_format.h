// Which reader or writer handles a file, decided from its name alone.
#pragma once

#include <string_view>

namespace pictra {

enum class ImageFormat { Unknown, Bmp, Jpeg, Tiff, Psd, Pcx };

// The reader for a path, by its last four characters (".bmp", ".jpg", ".tif",
// ".psd", ".pcx") or last five (".jpeg", ".tiff"), ignoring case. Names
// without one of these endings are Unknown.
ImageFormat loadFormatOf(std::string_view path);

// The writer for a path, by the text after its last '.' ("bmp", "jpg" or
// "jpeg", "tif" or "tiff", "psd", "pcx"), ignoring case.
ImageFormat saveFormatOf(std::string_view path);

} // namespace pictra
