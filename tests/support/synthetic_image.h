// Photo-like synthetic pictures for tests and benchmarks: smooth gradients,
// texture and noise, deterministic for a given seed. Pixels are packed
// top-down RGB (3 bytes per pixel, no padding) unless stated otherwise.
#pragma once

#include "core/image/image_record.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra::test {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // top-down, R G B per pixel
};

RgbImage makePhotoLike(int width, int height, std::uint32_t seed = 1);

// Copies a packed RGB picture into a 24-bit bottom-up ImageRecord (BGR,
// padded rows), using `buffers` for storage.
void fillRecord(const RgbImage& image, ImageBuffers& buffers);
// The reverse: a record (24-bit) as a packed top-down RGB picture.
RgbImage fromRecord(const ImageRecord& record);

enum class TurboSampling { S444, S422, S420, Gray };

// Encodes with libjpeg-turbo (accurate DCT). restartRows > 0 writes restart markers.
std::vector<std::uint8_t> encodeWithTurbo(const RgbImage& image, int quality, TurboSampling sampling,
                                          bool progressive = false);
// Decodes with libjpeg-turbo to packed RGB; empty image on failure.
RgbImage decodeWithTurbo(const std::vector<std::uint8_t>& jpeg, bool fastUpsample = true);

} // namespace pictra::test
