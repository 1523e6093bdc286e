// Record checks and table application shared by the pixel filters.
#include "core/filters/pixel_rows.h"

namespace pictra {

Status checkPicture24(const ImageRecord& record)
{
    if (record.bitCount() != 24)
        return Status::Unsupported;
    if (record.width() <= 0 || record.height() <= 0)
        return Status::InvalidArgument;
    const std::size_t bytes = record.imageBytes();
    if (bytes == 0 || bytes > record.pixels.size())
        return Status::InvalidArgument;
    return Status::Ok;
}

void applyChannelTables(ImageRecord& record, const ByteTable& blue, const ByteTable& green,
                        const ByteTable& red)
{
    for (int y = 0; y < record.height(); ++y) {
        std::span<std::uint8_t> row = pixelRow(record, y);
        for (std::size_t i = 0; i < row.size(); i += 3) {
            row[i] = blue[row[i]];
            row[i + 1] = green[row[i + 1]];
            row[i + 2] = red[row[i + 2]];
        }
    }
}

} // namespace pictra
