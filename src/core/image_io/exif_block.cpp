// Finding the Exif block in JPEG, PNG and WebP files.
#include "core/image_io/exif_block.h"

#include "core/codecs/image_file_access.h"
#include "core/image/image_format_sniff.h"
#include "core/imaging_library/jpeg_app_segments.h"
#include "core/util/file_io.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace pictra {
namespace {

using namespace std::string_view_literals;

bool startsWith(ByteSpan data, std::string_view prefix)
{
    return data.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), data.begin(),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

constexpr std::string_view kExifPrefix = "Exif\0\0"sv;
constexpr std::size_t kPngSignatureBytes = 8;
constexpr std::size_t kRiffHeaderBytes = 12; // "RIFF", size, "WEBP"

// The chunk payload in a PNG, or nullopt. Chunks: length (32-bit big-endian),
// type, data, CRC; the walk stops at IEND or where a length runs past the file.
std::optional<ByteSpan> pngChunk(ByteSpan png, std::string_view type)
{
    ByteReader in(png);
    in.skip(kPngSignatureBytes);
    while (!in.truncated() && in.remaining() >= 12) {
        const std::uint32_t length = in.u32be();
        const ByteSpan name = in.view(4);
        const ByteSpan data = in.view(length);
        in.skip(4); // CRC
        if (in.truncated())
            return std::nullopt;
        if (startsWith(name, type))
            return data;
        if (startsWith(name, "IEND"))
            return std::nullopt;
    }
    return std::nullopt;
}

// The chunk payload in a WebP RIFF file, or nullopt. Chunks: FourCC, size
// (32-bit little-endian), data padded to an even length.
std::optional<ByteSpan> webpChunk(ByteSpan webp, std::string_view fourCc)
{
    ByteReader in(webp);
    in.skip(4);
    const std::size_t riffEnd = std::min<std::size_t>(webp.size(), std::size_t{in.u32()} + 8);
    std::size_t at = kRiffHeaderBytes;
    while (at + 8 <= riffEnd) {
        ByteReader chunk(webp.subspan(at, riffEnd - at));
        const ByteSpan name = chunk.view(4);
        const std::size_t size = chunk.u32();
        const ByteSpan data = chunk.view(size);
        if (chunk.truncated())
            return std::nullopt;
        if (startsWith(name, fourCc))
            return data;
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

Result<std::vector<std::uint8_t>> tiffBlock(std::optional<ByteSpan> found)
{
    if (!found)
        return Status::NotFound;
    ByteSpan block = *found;
    if (startsWith(block, kExifPrefix))
        block = block.subspan(kExifPrefix.size());
    if (!startsWith(block, "II*\0"sv) && !startsWith(block, "MM\0*"sv))
        return Status::Corrupt;
    return std::vector<std::uint8_t>(block.begin(), block.end());
}

} // namespace

Result<std::vector<std::uint8_t>> exifBlockOf(ByteSpan file)
{
    switch (sniffFormat(file.first(std::min(file.size(), kSniffBytes)))) {
    case ImageFormat::Jpeg: return tiffBlock(exifSegment(file));
    case ImageFormat::Png: return tiffBlock(pngChunk(file, "eXIf"));
    case ImageFormat::Webp: return tiffBlock(webpChunk(file, "EXIF"));
    // The HEIF/AVIF and JPEG XL Exif go here.
    case ImageFormat::Heif:
    case ImageFormat::Avif:
    case ImageFormat::Jxl: return Status::Unsupported;
    case ImageFormat::Bmp:
    case ImageFormat::Tiff:
    case ImageFormat::Psd:
    case ImageFormat::Pcx:
    case ImageFormat::Gif:
    case ImageFormat::Unknown: break;
    }
    return Status::NotFound;
}

Result<std::vector<std::uint8_t>> readExifBlock(const std::string& path)
{
    const auto bytes = readFile(path, kMaxImageFileBytes);
    if (!bytes)
        return bytes.status();
    return exifBlockOf(*bytes);
}

} // namespace pictra
