// A picture's hash and look.
#include "core/recognise/picture_content.h"

#include "core/recognise/picture_grid.h"
#include "core/recognise/picture_hash.h"
#include "core/util/rounding.h"

#include <algorithm>
#include <cmath>

namespace pictra {

std::optional<PictureContent> pictureContent(const ImageRecord& upright)
{
    const auto hash = contentHash(upright);
    if (!hash)
        return std::nullopt;
    const auto grid = sampleGrid(upright, kLookWidth, kLookHeight);
    if (!grid || grid->rgb.size() != PictureLook{}.size())
        return std::nullopt;
    PictureContent content{*hash, {}};
    for (std::size_t i = 0; i < content.look.size(); ++i)
        content.look[i] = static_cast<std::uint8_t>(std::clamp(roundHalfAway(grid->rgb[i]), 0, 255));
    return content;
}

namespace {

using Grey = std::array<double, kLookWidth * kLookHeight>;

Grey greyOf(const PictureLook& look)
{
    Grey grey{};
    for (std::size_t i = 0; i < grey.size(); ++i)
        grey[i] = 0.299 * look[i * 3] + 0.587 * look[i * 3 + 1] + 0.114 * look[i * 3 + 2];
    return grey;
}

// The sum over the cells of the squared central-difference gradient.
double gradientEnergy(const Grey& g)
{
    const auto at = [&g](int x, int y) {
        return g[static_cast<std::size_t>(std::clamp(y, 0, kLookHeight - 1) * kLookWidth + std::clamp(x, 0, kLookWidth - 1))];
    };
    double sum = 0;
    for (int y = 0; y < kLookHeight; ++y)
        for (int x = 0; x < kLookWidth; ++x) {
            const double dx = (at(x + 1, y) - at(x - 1, y)) / 2;
            const double dy = (at(x, y + 1) - at(x, y - 1)) / 2;
            sum += dx * dx + dy * dy;
        }
    return sum;
}

} // namespace

double lookShift(const PictureLook& a, const PictureLook& b)
{
    const Grey ga = greyOf(a);
    const Grey gb = greyOf(b);
    double mean = 0;
    for (std::size_t i = 0; i < ga.size(); ++i)
        mean += ga[i] - gb[i];
    mean /= static_cast<double>(ga.size());
    double squares = 0;
    for (std::size_t i = 0; i < ga.size(); ++i) {
        const double d = ga[i] - gb[i] - mean;
        squares += d * d;
    }
    // A flat pair (which has no content anyway) must not divide by nothing.
    const double gradient = std::max((gradientEnergy(ga) + gradientEnergy(gb)) / 2, 1.0);
    return std::sqrt(squares / gradient);
}

} // namespace pictra
