// Helpers for the JPEG codec tests: files written by libjpeg (with restart
// intervals and greyscale), segment lists, picture comparison.
#pragma once

#include "support/synthetic_image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra::test {

using Bytes = std::vector<std::uint8_t>;

struct LibjpegOptions {
    int quality = 85;
    TurboSampling sampling = TurboSampling::S420;
    int restartInterval = 0; // MCUs between restart markers
};

// Baseline JPEG written by libjpeg with the given options.
Bytes encodeWithLibjpeg(const RgbImage& image, const LibjpegOptions& options);

struct Segment {
    std::uint8_t code = 0;
    std::size_t offset = 0; // of the 0xFF
    std::size_t size = 0;   // whole segment, marker included
};

// The segments from SOI up to and including SOS.
std::vector<Segment> segmentsOf(const Bytes& jpeg);

// `jpeg` with `segment` (marker and body) inserted at `offset`.
Bytes insertAt(const Bytes& jpeg, std::size_t offset, const Bytes& segment);

struct Difference {
    int maxAbs = 0;
    double meanAbs = 0;
};

// Per-channel difference of two pictures of the same size (max 255 otherwise).
Difference compare(const RgbImage& a, const RgbImage& b);

// Decodes with libjpeg-turbo, failing (empty picture) on any warning.
RgbImage decodeStrictWithTurbo(const Bytes& jpeg);

} // namespace pictra::test
