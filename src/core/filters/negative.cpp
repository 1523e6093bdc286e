// Negative picture by complementing the pixel bytes of each row.
#include "core/filters/negative.h"

#include "core/filters/pixel_rows.h"

namespace pictra {

Status makeNegative(ImageRecord& record)
{
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    for (int y = 0; y < record.height(); ++y)
        for (std::uint8_t& b : pixelRow(record, y))
            b = static_cast<std::uint8_t>(~b);
    return Status::Ok;
}

} // namespace pictra
