// WebP reading: still pictures decode straight into the record's bottom-up
// rows (libwebp flips and, for the store copy, scales them); pictures with
// alpha and animations decode to premultiplied BGRA first and go over white.
#include "core/codecs/webp/webp_file.h"

#include "core/codecs/alpha_on_white.h"
#include "core/codecs/image_file_access.h"
#include "core/codecs/record_rows.h"
#include "core/colour/embedded_profile.h"
#include "core/image/area_resample.h"

#include <webp/decode.h>
#include <webp/demux.h>

#include <memory>
#include <new>
#include <optional>
#include <vector>

namespace pictra {
namespace {

constexpr int kBgraBytes = 4;

Status statusOf(VP8StatusCode code)
{
    switch (code) {
    case VP8_STATUS_OK: return Status::Ok;
    case VP8_STATUS_NOT_ENOUGH_DATA: return Status::Truncated;
    case VP8_STATUS_OUT_OF_MEMORY: return Status::TooLarge;
    case VP8_STATUS_UNSUPPORTED_FEATURE: return Status::Unsupported;
    default: return Status::Corrupt;
    }
}

struct DemuxDeleter {
    void operator()(WebPDemuxer* demux) const { WebPDemuxDelete(demux); }
};
struct AnimDecoderDeleter {
    void operator()(WebPAnimDecoder* decoder) const { WebPAnimDecoderDelete(decoder); }
};
struct DecBufferFree {
    void operator()(WebPDecBuffer* buffer) const { WebPFreeDecBuffer(buffer); }
};

// The ICC profile chunk of an extended-format file, empty when none.
std::vector<std::uint8_t> iccProfile(const WebPData& data)
{
    const std::unique_ptr<WebPDemuxer, DemuxDeleter> demux(WebPDemux(&data));
    if (!demux || (WebPDemuxGetI(demux.get(), WEBP_FF_FORMAT_FLAGS) & ICCP_FLAG) == 0)
        return {};
    WebPChunkIterator chunk{};
    std::vector<std::uint8_t> profile;
    if (WebPDemuxGetChunk(demux.get(), "ICCP", 1, &chunk) != 0)
        profile.assign(chunk.chunk.bytes, chunk.chunk.bytes + chunk.chunk.size);
    WebPDemuxReleaseChunkIterator(&chunk);
    return profile;
}

// Premultiplied blue-green-red-alpha rows, top first, over white into the record.
void bgraOnWhite(const std::uint8_t* bgra, std::size_t stride, ImageRecord& record)
{
    const auto width = static_cast<std::size_t>(record.width());
    for (int y = 0; y < record.height(); ++y, bgra += stride) {
        std::uint8_t* dst = rowFromTop(record, y);
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t* px = bgra + kBgraBytes * x;
            for (int c = 0; c < 3; ++c)
                dst[3 * x + static_cast<std::size_t>(c)] = onWhite(px[c], px[3], AlphaKind::Premultiplied);
        }
    }
}

// The canvas of an animation, from its container.
Result<PictureSize> canvasSize(const WebPData& data)
{
    const std::unique_ptr<WebPDemuxer, DemuxDeleter> demux(WebPDemux(&data));
    if (!demux)
        return Status::Corrupt;
    return PictureSize{static_cast<int>(WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_WIDTH)),
                       static_cast<int>(WebPDemuxGetI(demux.get(), WEBP_FF_CANVAS_HEIGHT))};
}

// The first frame of an animation, drawn on its canvas, at the canvas size.
// The record is set up first: libwebp allocates two canvases of four bytes a
// pixel, so a canvas over the buffer cap is refused before it asks for them.
Status decodeFirstFrame(const WebPData& data, ImageRecord& record)
{
    const Result<PictureSize> canvas = canvasSize(data);
    if (!canvas)
        return canvas.status();
    if (const Status status = record.setup24(canvas->width, canvas->height); status != Status::Ok)
        return status;
    WebPAnimDecoderOptions options;
    if (WebPAnimDecoderOptionsInit(&options) == 0)
        return Status::Corrupt;
    options.color_mode = MODE_bgrA;
    options.use_threads = 0;
    const std::unique_ptr<WebPAnimDecoder, AnimDecoderDeleter> decoder(WebPAnimDecoderNew(&data, &options));
    WebPAnimInfo info{};
    if (!decoder || WebPAnimDecoderGetInfo(decoder.get(), &info) == 0 ||
        !(PictureSize{static_cast<int>(info.canvas_width), static_cast<int>(info.canvas_height)} == *canvas))
        return Status::Corrupt;
    std::uint8_t* frame = nullptr;
    int timestamp = 0;
    if (WebPAnimDecoderGetNext(decoder.get(), &frame, &timestamp) == 0)
        return Status::Corrupt;
    bgraOnWhite(frame, std::size_t{info.canvas_width} * kBgraBytes, record);
    return Status::Ok;
}

