// Assembling the chunks of a JPEG's embedded ICC profile.
#include "core/imaging_library/jpeg_icc_profile.h"

#include "core/imaging_library/jpeg_app_segments.h"

#include <algorithm>
#include <string_view>

namespace pictra {
namespace {

constexpr std::uint8_t kApp2 = 0xE2;
constexpr std::string_view kSignature("ICC_PROFILE\0", 12);
constexpr std::size_t kChunkHeader = kSignature.size() + 2; // signature, number, count

} // namespace

std::vector<std::uint8_t> assembleIccChunks(std::span<const ByteSpan> payloads)
{
    if (payloads.empty())
        return {};
    const std::size_t count = payloads.size();
    std::vector<ByteSpan> chunks(count);
    for (const ByteSpan& payload : payloads) {
        if (payload.size() < kChunkHeader)
            return {};
        const std::size_t number = payload[kSignature.size()];
        const std::size_t declared = payload[kSignature.size() + 1];
        if (declared != count || number == 0 || number > count || chunks[number - 1].data() != nullptr)
            return {};
        chunks[number - 1] = payload.subspan(kChunkHeader);
    }
    std::vector<std::uint8_t> profile;
    for (const ByteSpan& chunk : chunks)
        profile.insert(profile.end(), chunk.begin(), chunk.end());
    return profile;
}

std::vector<std::uint8_t> jpegIccProfile(ByteSpan jpeg)
{
    const std::vector<ByteSpan> payloads = appSegments(jpeg, kApp2, kSignature);
    return assembleIccChunks(payloads);
}

} // namespace pictra
