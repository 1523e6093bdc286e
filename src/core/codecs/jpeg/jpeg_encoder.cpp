// The encoder: header segments, then MCU rows of 16 picture rows converted
// to YCbCr, each 16x16 MCU coded as four luminance blocks and one Cb and
// one Cr block taken from the top-left sample of every 2x2 group. Edges are
// padded by repeating the last row and column.
#include "core/codecs/jpeg/jpeg_encoder.h"

#include "core/codecs/jpeg/jpeg_color.h"
#include "core/codecs/jpeg/jpeg_fdct.h"
#include "core/codecs/jpeg/jpeg_huffman_encoder.h"
#include "core/codecs/jpeg/jpeg_markers.h"
#include "core/codecs/jpeg/jpeg_tables.h"
#include "core/util/byte_writer.h"
#include "core/util/file_io.h"

#include <algorithm>

namespace pictra {
namespace {

using namespace jpeg;

constexpr int kMaxSide = 65535;
constexpr int kMcuSize = 16;

void marker(ByteWriter& out, std::uint8_t code)
{
    out.u8(kMarkerPrefix);
    out.u8(code);
}

void writeDqt(ByteWriter& out, int id, const std::array<std::uint8_t, 64>& table)
{
    marker(out, kDqt);
    out.u16be(67);
    out.u8(static_cast<std::uint8_t>(id));
    for (std::uint8_t natural : kZigzag)
        out.u8(table[natural]);
}

void writeDht(ByteWriter& out, std::uint8_t classAndId, const HuffmanSpec& spec)
{
    marker(out, kDht);
    out.u16be(static_cast<std::uint16_t>(spec.count + 19));
    out.u8(classAndId);
    out.bytes(spec.bits);
    out.bytes({spec.values, static_cast<std::size_t>(spec.count)});
}

void writeHeaders(ByteWriter& out, int width, int height)
{
    marker(out, kSoi);
    marker(out, kApp0);
    out.u16be(16);
    out.bytes(std::array<std::uint8_t, 5>{'J', 'F', 'I', 'F', 0});
    out.bytes(std::array<std::uint8_t, 9>{1, 1, 0, 0, 0, 0, 0, 0, 0});
    marker(out, kCom);
    out.u16be(static_cast<std::uint16_t>(sizeof kJpegComment + 2));
    out.bytes({reinterpret_cast<const std::uint8_t*>(kJpegComment), sizeof kJpegComment});
    writeDqt(out, 0, kLuminanceQuant);
    writeDqt(out, 1, kChrominanceQuant);
    writeDht(out, 0x00, kDcLuminance);
    writeDht(out, 0x01, kDcChrominance);
    writeDht(out, 0x10, kAcLuminance);
    writeDht(out, 0x11, kAcChrominance);
    marker(out, kSof0);
    out.u16be(17);
    out.u8(8);
    out.u16be(static_cast<std::uint16_t>(height));
    out.u16be(static_cast<std::uint16_t>(width));
    out.bytes(std::array<std::uint8_t, 10>{3, 0, 0x22, 0, 1, 0x11, 1, 2, 0x11, 1});
    marker(out, kSos);
    out.u16be(12);
    out.bytes(std::array<std::uint8_t, 10>{3, 0, 0x00, 1, 0x11, 2, 0x11, 0, 63, 0});
}

struct CodingTables {
    QuantDivisors luma = makeQuantDivisors(kLuminanceQuant);
    QuantDivisors chroma = makeQuantDivisors(kChrominanceQuant);
    HuffmanEncodeTable dcLuma = makeHuffmanEncodeTable(kDcLuminance);
    HuffmanEncodeTable dcChroma = makeHuffmanEncodeTable(kDcChrominance);
    HuffmanEncodeTable acLuma = makeHuffmanEncodeTable(kAcLuminance);
    HuffmanEncodeTable acChroma = makeHuffmanEncodeTable(kAcChrominance);
};

const CodingTables& codingTables()
{
    static const CodingTables tables;
    return tables;
}

// Level-shifted samples of one MCU row: 16 luminance rows, 8 chroma rows.
struct McuRowPlanes {
    explicit McuRowPlanes(int paddedWidth)
        : width(paddedWidth), y(static_cast<std::size_t>(paddedWidth) * kMcuSize),
          cb(static_cast<std::size_t>(paddedWidth) * kMcuSize / 4), cr(cb.size())
    {
    }
    int width;
    std::vector<float> y, cb, cr;
};

void convertMcuRow(const ImageRecord& record, int mcuRow, McuRowPlanes& planes)
{
    const int height = record.height();
    const int chromaWidth = planes.width / 2;
    for (int r = 0; r < kMcuSize; ++r) {
        const int y = std::min(mcuRow * kMcuSize + r, height - 1);
        const bool chroma = r % 2 == 0;
        const std::size_t chromaOffset = static_cast<std::size_t>(r / 2) * static_cast<std::size_t>(chromaWidth);
        bgrRowToYcc(record.row(height - 1 - y), record.width(), planes.width,
                    planes.y.data() + static_cast<std::size_t>(r) * static_cast<std::size_t>(planes.width),
                    chroma ? planes.cb.data() + chromaOffset : nullptr,
                    chroma ? planes.cr.data() + chromaOffset : nullptr);
    }
}

void encodeMcuRow(const McuRowPlanes& planes, const CodingTables& t, BitWriter& out, std::array<int, 3>& predictors)
{
    const std::ptrdiff_t stride = planes.width;
    const std::ptrdiff_t chromaStride = planes.width / 2;
    alignas(32) std::int16_t block[64];
    for (int mx = 0; mx < planes.width / kMcuSize; ++mx) {
        out.ensureRoom(6 * kMaxBlockBytes);
        for (int b = 0; b < 4; ++b) {
            const float* in = planes.y.data() + (b / 2) * 8 * stride + mx * kMcuSize + (b % 2) * 8;
            forwardDctQuantise(in, stride, t.luma, block);
            encodeBlock(out, block, predictors[0], t.dcLuma, t.acLuma);
        }
        forwardDctQuantise(planes.cb.data() + mx * 8, chromaStride, t.chroma, block);
        encodeBlock(out, block, predictors[1], t.dcChroma, t.acChroma);
        forwardDctQuantise(planes.cr.data() + mx * 8, chromaStride, t.chroma, block);
        encodeBlock(out, block, predictors[2], t.dcChroma, t.acChroma);
    }
}

Status checkRecord(const ImageRecord& record)
{
    if (record.bitCount() != 24 || record.width() <= 0 || record.height() <= 0)
        return Status::InvalidArgument;
    if (record.width() > kMaxSide || record.height() > kMaxSide)
        return Status::TooLarge;
    if (record.imageBytes() == 0 || record.imageBytes() > record.pixels.size())
        return Status::InvalidArgument;
    return Status::Ok;
}

} // namespace

Result<std::vector<std::uint8_t>> encodeJpegBytes(const ImageRecord& record)
{
    if (const Status s = checkRecord(record); s != Status::Ok)
        return s;
    const int width = record.width();
    const int height = record.height();
    ByteWriter headers(1024);
    writeHeaders(headers, width, height);
    std::vector<std::uint8_t> out = headers.take();
    out.reserve(out.size() + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) / 2);

    const CodingTables& tables = codingTables();
    McuRowPlanes planes((width + kMcuSize - 1) / kMcuSize * kMcuSize);
    std::array<int, 3> predictors{};
    BitWriter writer(out);
    for (int mcuRow = 0; mcuRow * kMcuSize < height; ++mcuRow) {
        convertMcuRow(record, mcuRow, planes);
        encodeMcuRow(planes, tables, writer, predictors);
    }
    writer.finish();
    out.push_back(kMarkerPrefix);
    out.push_back(kEoi);
    return out;
}

Status encodeJpeg(const std::string& path, const ImageRecord& record)
{
    auto bytes = encodeJpegBytes(record);
    if (!bytes)
        return bytes.status();
    return writeFileAtomic(path, *bytes);
}

} // namespace pictra
