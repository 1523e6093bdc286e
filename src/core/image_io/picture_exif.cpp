// Exif fields of any picture file.
#include "core/image_io/picture_exif.h"

#include "core/image_io/exif_block.h"
#include "core/image_io/image_file_io.h"

namespace pictra {

Result<ExifInfo> pictureExifInfo(const std::string& path)
{
    // A JPEG's Exif sits in its first segments: the head of the file is enough.
    if (formatOfFile(path) == ImageFormat::Jpeg)
        return IKJpegExifInfo(path);
    const Result<std::vector<std::uint8_t>> block = readExifBlock(path);
    if (!block)
        return block.status();
    return exifInfoFromBlock(*block);
}

} // namespace pictra
