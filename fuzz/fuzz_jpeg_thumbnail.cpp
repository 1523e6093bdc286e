// Fuzz target: the reduced-size JPEG decoding of thumbnail cells.
#include "core/image_io/thumbnail_loader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const pictra::ByteSpan bytes(data, size);
    (void)pictra::decodeJpegThumbnail(bytes, 40, 30, 64'000'000);
    (void)pictra::decodeJpegThumbnail(bytes, 4000, 3000, 64'000'000);
    return 0;
}
