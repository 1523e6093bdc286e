// Reduced-size JPEG decoding for thumbnail cells, through the library decoder.
#include "core/image_io/thumbnail_loader.h"

#include "core/codecs/image_file_access.h"
#include "core/image/fit_share.h"
#include "core/imaging_library/library_jpeg_decoder.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"

#include <algorithm>

namespace pictra {

int thumbnailScaleEighths(int width, int height, int cellWidth, int cellHeight)
{
    if (width <= 0 || height <= 0 || cellWidth <= 0 || cellHeight <= 0)
        return 8;
    const double fit = std::min(kFitShare * cellWidth / width, kFitShare * cellHeight / height);
    for (int eighths : {1, 2, 4}) {
        if (eighths / 8.0 >= fit)
            return eighths;
    }
    return 8;
}

bool isJpegPath(const std::string& path)
{
    return endsWithIgnoreCase(path, ".jpg") || endsWithIgnoreCase(path, ".jpeg");
}

Result<std::unique_ptr<ImageBuffers>> decodeJpegThumbnail(ByteSpan data, int cellWidth, int cellHeight,
                                                          std::size_t capBytes)
{
    const Result<JpegHeaderInfo> header = readLibraryJpegHeader(data);
    if (!header)
        return header.status() == Status::Truncated ? Status::Corrupt : header.status();
    const int eighths = thumbnailScaleEighths(header->uprightWidth(), header->uprightHeight(), cellWidth, cellHeight);
    auto buffers = std::make_unique<ImageBuffers>(0, capBytes);
    // A damaged file's readable part is shown, as the page shows it whole.
    if (const Status status = decodeLibraryJpegScaled(data, buffers->record(), eighths); !pictureLoaded(status))
        return status;
    return buffers;
}

Result<std::unique_ptr<ImageBuffers>> loadJpegThumbnail(const std::string& path, int cellWidth, int cellHeight,
                                                        std::size_t capBytes)
{
    Result<std::vector<std::uint8_t>> bytes = readFile(path, kMaxImageFileBytes);
    if (!bytes)
        return bytes.status();
    return decodeJpegThumbnail(*bytes, cellWidth, cellHeight, capBytes);
}

} // namespace pictra
