// Fuzz target: the JPEG segment walk that gathers APP2 ICC_PROFILE chunks,
// their assembly, and the assembled profile applied to a small picture.
#include "core/colour/embedded_profile.h"
#include "core/image/image_record.h"
#include "core/imaging_library/jpeg_icc_profile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> profile = pictra::jpegIccProfile(pictra::ByteSpan(data, size));
    static pictra::ImageBuffers buffers(1 << 12);
    pictra::ImageRecord& record = buffers.record();
    if (record.setup24(7, 5) != pictra::Status::Ok)
        return 0;
    for (std::size_t i = 0; i < record.imageBytes(); ++i)
        record.pixels[i] = static_cast<std::uint8_t>(i * 37);
    pictra::convertToSrgb(profile, record);
    return 0;
}
