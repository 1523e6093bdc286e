// Fuzz target: the GIF reader on arbitrary bytes, into a bounded 4 MB buffer.
#include "core/codecs/gif/gif_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static pictra::ImageBuffers buffers(4 << 20);
    (void)pictra::readGifBytes(pictra::ByteSpan(data, size), buffers.record()); // only crashes and leaks matter here
    return 0;
}
