// Fuzz target: the Exif segment walk and orientation reset, and the lossless
// turn of a JPEG file, on arbitrary bytes, for pictures of up to 4 MB.
#include "core/imaging_library/jpeg_exif_segment.h"
#include "core/tools/jpeg_lossless.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const pictra::ByteSpan jpeg(data, size);
    if (const auto exif = pictra::findExifSegment(jpeg)) {
        std::vector<std::uint8_t> segment(data + exif->offset, data + exif->offset + exif->size);
        (void)pictra::exifOrientation(segment);
        (void)pictra::setExifOrientation(segment, 1);
        (void)pictra::withExifSegment(jpeg, segment);
    }
    if (size > 0)
        (void)pictra::transformJpegLossless(jpeg, {data[size - 1] & 3, (data[size - 1] & 4) != 0}, 4 << 20);
    return 0;
}
