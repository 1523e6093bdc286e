// libjpeg-turbo decoding into image records (TurboJPEG API, a fresh handle
// per call, so no error state and no longjmp outlive a call).
#include "core/imaging_library/library_jpeg_decoder.h"

#include "core/colour/embedded_profile.h"
#include "core/image/orientation.h"
#include "core/imaging_library/jpeg_app_segments.h"
#include "core/imaging_library/jpeg_exif_segment.h"
#include "core/imaging_library/jpeg_icc_profile.h"
#include "core/imaging_library/turbo_handle.h"

#include <algorithm>
#include <string_view>
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

// What a call that returned `rc` produced. A call whose only complaint was
// a warning has still produced a picture (libjpeg fills what it could not
// read): whole after stray bytes between segments, in part when the data
// ran out ("Premature end of JPEG file", "premature end of data segment").
Status decodeOutcome(void* handle, int rc)
{
    if (rc == 0)
        return Status::Ok;
    if (tjGetErrorCode(handle) != TJERR_WARNING)
        return Status::Corrupt;
    const std::string_view warning = tjGetErrorStr2(handle);
    const bool cutOff = warning.find("remature end") != std::string_view::npos;
    return cutOff ? Status::Partial : Status::Ok;
}

Status decodeBgr(void* handle, ByteSpan data, ImageRecord& record)
{
    const int rc = tjDecompress2(handle, data.data(), data.size(), record.pixels.data(), record.width(),
                                 static_cast<int>(record.stride()), record.height(), TJPF_BGR, kDecodeFlags);
    return decodeOutcome(handle, rc);
}

// Programs that write an Adobe segment store inverted inks (a stored value
// is the light the ink lets through); without the segment a value is the
// amount of ink.
Status decodeCmyk(void* handle, ByteSpan data, std::span<const std::uint8_t> profile, ImageRecord& record)
{
    const int width = record.width();
    const int height = record.height();
    std::vector<std::uint8_t> ink(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    const int rc = tjDecompress2(handle, data.data(), data.size(), ink.data(), width, width * 4, height,
                                 TJPF_CMYK, kDecodeFlags);
    const Status outcome = decodeOutcome(handle, rc);
    if (!pictureLoaded(outcome))
        return outcome;
    if (adobeTransform(data))
        for (std::uint8_t& v : ink)
            v = static_cast<std::uint8_t>(~v);
    convertCmykToSrgb(profile, ink, record);
    return outcome;
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
    // The embedded profile turns the colours into sRGB once, here, for every
    // caller: full loads, thumbnails and store copies alike.
    const std::vector<std::uint8_t> profile = jpegIccProfile(data);
    const Status decoded =
        header->cmyk ? decodeCmyk(handle.get(), data, profile, record) : decodeBgr(handle.get(), data, record);
    if (!pictureLoaded(decoded)) {
        record.clearHeaders();
        return decoded;
    }
    if (!header->cmyk)
        convertToSrgb(profile, record);
    clearPadding(record);
    if (const Status turned = applyOrientation(record, header->orientation); turned != Status::Ok) {
        record.clearHeaders();
        return turned;
    }
    return decoded;
}

} // namespace pictra
