// Fuzz target: the WebP reader, whole and scaled to a quarter, and the
// Exif-block finder on arbitrary bytes, into a bounded 4 MB buffer.
#include "core/codecs/webp/webp_file.h"
#include "core/image_io/exif_block.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static pictra::ImageBuffers buffers(4 << 20);
    const pictra::ByteSpan bytes(data, size);
    (void)pictra::readWebpBytes(bytes, buffers.record()); // only crashes and leaks matter here
    if (const auto picture = pictra::webpPictureSize(bytes)) {
        const pictra::PictureSize quarter{std::max(1, picture->width / 4), std::max(1, picture->height / 4)};
        (void)pictra::readWebpBytesAtSize(bytes, buffers.record(), quarter); // only crashes and leaks matter here
    }
    (void)pictra::exifBlockOf(bytes); // only crashes and leaks matter here
    return 0;
}
