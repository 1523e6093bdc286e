// PackedBitmap: the block the imaging library hands pictures around in: the
// 40-byte info header, colours-used × 4 palette bytes, then the pixel rows
// bottom-up, each padded to 4 bytes. The block owns its bytes (RAII).
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictra {

// A read-only look at a bitmap wherever it lives (a record or a block).
struct BitmapView {
    BitmapInfoHeader info;
    ByteSpan palette; // paletteEntries(info) × 4 bytes: blue, green, red, 0
    ByteSpan pixels;  // rows bottom-up, padded to 4 bytes
};

BitmapView viewOf(const ImageRecord& record);

// Palette entries a bitmap carries: clrUsed when set, else 2^bits for 1, 4
// and 8 bits, else none.
std::size_t paletteEntries(const BitmapInfoHeader& info);

// Ok when the view is a bottom-up 1, 4, 8, 24 or 32-bit bitmap whose palette
// and rows fit the spans it names; Unsupported for other depths, compressed
// or top-down bitmaps, Corrupt when the spans are too short.
Status checkBitmap(const BitmapView& bitmap);

class PackedBitmap {
public:
    PackedBitmap() = default;

    bool empty() const { return m_bytes.empty(); }
    ByteSpan bytes() const { return m_bytes; }
    // The block's header, palette and rows (an empty view for an empty block).
    BitmapView view() const;

private:
    friend Result<PackedBitmap> IKCopyImage(const BitmapView& bitmap);
    friend void IKFreeMemory(PackedBitmap& block);
    std::vector<std::uint8_t> m_bytes;
};

// Copies a bitmap into a new block; the failures of checkBitmap.
Result<PackedBitmap> IKCopyImage(const BitmapView& bitmap);

// Frees the block's memory now instead of when it goes out of scope.
void IKFreeMemory(PackedBitmap& block);

// Copies a block into a record: info header, palette into record.palette,
// rows into record.pixels; sets the "BM" file header and the outline in
// pixels. TooLarge when palette or rows do not fit the record's buffers, the
// failures of checkBitmap otherwise; the record's headers are then cleared.
Status unpackToRecord(const PackedBitmap& block, ImageRecord& record);

} // namespace pictra
