// Deterministic photo-like pictures and libjpeg-turbo helpers for tests.
#include "support/synthetic_image.h"

#include "core/util/pixel_bytes.h"

#include <turbojpeg.h>

#include <algorithm>
#include <stdexcept>

#include <cmath>
#include <cstring>
#include <random>

namespace pictra::test {

RgbImage makePhotoLike(int width, int height, std::uint32_t seed)
{
    RgbImage img{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> noise(-12, 12);
    const double fx = 6.2831853 / std::max(1, width);
    const double fy = 6.2831853 / std::max(1, height);
    std::size_t i = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double gx = static_cast<double>(x) / std::max(1, width - 1);
            const double gy = static_cast<double>(y) / std::max(1, height - 1);
            const double texture = 20.0 * std::sin(x * 0.35) * std::cos(y * 0.27);
            const double wave = 40.0 * std::sin(x * fx * 1.5 + y * fy * 0.7);
            const double r = 200.0 * gx + 30 + texture + wave;
            const double g = 180.0 * gy + 40 - texture * 0.5;
            const double b = 120.0 * (1 - gx) * (1 - gy) + 60 + wave * 0.6;
            for (double v : {r, g, b}) {
                const int n = static_cast<int>(v) + noise(rng);
                img.rgb[i++] = static_cast<std::uint8_t>(std::clamp(n, 0, 255));
            }
        }
    }
    return img;
}

void fillRecord(const RgbImage& image, ImageBuffers& buffers)
{
    ImageRecord& rec = buffers.record();
    if (rec.setup24(image.width, image.height) != Status::Ok)
        throw std::runtime_error("picture does not fit the test buffer");
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* dst = rec.row(image.height - 1 - y);
        const std::uint8_t* src = image.rgb.data() + static_cast<std::size_t>(y) * image.width * 3;
        for (int x = 0; x < image.width; ++x) {
            dst[3 * x + 0] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x + 0];
        }
        std::memset(dst + 3 * image.width, 0, rec.stride() - 3 * static_cast<std::size_t>(image.width));
    }
}

RgbImage fromRecord(const ImageRecord& rec)
{
    RgbImage img{rec.width(), rec.height(), {}};
    img.rgb.resize(static_cast<std::size_t>(img.width) * img.height * 3);
    for (int y = 0; y < img.height; ++y) {
        const std::uint8_t* src = rec.row(img.height - 1 - y);
        std::uint8_t* dst = img.rgb.data() + static_cast<std::size_t>(y) * img.width * 3;
        for (int x = 0; x < img.width; ++x) {
            dst[3 * x + 0] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x + 0];
        }
    }
    return img;
}

std::vector<std::uint8_t> encodeWithTurbo(const RgbImage& image, int quality, TurboSampling sampling,
                                          bool progressive)
{
    tjhandle handle = tjInitCompress();
    if (!handle)
        return {};
    int subsamp = TJSAMP_444;
    switch (sampling) {
    case TurboSampling::S444: subsamp = TJSAMP_444; break;
    case TurboSampling::S422: subsamp = TJSAMP_422; break;
    case TurboSampling::S420: subsamp = TJSAMP_420; break;
    case TurboSampling::Gray: subsamp = TJSAMP_GRAY; break;
    }
    unsigned char* out = nullptr;
    unsigned long size = 0;
    int flags = TJFLAG_ACCURATEDCT | (progressive ? TJFLAG_PROGRESSIVE : 0);
    std::vector<std::uint8_t> result;
    if (tjCompress2(handle, image.rgb.data(), image.width, 0, image.height, TJPF_RGB, &out, &size, subsamp,
                    quality, flags) == 0)
        result.assign(out, out + size);
    tjFree(out);
    tjDestroy(handle);
    return result;
}

RgbImage decodeWithTurbo(const std::vector<std::uint8_t>& jpeg, bool fastUpsample)
{
    RgbImage img;
    tjhandle handle = tjInitDecompress();
    if (!handle)
        return img;
    int w = 0, h = 0, subsamp = 0, colorspace = 0;
    if (tjDecompressHeader3(handle, jpeg.data(), jpeg.size(), &w, &h, &subsamp, &colorspace) == 0) {
        img.width = w;
        img.height = h;
        img.rgb.resize(static_cast<std::size_t>(w) * h * 3);
        const int flags = TJFLAG_ACCURATEDCT | (fastUpsample ? TJFLAG_FASTUPSAMPLE : 0);
        if (tjDecompress2(handle, jpeg.data(), jpeg.size(), img.rgb.data(), w, 0, h, TJPF_RGB, flags) != 0)
            img = {};
    }
    tjDestroy(handle);
    return img;
}

} // namespace pictra::test
