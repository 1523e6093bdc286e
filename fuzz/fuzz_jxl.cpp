// Fuzz target: the JPEG XL reader and its Exif lookup on arbitrary bytes,
// into a bounded 4 MB buffer.
#include "core/codecs/jxl/jxl_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static pictra::ImageBuffers buffers(4 << 20);
    const pictra::ByteSpan bytes(data, size);
    (void)pictra::readJxl(bytes, buffers.record());
    (void)pictra::jxlExif(bytes);
    return 0;
}
