// Format signatures at the start of a file.
#include "core/image/image_format_sniff.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace pictra {
namespace {

using namespace std::string_view_literals;

bool startsWith(ByteSpan data, std::size_t offset, std::string_view signature)
{
    return data.size() >= offset + signature.size() &&
           std::equal(signature.begin(), signature.end(), data.begin() + static_cast<std::ptrdiff_t>(offset),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

constexpr std::array kAvifBrands{"avif"sv, "avis"sv};
constexpr std::array kHeifBrands{"heic"sv, "heix"sv, "hevc"sv, "heim"sv, "heis"sv, "mif1"sv, "msf1"sv};

template <std::size_t N>
bool isOneOf(ByteSpan brand, const std::array<std::string_view, N>& brands)
{
    return std::any_of(brands.begin(), brands.end(), [brand](std::string_view b) { return startsWith(brand, 0, b); });
}

// An ISO-BMFF file opens with its "ftyp" box: size (32-bit big-endian),
// "ftyp", the major brand, a minor version, then compatible brands up to the
// box's end. Only the part of the box inside `head` is looked at.
ImageFormat sniffFtyp(ByteSpan head)
{
    if (!startsWith(head, 4, "ftyp"))
        return ImageFormat::Unknown;
    ByteReader in(head);
    const std::size_t boxEnd = std::min<std::size_t>(in.u32be(), head.size());
    bool avif = false;
    bool heif = false;
    const auto look = [&](std::size_t at) {
        const ByteSpan brand = head.subspan(at, 4);
        avif = avif || isOneOf(brand, kAvifBrands);
        heif = heif || isOneOf(brand, kHeifBrands);
    };
    if (head.size() >= 12)
        look(8); // the major brand
    for (std::size_t at = 16; at + 4 <= boxEnd; at += 4)
        look(at); // the compatible brands, after the minor version
    if (avif)
        return ImageFormat::Avif;
    return heif ? ImageFormat::Heif : ImageFormat::Unknown;
}

// PCX has no signature beyond its manufacturer byte; the version (0, 2..5)
// and encoding (0 or 1) that follow keep a stray text file from matching.
bool looksLikePcx(ByteSpan head)
{
    if (head.size() < 3 || head[0] != 0x0A)
        return false;
    const std::uint8_t version = head[1];
    return (version == 0 || (version >= 2 && version <= 5)) && head[2] <= 1;
}

} // namespace

ImageFormat sniffFormat(ByteSpan head)
{
    if (startsWith(head, 0, "\xFF\xD8\xFF"))
        return ImageFormat::Jpeg;
    if (startsWith(head, 0, "\x89PNG\r\n\x1A\n"))
        return ImageFormat::Png;
    if (startsWith(head, 0, "GIF87a") || startsWith(head, 0, "GIF89a"))
        return ImageFormat::Gif;
    if (startsWith(head, 0, "RIFF") && startsWith(head, 8, "WEBP"))
        return ImageFormat::Webp;
    if (const ImageFormat boxed = sniffFtyp(head); boxed != ImageFormat::Unknown)
        return boxed;
    if (startsWith(head, 0, "\xFF\x0A") || startsWith(head, 0, "\0\0\0\x0CJXL \r\n\x87\n"sv))
        return ImageFormat::Jxl;
    if (startsWith(head, 0, "BM"))
        return ImageFormat::Bmp;
    if (startsWith(head, 0, "II*\0"sv) || startsWith(head, 0, "MM\0*"sv))
        return ImageFormat::Tiff;
    if (startsWith(head, 0, "8BPS"))
        return ImageFormat::Psd;
    if (looksLikePcx(head))
        return ImageFormat::Pcx;
    return ImageFormat::Unknown;
}

} // namespace pictra
