// Colour conversion between YCbCr sample rows and 24-bit BGR pixel rows.
#pragma once

#include <cstdint>

namespace pictra::jpeg {

// One output row from decoded sample rows: B = Y + 1.7718·(Cb−128),
// G = Y − 0.3441·(Cb−128) − 0.7139·(Cr−128), R = Y + 1.402·(Cr−128), each
// truncated and clamped to 0..255. Chroma sample x >> chromaShift belongs
// to pixel x (chromaShift 1 for horizontally halved chroma).
void yccRowToBgr(const std::int16_t* y, const std::int16_t* cb, const std::int16_t* cr, int chromaShift,
                 std::uint8_t* bgr, int width);

// A greyscale row: B = G = R = Y clamped to 0..255.
void greyRowToBgr(const std::int16_t* y, std::uint8_t* bgr, int width);

} // namespace pictra::jpeg
