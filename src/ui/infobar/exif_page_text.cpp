// The Exif page text from the imaging library's Exif record.
#include "ui/infobar/exif_page_text.h"

#include "core/image_io/picture_exif.h"
#include "core/imaging_library/exif_text.h"

namespace pictra::ui {

std::optional<std::string> exifPageText(const std::string& path)
{
    const auto info = pictureExifInfo(path);
    if (!info)
        return std::nullopt;
    // The items end in "\r\n"; the edit control wants plain line feeds.
    std::string text = exifText(*info);
    std::string lines;
    lines.reserve(text.size());
    for (char c : text) {
        if (c != '\r')
            lines += c;
    }
    return lines;
}

} // namespace pictra::ui
