// BMP header parsing: the file header, the core/info/V4/V5 headers, the
// channel masks and the palette.
#include "core/codecs/bmp/bmp_header.h"

#include "core/image/image_record.h"

#include <algorithm>
#include <limits>

namespace pictra {
namespace {

constexpr std::uint32_t kCoreHeaderBytes = 12;  // OS/2 1.x: 16-bit sizes, 3-byte palette entries
constexpr std::uint32_t kShortestOs2Bytes = 16; // OS/2 2.x may end its 64-byte header after the bit count
constexpr std::uint32_t kV3HeaderBytes = 56;    // the first header with an alpha mask
constexpr std::uint32_t kMaxInfoHeaderBytes = 1024; // V5 is 124; anything far beyond is damage
constexpr std::size_t kMasksOffset = kBitmapFileHeaderBytes + kBitmapInfoHeaderBytes;

bool isKnownCompression(std::uint32_t c)
{
    return c == 0 || c == 1 || c == 2 || c == 3 || c == 6;
}

bool readsCombination(int bits, BmpCompression c)
{
    switch (c) {
    case BmpCompression::Rgb:
        return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32 ||
               bits == 64;
    case BmpCompression::Rle8:
        return bits == 8;
    case BmpCompression::Rle4:
        return bits == 4;
    case BmpCompression::Bitfields:
    case BmpCompression::AlphaBitfields:
        return bits == 16 || bits == 32;
    }
    return false;
}

bool hasMasks(BmpCompression c)
{
    return c == BmpCompression::Bitfields || c == BmpCompression::AlphaBitfields;
}

std::array<std::uint32_t, 3> defaultMasks(int bits)
{
    if (bits == 16)
        return {0x7C00, 0x03E0, 0x001F};
    return {0x00FF0000, 0x0000FF00, 0x000000FF};
}

struct InfoFields {
    std::int64_t width = 0;
    std::int64_t height = 0;
    int bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
};

// `in` holds the header after its size field; fields past a short header
// read as zero.
InfoFields readInfoFields(ByteReader in, std::uint32_t headerSize, BmpLayout& layout)
{
    InfoFields f;
    if (headerSize == kCoreHeaderBytes) {
        f.width = in.u16();
        f.height = in.u16();
        in.skip(2); // planes
        f.bits = in.u16();
        return f;
    }
    f.width = in.i32();
    f.height = in.i32();
    in.skip(2);
    f.bits = in.u16();
    f.compression = in.u32();
    in.skip(4); // image size: recomputed, often 0
    layout.xPelsPerMeter = in.i32();
    layout.yPelsPerMeter = in.i32();
    f.colorsUsed = in.u32();
    return f;
}

// Reads the palette and settles where the pixels start. A file header
// offset that points into the headers is a damaged or zero field: the
// pixels then follow the palette directly.
Status readPalette(ByteReader& in, std::size_t paletteStart, std::size_t entryBytes, std::uint32_t colorsUsed,
                   std::uint32_t offBits, BmpLayout& layout)
{
    std::size_t count = 0;
    if (layout.bits <= 8) {
        layout.paletteEntries = 1u << layout.bits;
        count = colorsUsed != 0 && colorsUsed < layout.paletteEntries ? colorsUsed : layout.paletteEntries;
    }
    if (offBits < paletteStart) {
        layout.pixelOffset = paletteStart + count * entryBytes;
    } else {
        layout.pixelOffset = offBits;
        count = std::min(count, (layout.pixelOffset - paletteStart) / entryBytes);
    }
    in.seek(paletteStart);
    for (std::size_t i = 0; i < count; ++i) {
        layout.palette[4 * i] = in.u8();
        layout.palette[4 * i + 1] = in.u8();
        layout.palette[4 * i + 2] = in.u8();
        in.skip(entryBytes - 3);
    }
    if (in.truncated() || layout.pixelOffset > in.size())
        return Status::Truncated;
    return Status::Ok;
}

} // namespace

Result<BmpLayout> parseBmpLayout(ByteSpan data)
{
    ByteReader in(data);
    const BitmapFileHeader file = readFileHeader(in);
    const std::uint32_t headerSize = in.u32();
    if (in.truncated())
        return Status::Truncated;
    if (file.type != kBitmapType)
        return Status::Corrupt;
    if (headerSize != kCoreHeaderBytes && (headerSize < kShortestOs2Bytes || headerSize > kMaxInfoHeaderBytes))
        return Status::Corrupt;

    BmpLayout layout;
    in.skip(headerSize - 4);
    if (in.truncated())
        return Status::Truncated;
    const InfoFields f = readInfoFields(ByteReader(data.subspan(kBitmapFileHeaderBytes + 4, headerSize - 4)),
                                        headerSize, layout);
    const std::int64_t height = f.height < 0 ? -f.height : f.height;
    if (f.width <= 0 || height == 0 || height > std::numeric_limits<int>::max())
        return Status::Corrupt;
    if (!isKnownCompression(f.compression))
        return Status::Unsupported;
    layout.width = static_cast<int>(f.width);
    layout.height = static_cast<int>(height);
    layout.topDown = f.height < 0;
    layout.bits = f.bits;
    layout.compression = static_cast<BmpCompression>(f.compression);
    if (!readsCombination(layout.bits, layout.compression))
        return Status::Unsupported;

    std::size_t paletteStart = kBitmapFileHeaderBytes + headerSize;
    layout.masks = defaultMasks(layout.bits);
    if (hasMasks(layout.compression)) {
        // Masks sit inside V2+ headers; after a 40-byte header they follow it.
        in.seek(kMasksOffset);
        for (auto& mask : layout.masks)
            mask = in.u32();
        if (layout.compression == BmpCompression::AlphaBitfields || headerSize >= kV3HeaderBytes)
            layout.alphaMask = in.u32();
        if (headerSize == kBitmapInfoHeaderBytes)
            paletteStart += layout.compression == BmpCompression::AlphaBitfields ? 16 : 12;
    }
    const std::size_t entryBytes = headerSize == kCoreHeaderBytes ? 3 : 4;
    const Status status = readPalette(in, paletteStart, entryBytes, f.colorsUsed, file.offBits, layout);
    if (status != Status::Ok)
        return status;
    return layout;
}

} // namespace pictra
