// Quarter turns as a tiled transposition: the new picture is written tile by
// tile, so the old rows a tile reads (one per new column) stay in cache.
// The new rows' padding is zeroed.
//
//   step 1: new (x', y') = old (y', H-1-x')      step 3: new (x', y') = old (W-1-y', x')
#include "core/filters/rotation.h"

#include "core/filters/flip.h"
#include "core/filters/pixel_rows.h"
#include "core/util/pixel_bytes.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <vector>

namespace pictra {
namespace {

constexpr int kTile = 64; // pixels; 64 old rows × 192 bytes stay in L1

// Where new pixel (x', y') comes from: old + x'·dx + y'·dy bytes.
struct SourceWalk {
    const std::uint8_t* origin;
    std::ptrdiff_t dx;
    std::ptrdiff_t dy;
};

// Pixels move as 4-byte words; the fourth byte lands on the next pixel of
// the row, which is written afterwards (in this tile or the next one). Only
// a row's last pixel moves as 3 bytes, to keep off the padding and the next
// row. The source needs one readable byte past its last pixel.
void writeTurned(std::uint8_t* dst, std::size_t dstStride, int newW, int newH, SourceWalk src)
{
    for (int ty = 0; ty < newH; ty += kTile) {
        const int yEnd = std::min(ty + kTile, newH);
        for (int tx = 0; tx < newW; tx += kTile) {
            const int xEnd = std::min(tx + kTile, newW);
            const int wordEnd = std::min(xEnd, newW - 1);
            for (int y = ty; y < yEnd; ++y) {
                std::uint8_t* d = dst + dstStride * static_cast<std::size_t>(y) + 3 * static_cast<std::size_t>(tx);
                const std::uint8_t* s = src.origin + src.dx * tx + src.dy * y;
                int x = tx;
                for (; x < wordEnd; ++x, d += 3, s += src.dx)
                    std::memcpy(d, s, 4);
                if (x < xEnd)
                    std::memcpy(d, s, 3);
            }
        }
    }
}

// The new rows' padding would otherwise hold leftovers of the old pixels.
void clearPadding(ImageRecord& record)
{
    const std::size_t used = 3 * static_cast<std::size_t>(record.width());
    const std::size_t pad = record.stride() - used;
    if (pad == 0)
        return;
    for (int y = 0; y < record.height(); ++y)
        std::memset(record.row(y) + used, 0, pad);
}

// Exchanges width and height in the headers and the outline's extent.
void exchangeSizes(ImageRecord& record, std::size_t newBytes)
{
    BitmapInfoHeader& info = record.infoHeader;
    std::swap(info.width, info.height);
    std::swap(info.xPelsPerMeter, info.yPelsPerMeter);
    if (info.sizeImage != 0)
        info.sizeImage = static_cast<std::uint32_t>(newBytes);
    if (record.fileHeader.offBits != 0)
        record.fileHeader.size = record.fileHeader.offBits + static_cast<std::uint32_t>(newBytes);

    Outline& o = record.outline;
    const double oldWidth = o[1].x - o[0].x;
    const double oldHeight = o[0].y - o[3].y;
    o[1] = {o[0].x + oldHeight, o[0].y};
    o[2] = {o[0].x + oldHeight, o[0].y - oldWidth};
    o[3] = {o[0].x, o[0].y - oldWidth};
}

bool isQuarterTurn(int step) { return step == 1 || step == 3; }

// The pixel bytes of the turned picture, if they fit the record's buffer and
// its file header's size field.
std::optional<std::size_t> turnedBytes(const ImageRecord& record)
{
    const auto bytes = pixelBytes(record.height(), record.width(), 24, 4, record.pixelLimit());
    if (!bytes || *bytes > UINT32_MAX - record.fileHeader.offBits)
        return std::nullopt;
    return bytes;
}

Status checkTurn(const ImageRecord& record, int step)
{
    if (step < 0 || step > 3)
        return Status::InvalidArgument;
    if (const Status s = checkPicture24(record); s != Status::Ok)
        return s;
    if (isQuarterTurn(step) && !turnedBytes(record))
        return Status::TooLarge;
    return Status::Ok;
}

Status quarterTurn(ImageRecord& record, int step, std::span<std::uint8_t> scratch)
{
    const int w = record.width();
    const int h = record.height();
    const std::size_t oldBytes = record.imageBytes();
    const auto stride = static_cast<std::ptrdiff_t>(record.stride());
    std::uint8_t* const old = scratch.data();
    std::memcpy(old, record.pixels.data(), oldBytes);
    old[oldBytes] = 0;
    // The turned rows may pad to a few bytes more than the buffer holds.
    if (record.reservePixels(*turnedBytes(record)) != Status::Ok) {
        record.clearHeaders();
        return Status::TooLarge;
    }
    const SourceWalk walk = step == 1 ? SourceWalk{old + stride * (h - 1), -stride, 3}
                                      : SourceWalk{old + 3 * static_cast<std::ptrdiff_t>(w - 1), stride, -3};
    exchangeSizes(record, *turnedBytes(record));
    writeTurned(record.pixels.data(), record.stride(), h, w, walk);
    clearPadding(record);
    return Status::Ok;
}

// After checkTurn; `scratch` is large enough for a quarter turn.
Status turn(ImageRecord& record, int step, std::span<std::uint8_t> scratch)
{
    if (step == 2)
        return flipPicture(record, {.leftRight = true, .upDown = true});
    if (isQuarterTurn(step))
        return quarterTurn(record, step, scratch);
    return Status::Ok;
}

} // namespace

std::size_t rotationScratchBytes(const ImageRecord& record) { return record.imageBytes() + 1; }

Status rotateQuarterTurns(ImageRecord& record, int step, std::span<std::uint8_t> scratch)
{
    if (const Status s = checkTurn(record, step); s != Status::Ok)
        return s;
    if (isQuarterTurn(step) && scratch.size() < rotationScratchBytes(record))
        return Status::InvalidArgument;
    return turn(record, step, scratch);
}

Status rotateQuarterTurns(ImageRecord& record, int step)
{
    if (const Status s = checkTurn(record, step); s != Status::Ok)
        return s;
    std::vector<std::uint8_t> scratch(isQuarterTurn(step) ? rotationScratchBytes(record) : 0);
    return turn(record, step, scratch);
}

} // namespace pictra
