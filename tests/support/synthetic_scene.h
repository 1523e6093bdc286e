// Distinct photo-like scenes for the recognition tests and benchmarks: each
// seed gives its own arrangement of soft shapes over a gradient, drawn in
// relative coordinates so one seed at two sizes is the same scene. A drift
// moves the shapes a little, as between two shots of a burst.
#pragma once

#include "support/synthetic_image.h"

#include <cstdint>
#include <memory>

namespace pictra::test {

// drift: how far each shape moves, as a fraction of the picture's size.
RgbImage makeScene(int width, int height, std::uint32_t seed, double drift = 0.0);

// The part of `image` from (x, y), width × height (clipped to the picture).
RgbImage cropRgb(const RgbImage& image, int x, int y, int width, int height);

// Buffers of exactly the picture's size holding it as a 24-bit record.
std::unique_ptr<ImageBuffers> bufferedRecord(const RgbImage& image);

// `image` averaged down to width × height (unchanged when that is not a reduction).
RgbImage shrinkRgb(const RgbImage& image, int width, int height);

} // namespace pictra::test
