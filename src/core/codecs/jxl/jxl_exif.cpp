// The Exif box of a JPEG XL container.
#include "core/codecs/exif_payload.h"
#include "core/codecs/jxl/jxl_file.h"

#include <jxl/decode_cxx.h>

#include <string_view>

namespace pictra {
namespace {

constexpr std::size_t kFirstChunk = 64 << 10;

// Gives the decoder more room for the box it is filling; false past the limit.
bool growBox(JxlDecoder* decoder, std::vector<std::uint8_t>& box)
{
    const std::size_t kept = box.size() - JxlDecoderReleaseBoxBuffer(decoder);
    if (box.size() >= kMaxJxlExifBytes)
        return false;
    box.resize(std::min(kMaxJxlExifBytes, box.size() * 2));
    return JxlDecoderSetBoxBuffer(decoder, box.data() + kept, box.size() - kept) == JXL_DEC_SUCCESS;
}

} // namespace

Result<std::vector<std::uint8_t>> jxlExif(ByteSpan data)
{
    const auto decoder = JxlDecoderMake(nullptr);
    if (!decoder || JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BOX) != JXL_DEC_SUCCESS ||
        JxlDecoderSetDecompressBoxes(decoder.get(), JXL_TRUE) != JXL_DEC_SUCCESS ||
        JxlDecoderSetInput(decoder.get(), data.data(), data.size()) != JXL_DEC_SUCCESS)
        return Status::TooLarge;
    JxlDecoderCloseInput(decoder.get());
    std::vector<std::uint8_t> box;
    bool inExif = false;
    for (;;) {
        const JxlDecoderStatus status = JxlDecoderProcessInput(decoder.get());
        if (inExif && (status == JXL_DEC_BOX || status == JXL_DEC_SUCCESS)) {
            box.resize(box.size() - JxlDecoderReleaseBoxBuffer(decoder.get()));
            return exifAfterOffsetHeader(box);
        }
        if (status == JXL_DEC_SUCCESS)
            return Status::NotFound;
        if (status == JXL_DEC_BOX_NEED_MORE_OUTPUT) {
            if (!growBox(decoder.get(), box))
                return Status::TooLarge;
            continue;
        }
        if (status != JXL_DEC_BOX)
            return status == JXL_DEC_NEED_MORE_INPUT ? Status::NotFound : Status::Corrupt;
        JxlBoxType type{};
        if (JxlDecoderGetBoxType(decoder.get(), type, JXL_TRUE) != JXL_DEC_SUCCESS)
            return Status::Corrupt;
        if (std::string_view(type, sizeof type) == "Exif") {
            inExif = true;
            box.resize(kFirstChunk);
            if (JxlDecoderSetBoxBuffer(decoder.get(), box.data(), box.size()) != JXL_DEC_SUCCESS)
                return Status::Corrupt;
        }
    }
}

} // namespace pictra
