// Helpers for the image codec tests: decoding into a fresh buffer, damaged-
// input sweeps, and PPM files for talking to independent tools.
#pragma once

#include "core/codecs/image_file_access.h"
#include "support/synthetic_image.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pictra::test {

inline constexpr std::size_t kTestBufferBytes = 4 << 20;

// Decodes `bytes` with `reader` into a fresh 4 MB buffer; the status and, on
// success, the picture as packed RGB plus the record's headers.
struct Decoded {
    Status status = Status::Ok;
    RgbImage image;
    BitmapFileHeader fileHeader;
    BitmapInfoHeader infoHeader;
    Outline outline{};
};
Decoded decodeWith(ImageBytesReader reader, const std::vector<std::uint8_t>& bytes);

// Feeds every prefix of `bytes` (shorter than `mustFailBelow`, which must
// all fail) and many bit-flipped copies to `reader`; only a clean status is
// allowed, never a crash (the sanitizer build checks the memory accesses).
void sweepDamagedInputs(ImageBytesReader reader, const std::vector<std::uint8_t>& bytes,
                        std::size_t mustFailBelow);

// Binary PPM (P6) of a packed RGB picture, and back (nullopt when malformed).
std::vector<std::uint8_t> toPpm(const RgbImage& image);
std::optional<RgbImage> fromPpm(const std::vector<std::uint8_t>& bytes);

// ImageMagick's convert, when this machine has it; tests skip without it.
inline constexpr const char* kConvert = "/usr/bin/convert";
bool haveTool(const char* path);
// Runs a shell command; true when it exits with 0. Output goes to `output` when given.
bool runCommand(const std::string& command, std::string* output = nullptr);

std::vector<std::uint8_t> readAll(const std::string& path);
void writeAll(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Peak signal-to-noise ratio of two pictures of one size in dB (99 when
// equal, 0 when their sizes differ).
double psnr(const RgbImage& a, const RgbImage& b);

// Runs `command`, which writes a binary PPM to `ppmPath`, and reads that
// picture (nullopt when the tool fails).
std::optional<RgbImage> decodeWithTool(const std::string& command, const std::string& ppmPath);

// convert options that put a picture with alpha over white, as our readers do.
inline constexpr const char* kOnWhite = "-background white -alpha remove -alpha off";

// A picture of at most `colours` distinct colours (at most 256, so it fits a palette).
RgbImage makeFewColours(int width, int height, int colours);

} // namespace pictra::test
