// PSD writing: header, three empty sections, raw red, green and blue planes.
#include "core/codecs/psd/psd_file.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/record_rows.h"
#include "core/util/byte_writer.h"

namespace pictra {
namespace {

constexpr int kMaxSide = 30000; // Photoshop's limit; other readers refuse more
constexpr std::size_t kHeaderBytes = 26 + 3 * 4 + 2;

} // namespace

Result<std::vector<std::uint8_t>> writePsdBytes(const ImageRecord& record)
{
    const Status check = checkWritableRecord(record);
    if (check != Status::Ok)
        return check;
    if (record.width() > kMaxSide || record.height() > kMaxSide)
        return Status::TooLarge;
    const auto width = static_cast<std::size_t>(record.width());
    const auto height = static_cast<std::size_t>(record.height());

    ByteWriter out(kHeaderBytes + 3 * width * height);
    out.u32be(0x38425053); // "8BPS"
    out.u16be(1);
    out.zeros(6);
    out.u16be(3); // channels
    out.u32be(static_cast<std::uint32_t>(height));
    out.u32be(static_cast<std::uint32_t>(width));
    out.u16be(8); // depth
    out.u16be(3); // RGB
    out.u32be(0); // colour-mode data
    out.u32be(0); // image resources
    out.u32be(0); // layers and masks
    out.u16be(0); // raw
    std::vector<std::uint8_t> rgb(3 * width);
    std::vector<std::uint8_t> plane(width);
    for (std::size_t c = 0; c < 3; ++c) {
        for (int y = 0; y < record.height(); ++y) {
            rgbRowFromTop(record, y, rgb);
            for (std::size_t x = 0; x < width; ++x)
                plane[x] = rgb[3 * x + c];
            out.bytes(plane);
        }
    }
    return out.take();
}

Status writePsd(const std::string& path, const ImageRecord& record)
{
    return writeImageFile(path, writePsdBytes(record));
}

} // namespace pictra
