// Likeness of two pictures by PSNR of their 160 × 120 averages.
#include "core/recognise/picture_likeness.h"

#include <algorithm>
#include <cmath>

namespace pictra {
namespace {

bool isLikenessGrid(const PictureGrid& grid)
{
    return grid.width == kLikenessWidth && grid.height == kLikenessHeight &&
           grid.rgb.size() == static_cast<std::size_t>(kLikenessWidth) * kLikenessHeight * 3;
}

} // namespace

Result<PictureGrid> likenessGrid(const ImageRecord& upright)
{
    return sampleGrid(upright, kLikenessWidth, kLikenessHeight);
}

Result<double> gridPsnr(const PictureGrid& a, const PictureGrid& b)
{
    if (!isLikenessGrid(a) || !isLikenessGrid(b))
        return Status::InvalidArgument;
    double squares = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i) {
        const double d = static_cast<double>(a.rgb[i]) - b.rgb[i];
        squares += d * d;
    }
    const double mse = squares / static_cast<double>(a.rgb.size());
    if (mse <= 0)
        return kIdenticalPsnr;
    return std::min(kIdenticalPsnr, 10.0 * std::log10(255.0 * 255.0 / mse));
}

Result<double> reducedPsnr(const ImageRecord& a, const ImageRecord& b)
{
    const auto gridA = likenessGrid(a);
    if (!gridA)
        return gridA.status();
    const auto gridB = likenessGrid(b);
    if (!gridB)
        return gridB.status();
    return gridPsnr(*gridA, *gridB);
}

} // namespace pictra
