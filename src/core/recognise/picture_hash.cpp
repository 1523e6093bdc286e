// Perceptual hash: grey of the 32 × 32 area average, a separable DCT-II of
// which only the 9 × 9 lowest frequencies are computed, the DC row and column
// left out (they follow brightness, not content), then one bit per
// coefficient against the median.
#include "core/recognise/picture_hash.h"

#include "core/recognise/picture_grid.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numbers>
#include <optional>

namespace pictra {
namespace {

constexpr int kFrequencies = 9; // 0..8; 0 is dropped
constexpr int kHashSide = 8;

using CosineTable = std::array<std::array<double, kHashGridSide>, kFrequencies>;

const CosineTable& cosines()
{
    static const CosineTable table = [] {
        CosineTable t{};
        for (int u = 0; u < kFrequencies; ++u)
            for (int x = 0; x < kHashGridSide; ++x)
                t[static_cast<std::size_t>(u)][static_cast<std::size_t>(x)] =
                    std::cos(std::numbers::pi * (2 * x + 1) * u / (2.0 * kHashGridSide));
        return t;
    }();
    return table;
}

using Coefficients = std::array<double, kHashSide * kHashSide>;

// The 64 coefficients the hash is made of; nullopt for a record without a picture.
std::optional<Coefficients> hashCoefficients(const ImageRecord& upright)
{
    const auto grid = sampleGrid(upright, kHashGridSide, kHashGridSide);
    if (!grid)
        return std::nullopt;
    std::array<double, kHashGridSide * kHashGridSide> grey{};
    for (std::size_t i = 0; i < grey.size(); ++i) {
        const float* px = grid->rgb.data() + i * 3;
        grey[i] = 0.299 * px[0] + 0.587 * px[1] + 0.114 * px[2];
    }
    const CosineTable& cos = cosines();
    // rows[y][u]: row y transformed along x.
    std::array<std::array<double, kFrequencies>, kHashGridSide> rows{};
    for (int y = 0; y < kHashGridSide; ++y)
        for (int u = 0; u < kFrequencies; ++u) {
            double sum = 0;
            for (int x = 0; x < kHashGridSide; ++x)
                sum += grey[static_cast<std::size_t>(y * kHashGridSide + x)] *
                       cos[static_cast<std::size_t>(u)][static_cast<std::size_t>(x)];
            rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(u)] = sum;
        }
    Coefficients coefficients{};
    for (int v = 1; v < kFrequencies; ++v)
        for (int u = 1; u < kFrequencies; ++u) {
            double sum = 0;
            for (int y = 0; y < kHashGridSide; ++y)
                sum += rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(u)] *
                       cos[static_cast<std::size_t>(v)][static_cast<std::size_t>(y)];
            coefficients[static_cast<std::size_t>((v - 1) * kHashSide + (u - 1))] = sum;
        }
    return coefficients;
}

double median(const Coefficients& coefficients)
{
    Coefficients sorted = coefficients;
    std::nth_element(sorted.begin(), sorted.begin() + 32, sorted.end());
    const double upper = sorted[32];
    const double lower = *std::max_element(sorted.begin(), sorted.begin() + 32);
    return (lower + upper) / 2;
}

std::uint64_t bitsAbove(const Coefficients& coefficients, double threshold)
{
    std::uint64_t hash = 0;
    for (std::size_t i = 0; i < coefficients.size(); ++i)
        if (coefficients[i] > threshold)
            hash |= std::uint64_t{1} << i;
    return hash;
}

} // namespace

std::uint64_t perceptualHash(const ImageRecord& upright)
{
    const auto coefficients = hashCoefficients(upright);
    return coefficients ? bitsAbove(*coefficients, median(*coefficients)) : 0;
}

std::optional<std::uint64_t> contentHash(const ImageRecord& upright)
{
    const auto coefficients = hashCoefficients(upright);
    if (!coefficients)
        return std::nullopt;
    const double middle = median(*coefficients);
    double spread = 0;
    for (const double c : *coefficients)
        spread = std::max(spread, std::abs(c - middle));
    if (spread < kFlatHashSpread)
        return std::nullopt;
    return bitsAbove(*coefficients, middle);
}

int hashDistance(std::uint64_t a, std::uint64_t b) { return std::popcount(a ^ b); }

} // namespace pictra
