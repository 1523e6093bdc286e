// libjpeg-turbo encoding of bitmaps (TurboJPEG API, a fresh handle per call).
#include "core/imaging_library/library_jpeg_encoder.h"

#include "core/imaging_library/turbo_handle.h"
#include "core/util/byte_writer.h"
#include "core/util/pixel_bytes.h"

#include <algorithm>

namespace pictra {
namespace {

constexpr std::size_t kMaxCommentBytes = 65533; // a segment length is 16 bits, itself included

int turboSampling(JpegSampling sampling)
{
    switch (sampling) {
    case JpegSampling::S411: return TJSAMP_420;
    case JpegSampling::S421: return TJSAMP_422;
    case JpegSampling::S444: return TJSAMP_444;
    }
    return TJSAMP_420;
}

std::uint8_t paletteIndex(const std::uint8_t* row, int x, int bits)
{
    switch (bits) {
    case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4: return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    default: return row[x];
    }
}

// Expands a paletted or 32-bit bitmap into 24-bit rows of width × 3 bytes,
// still bottom-up. Indices past the palette give black.
std::vector<std::uint8_t> expandToBgr(const BitmapView& bitmap, std::size_t stride)
{
    const int width = bitmap.info.width;
    const int height = bitmap.info.height;
    const int bits = bitmap.info.bitCount;
    const std::size_t entries = bitmap.palette.size() / 4;
    std::vector<std::uint8_t> bgr(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    std::uint8_t* dst = bgr.data();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = bitmap.pixels.data() + stride * static_cast<std::size_t>(y);
        for (int x = 0; x < width; ++x, dst += 3) {
            if (bits == 32) {
                std::copy_n(row + 4 * x, 3, dst);
                continue;
            }
            const std::size_t index = paletteIndex(row, x, bits);
            if (index < entries)
                std::copy_n(bitmap.palette.data() + 4 * index, 3, dst);
        }
    }
    return bgr;
}

} // namespace

std::vector<std::uint8_t> withJpegComment(ByteSpan jpeg, std::string_view comment)
{
    if (comment.empty() || jpeg.size() < 2)
        return {jpeg.begin(), jpeg.end()};
    comment = comment.substr(0, kMaxCommentBytes);
    std::size_t at = 2;
    if (jpeg.size() >= 6 && jpeg[2] == 0xFF && jpeg[3] == 0xE0)
        at = std::min(jpeg.size(), 4 + ((std::size_t{jpeg[4]} << 8) | jpeg[5]));
    ByteWriter out(jpeg.size() + comment.size() + 4);
    out.bytes(jpeg.first(at));
    out.u16be(0xFFFE);
    out.u16be(static_cast<std::uint16_t>(comment.size() + 2));
    out.bytes({reinterpret_cast<const std::uint8_t*>(comment.data()), comment.size()});
    out.bytes(jpeg.subspan(at));
    return out.take();
}

Result<std::vector<std::uint8_t>> encodeLibraryJpegBytes(const BitmapView& bitmap, const JpegSaveOptions& options)
{
    if (const Status status = checkBitmap(bitmap); status != Status::Ok)
        return status;
    const int width = bitmap.info.width;
    const int height = bitmap.info.height;
    std::size_t stride = *rowBytes(width, bitmap.info.bitCount);
    std::vector<std::uint8_t> expanded;
    const std::uint8_t* source = bitmap.pixels.data();
    if (bitmap.info.bitCount != 24) {
        expanded = expandToBgr(bitmap, stride);
        source = expanded.data();
        stride = static_cast<std::size_t>(width) * 3;
    }
    TurboHandle handle(tjInitCompress());
    if (!handle)
        return Status::IoError;
    const int quality = std::clamp(options.quality, 1, 100);
    int flags = TJFLAG_BOTTOMUP | TJFLAG_ACCURATEDCT;
    if (options.coding == JpegCoding::Progressive)
        flags |= TJFLAG_PROGRESSIVE;
    unsigned char* out = nullptr;
    unsigned long size = 0;
    const int rc = tjCompress2(handle.get(), source, width, static_cast<int>(stride), height, TJPF_BGR, &out, &size,
                               turboSampling(options.sampling), quality, flags);
    const TurboBuffer owned(out);
    if (rc != 0 || !out)
        return Status::IoError;
    return withJpegComment(ByteSpan(out, size), options.comment);
}

} // namespace pictra
