// Walking the segments before a JPEG file's first scan.
#include "core/imaging_library/jpeg_app_segments.h"

#include <algorithm>
#include <string_view>

namespace pictra {
namespace {

constexpr std::uint8_t kApp1 = 0xE1;
constexpr std::uint8_t kApp14 = 0xEE;

bool startsWith(ByteSpan payload, std::string_view signature)
{
    return payload.size() > signature.size() &&
           std::equal(signature.begin(), signature.end(), payload.begin(),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

// Calls `visit` with every segment's marker and payload up to the first
// scan; stops early when `visit` returns false or the segments break off.
// With `keepCutTail`, a segment that runs past the data is visited with the
// bytes that are there, and the walk ends after it.
template <typename Visit>
void walkSegments(ByteSpan jpeg, Visit visit, bool keepCutTail = false)
{
    ByteReader in(jpeg);
    if (in.u16be() != 0xFFD8)
        return;
    while (in.remaining() >= 4) {
        if (in.u8() != 0xFF)
            return;
        std::uint8_t marker = in.u8();
        while (marker == 0xFF && in.remaining() > 0) // fill bytes before a marker
            marker = in.u8();
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (marker == 0xDA || marker == 0xD9)
            return;
        const std::uint16_t length = in.u16be();
        if (length < 2)
            return;
        const std::size_t wanted = length - 2u;
        const bool cut = wanted > in.remaining();
        if (cut && !keepCutTail)
            return;
        const ByteSpan payload = in.view(cut ? in.remaining() : wanted);
        if (!visit(marker, payload) || cut)
            return;
    }
}

// The payload of the first segment with this marker whose payload starts
// with `signature`.
std::optional<ByteSpan> findSegment(ByteSpan jpeg, std::uint8_t wanted, std::string_view signature)
{
    std::optional<ByteSpan> found;
    walkSegments(jpeg, [&](std::uint8_t marker, ByteSpan payload) {
        if (marker == wanted && startsWith(payload, signature))
            found = payload;
        return !found;
    });
    return found;
}

} // namespace

bool looksLikeJpeg(ByteSpan jpeg) { return jpeg.size() >= 2 && jpeg[0] == 0xFF && jpeg[1] == 0xD8; }

std::optional<ByteSpan> exifSegment(ByteSpan jpeg)
{
    return findSegment(jpeg, kApp1, std::string_view("Exif\0\0", 6));
}

ByteSpan jpegExifBlock(ByteSpan jpeg)
{
    constexpr std::string_view kExifName("Exif\0\0", 6);
    ByteSpan block;
    walkSegments(
        jpeg,
        [&](std::uint8_t marker, ByteSpan payload) {
            if (marker == kApp1 && startsWith(payload, kExifName))
                block = payload.subspan(kExifName.size());
            return block.empty();
        },
        true);
    return block;
}

std::vector<ByteSpan> appSegments(ByteSpan jpeg, std::uint8_t marker, std::string_view signature)
{
    std::vector<ByteSpan> found;
    walkSegments(jpeg, [&](std::uint8_t code, ByteSpan payload) {
        if (code == marker && startsWith(payload, signature))
            found.push_back(payload);
        return true;
    });
    return found;
}

std::optional<int> adobeTransform(ByteSpan jpeg)
{
    // "Adobe", version (2), flags0 (2), flags1 (2), transform (1).
    const std::optional<ByteSpan> payload = findSegment(jpeg, kApp14, "Adobe");
    if (!payload || payload->size() < 12)
        return std::nullopt;
    return (*payload)[11];
}

} // namespace pictra
