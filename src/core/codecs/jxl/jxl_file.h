// JPEG XL pictures (bare codestreams and containers), read through libjxl:
// the first frame, upright (the file's orientation applied), 8-bit, alpha
// laid over white, colours turned to sRGB.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <vector>

namespace pictra {

// Reads the first frame into the record as a 24-bit bottom-up picture.
// TooLarge, before anything is decoded, when the picture its header
// announces does not fit the record's buffer cap; Truncated for a file cut
// short, Corrupt for damaged data. On failure the record's headers are cleared.
Status readJxl(ByteSpan data, ImageRecord& record);

// The file's Exif box, starting at its TIFF header ("II*\0" or "MM\0*"),
// decompressed when the file stores it Brotli-compressed. NotFound when the
// file has none (a bare codestream never has one), Corrupt for a damaged
// file or box, TooLarge for a box above kMaxJxlExifBytes.
Result<std::vector<std::uint8_t>> jxlExif(ByteSpan data);

// No Exif block is longer: JPEG's own limit is 64 KB.
inline constexpr std::size_t kMaxJxlExifBytes = std::size_t{4} << 20;

} // namespace pictra
