// The format table and the file-name rules built on it.
#include "core/image/image_format.h"

#include "core/util/paths.h"

#include <algorithm>
#include <array>

namespace pictra {
namespace {

using namespace std::string_view_literals;

constexpr std::array kBmpExt{"bmp"sv};
constexpr std::array kJpegExt{"jpg"sv, "jpeg"sv};
constexpr std::array kTiffExt{"tif"sv, "tiff"sv};
constexpr std::array kPsdExt{"psd"sv};
constexpr std::array kPcxExt{"pcx"sv};
constexpr std::array kPngExt{"png"sv};
constexpr std::array kGifExt{"gif"sv};
constexpr std::array kWebpExt{"webp"sv};
constexpr std::array kHeifExt{"heic"sv, "heif"sv};
constexpr std::array kAvifExt{"avif"sv};
constexpr std::array kJxlExt{"jxl"sv};

constexpr std::array kBmpMime{"image/bmp"sv, "image/x-bmp"sv};
constexpr std::array kJpegMime{"image/jpeg"sv};
constexpr std::array kTiffMime{"image/tiff"sv};
constexpr std::array kPsdMime{"image/vnd.adobe.photoshop"sv, "image/x-psd"sv};
constexpr std::array kPcxMime{"image/vnd.zbrush.pcx"sv, "image/x-pcx"sv};
constexpr std::array kPngMime{"image/png"sv};
constexpr std::array kGifMime{"image/gif"sv};
constexpr std::array kWebpMime{"image/webp"sv};
constexpr std::array kHeifMime{"image/heif"sv, "image/heic"sv};
constexpr std::array kAvifMime{"image/avif"sv};
constexpr std::array kJxlMime{"image/jxl"sv};

constexpr bool kReads = true;
constexpr bool kWrites = true;
constexpr bool kNoWrite = false;

const std::array kFormats{
    ImageFormatInfo{ImageFormat::Bmp, "BMP", kBmpExt, kBmpMime, kReads, kWrites},
    ImageFormatInfo{ImageFormat::Jpeg, "JPEG", kJpegExt, kJpegMime, kReads, kWrites},
    ImageFormatInfo{ImageFormat::Tiff, "TIFF", kTiffExt, kTiffMime, kReads, kWrites},
    ImageFormatInfo{ImageFormat::Psd, "PSD", kPsdExt, kPsdMime, kReads, kWrites},
    ImageFormatInfo{ImageFormat::Pcx, "PCX", kPcxExt, kPcxMime, kReads, kWrites},
    ImageFormatInfo{ImageFormat::Png, "PNG", kPngExt, kPngMime, kReads, kWrites},
    ImageFormatInfo{ImageFormat::Gif, "GIF", kGifExt, kGifMime, kReads, kNoWrite},
    ImageFormatInfo{ImageFormat::Webp, "WebP", kWebpExt, kWebpMime, kReads, kWrites},
    ImageFormatInfo{ImageFormat::Heif, "HEIF", kHeifExt, kHeifMime, kReads, kNoWrite},
    ImageFormatInfo{ImageFormat::Avif, "AVIF", kAvifExt, kAvifMime, kReads, kNoWrite},
    ImageFormatInfo{ImageFormat::Jxl, "JPEG XL", kJxlExt, kJxlMime, kReads, kNoWrite},
};

template <typename Pick>
std::vector<std::string_view> collect(Pick pick)
{
    std::vector<std::string_view> out;
    for (const ImageFormatInfo& info : kFormats)
        for (std::string_view item : pick(info))
            out.push_back(item);
    return out;
}

// The table row one of whose extensions is the path's, or nullptr.
const ImageFormatInfo* rowOfPath(std::string_view path)
{
    const ImageFormat format = formatOfExtension(extensionOf(path));
    return format == ImageFormat::Unknown ? nullptr : formatInfo(format);
}

} // namespace

std::span<const ImageFormatInfo> imageFormats() { return kFormats; }

const ImageFormatInfo* formatInfo(ImageFormat format)
{
    const auto it = std::find_if(kFormats.begin(), kFormats.end(),
                                 [format](const ImageFormatInfo& info) { return info.format == format; });
    return it == kFormats.end() ? nullptr : &*it;
}

std::vector<std::string_view> readableExtensions()
{
    return collect([](const ImageFormatInfo& info) {
        return info.readable ? info.extensions : std::span<const std::string_view>{};
    });
}

std::vector<std::string_view> writableExtensions()
{
    return collect([](const ImageFormatInfo& info) {
        return info.writable ? info.extensions : std::span<const std::string_view>{};
    });
}

std::vector<std::string_view> readableMimeTypes()
{
    return collect([](const ImageFormatInfo& info) {
        return info.readable ? info.mimeTypes : std::span<const std::string_view>{};
    });
}

ImageFormat formatOfExtension(std::string_view extension)
{
    for (const ImageFormatInfo& info : kFormats)
        for (std::string_view ext : info.extensions)
            if (equalsIgnoreCase(ext, extension))
                return info.format;
    return ImageFormat::Unknown;
}

ImageFormat loadFormatOf(std::string_view path)
{
    const ImageFormatInfo* row = rowOfPath(path);
    return row != nullptr && row->readable ? row->format : ImageFormat::Unknown;
}

ImageFormat saveFormatOf(std::string_view path)
{
    const ImageFormatInfo* row = rowOfPath(path);
    return row != nullptr && row->writable ? row->format : ImageFormat::Unknown;
}

} // namespace pictra
