// PCX writing: version 5 header, then per line the red, green and blue
// planes, each padded to an even length and run-length encoded.
#include "core/codecs/pcx/pcx_file.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/pcx/pcx_rle.h"
#include "core/codecs/record_rows.h"
#include "core/util/byte_writer.h"
#include "core/util/rounding.h"

namespace pictra {
namespace {

constexpr int kMaxWidth = 65534; // its even line length must fit 16 bits
constexpr int kMaxHeight = 65535;
constexpr std::uint16_t kDefaultDpi = 72;

std::uint16_t dotsPerInch(std::int32_t pixelsPerMetre)
{
    if (pixelsPerMetre <= 0)
        return kDefaultDpi;
    const int dpi = roundHalfAway(pixelsPerMetre * 0.0254);
    return static_cast<std::uint16_t>(dpi < 1 ? 1 : dpi > 0xFFFF ? 0xFFFF : dpi);
}

void writeHeader(ByteWriter& out, const ImageRecord& record, std::uint16_t bytesPerLine)
{
    out.u8(0x0A); // ZSoft
    out.u8(5);    // version 3.0 and later
    out.u8(1);    // run-length encoded
    out.u8(8);    // bits per pixel and plane
    out.u16(0);
    out.u16(0);
    out.u16(static_cast<std::uint16_t>(record.width() - 1));
    out.u16(static_cast<std::uint16_t>(record.height() - 1));
    out.u16(dotsPerInch(record.infoHeader.xPelsPerMeter));
    out.u16(dotsPerInch(record.infoHeader.yPelsPerMeter));
    out.zeros(48 + 1); // 16-colour palette, reserved
    out.u8(3);         // planes
    out.u16(bytesPerLine);
    out.u16(1); // colour palette
    out.zeros(128 - out.size());
}

} // namespace

Result<std::vector<std::uint8_t>> writePcxBytes(const ImageRecord& record)
{
    const Status check = checkWritableRecord(record);
    if (check != Status::Ok)
        return check;
    if (record.width() > kMaxWidth || record.height() > kMaxHeight)
        return Status::TooLarge;
    const auto width = static_cast<std::size_t>(record.width());
    const std::size_t bytesPerLine = width + width % 2;

    ByteWriter out(128 + 3 * width * static_cast<std::size_t>(record.height()));
    writeHeader(out, record, static_cast<std::uint16_t>(bytesPerLine));
    std::vector<std::uint8_t> rgb(3 * width);
    std::vector<std::uint8_t> plane(bytesPerLine, 0);
    for (int y = 0; y < record.height(); ++y) {
        rgbRowFromTop(record, y, rgb);
        for (std::size_t c = 0; c < 3; ++c) {
            for (std::size_t x = 0; x < width; ++x)
                plane[x] = rgb[3 * x + c];
            encodePcxLine(plane, out);
        }
    }
    return out.take();
}

Status writePcx(const std::string& path, const ImageRecord& record)
{
    return writeImageFile(path, writePcxBytes(record));
}

} // namespace pictra
