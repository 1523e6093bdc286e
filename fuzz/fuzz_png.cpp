// Fuzz target: the PNG reader and the Exif-block finder on arbitrary bytes, into a bounded 4 MB buffer.
#include "core/codecs/png/png_file.h"
#include "core/image_io/exif_block.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static pictra::ImageBuffers buffers(4 << 20);
    (void)pictra::readPngBytes(pictra::ByteSpan(data, size), buffers.record()); // only crashes and leaks matter here
    (void)pictra::exifBlockOf(pictra::ByteSpan(data, size)); // only crashes and leaks matter here
    return 0;
}
