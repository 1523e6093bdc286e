// Seeded scenes: a two-colour gradient and six soft ellipses, with a little
// texture and noise so JPEG has something to lose.
#include "support/synthetic_scene.h"

#include "core/image/area_resample.h"
#include "core/util/pixel_bytes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>

namespace pictra::test {
namespace {

struct Blob {
    double cx, cy, rx, ry, dx, dy;
    std::array<double, 3> colour;
};

constexpr int kBlobs = 6;

} // namespace

RgbImage makeScene(int width, int height, std::uint32_t seed, double drift)
{
    std::mt19937 rng(seed * 2654435761u + 17u);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::array<double, 3> from{}, to{};
    for (double& c : from)
        c = 30 + 180 * unit(rng);
    for (double& c : to)
        c = 30 + 180 * unit(rng);
    const double angle = 6.2831853 * unit(rng);
    std::array<Blob, kBlobs> blobs{};
    for (Blob& b : blobs) {
        b.cx = unit(rng);
        b.cy = unit(rng);
        b.rx = 0.08 + 0.25 * unit(rng);
        b.ry = 0.08 + 0.25 * unit(rng);
        const double a = 6.2831853 * unit(rng);
        b.dx = std::cos(a);
        b.dy = std::sin(a);
        for (double& c : b.colour)
            c = 255 * unit(rng);
    }
    std::uniform_int_distribution<int> noise(-6, 6);
    RgbImage img{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    std::size_t i = 0;
    for (int y = 0; y < height; ++y) {
        const double v = (y + 0.5) / height;
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width;
            const double t =
                std::clamp(0.5 + (u - 0.5) * std::cos(angle) + (v - 0.5) * std::sin(angle), 0.0, 1.0);
            std::array<double, 3> px{};
            for (std::size_t c = 0; c < 3; ++c)
                px[c] = from[c] + (to[c] - from[c]) * t;
            for (const Blob& b : blobs) {
                const double ex = (u - b.cx - drift * b.dx) / b.rx;
                const double ey = (v - b.cy - drift * b.dy) / b.ry;
                const double alpha = std::clamp(4.0 * (1.0 - std::sqrt(ex * ex + ey * ey)), 0.0, 1.0);
                for (std::size_t c = 0; c < 3; ++c)
                    px[c] += (b.colour[c] - px[c]) * alpha;
            }
            const double texture = 6.0 * std::sin(u * 90.0) * std::cos(v * 70.0);
            for (double c : px)
                img.rgb[i++] =
                    static_cast<std::uint8_t>(std::clamp(static_cast<int>(c + texture) + noise(rng), 0, 255));
        }
    }
    return img;
}

RgbImage cropRgb(const RgbImage& image, int x, int y, int width, int height)
{
    x = std::clamp(x, 0, image.width);
    y = std::clamp(y, 0, image.height);
    width = std::clamp(width, 0, image.width - x);
    height = std::clamp(height, 0, image.height - y);
    RgbImage out{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    for (int row = 0; row < height; ++row) {
        const auto* src = image.rgb.data() + (static_cast<std::size_t>(y + row) * image.width + x) * 3;
        std::copy(src, src + static_cast<std::size_t>(width) * 3,
                  out.rgb.begin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(row) * width * 3));
    }
    return out;
}

std::unique_ptr<ImageBuffers> bufferedRecord(const RgbImage& image)
{
    auto buffers = std::make_unique<ImageBuffers>(*pixelBytes(image.width, image.height, 24));
    fillRecord(image, *buffers);
    return buffers;
}

RgbImage shrinkRgb(const RgbImage& image, int width, int height)
{
    const auto buffers = bufferedRecord(image);
    if (!shrinkByArea(buffers->record(), width, height))
        return image;
    return fromRecord(buffers->record());
}

} // namespace pictra::test
