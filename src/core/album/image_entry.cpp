// Field-by-field (de)serialisation of ImageEntry.
#include "core/album/image_entry.h"

namespace pictra {

ImageEntry readImageEntry(ByteReader& in)
{
    ImageEntry e;
    in.chars(e.path);
    e.stamp = in.i32();
    e.year = in.i16();
    e.month = in.i16();
    e.day = in.i16();
    in.chars(e.author);
    in.chars(e.place);
    in.chars(e.summary);
    in.chars(e.memo);
    return e;
}

void writeImageEntry(ByteWriter& out, const ImageEntry& e)
{
    out.chars(e.path);
    out.i32(e.stamp);
    out.i16(e.year);
    out.i16(e.month);
    out.i16(e.day);
    out.chars(e.author);
    out.chars(e.place);
    out.chars(e.summary);
    out.chars(e.memo);
}

} // namespace pictra
