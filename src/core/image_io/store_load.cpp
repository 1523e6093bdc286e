// Store-size loading.
#include "core/image_io/store_load.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/webp/webp_file.h"
#include "core/image/area_resample.h"
#include "core/image/image_format.h"
#include "core/image/orientation.h"
#include "core/imaging_library/library_jpeg_decoder.h"
#include "core/util/file_io.h"

namespace pictra {
namespace {

// The JPEG's store size is computed on its full upright size, so the copy
// has exactly the sides a full decode and reduceForStore would give.
Status decodeJpegForStore(ByteSpan data, ImageRecord& record)
{
    const Result<JpegHeaderInfo> header = readLibraryJpegHeader(data);
    if (!header)
        return header.status();
    const PictureSize target = storeSize(header->uprightWidth(), header->uprightHeight());
    const bool turned = swapsSides(header->orientation);
    const int eighths = jpegScaleEighths(header->width, header->height, turned ? target.height : target.width,
                                         turned ? target.width : target.height);
    const Status status = decodeLibraryJpegScaled(data, record, eighths);
    if (!pictureLoaded(status))
        return status;
    if (record.width() != target.width || record.height() != target.height)
        shrinkByArea(record, target.width, target.height);
    return status;
}

// A still WebP is scaled by libwebp as it decodes, straight to the store size.
Status decodeWebpForStore(ByteSpan data, ImageRecord& record)
{
    const Result<PictureSize> size = webpPictureSize(data);
    if (!size)
        return size.status();
    return readWebpBytesAtSize(data, record, storeSize(size->width, size->height));
}

} // namespace

Status loadForStore(ImageFileIO& io, const std::string& path, ImageRecord& record)
{
    const ImageFormat format = formatOfFile(path);
    if (io.useLibrary != 0 && format == ImageFormat::Jpeg) {
        record.clearHeaders();
        auto bytes = readFile(path, kMaxImageFileBytes);
        if (!bytes)
            return bytes.status();
        if (const Status status = decodeJpegForStore(*bytes, record); pictureLoaded(status))
            return status;
        // A file the library refuses may still suit our own decoder.
    }
    if (format == ImageFormat::Webp) {
        record.clearHeaders();
        const auto bytes = readFile(path, kMaxImageFileBytes);
        return bytes ? decodeWebpForStore(*bytes, record) : bytes.status();
    }
    const Status status = io.loadImage(path, record);
    if (!pictureLoaded(status))
        return status;
    reduceForStore(record);
    return status;
}

} // namespace pictra
