// tjTransform with TJXOPT_PERFECT.
#include "core/tools/jpeg_lossless.h"

#include "core/imaging_library/turbo_handle.h"
#include "core/imaging_library/jpeg_exif_segment.h"
#include "core/util/pixel_bytes.h"

#include <turbojpeg.h>

namespace pictra {
namespace {

int turboOperation(PixelTransform t)
{
    // TurboJPEG turns clockwise; ours are counter-clockwise.
    static constexpr int kPlain[4] = {TJXOP_NONE, TJXOP_ROT270, TJXOP_ROT180, TJXOP_ROT90};
    static constexpr int kMirrored[4] = {TJXOP_HFLIP, TJXOP_TRANSVERSE, TJXOP_VFLIP, TJXOP_TRANSPOSE};
    const int q = t.quarterTurns & 3;
    return t.mirror ? kMirrored[q] : kPlain[q];
}

} // namespace

Result<std::vector<std::uint8_t>> transformJpegLossless(ByteSpan jpeg, PixelTransform t, std::size_t pixelLimit)
{
    PixelTransform total = t;
    const std::optional<SegmentSpan> exif = findExifSegment(jpeg);
    if (exif) {
        const std::optional<int> orientation = exifOrientation(jpeg.subspan(exif->offset, exif->size));
        if (orientation)
            total = thenApply(uprightTransform(*orientation), t);
    }
    {
        TurboHandle header(tjInitDecompress());
        int w = 0, h = 0, sub = 0, colours = 0;
        if (!header || tjDecompressHeader3(header.get(), jpeg.data(), jpeg.size(), &w, &h, &sub, &colours) != 0)
            return Status::Corrupt;
        if (!pixelBytes(w, h, 24, 4, pixelLimit))
            return Status::TooLarge;
    }
    TurboHandle handle(tjInitTransform());
    if (!handle)
        return Status::IoError;
    tjtransform transform{};
    transform.op = turboOperation(total);
    transform.options = TJXOPT_PERFECT;
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    const int rc = tjTransform(handle.get(), jpeg.data(), jpeg.size(), 1, &out, &outSize, &transform, 0);
    const TurboBuffer owned(out);
    if (rc != 0 || !out)
        return Status::Unsupported;
    std::vector<std::uint8_t> result(out, out + outSize);
    if (const std::optional<SegmentSpan> own = findExifSegment(result))
        (void)setExifOrientation(MutableByteSpan(result).subspan(own->offset, own->size), 1); // false: no tag to reset
    return result;
}

} // namespace pictra
