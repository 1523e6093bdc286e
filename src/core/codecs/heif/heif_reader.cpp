// HEIF and AVIF primary images into 24-bit records.
#include "core/codecs/heif/heif_boxes.h"
#include "core/codecs/heif/heif_colour.h"
#include "core/codecs/heif/heif_file.h"
#include "core/codecs/heif/heif_handle.h"
#include "core/codecs/image_file_access.h"
#include "core/codecs/interleaved_rows.h"
#include "core/colour/embedded_profile.h"
#include "core/util/pixel_bytes.h"

#include <array>
#include <string_view>

namespace pictra {
namespace {

struct DecodingOptionsFree {
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};

// The coded picture (before its crop), the shown one and a grid's or
// overlay's canvas must all fit: libheif decodes the whole coded picture
// first, onto a canvas sized by the grid's header rather than by either.
Status checkSize(ByteSpan data, const heif_image_handle* handle, const ImageRecord& record)
{
    const int width = heif_image_handle_get_width(handle);
    const int height = heif_image_handle_get_height(handle);
    if (width <= 0 || height <= 0)
        return Status::Corrupt;
    const int codedWidth = heif_image_handle_get_ispe_width(handle);
    const int codedHeight = heif_image_handle_get_ispe_height(handle);
    if (!pixelBytes(width, height, 24, 4, record.pixelLimit()) ||
        !pixelBytes(codedWidth, codedHeight, 24, 4, record.pixelLimit()))
        return Status::TooLarge;
    if (const auto canvas = heifDerivedCanvas(data);
        canvas && canvas->width > 0 && canvas->height > 0 &&
        !pixelBytes(canvas->width, canvas->height, 24, 4, record.pixelLimit()))
        return Status::TooLarge;
    return Status::Ok;
}

// aom, when libheif has it: its dav1d glue loses a buffer on every damaged
// AV1 stream, aom's does not. libheif gives a named decoder only the items of
// the codec it decodes, so the choice follows the primary item's codec (each
// tile's, for a grid) whatever brand the file shows, and HEVC keeps its own.
const char* av1DecoderId()
{
    static const char* const id = []() -> const char* {
        std::array<const heif_decoder_descriptor*, 8> decoders{};
        const int count = heif_get_decoder_descriptors(heif_compression_AV1, decoders.data(),
                                                       static_cast<int>(decoders.size()));
        for (int i = 0; i < count; ++i) {
            const char* name = heif_decoder_descriptor_get_id_name(decoders[static_cast<std::size_t>(i)]);
            if (name && std::string_view(name) == "aom")
                return name;
        }
        return nullptr;
    }();
    return id;
}

Result<HeifImage> decodeUpright(const heif_image_handle* handle, bool alpha)
{
    const std::unique_ptr<heif_decoding_options, DecodingOptionsFree> options(heif_decoding_options_alloc());
    if (!options)
        return Status::TooLarge;
    options->ignore_transformations = 0; // rotation, mirroring and crop make the picture upright
    options->convert_hdr_to_8bit = 1;
    options->decoder_id = av1DecoderId();
    heif_image* image = nullptr;
    const Status status = heifStatus(heif_decode_image(
        handle, &image, heif_colorspace_RGB, alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB,
        options.get()));
    HeifImage owned(image);
    if (status != Status::Ok)
        return status;
    if (!owned)
        return Status::Corrupt;
    return owned;
}

Status decode(ByteSpan data, ImageRecord& record)
{
    auto handle = openPrimaryImage(data);
    if (!handle)
        return handle.status();
    if (const Status status = checkSize(data, handle->get(), record); status != Status::Ok)
        return status;
    const bool alpha = heif_image_handle_has_alpha_channel(handle->get()) != 0;
    const auto image = decodeUpright(handle->get(), alpha);
    if (!image)
        return image.status();
    const int width = heif_image_get_width(image->get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image->get(), heif_channel_interleaved);
    if (heif_image_get_bits_per_pixel_range(image->get(), heif_channel_interleaved) != 8)
        return Status::Unsupported;
    if (const Status status = record.setup24(width, height); status != Status::Ok)
        return status == Status::InvalidArgument ? Status::Corrupt : status;
    int stride = 0;
    const std::uint8_t* plane = heif_image_get_plane_readonly(image->get(), heif_channel_interleaved, &stride);
    if (!plane || stride <= 0)
        return Status::Corrupt;
    InterleavedPixels pixels;
    pixels.stride = static_cast<std::size_t>(stride);
    pixels.bytes = ByteSpan(plane, pixels.stride * static_cast<std::size_t>(height));
    pixels.channels = alpha ? Channels::Rgba : Channels::Rgb;
    pixels.alpha = heif_image_handle_is_premultiplied_alpha(handle->get()) ? AlphaKind::Premultiplied
                                                                            : AlphaKind::Straight;
    if (const Status status = storeInterleavedRows(pixels, record); status != Status::Ok)
        return Status::Corrupt;
    convertToSrgb(heifProfile(handle->get(), image->get()), record);
    return Status::Ok;
}

} // namespace

Status readHeif(ByteSpan data, ImageRecord& record)
{
    return settleRead(record, decode(data, record));
}

} // namespace pictra
