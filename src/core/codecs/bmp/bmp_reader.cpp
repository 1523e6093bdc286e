// BMP reading: header layout, then each file row converted into the record.
#include "core/codecs/bmp/bmp_file.h"

#include "core/codecs/bmp/bmp_header.h"
#include "core/codecs/bmp/bmp_rle.h"
#include "core/codecs/image_file_access.h"
#include "core/codecs/record_rows.h"
#include "core/util/pixel_bytes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <optional>

namespace pictra {
namespace {

constexpr std::uint32_t kOneBitHeaderBytes = 14 + 40 + 2 * 4;

// One colour channel of a 16/32-bit pixel, scaled to 0..255.
class ChannelMask {
public:
    explicit ChannelMask(std::uint32_t mask)
        : m_mask(mask), m_shift(mask ? static_cast<unsigned>(std::countr_zero(mask)) : 0),
          m_bits(mask ? static_cast<unsigned>(std::bit_width(mask >> m_shift)) : 0)
    {
    }
    std::uint8_t operator()(std::uint32_t pixel) const
    {
        if (m_bits == 0)
            return 0;
        const std::uint32_t v = (pixel & m_mask) >> m_shift;
        if (m_bits >= 8)
            return static_cast<std::uint8_t>(v >> (m_bits - 8));
        return static_cast<std::uint8_t>(v * 255 / ((1u << m_bits) - 1));
    }

private:
    std::uint32_t m_mask;
    unsigned m_shift;
    unsigned m_bits;
};

void indexedRowToBgr(const std::uint8_t* src, int bits, const BmpLayout& layout, std::uint8_t* dst)
{
    for (std::size_t x = 0; x < static_cast<std::size_t>(layout.width); ++x, dst += 3) {
        const std::uint8_t* entry = layout.palette.data() + 4 * paletteIndex(src, x, bits);
        dst[0] = entry[0];
        dst[1] = entry[1];
        dst[2] = entry[2];
    }
}

std::uint32_t maskedPixel(const std::uint8_t* src, std::size_t step)
{
    std::uint32_t pixel = src[0] | static_cast<std::uint32_t>(src[1]) << 8;
    if (step == 4)
        pixel |= static_cast<std::uint32_t>(src[2]) << 16 | static_cast<std::uint32_t>(src[3]) << 24;
    return pixel;
}

// A colour put over white by its alpha.
std::uint8_t onWhite(std::uint8_t colour, std::uint8_t alpha)
{
    return static_cast<std::uint8_t>((colour * alpha + 255 * (255 - alpha) + 127) / 255);
}

// `alpha` is set only when the picture's alpha is in use.
void maskedRowToBgr(const std::uint8_t* src, const BmpLayout& layout, std::uint32_t alphaMask, std::uint8_t* dst)
{
    const ChannelMask red(layout.masks[0]), green(layout.masks[1]), blue(layout.masks[2]), alpha(alphaMask);
    const std::size_t step = static_cast<std::size_t>(layout.bits / 8);
    for (int x = 0; x < layout.width; ++x, src += step, dst += 3) {
        const std::uint32_t pixel = maskedPixel(src, step);
        dst[0] = blue(pixel);
        dst[1] = green(pixel);
        dst[2] = red(pixel);
        if (alphaMask != 0)
            for (int c = 0; c < 3; ++c)
                dst[c] = onWhite(dst[c], alpha(pixel));
    }
}

// 64-bit pictures hold linear-light blue, green, red and alpha as signed
// 2.13 fixed-point numbers; the alpha is not used.
class LinearToSrgb {
public:
    LinearToSrgb()
    {
        for (std::size_t i = 0; i < m_table.size(); ++i) {
            const double linear = static_cast<double>(i) / kOne;
            const double srgb = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
            m_table[i] = static_cast<std::uint8_t>(std::lround(std::clamp(srgb, 0.0, 1.0) * 255));
        }
    }
    std::uint8_t operator()(const std::uint8_t* sample) const
    {
        const auto value = static_cast<std::int16_t>(sample[0] | sample[1] << 8);
        return m_table[static_cast<std::size_t>(std::clamp<int>(value, 0, kOne))];
    }

private:
    static constexpr int kOne = 1 << 13;
    std::array<std::uint8_t, kOne + 1> m_table{};
};

void wideRowToBgr(const std::uint8_t* src, const BmpLayout& layout, const LinearToSrgb& toSrgb, std::uint8_t* dst)
{
    for (int x = 0; x < layout.width; ++x, src += 8, dst += 3) {
        dst[0] = toSrgb(src);
        dst[1] = toSrgb(src + 2);
        dst[2] = toSrgb(src + 4);
    }
}

// Many programs write 32-bit pictures whose alpha is all zero; only a
// picture with some alpha set is taken to use it.
bool alphaInUse(const std::uint8_t* src, std::size_t srcStride, const BmpLayout& layout)
{
    if (layout.alphaMask == 0 || layout.bits < 16)
        return false;
    const std::size_t step = static_cast<std::size_t>(layout.bits / 8);
    for (int y = 0; y < layout.height; ++y, src += srcStride)
        for (int x = 0; x < layout.width; ++x)
            if ((maskedPixel(src + step * static_cast<std::size_t>(x), step) & layout.alphaMask) != 0)
                return true;
    return false;
}

std::uint8_t* recordRow(ImageRecord& record, const BmpLayout& layout, int fileRow)
{
    return layout.topDown ? rowFromTop(record, fileRow) : record.row(fileRow);
}

Status setupOneBit(const BmpLayout& layout, ImageRecord& record)
{
    const auto bytes = pixelBytes(layout.width, layout.height, 1, 4, record.pixelLimit());
    if (!bytes || *bytes > UINT32_MAX - kOneBitHeaderBytes)
        return Status::TooLarge;
    if (record.palette.size() < 8)
        return Status::InvalidArgument;
    if (const Status status = record.reservePixels(*bytes); status != Status::Ok)
        return status;
    record.fileHeader = {kBitmapType, static_cast<std::uint32_t>(*bytes + kOneBitHeaderBytes), 0, 0,
                         kOneBitHeaderBytes};
    record.infoHeader = {};
    record.infoHeader.size = kBitmapInfoHeaderBytes;
    record.infoHeader.width = layout.width;
    record.infoHeader.height = layout.height;
    record.infoHeader.planes = 1;
    record.infoHeader.bitCount = 1;
    record.infoHeader.clrUsed = 2;
    std::copy_n(layout.palette.begin(), 8, record.palette.begin());
    return Status::Ok;
}

Status setupRecord(const BmpLayout& layout, ImageRecord& record)
{
    const Status status = layout.bits == 1 ? setupOneBit(layout, record) : record.setup24(layout.width, layout.height);
    if (status != Status::Ok)
        return status;
    record.infoHeader.xPelsPerMeter = layout.xPelsPerMeter;
    record.infoHeader.yPelsPerMeter = layout.yPelsPerMeter;
    // With a resolution the outline is in millimetres: 1000 mm per metre.
    const double w = layout.xPelsPerMeter > 0 ? 1000.0 / layout.xPelsPerMeter * layout.width : layout.width;
    const double h = layout.yPelsPerMeter > 0 ? 1000.0 / layout.yPelsPerMeter * layout.height : layout.height;
    record.outline = pixelOutline(w, h);
    return Status::Ok;
}

Status decodeUncompressed(ByteSpan data, const BmpLayout& layout, ImageRecord& record)
{
    const std::size_t srcStride = *rowBytes(layout.width, layout.bits);
    const auto srcBytes = pixelBytes(layout.width, layout.height, layout.bits);
    if (!srcBytes || *srcBytes > data.size() - layout.pixelOffset)
        return Status::Truncated;
    const std::uint8_t* src = data.data() + layout.pixelOffset;
    const std::uint32_t alphaMask = alphaInUse(src, srcStride, layout) ? layout.alphaMask : 0;
    const std::optional<LinearToSrgb> toSrgb = layout.bits == 64 ? std::optional<LinearToSrgb>(std::in_place) : std::nullopt;
    for (int y = 0; y < layout.height; ++y, src += srcStride) {
        std::uint8_t* dst = recordRow(record, layout, y);
        if (layout.bits == 1 || layout.bits == 24)
            std::memcpy(dst, src, srcStride);
        else if (layout.bits <= 8)
            indexedRowToBgr(src, layout.bits, layout, dst);
        else if (layout.bits == 64)
            wideRowToBgr(src, layout, *toSrgb, dst);
        else
            maskedRowToBgr(src, layout, alphaMask, dst);
    }
    return Status::Ok;
}

Status decodeRle(ByteSpan data, const BmpLayout& layout, ImageRecord& record)
{
    const RleRowSink sink = [&](int fileRow, std::span<const std::uint8_t> indices) {
        indexedRowToBgr(indices.data(), 8, layout, recordRow(record, layout, fileRow));
    };
    return decodeBmpRle(data.subspan(layout.pixelOffset), layout.width, layout.height, layout.bits, sink);
}

Status decodeBmp(ByteSpan data, ImageRecord& record)
{
    const Result<BmpLayout> layout = parseBmpLayout(data);
    if (!layout)
        return layout.status();
    Status status = setupRecord(*layout, record);
    if (status != Status::Ok)
        return status;
    const bool rle = layout->compression == BmpCompression::Rle8 || layout->compression == BmpCompression::Rle4;
    return rle ? decodeRle(data, *layout, record) : decodeUncompressed(data, *layout, record);
}

} // namespace

Status readBmpBytes(ByteSpan data, ImageRecord& record)
{
    return settleRead(record, decodeBmp(data, record));
}

Status readBmp(const std::string& path, ImageRecord& record)
{
    return readImageFile(path, record, readBmpBytes);
}

} // namespace pictra
