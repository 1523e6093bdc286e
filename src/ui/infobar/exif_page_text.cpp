// The Exif page text from the imaging library's Exif record.
#include "ui/infobar/exif_page_text.h"

namespace pictra::ui {

std::optional<std::string> exifPageText(const std::string&)
{
    return std::nullopt;
}

} // namespace pictra::ui
