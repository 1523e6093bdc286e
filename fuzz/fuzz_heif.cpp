// Fuzz target: the HEIF/AVIF reader and its Exif lookup on arbitrary bytes,
// into a bounded 4 MB buffer.
#include "core/codecs/heif/heif_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static pictra::ImageBuffers buffers(4 << 20);
    const pictra::ByteSpan bytes(data, size);
    (void)pictra::readHeif(bytes, buffers.record());
    (void)pictra::heifExif(bytes);
    return 0;
}
