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

// The encoder's level-shifted samples of one BGR row of `width` pixels:
// Y = trunc(0.299·R + 0.587·G + 0.114·B − 128) for every pixel, and for
// every second pixel (x even) Cb = trunc(−0.1687·R − 0.3313·G + 0.5·B) and
// Cr = trunc(0.5·R − 0.4187·G − 0.0813·B) at index x / 2 (null cb/cr skip
// chroma). Rows are extended to `paddedWidth` by repeating the last sample.
void bgrRowToYcc(const std::uint8_t* bgr, int width, int paddedWidth, float* y, float* cb, float* cr);

} // namespace pictra::jpeg
