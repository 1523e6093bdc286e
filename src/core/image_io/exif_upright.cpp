// Exif orientation for the readers that do not apply it.
#include "core/image_io/exif_upright.h"

#include "core/image/orientation.h"
#include "core/image_io/exif_block.h"
#include "core/imaging_library/jpeg_exif_segment.h"

namespace pictra {

Status applyExifUpright(const std::string& path, ImageFormat format, ImageRecord& record, Status loaded)
{
    if (!pictureLoaded(loaded) || (format != ImageFormat::Png && format != ImageFormat::Webp))
        return loaded;
    const Result<std::vector<std::uint8_t>> block = readExifBlock(path);
    if (!block)
        return loaded; // no camera data (or none readable): the picture stays as stored
    const std::optional<int> orientation = exifBlockOrientation(*block);
    if (!orientation || *orientation <= 1 || *orientation > 8)
        return loaded;
    const Status turned = applyOrientation(record, *orientation);
    return turned == Status::Ok ? loaded : turned;
}

} // namespace pictra
