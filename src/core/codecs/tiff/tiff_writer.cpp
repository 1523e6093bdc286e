// TIFF writing. The file:
//
//   0    "II", 42, offset of the directory (8)
//   8    14 directory entries, then next-directory offset 0
//   182  BitsPerSample values 8, 8, 8
//   188  XResolution, 196 YResolution (RATIONAL: numerator, denominator)
//   204  one strip: rows from the top, red, green, blue, unpadded
//
// Every offset is even, as readers expect.
#include "core/codecs/tiff/tiff_file.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/record_rows.h"
#include "core/util/byte_writer.h"

namespace pictra {
namespace {

enum Type : std::uint16_t { kShort = 3, kLong = 4, kRational = 5 };

constexpr std::uint16_t kEntryCount = 14;
constexpr std::uint32_t kBitsOffset = 8 + 2 + kEntryCount * 12 + 4;
constexpr std::uint32_t kXResolutionOffset = kBitsOffset + 6;
constexpr std::uint32_t kYResolutionOffset = kXResolutionOffset + 8;
constexpr std::uint32_t kPixelOffset = kYResolutionOffset + 8;
static_assert(kPixelOffset == 204);

void entry(ByteWriter& out, std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value)
{
    out.u16(tag);
    out.u16(type);
    out.u32(count);
    if (type == kShort && count == 1) {
        out.u16(static_cast<std::uint16_t>(value)); // left-justified in the field
        out.u16(0);
    } else {
        out.u32(value);
    }
}

// SHORT when the number fits, as most writers do; LONG beyond 65,535.
void sizeEntry(ByteWriter& out, std::uint16_t tag, std::uint32_t value)
{
    entry(out, tag, value <= 0xFFFF ? kShort : kLong, 1, value);
}

void writeDirectory(ByteWriter& out, std::uint32_t width, std::uint32_t height, std::uint32_t stripBytes)
{
    out.u16(kEntryCount);
    entry(out, 254, kLong, 1, 0);                      // NewSubfileType
    sizeEntry(out, 256, width);                        // ImageWidth
    sizeEntry(out, 257, height);                       // ImageLength
    entry(out, 258, kShort, 3, kBitsOffset);           // BitsPerSample
    entry(out, 259, kShort, 1, 1);                     // Compression: none
    entry(out, 262, kShort, 1, 2);                     // Photometric: RGB
    entry(out, 273, kLong, 1, kPixelOffset);           // StripOffsets
    entry(out, 277, kShort, 1, 3);                     // SamplesPerPixel
    sizeEntry(out, 278, height);                       // RowsPerStrip
    entry(out, 279, kLong, 1, stripBytes);             // StripByteCounts
    entry(out, 282, kRational, 1, kXResolutionOffset); // XResolution
    entry(out, 283, kRational, 1, kYResolutionOffset); // YResolution
    entry(out, 284, kShort, 1, 1);                     // PlanarConfiguration: chunky
    entry(out, 296, kShort, 1, 3);                     // ResolutionUnit: centimetre
    out.u32(0);                                        // no further directory
    for (int i = 0; i < 3; ++i)
        out.u16(8);
    // Pixels per centimetre that make the picture 20 cm wide (and high).
    out.u32((width + 19) / 20);
    out.u32(1);
    out.u32((height + 19) / 20);
    out.u32(1);
}

} // namespace

Result<std::vector<std::uint8_t>> writeTiffBytes(const ImageRecord& record)
{
    const Status check = checkWritableRecord(record);
    if (check != Status::Ok)
        return check;
    const auto width = static_cast<std::uint32_t>(record.width());
    const auto height = static_cast<std::uint32_t>(record.height());
    const std::uint64_t stripBytes = std::uint64_t{3} * width * height;
    if (stripBytes > UINT32_MAX - kPixelOffset)
        return Status::TooLarge;

    ByteWriter out(kPixelOffset + stripBytes);
    out.bytes(std::vector<std::uint8_t>{'I', 'I'});
    out.u16(42);
    out.u32(8);
    writeDirectory(out, width, height, static_cast<std::uint32_t>(stripBytes));
    std::vector<std::uint8_t> rgb(std::size_t{3} * width);
    for (int y = 0; y < record.height(); ++y) {
        rgbRowFromTop(record, y, rgb);
        out.bytes(rgb);
    }
    return out.take();
}

Status writeTiff(const std::string& path, const ImageRecord& record)
{
    if (!hasExtension(path, "tif") && !hasExtension(path, "tiff"))
        return Status::Unsupported;
    return writeImageFile(path, writeTiffBytes(record));
}

} // namespace pictra
