// ImageRecord headers and buffers.
#include "core/image/image_record.h"

#include "core/util/byte_reader.h"
#include "core/util/byte_writer.h"
#include "core/util/pixel_bytes.h"

#include <algorithm>
#include <new>

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

std::size_t ImageRecord::pixelLimit() const
{
    return owner ? std::max(owner->cap(), pixels.size()) : pixels.size();
}

Status ImageRecord::reservePixels(std::size_t bytes)
{
    if (bytes <= pixels.size())
        return Status::Ok;
    if (!owner || !owner->grow(bytes))
        return Status::TooLarge;
    pixels = owner->record().pixels;
    return Status::Ok;
}

Status ImageRecord::setup24(int width, int height)
{
    if (width <= 0 || height <= 0)
        return Status::InvalidArgument;
    const auto bytes = pixelBytes(width, height, 24, 4, pixelLimit());
    if (!bytes || *bytes > UINT32_MAX - 54)
        return Status::TooLarge;
    if (const Status status = reservePixels(*bytes); status != Status::Ok)
        return status;
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

ImageBuffers::ImageBuffers(std::size_t initialBytes, std::size_t capBytes)
    : m_palette(kPaletteBytes), m_pixels(initialBytes), m_cap(std::max(initialBytes, capBytes))
{
    attach();
}

void ImageBuffers::attach()
{
    m_record.palette = m_palette;
    m_record.pixels = m_pixels;
    m_record.owner = this;
}

void ImageBuffers::setCap(std::size_t capBytes)
{
    m_cap = capBytes;
    if (m_pixels.size() <= capBytes)
        return;
    std::vector<std::uint8_t>().swap(m_pixels);
    m_record.clearHeaders();
    attach();
}

bool ImageBuffers::grow(std::size_t bytes)
{
    if (bytes <= m_pixels.size())
        return true;
    if (bytes > m_cap)
        return false;
    // Some room beyond the ask, so a series of slightly larger pictures does
    // not reallocate each time.
    const std::size_t size = std::min(m_cap, std::max(bytes, m_pixels.size() + m_pixels.size() / 2));
    try {
        std::vector<std::uint8_t>().swap(m_pixels); // give the old buffer back first
        m_pixels.resize(size);
    } catch (const std::bad_alloc&) {
        m_pixels = {};
        attach();
        return false;
    }
    attach();
    return true;
}

} // namespace pictra
