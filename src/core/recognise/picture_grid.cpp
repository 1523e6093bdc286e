// Separable area averaging with fractional edges: each source row is first
// folded into the grid's columns, then added to the grid rows it overlaps,
// so a large picture is read once and never held at an intermediate size.
#include "core/recognise/picture_grid.h"

#include "core/codecs/record_rows.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace pictra {
namespace {

constexpr int kMaxGridSide = 1024;

// One source pixel's share in one grid cell along an axis.
struct Share {
    int cell = 0;
    float weight = 0; // overlap in source pixels / source pixels per cell
};

// For every source index, the grid cells it overlaps and by how much.
// Cell c covers source [c·n/m, (c+1)·n/m).
std::vector<std::vector<Share>> sharesAlong(int sourceSide, int gridSide)
{
    std::vector<std::vector<Share>> shares(static_cast<std::size_t>(sourceSide));
    const double cellSpan = static_cast<double>(sourceSide) / gridSide;
    for (int c = 0; c < gridSide; ++c) {
        const double from = c * cellSpan;
        const double to = (c + 1) * cellSpan;
        const int first = static_cast<int>(std::floor(from));
        const int last = std::min(sourceSide - 1, static_cast<int>(std::ceil(to)) - 1);
        for (int s = first; s <= last; ++s) {
            const double overlap = std::min<double>(to, s + 1) - std::max<double>(from, s);
            if (overlap > 0)
                shares[static_cast<std::size_t>(s)].push_back({c, static_cast<float>(overlap / cellSpan)});
        }
    }
    return shares;
}

} // namespace

Result<PictureGrid> sampleGrid(const ImageRecord& picture, int width, int height)
{
    if (width < 1 || height < 1 || width > kMaxGridSide || height > kMaxGridSide)
        return Status::InvalidArgument;
    if (checkWritableRecord(picture) != Status::Ok)
        return Status::InvalidArgument;
    const int sourceWidth = picture.width();
    const int sourceHeight = picture.height();
    const auto columnShares = sharesAlong(sourceWidth, width);
    const auto rowShares = sharesAlong(sourceHeight, height);

    PictureGrid grid{width, height, std::vector<float>(static_cast<std::size_t>(width) * height * 3, 0.0f)};
    std::vector<std::uint8_t> rgbRow(static_cast<std::size_t>(sourceWidth) * 3);
    std::vector<float> folded(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < sourceHeight; ++y) {
        rgbRowFromTop(picture, y, rgbRow);
        std::fill(folded.begin(), folded.end(), 0.0f);
        for (int x = 0; x < sourceWidth; ++x) {
            const std::uint8_t* px = rgbRow.data() + static_cast<std::size_t>(x) * 3;
            for (const Share& share : columnShares[static_cast<std::size_t>(x)]) {
                float* cell = folded.data() + static_cast<std::size_t>(share.cell) * 3;
                cell[0] += share.weight * px[0];
                cell[1] += share.weight * px[1];
                cell[2] += share.weight * px[2];
            }
        }
        for (const Share& share : rowShares[static_cast<std::size_t>(y)]) {
            float* out = grid.rgb.data() + static_cast<std::size_t>(share.cell) * width * 3;
            for (std::size_t i = 0; i < folded.size(); ++i)
                out[i] += share.weight * folded[i];
        }
    }
    return grid;
}

} // namespace pictra
