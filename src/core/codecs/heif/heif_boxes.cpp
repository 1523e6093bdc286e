// Walking ISO base media boxes far enough for the checks made before libheif
// parses a file. Anything unexpected ends the walk: libheif judges the file.
#include "core/codecs/heif/heif_boxes.h"

#include <climits>
#include <initializer_list>
#include <string_view>

namespace pictra {
namespace {

struct Box {
    std::string_view type;
    ByteSpan payload;
};

// The box starting at `at` in `data`, with `at` moved past it; nullopt at the
// end of the data or at a header that does not fit it.
std::optional<Box> nextBox(ByteSpan data, std::size_t& at)
{
    if (at >= data.size())
        return std::nullopt;
    ByteReader in(data.subspan(at));
    std::uint64_t size = in.u32be();
    const ByteSpan name = in.view(4);
    if (size == 1) {
        size = std::uint64_t{in.u32be()} << 32;
        size |= in.u32be();
    } else if (size == 0) {
        size = in.size(); // the box runs to the end of the data
    }
    const std::size_t header = in.position();
    if (in.truncated() || size < header || size > in.size())
        return std::nullopt;
    const Box box{std::string_view(reinterpret_cast<const char*>(name.data()), name.size()),
                  data.subspan(at + header, static_cast<std::size_t>(size) - header)};
    at += static_cast<std::size_t>(size);
    return box;
}

// The payload of the first box of type `type` among the boxes in `data`.
std::optional<ByteSpan> findBox(ByteSpan data, std::string_view type)
{
    std::size_t at = 0;
    while (const auto box = nextBox(data, at))
        if (box->type == type)
            return box->payload;
    return std::nullopt;
}

// The boxes inside the top-level 'meta' box, after its version and flags.
std::optional<ByteSpan> metaBody(ByteSpan data)
{
    const auto meta = findBox(data, "meta");
    if (!meta || meta->size() < 4)
        return std::nullopt;
    return meta->subspan(4);
}

// A big-endian number of 0, 4 or 8 bytes, as the location box sizes them.
std::uint64_t sizedField(ByteReader& in, unsigned bytes)
{
    if (bytes == 4)
        return in.u32be();
    if (bytes == 8) {
        const std::uint64_t high = in.u32be();
        return high << 32 | in.u32be();
    }
    return 0;
}

// The first field of a full box that is 16 bits wide in version 0 and 32
// bits in later versions (the primary item's number, the item count).
std::optional<std::uint32_t> firstNumber(ByteSpan fullBox)
{
    ByteReader in(fullBox);
    const std::uint8_t version = in.u8();
    in.skip(3); // flags
    const std::uint32_t number = version == 0 ? in.u16be() : in.u32be();
    return in.truncated() ? std::nullopt : std::optional<std::uint32_t>(number);
}

// The four-letter type of item `id`, from its 'infe' entry (versions 2 and 3
// carry one).
std::optional<std::string_view> itemType(ByteSpan meta, std::uint32_t id)
{
    const auto iinf = findBox(meta, "iinf");
    if (!iinf || iinf->empty())
        return std::nullopt;
    std::size_t at = (*iinf)[0] == 0 ? 6 : 8; // version, flags and the entry count
    while (const auto box = nextBox(*iinf, at)) {
        if (box->type != "infe")
            continue;
        ByteReader in(box->payload);
        const std::uint8_t version = in.u8();
        in.skip(3);
        if (version < 2)
            continue;
        const std::uint32_t entryId = version == 2 ? in.u16be() : in.u32be();
        in.skip(2); // protection index
        const ByteSpan type = in.view(4);
        if (!in.truncated() && entryId == id)
            return std::string_view(reinterpret_cast<const char*>(type.data()), type.size());
    }
    return std::nullopt;
}

// The bytes of item `id` that its first extent locates, in the file or in
// the 'idat' box.
std::optional<ByteSpan> itemData(ByteSpan file, ByteSpan meta, std::uint32_t id)
{
    const auto iloc = findBox(meta, "iloc");
    if (!iloc)
        return std::nullopt;
    ByteReader in(*iloc);
    const std::uint8_t version = in.u8();
    in.skip(3);
    const std::uint8_t sizes = in.u8();
    const std::uint8_t moreSizes = in.u8();
    const unsigned offsetSize = sizes >> 4, lengthSize = sizes & 15u, baseSize = moreSizes >> 4;
    const unsigned indexSize = version == 1 || version == 2 ? moreSizes & 15u : 0;
    for (const unsigned s : {offsetSize, lengthSize, baseSize, indexSize})
        if (s != 0 && s != 4 && s != 8)
            return std::nullopt;
    const std::uint32_t items = version < 2 ? in.u16be() : in.u32be();
    for (std::uint32_t i = 0; i < items && !in.truncated(); ++i) {
        const std::uint32_t itemId = version < 2 ? in.u16be() : in.u32be();
        const unsigned construction = version == 1 || version == 2 ? in.u16be() & 15u : 0;
        in.skip(2); // data reference index
        const std::uint64_t base = sizedField(in, baseSize);
        const std::uint16_t extents = in.u16be();
        std::uint64_t offset = 0, length = 0;
        for (std::uint16_t e = 0; e < extents && !in.truncated(); ++e) {
            in.skip(indexSize);
            const std::uint64_t extentOffset = sizedField(in, offsetSize);
            const std::uint64_t extentLength = sizedField(in, lengthSize);
            if (e == 0) {
                offset = extentOffset;
                length = extentLength;
            }
        }
        if (in.truncated() || itemId != id || extents == 0)
            continue;
        std::optional<ByteSpan> source;
        if (construction == 0)
            source = file;
        else if (construction == 1)
            source = findBox(meta, "idat");
        if (!source || base > source->size() || offset > source->size() - base)
            return std::nullopt;
        const ByteSpan from = source->subspan(static_cast<std::size_t>(base + offset));
        // Length 0 means the rest of the source.
        return length == 0 || length > from.size() ? from : from.first(static_cast<std::size_t>(length));
    }
    return std::nullopt;
}

int saturatedInt(std::uint32_t value) { return value > INT_MAX ? INT_MAX : static_cast<int>(value); }

} // namespace

std::optional<std::uint32_t> heifItemCount(ByteSpan data)
{
    const auto meta = metaBody(data);
    const auto iinf = meta ? findBox(*meta, "iinf") : std::nullopt;
    return iinf ? firstNumber(*iinf) : std::nullopt;
}

std::optional<PictureSize> heifDerivedCanvas(ByteSpan data)
{
    const auto meta = metaBody(data);
    const auto pitm = meta ? findBox(*meta, "pitm") : std::nullopt;
    const auto primary = pitm ? firstNumber(*pitm) : std::nullopt;
    const auto type = primary ? itemType(*meta, *primary) : std::nullopt;
    if (!type || (*type != "grid" && *type != "iovl"))
        return std::nullopt;
    const auto header = itemData(data, *meta, *primary);
    if (!header)
        return std::nullopt;
    ByteReader in(*header);
    in.skip(1); // version
    const bool wide = (in.u8() & 1) != 0;
    in.skip(*type == "grid" ? 2 : 8); // rows and columns, or the fill colour
    const std::uint32_t width = wide ? in.u32be() : in.u16be();
    const std::uint32_t height = wide ? in.u32be() : in.u16be();
    if (in.truncated())
        return std::nullopt;
    return PictureSize{saturatedInt(width), saturatedInt(height)};
}

} // namespace pictra
