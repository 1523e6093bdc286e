// Tables shared by the JPEG decoder and encoder: the zig-zag order and the
// example quantisation and Huffman tables the encoder writes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace pictra::jpeg {

inline constexpr int kBlockSize = 64;

// kZigzag[k] is the natural (row-major) index of the k-th coefficient in
// file order: 0, 1, 8, 16, 9, 2, ...
inline constexpr std::array<std::uint8_t, kBlockSize> kZigzag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  //
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28, //
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51, //
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

// Position of each zig-zag index in a transposed block (horizontal
// frequency u first: index u * 8 + v), the layout the DCT passes work on.
constexpr std::array<std::uint8_t, kBlockSize> makeTransposedZigzag()
{
    std::array<std::uint8_t, kBlockSize> t{};
    for (std::size_t k = 0; k < t.size(); ++k)
        t[k] = static_cast<std::uint8_t>((kZigzag[k] % 8) * 8 + kZigzag[k] / 8);
    return t;
}
inline constexpr std::array<std::uint8_t, kBlockSize> kTransposedZigzag = makeTransposedZigzag();

// Factors of the 8-point DCT, c(k)/2 · cos(kπ/16) with c(0) = 1/√2; both
// transforms split it into even and odd halves built from these.
inline constexpr float kDctDc = 0.353553391f; // 1/(2√2)
inline constexpr float kDctC1 = 0.490392640f;
inline constexpr float kDctC2 = 0.461939766f;
inline constexpr float kDctC3 = 0.415734806f;
inline constexpr float kDctC5 = 0.277785117f;
inline constexpr float kDctC6 = 0.191341716f;
inline constexpr float kDctC7 = 0.097545161f;

// Luminance and chrominance quantisation tables, natural order, unscaled.
extern const std::array<std::uint8_t, kBlockSize> kLuminanceQuant;
extern const std::array<std::uint8_t, kBlockSize> kChrominanceQuant;

// A Huffman table as a DHT segment carries it: 16 code counts per length and
// the symbol values in code order.
struct HuffmanSpec {
    std::array<std::uint8_t, 16> bits;
    const std::uint8_t* values;
    int count;
};

extern const HuffmanSpec kDcLuminance;
extern const HuffmanSpec kDcChrominance;
extern const HuffmanSpec kAcLuminance;
extern const HuffmanSpec kAcChrominance;

} // namespace pictra::jpeg
