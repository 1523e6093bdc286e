// libjpeg-turbo decoding into image records (TurboJPEG API, a fresh handle
// per call, so no error state and no longjmp outlive a call).
#include "core/imaging_library/library_jpeg_decoder.h"

#include "core/image/orientation.h"
#include "core/imaging_library/jpeg_app_segments.h"
#include "core/imaging_library/jpeg_exif_segment.h"
#include "core/imaging_library/turbo_handle.h"

#include <algorithm>
#include <vector>

namespace pictra {
namespace {

// Progressive files with an absurd number of scans are refused rather than
// spending minutes on them.
constexpr int kDecodeFlags = TJFLAG_BOTTOMUP | TJFLAG_LIMITSCANS;

// Huffman coding spends at least one bit on every 8 × 8 block of the first
// component, so a file of n bytes holds at most 512·n pixels. A header
// claiming more is refused before any buffer is sized from it.
constexpr std::size_t kMaxPixelsPerByte = 512;

// A failed call whose only complaint was a warning has still produced the
// whole picture (libjpeg fills what it could not read).
bool decodedDespiteError(void* handle)
{
    return tjGetErrorCode(handle) == TJERR_WARNING;
}

Status decodeBgr(void* handle, ByteSpan data, ImageRecord& record)
{
    const int rc = tjDecompress2(handle, data.data(), data.size(), record.pixels.data(), record.width(),
                                 static_cast<int>(record.stride()), record.height(), TJPF_BGR, kDecodeFlags);
    return rc == 0 || decodedDespiteError(handle) ? Status::Ok : Status::Corrupt;
}

std::uint8_t scaled(unsigned value, unsigned factor)
{
    return static_cast<std::uint8_t>((value * factor + 127) / 255);
}

// Programs that write an Adobe segment store inverted inks (a stored value
// is the light the ink lets through); without the segment a value is the
// amount of ink.
Status decodeCmyk(void* handle, ByteSpan data, ImageRecord& record)
{
    const int width = record.width();
    const int height = record.height();
    std::vector<std::uint8_t> cmyk(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    const int rc = tjDecompress2(handle, data.data(), data.size(), cmyk.data(), width, width * 4, height,
                                 TJPF_CMYK, kDecodeFlags);
    if (rc != 0 && !decodedDespiteError(handle))
        return Status::Corrupt;
    const std::uint8_t flip = adobeTransform(data) ? 0 : 0xFF;
    const std::uint8_t* src = cmyk.data();
    for (int y = 0; y < height; ++y) {
        std::uint8_t* dst = record.row(y);
        for (int x = 0; x < width; ++x, src += 4) {
            const unsigned k = src[3] ^ flip;
            dst[3 * x + 0] = scaled(src[2] ^ flip, k);
            dst[3 * x + 1] = scaled(src[1] ^ flip, k);
            dst[3 * x + 2] = scaled(src[0] ^ flip, k);
        }
    }
    return Status::Ok;
}

void clearPadding(ImageRecord& record)
{
    const std::size_t used = static_cast<std::size_t>(record.width()) * 3;
    const std::size_t stride = record.stride();
    if (used == stride)
        return;
    for (int y = 0; y < record.height(); ++y)
        std::fill(record.row(y) + used, record.row(y) + stride, std::uint8_t{0});
}

int scaledSide(int side, int eighths) { return (side * eighths + 7) / 8; }

} // namespace

Result<JpegHeaderInfo> readLibraryJpegHeader(ByteSpan data)
{
    if (data.size() < 4)
        return Status::Truncated;
    TurboHandle handle(tjInitDecompress());
    if (!handle)
        return Status::IoError;
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(handle.get(), data.data(), data.size(), &width, &height, &subsampling, &colorspace) != 0)
        return Status::Corrupt;
    if (width <= 0 || height <= 0 ||
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) / kMaxPixelsPerByte > data.size())
        return Status::Corrupt;
    return JpegHeaderInfo{width, height, jpegOrientation(data), colorspace == TJCS_CMYK || colorspace == TJCS_YCCK};
}

int jpegScaleEighths(int width, int height, int minWidth, int minHeight)
{
    for (int eighths : {1, 2, 4}) {
        if (scaledSide(width, eighths) >= minWidth && scaledSide(height, eighths) >= minHeight)
            return eighths;
    }
    return 8;
}

Status decodeLibraryJpegBytes(ByteSpan data, ImageRecord& record)
{
    return decodeLibraryJpegScaled(data, record, 8);
}

Status decodeLibraryJpegScaled(ByteSpan data, ImageRecord& record, int scaleEighths)
{
    record.clearHeaders();
    const Result<JpegHeaderInfo> header = readLibraryJpegHeader(data);
    if (!header)
        return header.status();
    TurboHandle handle(tjInitDecompress());
    if (!handle)
        return Status::IoError;
    const int eighths = scaleEighths == 1 || scaleEighths == 2 || scaleEighths == 4 ? scaleEighths : 8;
    if (const Status status = record.setup24(scaledSide(header->width, eighths), scaledSide(header->height, eighths));
        status != Status::Ok)
        return status;
    Status status = header->cmyk ? decodeCmyk(handle.get(), data, record) : decodeBgr(handle.get(), data, record);
    if (status == Status::Ok) {
        clearPadding(record);
        status = applyOrientation(record, header->orientation);
    }
    if (status != Status::Ok)
        record.clearHeaders();
    return status;
}

} // namespace pictra
