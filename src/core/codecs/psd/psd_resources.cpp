// Walking a PSD file's image resource blocks.
#include "core/codecs/psd/psd_resources.h"

namespace pictra {
namespace {

constexpr std::uint32_t kBlockSignature = 0x3842494D; // "8BIM"

std::size_t even(std::size_t n) { return n + (n & 1); }

} // namespace

ByteSpan psdResource(ByteSpan resources, std::uint16_t id)
{
    ByteReader in(resources);
    while (in.remaining() > 0) {
        if (in.u32be() != kBlockSignature)
            return {};
        const std::uint16_t blockId = in.u16be();
        in.skip(even(std::size_t{in.u8()} + 1) - 1); // the name after its length byte
        const std::uint32_t size = in.u32be();
        if (in.truncated() || size > in.remaining())
            return {};
        const ByteSpan data = in.view(size);
        if (blockId == id)
            return data;
        in.skip(even(size) - size);
    }
    return {};
}

} // namespace pictra
