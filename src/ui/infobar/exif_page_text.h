// The Exif page of the information bar: the camera data of an image file as
// the labelled text the page shows, or nothing when the file has none.
#pragma once

#include <optional>
#include <string>

namespace pictra::ui {

std::optional<std::string> exifPageText(const std::string& path);

} // namespace pictra::ui
