// Row access shared by the pixel filters. Filters work on 24-bit bottom-up
// records whose rows are padded to 4 bytes; they visit only the first
// width × 3 bytes of each row, so padding is never read or written:
//
//   row y: [B G R][B G R] ... [B G R][pad 0-3]
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pictra {

using ByteTable = std::array<std::uint8_t, 256>;

// Ok when `record` is a 24-bit picture with a positive size whose rows fit
// its pixel buffer; Unsupported for other bit depths, InvalidArgument else.
Status checkPicture24(const ImageRecord& record);

// The pixel bytes of row y (bottom-up), without the padding.
inline std::span<std::uint8_t> pixelRow(ImageRecord& record, int y)
{
    return {record.row(y), static_cast<std::size_t>(record.width()) * 3};
}

inline std::span<const std::uint8_t> pixelRow(const ImageRecord& record, int y)
{
    return {record.row(y), static_cast<std::size_t>(record.width()) * 3};
}

// Replaces every blue, green and red byte through its channel's table.
void applyChannelTables(ImageRecord& record, const ByteTable& blue, const ByteTable& green,
                        const ByteTable& red);

} // namespace pictra