// A still picture at `size`: opaque ones straight into the record's rows,
// those with alpha through a BGRA buffer of that size.
Status decodeStill(const WebPData& data, const WebPBitstreamFeatures& features, ImageRecord& record,
                   PictureSize size)
{
    if (const Status status = record.setup24(size.width, size.height); status != Status::Ok)
        return status;
    WebPDecoderConfig config;
    if (WebPInitDecoderConfig(&config) == 0)
        return Status::Corrupt;
    config.options.use_threads = 0;
    if (size.width != features.width || size.height != features.height) {
        config.options.use_scaling = 1;
        config.options.scaled_width = size.width;
        config.options.scaled_height = size.height;
    }
    const std::unique_ptr<WebPDecBuffer, DecBufferFree> output(&config.output);
    output->is_external_memory = 1;
    std::vector<std::uint8_t> bgra;
    if (features.has_alpha != 0) {
        try {
            bgra.resize(std::size_t(size.width) * kBgraBytes * std::size_t(size.height));
        } catch (const std::bad_alloc&) {
            return Status::TooLarge;
        }
        output->colorspace = MODE_bgrA;
        output->u.RGBA = {bgra.data(), size.width * kBgraBytes, bgra.size()};
    } else {
        config.options.flip = 1; // bottom row first, as the record keeps them
        output->colorspace = MODE_BGR;
        output->u.RGBA = {record.pixels.data(), static_cast<int>(record.stride()), record.imageBytes()};
    }
    const Status status = statusOf(WebPDecode(data.bytes, data.size, &config));
    if (status != Status::Ok)
        return status;
    if (features.has_alpha != 0)
        bgraOnWhite(bgra.data(), std::size_t(size.width) * kBgraBytes, record);
    return Status::Ok;
}

Status decode(ByteSpan bytes, ImageRecord& record, std::optional<PictureSize> size)
{
    WebPBitstreamFeatures features;
    if (const Status status = statusOf(WebPGetFeatures(bytes.data(), bytes.size(), &features)); status != Status::Ok)
        return status;
    const WebPData data{bytes.data(), bytes.size()};
    const PictureSize full{features.width, features.height};
    const PictureSize wanted = size.value_or(full);
    if (wanted.width < 1 || wanted.height < 1 || wanted.width > full.width || wanted.height > full.height)
        return Status::InvalidArgument;
    Status status = Status::Ok;
    if (features.has_animation != 0) {
        status = decodeFirstFrame(data, record);
        if (status == Status::Ok && !(wanted == PictureSize{record.width(), record.height()}) &&
            !shrinkByArea(record, wanted.width, wanted.height))
            status = Status::InvalidArgument;
    } else {
        status = decodeStill(data, features, record, wanted);
    }
    if (status == Status::Ok)
        if (const std::vector<std::uint8_t> profile = iccProfile(data); !profile.empty())
            convertToSrgb(profile, record);
    return status;
}

} // namespace

Result<PictureSize> webpPictureSize(ByteSpan data)
{
    WebPBitstreamFeatures features;
    if (const Status status = statusOf(WebPGetFeatures(data.data(), data.size(), &features)); status != Status::Ok)
        return status;
    if (features.has_animation == 0)
        return PictureSize{features.width, features.height};
    return canvasSize(WebPData{data.data(), data.size()});
}

Status readWebpBytes(ByteSpan data, ImageRecord& record) { return settleRead(record, decode(data, record, {})); }

Status readWebpBytesAtSize(ByteSpan data, ImageRecord& record, PictureSize size)
{
    return settleRead(record, decode(data, record, size));
}

Status readWebp(const std::string& path, ImageRecord& record)
{
    return readImageFile(path, record, readWebpBytes);
}

} // namespace pictra
