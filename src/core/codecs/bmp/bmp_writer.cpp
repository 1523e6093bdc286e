// BMP writing: the record's headers (sizes and offsets recomputed), its
// palette and its rows, bottom-up.
#include "core/codecs/bmp/bmp_file.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/record_rows.h"
#include "core/util/byte_writer.h"

namespace pictra {
namespace {

std::uint32_t paletteEntries(const BitmapInfoHeader& info)
{
    if (info.bitCount > 8)
        return 0;
    const std::uint32_t full = 1u << info.bitCount;
    return info.clrUsed != 0 && info.clrUsed < full ? info.clrUsed : full;
}

} // namespace

Result<std::vector<std::uint8_t>> writeBmpBytes(const ImageRecord& record)
{
    const Status check = checkWritableRecord(record);
    if (check != Status::Ok)
        return check;
    const std::uint32_t entries = paletteEntries(record.infoHeader);
    const std::size_t headerBytes = kBitmapFileHeaderBytes + kBitmapInfoHeaderBytes + std::size_t{4} * entries;
    const std::size_t imageBytes = record.imageBytes();
    if (imageBytes > UINT32_MAX - headerBytes)
        return Status::TooLarge;

    BitmapFileHeader file = record.fileHeader;
    file.type = kBitmapType;
    file.size = static_cast<std::uint32_t>(headerBytes + imageBytes);
    file.offBits = static_cast<std::uint32_t>(headerBytes);
    BitmapInfoHeader info = record.infoHeader;
    info.size = kBitmapInfoHeaderBytes;
    info.planes = 1;
    info.compression = 0;
    info.sizeImage = static_cast<std::uint32_t>(imageBytes);
    info.clrUsed = entries;

    ByteWriter out(headerBytes + imageBytes);
    writeFileHeader(out, file);
    writeInfoHeader(out, info);
    out.bytes(record.palette.first(std::size_t{4} * entries));
    out.bytes(record.pixels.first(imageBytes));
    return out.take();
}

Status writeBmp(const std::string& path, const ImageRecord& record)
{
    return writeImageFile(path, writeBmpBytes(record));
}

} // namespace pictra
