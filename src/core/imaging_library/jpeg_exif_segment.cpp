// IFD0 lookup in the Exif segment, bounds-checked on every step.
//
//   FFD8 [FFE1 len "Exif\0\0" TIFF header (II/MM, 42, IFD0 offset) IFD0 ...] ... FFDA
#include "core/imaging_library/jpeg_exif_segment.h"

#include "core/imaging_library/jpeg_app_segments.h"

#include <cstring>

namespace pictra {
namespace {

constexpr std::size_t kExifHeaderBytes = 6; // "Exif\0\0"
constexpr std::uint16_t kOrientationTag = 0x0112;

// The byte offset (in the segment) of IFD0's orientation value.
std::optional<std::size_t> orientationOffset(ByteSpan segment)
{
    const std::size_t tiff = 4 + kExifHeaderBytes;
    if (segment.size() < tiff + 8 || std::memcmp(segment.data() + 4, "Exif\0\0", kExifHeaderBytes) != 0)
        return std::nullopt;
    const bool little = segment[tiff] == 'I' && segment[tiff + 1] == 'I';
    const bool big = segment[tiff] == 'M' && segment[tiff + 1] == 'M';
    if (!little && !big)
        return std::nullopt;
    const auto u16 = [&](std::size_t at) -> std::uint32_t {
        return little ? segment[at] | segment[at + 1] << 8 : segment[at] << 8 | segment[at + 1];
    };
    const auto u32 = [&](std::size_t at) -> std::uint32_t {
        return little ? u16(at) | u16(at + 2) << 16 : u16(at) << 16 | u16(at + 2);
    };
    const std::size_t ifd = tiff + u32(tiff + 4);
    if (ifd < tiff || ifd + 2 > segment.size())
        return std::nullopt;
    const std::size_t count = u16(ifd);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = ifd + 2 + 12 * i;
        if (entry + 12 > segment.size())
            return std::nullopt;
        if (u16(entry) == kOrientationTag && u16(entry + 2) == 3 /* SHORT */)
            return entry + 8;
    }
    return std::nullopt;
}

bool littleEndian(ByteSpan segment) { return segment[10] == 'I'; }

} // namespace

std::optional<SegmentSpan> findExifSegment(ByteSpan jpeg)
{
    // The payload follows the marker and the length field.
    const std::optional<ByteSpan> payload = exifSegment(jpeg);
    if (!payload)
        return std::nullopt;
    const auto offset = static_cast<std::size_t>(payload->data() - jpeg.data()) - 4;
    return SegmentSpan{offset, payload->size() + 4};
}

std::optional<int> exifOrientation(ByteSpan segment)
{
    const std::optional<std::size_t> at = orientationOffset(segment);
    if (!at)
        return std::nullopt;
    return littleEndian(segment) ? segment[*at] | segment[*at + 1] << 8 : segment[*at] << 8 | segment[*at + 1];
}

std::optional<int> exifBlockOrientation(ByteSpan tiff)
{
    // Wrapped as the APP1 segment the lookup reads (its length field is not looked at).
    std::vector<std::uint8_t> segment = {0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
    segment.insert(segment.end(), tiff.begin(), tiff.end());
    return exifOrientation(segment);
}

int jpegOrientation(ByteSpan jpeg)
{
    const std::optional<SegmentSpan> exif = findExifSegment(jpeg);
    if (!exif)
        return 1;
    const std::optional<int> value = exifOrientation(jpeg.subspan(exif->offset, exif->size));
    return value && *value >= 1 && *value <= 8 ? *value : 1;
}

bool setExifOrientation(MutableByteSpan segment, int value)
{
    const std::optional<std::size_t> at = orientationOffset(segment);
    if (!at)
        return false;
    const auto v = static_cast<std::uint16_t>(value);
    segment[*at] = static_cast<std::uint8_t>(littleEndian(segment) ? v & 0xFF : v >> 8);
    segment[*at + 1] = static_cast<std::uint8_t>(littleEndian(segment) ? v >> 8 : v & 0xFF);
    return true;
}

std::optional<std::vector<std::uint8_t>> withExifSegment(ByteSpan jpeg, ByteSpan segment)
{
    if (jpeg.size() < 2 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return std::nullopt;
    std::vector<std::uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
    out.insert(out.end(), segment.begin(), segment.end());
    const std::optional<SegmentSpan> own = findExifSegment(jpeg);
    if (own) {
        out.insert(out.end(), jpeg.begin() + 2, jpeg.begin() + static_cast<std::ptrdiff_t>(own->offset));
        out.insert(out.end(), jpeg.begin() + static_cast<std::ptrdiff_t>(own->offset + own->size), jpeg.end());
    } else {
        out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    }
    return out;
}

} // namespace pictra
