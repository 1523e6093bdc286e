// ImageRecord headers and buffers.
#include "core/image/image_record.h"

#include "core/util/byte_reader.h"
#include "core/util/byte_writer.h"
#include "core/util/pixel_bytes.h"

namespace pictra {

Outline pixelOutline(double width, double height)
{
    return {PointD{0, 0}, PointD{width, 0}, PointD{width, -height}, PointD{0, -height}};
}

BitmapFileHeader readFileHeader(ByteReader& in)
{
    BitmapFileHeader h;
    h.type = in.u16();
    h.size = in.u32();
    h.reserved1 = in.u16();
    h.reserved2 = in.u16();
    h.offBits = in.u32();
    return h;
}

BitmapInfoHeader readInfoHeader(ByteReader& in)
{
    BitmapInfoHeader h;
    h.size = in.u32();
    h.width = in.i32();
    h.height = in.i32();
    h.planes = in.u16();
    h.bitCount = in.u16();
    h.compression = in.u32();
    h.sizeImage = in.u32();
    h.xPelsPerMeter = in.i32();
    h.yPelsPerMeter = in.i32();
    h.clrUsed = in.u32();
    h.clrImportant = in.u32();
    return h;
}

void writeFileHeader(ByteWriter& out, const BitmapFileHeader& h)
{
    out.u16(h.type);
    out.u32(h.size);
    out.u16(h.reserved1);
    out.u16(h.reserved2);
    out.u32(h.offBits);
}

void writeInfoHeader(ByteWriter& out, const BitmapInfoHeader& h)
{
    out.u32(h.size);
    out.i32(h.width);
    out.i32(h.height);
    out.u16(h.planes);
    out.u16(h.bitCount);
    out.u32(h.compression);
    out.u32(h.sizeImage);
    out.i32(h.xPelsPerMeter);
    out.i32(h.yPelsPerMeter);
    out.u32(h.clrUsed);
    out.u32(h.clrImportant);
}

void ImageRecord::clearHeaders()
{
    outline = {};
    fileHeader = {};
    infoHeader = {};
}

std::size_t ImageRecord::stride() const
{
    return rowBytes(infoHeader.width, infoHeader.bitCount).value_or(0);
}

std::size_t ImageRecord::imageBytes() const
{
    return pixelBytes(infoHeader.width, infoHeader.height, infoHeader.bitCount).value_or(0);
}

Status ImageRecord::setup24(int width, int height)
{
    if (width <= 0 || height <= 0)
        return Status::InvalidArgument;
    const auto bytes = pixelBytes(width, height, 24, 4, pixels.size());
    if (!bytes || *bytes > UINT32_MAX - 54)
        return Status::TooLarge;
    fileHeader = {kBitmapType, static_cast<std::uint32_t>(*bytes + 54), 0, 0, 54};
    infoHeader = {};
    infoHeader.size = kBitmapInfoHeaderBytes;
    infoHeader.width = width;
    infoHeader.height = height;
    infoHeader.planes = 1;
    infoHeader.bitCount = 24;
    outline = pixelOutline(width, height);
    return Status::Ok;
}

ImageBuffers::ImageBuffers(std::size_t pixelBufferBytes)
    : m_palette(kPaletteBytes), m_pixels(pixelBufferBytes)
{
    m_record.palette = m_palette;
    m_record.pixels = m_pixels;
}

void ImageBuffers::resize(std::size_t pixelBufferBytes)
{
    m_pixels.assign(pixelBufferBytes, 0);
    m_pixels.shrink_to_fit();
    m_record.clearHeaders();
    m_record.pixels = m_pixels;
}

} // namespace pictra
