// WebP writing with libwebp's one-call encoders, from packed RGB rows.
#include "core/codecs/webp/webp_file.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/record_rows.h"

#include <webp/encode.h>

#include <algorithm>
#include <memory>
#include <new>

namespace pictra {
namespace {

constexpr int kMaxWebpSide = WEBP_MAX_DIMENSION;

struct WebpFree {
    void operator()(std::uint8_t* data) const { WebPFree(data); }
};

} // namespace

Result<std::vector<std::uint8_t>> writeWebpBytes(const ImageRecord& record, const WebpSaveOptions& options)
{
    if (const Status status = checkWritableRecord(record); status != Status::Ok)
        return status;
    if (record.width() > kMaxWebpSide || record.height() > kMaxWebpSide)
        return Status::TooLarge;
    const std::size_t stride = std::size_t(record.width()) * 3;
    std::vector<std::uint8_t> rgb;
    try {
        rgb.resize(stride * std::size_t(record.height()));
    } catch (const std::bad_alloc&) {
        return Status::TooLarge;
    }
    for (int y = 0; y < record.height(); ++y)
        rgbRowFromTop(record, y, std::span(rgb).subspan(stride * std::size_t(y), stride));
    std::uint8_t* encoded = nullptr;
    const int w = record.width();
    const int h = record.height();
    const auto rowBytes = static_cast<int>(stride);
    const std::size_t size =
        options.compression == WebpCompression::Lossless
            ? WebPEncodeLosslessRGB(rgb.data(), w, h, rowBytes, &encoded)
            : WebPEncodeRGB(rgb.data(), w, h, rowBytes, static_cast<float>(std::clamp(options.quality, 1, 100)),
                            &encoded);
    const std::unique_ptr<std::uint8_t, WebpFree> owned(encoded);
    if (size == 0 || !owned)
        return Status::TooLarge; // libwebp fails only when it cannot get memory
    try {
        return std::vector<std::uint8_t>(owned.get(), owned.get() + size);
    } catch (const std::bad_alloc&) {
        return Status::TooLarge;
    }
}

Status writeWebp(const std::string& path, const ImageRecord& record, const WebpSaveOptions& options)
{
    return writeImageFile(path, writeWebpBytes(record, options));
}

} // namespace pictra
