// Feeds arbitrary bytes to the own JPEG decoder with a bounded pixel buffer,
// so huge frames are refused as TooLarge instead of allocated.
#include "core/codecs/jpeg/jpeg_decoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static pictra::ImageBuffers buffers(1 << 20);
    (void)pictra::decodeJpegBytes({data, size}, buffers.record());
    return 0;
}
