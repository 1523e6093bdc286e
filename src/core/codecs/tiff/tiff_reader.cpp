// TIFF reading: check the directory describes a picture we convert, then
// fetch each row from its strip and convert it into the record.
#include "core/codecs/tiff/tiff_file.h"

#include "core/codecs/tiff/libtiff_reader.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/record_rows.h"
#include "core/codecs/tiff/tiff_directory.h"
#include "core/colour/embedded_profile.h"
#include "core/util/pixel_bytes.h"

#include <algorithm>
#include <vector>

namespace pictra {
namespace {

// What the rows hold, once the directory passed the checks.
struct TiffPixels {
    TiffPhotometric kind = TiffPhotometric::Rgb;
    int bits = 8;        // per sample
    std::size_t samples = 3; // per pixel
    std::size_t rowBytes = 0;
    std::uint32_t rowsPerStrip = 0;
};

Status checkSamples(const TiffDirectory& dir, TiffPixels& px)
{
    const auto& bits = dir.bitsPerSample;
    px.bits = bits.empty() ? 1 : static_cast<int>(bits[0]);
    if (!std::all_of(bits.begin(), bits.end(), [&](std::uint32_t b) { return b == bits[0]; }))
        return Status::Unsupported;
    px.samples = dir.samplesPerPixel;
    switch (dir.photometric) {
    case static_cast<std::uint32_t>(TiffPhotometric::Rgb):
        px.kind = TiffPhotometric::Rgb;
        return px.bits == 8 && px.samples >= 3 && px.samples <= 8 ? Status::Ok : Status::Unsupported;
    case static_cast<std::uint32_t>(TiffPhotometric::Palette):
        px.kind = TiffPhotometric::Palette;
        if (px.samples != 1 || (px.bits != 1 && px.bits != 2 && px.bits != 4 && px.bits != 8))
            return Status::Unsupported;
        return dir.colorMap.size() == (std::size_t{3} << px.bits) ? Status::Ok : Status::Corrupt;
    case static_cast<std::uint32_t>(TiffPhotometric::Separated):
        px.kind = TiffPhotometric::Separated;
        return px.bits == 8 && dir.inkSet == 1 && px.samples >= 4 && px.samples <= 8 ? Status::Ok
                                                                                       : Status::Unsupported;
    default:
        return Status::Unsupported;
    }
}

Status checkDirectory(const TiffDirectory& dir, TiffPixels& px)
{
    if (dir.compression != 1 || dir.tiled || (dir.planarConfiguration != 1 && dir.samplesPerPixel > 1))
        return Status::Unsupported;
    const Status status = checkSamples(dir, px);
    if (status != Status::Ok)
        return status;
    if (dir.width == 0 || dir.height == 0 || dir.width > INT32_MAX || dir.height > INT32_MAX)
        return Status::Corrupt;
    if (dir.stripOffsets.empty())
        return Status::Corrupt;
    const auto row = rowBytes(dir.width, px.bits * static_cast<int>(px.samples), 1);
    if (!row)
        return Status::TooLarge;
    px.rowBytes = *row;
    px.rowsPerStrip = std::clamp<std::uint32_t>(dir.rowsPerStrip, 1, dir.height);
    return Status::Ok;
}

// The file bytes of row y (from the top), or an empty span when its strip
// is missing or shorter than the row.
ByteSpan findRow(ByteSpan data, const TiffDirectory& dir, const TiffPixels& px, std::uint32_t y)
{
    const std::size_t strip = y / px.rowsPerStrip;
    const std::size_t within = (y % px.rowsPerStrip) * px.rowBytes;
    if (strip >= dir.stripOffsets.size())
        return {};
    if (strip < dir.stripByteCounts.size() && within + px.rowBytes > dir.stripByteCounts[strip])
        return {};
    const std::size_t offset = std::size_t{dir.stripOffsets[strip]} + within;
    if (offset > data.size() || px.rowBytes > data.size() - offset)
        return {};
    return data.subspan(offset, px.rowBytes);
}

void convertRow(const std::uint8_t* src, const TiffDirectory& dir, const TiffPixels& px, std::uint8_t* dst)
{
    for (std::size_t x = 0; x < dir.width; ++x, dst += 3) {
        if (px.kind == TiffPhotometric::Palette) {
            const std::size_t i = paletteIndex(src, x, px.bits);
            const std::size_t n = std::size_t{1} << px.bits;
            dst[0] = static_cast<std::uint8_t>(dir.colorMap[2 * n + i] / 257);
            dst[1] = static_cast<std::uint8_t>(dir.colorMap[n + i] / 257);
            dst[2] = static_cast<std::uint8_t>(dir.colorMap[i] / 257);
            continue;
        }
        const std::uint8_t* p = src + x * px.samples;
        dst[0] = p[2];
        dst[1] = p[1];
        dst[2] = p[0];
    }
}

// The four inks of every pixel of a row, without the extra samples.
void keepInks(const std::uint8_t* src, const TiffDirectory& dir, const TiffPixels& px, std::uint8_t* ink)
{
    for (std::size_t x = 0; x < dir.width; ++x, ink += 4)
        std::copy_n(src + x * px.samples, 4, ink);
}

Status decodeTiff(ByteSpan data, ImageRecord& record)
{
    const Result<TiffDirectory> dir = readTiffDirectory(data);
    if (!dir)
        return dir.status();
    TiffPixels px;
    Status status = checkDirectory(*dir, px);
    if (status != Status::Ok)
        return status;
    status = record.setup24(static_cast<int>(dir->width), static_cast<int>(dir->height));
    if (status != Status::Ok)
        return status;
    // CMYK rows are collected as inks, then turned into colours in one go.
    const bool cmyk = px.kind == TiffPhotometric::Separated;
    const std::size_t inkRow = std::size_t{dir->width} * 4;
    std::vector<std::uint8_t> ink(cmyk ? inkRow * dir->height : 0);
    for (std::uint32_t y = 0; y < dir->height; ++y) {
        const ByteSpan row = findRow(data, *dir, px, y);
        if (row.empty())
            return Status::Truncated;
        if (cmyk)
            keepInks(row.data(), *dir, px, ink.data() + inkRow * (dir->height - 1 - y));
        else
            convertRow(row.data(), *dir, px, rowFromTop(record, static_cast<int>(y)));
    }
    if (cmyk)
        convertCmykToSrgb(dir->iccProfile, ink, record);
    else
        convertToSrgb(dir->iccProfile, record);
    return Status::Ok;
}

} // namespace

Status readTiffBytes(ByteSpan data, ImageRecord& record)
{
    Status status = decodeTiff(data, record);
    if (status == Status::Unsupported) // a variant we do not read ourselves
        status = decodeTiffWithLibtiff(data, record);
    return settleRead(record, status);
}

Status readTiff(const std::string& path, ImageRecord& record)
{
    if (!hasExtension(path, "tif") && !hasExtension(path, "tiff"))
        return settleRead(record, Status::Unsupported);
    return readImageFile(path, record, readTiffBytes);
}

} // namespace pictra
