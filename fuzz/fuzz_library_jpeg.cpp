// Fuzz target: libjpeg-turbo decoding into an image record, then the
// store-copy reduction and a library encode of whatever was decoded.
#include "core/image/image_record.h"
#include "core/image/jpeg_save_options.h"
#include "core/image/reduce_for_store.h"
#include "core/imaging_library/library_jpeg_decoder.h"
#include "core/imaging_library/library_jpeg_encoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A small buffer keeps each input fast: larger pictures are refused as TooLarge.
    static pictra::ImageBuffers buffers(1 << 20);
    pictra::ImageRecord& record = buffers.record();
    if (!pictra::pictureLoaded(pictra::decodeLibraryJpegBytes(pictra::ByteSpan(data, size), record)))
        return 0;
    pictra::reduceForStore(record);
    (void)pictra::encodeLibraryJpegBytes(pictra::viewOf(record), pictra::JpegSaveOptions{});
    return 0;
}
