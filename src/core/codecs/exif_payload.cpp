// Exif payloads of HEIF items and JPEG XL boxes.
#include "core/codecs/exif_payload.h"

#include <algorithm>
#include <array>

namespace pictra {
namespace {

constexpr std::array<std::uint8_t, 6> kExifLead = {'E', 'x', 'i', 'f', 0, 0};

bool startsWith(ByteSpan data, std::span<const std::uint8_t> lead)
{
    return data.size() >= lead.size() && std::equal(lead.begin(), lead.end(), data.begin());
}

bool tiffHeader(ByteSpan data)
{
    constexpr std::array<std::uint8_t, 4> little = {'I', 'I', 42, 0};
    constexpr std::array<std::uint8_t, 4> big = {'M', 'M', 0, 42};
    return startsWith(data, little) || startsWith(data, big);
}

} // namespace

Result<std::vector<std::uint8_t>> exifAfterOffsetHeader(ByteSpan payload)
{
    ByteReader in(payload);
    const std::uint32_t offset = in.u32be();
    if (in.truncated() || offset > in.remaining())
        return Status::Corrupt;
    ByteSpan block = payload.subspan(4 + static_cast<std::size_t>(offset));
    if (startsWith(block, kExifLead))
        block = block.subspan(kExifLead.size());
    if (!tiffHeader(block))
        return Status::Corrupt;
    return std::vector<std::uint8_t>(block.begin(), block.end());
}

} // namespace pictra
