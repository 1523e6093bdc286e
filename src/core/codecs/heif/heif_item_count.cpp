// Walking ISO base media boxes far enough to read the item count.
#include "core/codecs/heif/heif_item_count.h"

#include <string_view>

namespace pictra {
namespace {

// The payload of the first box of type `type` among the boxes in `data`.
std::optional<ByteSpan> findBox(ByteSpan data, std::string_view type)
{
    ByteReader in(data);
    while (in.remaining() >= 8) {
        const std::size_t start = in.position();
        std::uint64_t size = in.u32be();
        const ByteSpan name = in.view(4);
        if (size == 1) {
            size = std::uint64_t{in.u32be()} << 32;
            size |= in.u32be();
        } else if (size == 0) {
            size = data.size() - start; // the box runs to the end of the data
        }
        const std::size_t header = in.position() - start;
        if (in.truncated() || size < header || size > data.size() - start)
            return std::nullopt;
        if (std::string_view(reinterpret_cast<const char*>(name.data()), name.size()) == type)
            return data.subspan(in.position(), static_cast<std::size_t>(size) - header);
        in.seek(start + static_cast<std::size_t>(size));
    }
    return std::nullopt;
}

} // namespace

std::optional<std::uint32_t> heifItemCount(ByteSpan data)
{
    const auto meta = findBox(data, "meta");
    // 'meta' and 'iinf' are full boxes: a version byte and three flag bytes lead.
    if (!meta || meta->size() < 4)
        return std::nullopt;
    const auto iinf = findBox(meta->subspan(4), "iinf");
    if (!iinf)
        return std::nullopt;
    ByteReader in(*iinf);
    const std::uint8_t version = in.u8();
    in.skip(3);
    const std::uint32_t count = version == 0 ? in.u16be() : in.u32be();
    return in.truncated() ? std::nullopt : std::optional<std::uint32_t>(count);
}

} // namespace pictra
