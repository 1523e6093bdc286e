// Fuzz target: the reduced-size JPEG decoding of thumbnail cells.
#include "core/image/thumbnail_loader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const pictra::ByteSpan bytes(data, size);
    (void)pictra::decodeJpegThumbnail(bytes, 40, 30);
    (void)pictra::decodeJpegThumbnail(bytes, 4000, 3000);
    return 0;
}
