// The packed-bitmap block and its copies to and from image records.
#include "core/imaging_library/packed_bitmap.h"

#include "core/util/byte_writer.h"
#include "core/util/pixel_bytes.h"

#include <algorithm>

namespace pictra {
namespace {

constexpr std::size_t kMaxPaletteEntries = 256;

bool supportedDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

} // namespace

BitmapView viewOf(const ImageRecord& record)
{
    const BitmapInfoHeader& info = record.infoHeader;
    const std::size_t paletteBytes = std::min(paletteEntries(info) * 4, record.palette.size());
    return {info, ByteSpan(record.palette.data(), paletteBytes), ByteSpan(record.pixels)};
}

std::size_t paletteEntries(const BitmapInfoHeader& info)
{
    if (info.clrUsed != 0)
        return info.clrUsed;
    if (info.bitCount == 1 || info.bitCount == 4 || info.bitCount == 8)
        return std::size_t{1} << info.bitCount;
    return 0;
}

Status checkBitmap(const BitmapView& bitmap)
{
    const BitmapInfoHeader& info = bitmap.info;
    if (info.width <= 0 || info.height <= 0 || info.compression != 0 || !supportedDepth(info.bitCount))
        return Status::Unsupported;
    const std::size_t entries = paletteEntries(info);
    if (entries > kMaxPaletteEntries || bitmap.palette.size() < entries * 4)
        return Status::Corrupt;
    const auto bytes = pixelBytes(info.width, info.height, info.bitCount);
    if (!bytes || bitmap.pixels.size() < *bytes)
        return Status::Corrupt;
    return Status::Ok;
}

BitmapView PackedBitmap::view() const
{
    if (m_bytes.size() < kBitmapInfoHeaderBytes)
        return {};
    ByteReader in(m_bytes);
    BitmapView view;
    view.info = readInfoHeader(in);
    const std::size_t paletteBytes = std::min(paletteEntries(view.info) * 4, in.remaining());
    view.palette = in.view(paletteBytes);
    view.pixels = ByteSpan(m_bytes).subspan(in.position());
    return view;
}

Result<PackedBitmap> IKCopyImage(const BitmapView& bitmap)
{
    if (const Status status = checkBitmap(bitmap); status != Status::Ok)
        return status;
    const std::size_t paletteBytes = paletteEntries(bitmap.info) * 4;
    const std::size_t rowsBytes = *pixelBytes(bitmap.info.width, bitmap.info.height, bitmap.info.bitCount);
    ByteWriter out(kBitmapInfoHeaderBytes + paletteBytes + rowsBytes);
    BitmapInfoHeader info = bitmap.info;
    info.size = kBitmapInfoHeaderBytes;
    info.sizeImage = static_cast<std::uint32_t>(rowsBytes);
    writeInfoHeader(out, info);
    out.bytes(bitmap.palette.first(paletteBytes));
    out.bytes(bitmap.pixels.first(rowsBytes));
    PackedBitmap block;
    block.m_bytes = out.take();
    return block;
}

void IKFreeMemory(PackedBitmap& block)
{
    block.m_bytes = {};
}

Status unpackToRecord(const PackedBitmap& block, ImageRecord& record)
{
    record.clearHeaders();
    const BitmapView bitmap = block.view();
    if (const Status status = checkBitmap(bitmap); status != Status::Ok)
        return status;
    const std::size_t paletteBytes = bitmap.palette.size();
    const std::size_t rowsBytes = *pixelBytes(bitmap.info.width, bitmap.info.height, bitmap.info.bitCount);
    if (paletteBytes > record.palette.size() || rowsBytes > UINT32_MAX - 54 - paletteBytes)
        return Status::TooLarge;
    if (const Status status = record.reservePixels(rowsBytes); status != Status::Ok)
        return status;
    std::copy(bitmap.palette.begin(), bitmap.palette.end(), record.palette.begin());
    std::copy_n(bitmap.pixels.begin(), rowsBytes, record.pixels.begin());
    record.infoHeader = bitmap.info;
    const auto offset = static_cast<std::uint32_t>(kBitmapFileHeaderBytes + kBitmapInfoHeaderBytes + paletteBytes);
    record.fileHeader = {kBitmapType, offset + static_cast<std::uint32_t>(rowsBytes), 0, 0, offset};
    record.outline = pixelOutline(bitmap.info.width, bitmap.info.height);
    return Status::Ok;
}

} // namespace pictra
