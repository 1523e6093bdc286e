// Writers' view of a record as RGB rows.
#include "core/codecs/record_rows.h"

namespace pictra {

Status checkWritableRecord(const ImageRecord& record)
{
    const int bits = record.bitCount();
    if (record.width() <= 0 || record.height() <= 0)
        return Status::InvalidArgument;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return Status::InvalidArgument;
    const std::size_t bytes = record.imageBytes();
    if (bytes == 0 || bytes > record.pixels.size())
        return Status::InvalidArgument;
    if (bits <= 8 && record.palette.size() < (std::size_t{4} << bits))
        return Status::InvalidArgument;
    return Status::Ok;
}

void rgbRowFromTop(const ImageRecord& record, int y, std::span<std::uint8_t> rgb)
{
    const std::uint8_t* src = rowFromTop(record, y);
    const std::size_t width = static_cast<std::size_t>(record.width());
    const int bits = record.bitCount();
    std::uint8_t* out = rgb.data();
    if (bits >= 24) {
        const std::size_t step = static_cast<std::size_t>(bits / 8);
        for (std::size_t x = 0; x < width; ++x, src += step, out += 3) {
            out[0] = src[2];
            out[1] = src[1];
            out[2] = src[0];
        }
        return;
    }
    for (std::size_t x = 0; x < width; ++x, out += 3) {
        const std::uint8_t* entry = record.palette.data() + 4 * paletteIndex(src, x, bits);
        out[0] = entry[2];
        out[1] = entry[1];
        out[2] = entry[0];
    }
}

} // namespace pictra
