// Reduced-size JPEG decoding for thumbnail cells, through TurboJPEG.
#include "core/image/thumbnail_loader.h"

#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "core/util/pixel_bytes.h"

#include <turbojpeg.h>

#include <algorithm>

namespace pictra {
namespace {

constexpr std::size_t kMaxJpegFileBytes = 256u * 1024u * 1024u;

// A fresh handle per picture: a handle that failed once keeps failing.
struct TurboHandle {
    tjhandle handle = tjInitDecompress();
    ~TurboHandle()
    {
        if (handle)
            tjDestroy(handle);
    }
    TurboHandle() = default;
    TurboHandle(const TurboHandle&) = delete;
    TurboHandle& operator=(const TurboHandle&) = delete;
};

int scaled(int size, int eighths) { return (size * eighths + 7) / 8; }

} // namespace

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

Result<std::unique_ptr<ImageBuffers>> decodeJpegThumbnail(ByteSpan data, int cellWidth, int cellHeight)
{
    TurboHandle tj;
    if (!tj.handle || data.empty() || data.size() > kMaxJpegFileBytes)
        return Status::Corrupt;
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colorspace = 0;
    if (tjDecompressHeader3(tj.handle, data.data(), static_cast<unsigned long>(data.size()), &width, &height,
                            &subsampling, &colorspace) != 0)
        return Status::Corrupt;
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
        return Status::TooLarge;
    if (colorspace == TJCS_CMYK || colorspace == TJCS_YCCK)
        return Status::Unsupported;
    const int eighths = thumbnailScaleEighths(width, height, cellWidth, cellHeight);
    const int outWidth = scaled(width, eighths);
    const int outHeight = scaled(height, eighths);
    auto buffers = std::make_unique<ImageBuffers>(*pixelBytes(outWidth, outHeight, 24));
    ImageRecord& record = buffers->record();
    if (record.setup24(outWidth, outHeight) != Status::Ok)
        return Status::TooLarge;
    if (tjDecompress2(tj.handle, data.data(), static_cast<unsigned long>(data.size()), record.pixels.data(),
                      outWidth, static_cast<int>(record.stride()), outHeight, TJPF_BGR,
                      TJFLAG_BOTTOMUP | TJFLAG_FASTDCT | TJFLAG_FASTUPSAMPLE) != 0 &&
        tjGetErrorCode(tj.handle) == TJERR_FATAL)
        return Status::Corrupt;
    return buffers;
}

Result<std::unique_ptr<ImageBuffers>> loadJpegThumbnail(const std::string& path, int cellWidth, int cellHeight)
{
    Result<std::vector<std::uint8_t>> bytes = readFile(path, kMaxJpegFileBytes);
    if (!bytes)
        return bytes.status();
    return decodeJpegThumbnail(*bytes, cellWidth, cellHeight);
}

} // namespace pictra
