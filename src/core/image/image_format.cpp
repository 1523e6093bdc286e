// File-name rules for choosing image readers and writers.
#include "core/image/image_format.h"

#include "core/util/paths.h"

namespace pictra {

ImageFormat loadFormatOf(std::string_view path)
{
    if (endsWithIgnoreCase(path, ".bmp"))
        return ImageFormat::Bmp;
    if (endsWithIgnoreCase(path, ".jpg") || endsWithIgnoreCase(path, ".jpeg"))
        return ImageFormat::Jpeg;
    if (endsWithIgnoreCase(path, ".tif") || endsWithIgnoreCase(path, ".tiff"))
        return ImageFormat::Tiff;
    if (endsWithIgnoreCase(path, ".psd"))
        return ImageFormat::Psd;
    if (endsWithIgnoreCase(path, ".pcx"))
        return ImageFormat::Pcx;
    return ImageFormat::Unknown;
}

ImageFormat saveFormatOf(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return ImageFormat::Unknown;
    const std::string_view ext = path.substr(dot + 1);
    if (equalsIgnoreCase(ext, "bmp"))
        return ImageFormat::Bmp;
    if (equalsIgnoreCase(ext, "jpg") || equalsIgnoreCase(ext, "jpeg"))
        return ImageFormat::Jpeg;
    if (equalsIgnoreCase(ext, "tif") || equalsIgnoreCase(ext, "tiff"))
        return ImageFormat::Tiff;
    if (equalsIgnoreCase(ext, "psd"))
        return ImageFormat::Psd;
    if (equalsIgnoreCase(ext, "pcx"))
        return ImageFormat::Pcx;
    return ImageFormat::Unknown;
}

} // namespace pictra
