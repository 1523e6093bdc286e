// Field-by-field (de)serialisation of ImageEntry.
#include "core/album/image_entry.h"

#include <span>

namespace pictra {
namespace {

template <std::size_t N>
void readField(ByteReader& in, std::array<char, N>& field)
{
    in.bytes(std::span<std::uint8_t>(reinterpret_cast<std::uint8_t*>(field.data()), N));
}

template <std::size_t N>
void writeField(ByteWriter& out, const std::array<char, N>& field)
{
    out.bytes(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(field.data()), N));
}

} // namespace

ImageEntry readImageEntry(ByteReader& in)
{
    ImageEntry e;
    readField(in, e.path);
    e.stamp = in.i32();
    e.year = in.i16();
    e.month = in.i16();
    e.day = in.i16();
    readField(in, e.author);
    readField(in, e.place);
    readField(in, e.summary);
    readField(in, e.memo);
    return e;
}

void writeImageEntry(ByteWriter& out, const ImageEntry& e)
{
    writeField(out, e.path);
    out.i32(e.stamp);
    out.i16(e.year);
    out.i16(e.month);
    out.i16(e.day);
    writeField(out, e.author);
    writeField(out, e.place);
    writeField(out, e.summary);
    writeField(out, e.memo);
}

} // namespace pictra
