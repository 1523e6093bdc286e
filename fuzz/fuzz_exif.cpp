// Fuzz target: finding and reading the Exif segment of a JPEG file, then
// building the information bar's Exif text from what was read.
#include "core/imaging_library/exif_info.h"
#include "core/imaging_library/exif_text.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto info = pictra::exifInfoFromJpeg(pictra::ByteSpan(data, size));
    if (info.ok())
        (void)pictra::exifText(*info);
    return 0;
}
