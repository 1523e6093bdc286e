// Two-level conversion on the packed colour value v = R + 256·G + 65536·B
// (red in the low byte, blue in the high byte, so v mostly follows blue).
#pragma once

#include "core/image/image_record.h"
#include "core/util/result.h"

#include <cstdint>

namespace pictra {

inline constexpr std::int32_t kMaxPackedValue = 0xFFFFFF;

constexpr std::int32_t packedValue(std::uint8_t blue, std::uint8_t green, std::uint8_t red)
{
    return red | green << 8 | blue << 16;
}

// The smallest and largest packed value of a picture.
struct PackedRange {
    std::int32_t vmin = 0;
    std::int32_t vmax = 0;
};

// Over all pixels; the record's failure (Unsupported/InvalidArgument) when
// it is not a sound 24-bit picture.
Result<PackedRange> packedRange(const ImageRecord& record);

// The threshold the two-level tool starts with: ⌊(vmin + vmax) / 2⌋.
constexpr std::int32_t defaultThreshold(PackedRange range) { return (range.vmin + range.vmax) / 2; }

// Every pixel with v >= threshold becomes white, every other black.
// InvalidArgument for a threshold outside 0..kMaxPackedValue,
// Unsupported/InvalidArgument for a record that is not a sound 24-bit
// picture; the picture is then unchanged.
Status applyThreshold(ImageRecord& record, std::int32_t threshold);

} // namespace pictra
