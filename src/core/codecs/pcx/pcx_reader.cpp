// PCX reading: the 128-byte header, then each scan line decoded and its
// planes (or palette indices) turned into the record's blue-green-red row.
#include "core/codecs/pcx/pcx_file.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/pcx/pcx_rle.h"
#include "core/codecs/record_rows.h"

#include <vector>

namespace pictra {
namespace {

constexpr std::size_t kHeaderBytes = 128;
constexpr std::uint8_t kManufacturer = 0x0A;
constexpr std::uint8_t kPaletteMarker = 0x0C;
constexpr std::size_t kPaletteBytes = 768;

struct PcxHeader {
    bool encoded = true;
    int width = 0;
    int height = 0;
    std::size_t planes = 0;
    std::size_t bytesPerLine = 0;
};

Status readHeader(ByteReader& in, PcxHeader& h)
{
    const std::uint8_t manufacturer = in.u8();
    in.skip(1); // version
    const std::uint8_t encoding = in.u8();
    const std::uint8_t bits = in.u8();
    const std::uint16_t xMin = in.u16();
    const std::uint16_t yMin = in.u16();
    const std::uint16_t xMax = in.u16();
    const std::uint16_t yMax = in.u16();
    in.skip(4 + 48 + 1); // resolution, 16-colour palette, reserved
    h.planes = in.u8();
    h.bytesPerLine = in.u16();
    in.seek(kHeaderBytes);
    if (in.truncated())
        return Status::Truncated;
    if (manufacturer != kManufacturer || encoding > 1 || xMax < xMin || yMax < yMin)
        return Status::Corrupt;
    if (bits != 8 || (h.planes != 1 && h.planes != 3 && h.planes != 4))
        return Status::Unsupported;
    h.encoded = encoding == 1;
    h.width = xMax - xMin + 1;
    h.height = yMax - yMin + 1;
    if (h.bytesPerLine < static_cast<std::size_t>(h.width))
        return Status::Corrupt;
    return Status::Ok;
}

void planesToBgr(const std::uint8_t* line, const PcxHeader& h, std::uint8_t* dst)
{
    const std::uint8_t* red = line;
    const std::uint8_t* green = line + h.bytesPerLine;
    const std::uint8_t* blue = line + 2 * h.bytesPerLine;
    for (int x = 0; x < h.width; ++x, dst += 3) {
        dst[0] = blue[x];
        dst[1] = green[x];
        dst[2] = red[x];
    }
}

void indicesToBgr(const std::uint8_t* line, const PcxHeader& h, ByteSpan palette, std::uint8_t* dst)
{
    for (int x = 0; x < h.width; ++x, dst += 3) {
        const std::uint8_t* entry = palette.data() + 3 * std::size_t{line[x]};
        dst[0] = entry[2];
        dst[1] = entry[1];
        dst[2] = entry[0];
    }
}

Status decodePcx(ByteSpan data, ImageRecord& record)
{
    ByteReader in(data);
    PcxHeader h;
    Status status = readHeader(in, h);
    if (status != Status::Ok)
        return status;
    ByteSpan pixels = data.subspan(kHeaderBytes);
    ByteSpan palette;
    if (h.planes == 1) {
        // The palette closes the file: marker byte, then 256 red-green-blue triples.
        if (pixels.size() < kPaletteBytes + 1 || pixels[pixels.size() - kPaletteBytes - 1] != kPaletteMarker)
            return Status::Corrupt;
        palette = pixels.last(kPaletteBytes);
        pixels = pixels.first(pixels.size() - kPaletteBytes - 1);
    }
    status = record.setup24(h.width, h.height);
    if (status != Status::Ok)
        return status;
    std::vector<std::uint8_t> line(h.planes * h.bytesPerLine);
    PcxRunDecoder decoder(pixels, h.encoded);
    for (int y = 0; y < h.height; ++y) {
        if (!decoder.next(line))
            return Status::Truncated;
        std::uint8_t* dst = rowFromTop(record, y);
        if (h.planes == 1)
            indicesToBgr(line.data(), h, palette, dst);
        else
            planesToBgr(line.data(), h, dst);
    }
    return Status::Ok;
}

} // namespace

Status readPcxBytes(ByteSpan data, ImageRecord& record)
{
    return settleRead(record, decodePcx(data, record));
}

Status readPcx(const std::string& path, ImageRecord& record)
{
    return readImageFile(path, record, readPcxBytes);
}

} // namespace pictra
