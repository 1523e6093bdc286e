// ImageRecord: the in-memory picture every reader fills and every writer,
// filter and painter works on. A device-independent bitmap: 14-byte file
// header, 40-byte info header, a palette of 4-byte entries (blue, green,
// red, 0) and pixel rows stored bottom-up, each padded to 4 bytes:
//
//   pixels: [row 0 = bottom line][row 1]...[row H-1 = top line]
//
// The record does not own its buffers; ImageBuffers (below) does, and grows
// the pixel buffer on demand up to its cap.
#pragma once

#include "core/util/result.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pictra {

class ByteReader;
class ByteWriter;

struct PointD {
    double x = 0;
    double y = 0;
    friend bool operator==(const PointD&, const PointD&) = default;
};

// The four corners p0..p3 of a picture: (0, 0), (w, 0), (w, -h), (0, -h)
// for a fresh picture, in pixels (or millimetres for a BMP with a resolution).
using Outline = std::array<PointD, 4>;

Outline pixelOutline(double width, double height);

inline constexpr std::size_t kBitmapFileHeaderBytes = 14;
inline constexpr std::size_t kBitmapInfoHeaderBytes = 40;
inline constexpr std::size_t kPaletteBytes = 1024;
inline constexpr std::uint16_t kBitmapType = 0x4D42; // "BM"

struct BitmapFileHeader {
    std::uint16_t type = 0;
    std::uint32_t size = 0;
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
    std::uint32_t offBits = 0;
    friend bool operator==(const BitmapFileHeader&, const BitmapFileHeader&) = default;
};

struct BitmapInfoHeader {
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
    friend bool operator==(const BitmapInfoHeader&, const BitmapInfoHeader&) = default;
};

BitmapFileHeader readFileHeader(ByteReader& in);
BitmapInfoHeader readInfoHeader(ByteReader& in);
void writeFileHeader(ByteWriter& out, const BitmapFileHeader& header);
void writeInfoHeader(ByteWriter& out, const BitmapInfoHeader& header);

class ImageBuffers;

struct ImageRecord {
    Outline outline{};
    BitmapFileHeader fileHeader;
    BitmapInfoHeader infoHeader;
    std::span<std::uint8_t> palette; // kPaletteBytes, owned elsewhere
    std::span<std::uint8_t> pixels;  // the pixel buffer, owned elsewhere
    ImageBuffers* owner = nullptr;   // grows `pixels` on demand; none for fixed buffers

    // Clears outline and headers; the buffers stay.
    void clearHeaders();

    int width() const { return infoHeader.width; }
    int height() const { return infoHeader.height; }
    int bitCount() const { return infoHeader.bitCount; }
    // Bytes per padded row for the current width and bit count (0 if invalid).
    std::size_t stride() const;
    // Bytes of all rows (0 if invalid).
    std::size_t imageBytes() const;
    // Row y counted bottom-up (row 0 is the bottom line of the picture).
    std::uint8_t* row(int y) { return pixels.data() + stride() * static_cast<std::size_t>(y); }
    const std::uint8_t* row(int y) const { return pixels.data() + stride() * static_cast<std::size_t>(y); }

    // The most pixel bytes this record can be given (the buffer's cap).
    std::size_t pixelLimit() const;
    // Makes `pixels` hold at least `bytes`, growing the owner's buffer when
    // needed (the pixels are then not kept). TooLarge beyond the cap or when
    // the system has no memory to give.
    Status reservePixels(std::size_t bytes);

    // Makes the record a fresh 24-bit w × h picture: "BM" file header (size =
    // pixel bytes + 54, offset 54), 40-byte info header, outline in pixels.
    // Pixels are not touched. TooLarge when the rows do not fit the pixel
    // buffer, InvalidArgument for non-positive sizes; the record is then unchanged.
    Status setup24(int width, int height);
};

// Owner of a palette and a pixel buffer, with a record that points into them.
// The pixel buffer starts at `initialBytes` and grows when a picture needs
// more, up to `capBytes` (never below the initial size). The program's one
// shared instance lives in AppState; tests and workers make their own.
class ImageBuffers {
public:
    explicit ImageBuffers(std::size_t initialBytes, std::size_t capBytes = 0);
    ImageBuffers(const ImageBuffers&) = delete;
    ImageBuffers& operator=(const ImageBuffers&) = delete;

    ImageRecord& record() { return m_record; }
    const ImageRecord& record() const { return m_record; }
    // The bytes the pixel buffer holds now.
    std::size_t capacity() const { return m_pixels.size(); }
    std::size_t cap() const { return m_cap; }

    // A new cap (the image-buffer setting changed). A buffer above it is
    // given back; the record's headers are then cleared.
    void setCap(std::size_t capBytes);

    // Grows the pixel buffer to at least `bytes` (within the cap); the
    // record points at the new buffer. False when over the cap or out of memory.
    bool grow(std::size_t bytes);

private:
    void attach();

    std::vector<std::uint8_t> m_palette;
    std::vector<std::uint8_t> m_pixels;
    std::size_t m_cap = 0;
    ImageRecord m_record;
};

} // namespace pictra
