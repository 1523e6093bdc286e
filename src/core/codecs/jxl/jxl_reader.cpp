// The first frame of a JPEG XL file into a 24-bit record.
#include "core/codecs/image_file_access.h"
#include "core/codecs/interleaved_rows.h"
#include "core/codecs/jxl/jxl_file.h"
#include "core/colour/embedded_profile.h"
#include "core/util/pixel_bytes.h"

#include <jxl/decode_cxx.h>
#include <jxl/thread_parallel_runner_cxx.h>

#include <new>
#include <utility>

namespace pictra {
namespace {

JxlColorEncoding srgb(bool grey)
{
    JxlColorEncoding encoding{};
    encoding.color_space = grey ? JXL_COLOR_SPACE_GRAY : JXL_COLOR_SPACE_RGB;
    encoding.white_point = JXL_WHITE_POINT_D65;
    encoding.primaries = JXL_PRIMARIES_SRGB;
    encoding.transfer_function = JXL_TRANSFER_FUNCTION_SRGB;
    encoding.rendering_intent = JXL_RENDERING_INTENT_PERCEPTUAL;
    return encoding;
}

bool isSrgb(const JxlColorEncoding& encoding)
{
    return encoding.white_point == JXL_WHITE_POINT_D65 && encoding.primaries == JXL_PRIMARIES_SRGB &&
           encoding.transfer_function == JXL_TRANSFER_FUNCTION_SRGB;
}

// The upright size: orientations 5 to 8 turn the picture a quarter.
std::pair<std::uint32_t, std::uint32_t> uprightSize(const JxlBasicInfo& info)
{
    return info.orientation > JXL_ORIENT_FLIP_VERTICAL ? std::pair{info.ysize, info.xsize}
                                                       : std::pair{info.xsize, info.ysize};
}

class FrameDecoder {
public:
    explicit FrameDecoder(ImageRecord& record) : m_record(record) {}
    Status run(ByteSpan data);

private:
    Status takeBasicInfo(JxlDecoder* decoder);
    Status takeColour(JxlDecoder* decoder);
    Status giveBuffer(JxlDecoder* decoder);
    Status finish();

    ImageRecord& m_record;
    JxlBasicInfo m_info{};
    JxlPixelFormat m_format{3, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    std::vector<std::uint8_t> m_pixels;
    std::vector<std::uint8_t> m_profile;
};

Status FrameDecoder::takeBasicInfo(JxlDecoder* decoder)
{
    if (JxlDecoderGetBasicInfo(decoder, &m_info) != JXL_DEC_SUCCESS)
        return Status::Corrupt;
    const auto [width, height] = uprightSize(m_info);
    if (width == 0 || height == 0)
        return Status::Corrupt;
    if (!pixelBytes(width, height, 24, 4, m_record.pixelLimit()))
        return Status::TooLarge;
    m_format.num_channels = m_info.alpha_bits > 0 ? 4 : 3;
    const Status status = m_record.setup24(static_cast<int>(width), static_cast<int>(height));
    return status == Status::InvalidArgument ? Status::Corrupt : status;
}

Status FrameDecoder::takeColour(JxlDecoder* decoder)
{
    const bool grey = m_info.num_color_channels == 1;
    // Pixels coded in libjxl's own colour space come out in the space asked
    // for, so the colour module has nothing left to do for them.
    if (!m_info.uses_original_profile) {
        const JxlColorEncoding wanted = srgb(grey);
        if (JxlDecoderSetPreferredColorProfile(decoder, &wanted) != JXL_DEC_SUCCESS)
            return Status::Corrupt;
    }
    JxlColorEncoding encoding{};
    if (JxlDecoderGetColorAsEncodedProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &encoding) ==
            JXL_DEC_SUCCESS &&
        isSrgb(encoding))
        return Status::Ok;
    std::size_t size = 0;
    // A grey profile does not describe the RGB rows the record gets.
    if (grey || JxlDecoderGetICCProfileSize(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &size) != JXL_DEC_SUCCESS)
        return Status::Ok;
    m_profile.resize(size);
    if (JxlDecoderGetColorAsICCProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, m_profile.data(), size) !=
        JXL_DEC_SUCCESS)
        m_profile.clear();
    return Status::Ok;
}

Status FrameDecoder::giveBuffer(JxlDecoder* decoder)
{
    std::size_t size = 0;
    if (JxlDecoderImageOutBufferSize(decoder, &m_format, &size) != JXL_DEC_SUCCESS)
        return Status::Corrupt;
    try {
        m_pixels.resize(size);
    } catch (const std::bad_alloc&) {
        return Status::TooLarge;
    }
    return JxlDecoderSetImageOutBuffer(decoder, &m_format, m_pixels.data(), size) == JXL_DEC_SUCCESS
               ? Status::Ok
               : Status::Corrupt;
}

Status FrameDecoder::finish()
{
    InterleavedPixels pixels;
    pixels.bytes = m_pixels;
    pixels.stride = static_cast<std::size_t>(m_record.width()) * m_format.num_channels;
    pixels.channels = m_format.num_channels == 4 ? Channels::Rgba : Channels::Rgb;
    pixels.alpha = m_info.alpha_premultiplied ? AlphaKind::Premultiplied : AlphaKind::Straight;
    if (storeInterleavedRows(pixels, m_record) != Status::Ok)
        return Status::Corrupt;
    convertToSrgb(m_profile, m_record);
    return Status::Ok;
}

Status FrameDecoder::run(ByteSpan data)
{
    const auto decoder = JxlDecoderMake(nullptr);
    const auto runner = JxlThreadParallelRunnerMake(nullptr, JxlThreadParallelRunnerDefaultNumWorkerThreads());
    if (!decoder || !runner ||
        JxlDecoderSetParallelRunner(decoder.get(), JxlThreadParallelRunner, runner.get()) != JXL_DEC_SUCCESS ||
        JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO | JXL_DEC_COLOR_ENCODING | JXL_DEC_FULL_IMAGE) !=
            JXL_DEC_SUCCESS ||
        JxlDecoderSetInput(decoder.get(), data.data(), data.size()) != JXL_DEC_SUCCESS)
        return Status::TooLarge;
    JxlDecoderCloseInput(decoder.get());
    for (;;) {
        Status status = Status::Ok;
        switch (JxlDecoderProcessInput(decoder.get())) {
        case JXL_DEC_BASIC_INFO: status = takeBasicInfo(decoder.get()); break;
        case JXL_DEC_COLOR_ENCODING: status = takeColour(decoder.get()); break;
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: status = giveBuffer(decoder.get()); break;
        case JXL_DEC_FULL_IMAGE: return m_pixels.empty() ? Status::Corrupt : finish(); // the first frame is enough
        case JXL_DEC_NEED_MORE_INPUT: return Status::Truncated;
        case JXL_DEC_SUCCESS:
        case JXL_DEC_ERROR:
        default: return Status::Corrupt;
        }
        if (status != Status::Ok)
            return status;
    }
}

} // namespace

Status readJxl(ByteSpan data, ImageRecord& record)
{
    return settleRead(record, FrameDecoder(record).run(data));
}

} // namespace pictra
