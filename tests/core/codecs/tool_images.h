// Pictures made and decoded by other programs' command-line tools (heif-enc,
// avifenc, cjxl and their decoders, ImageMagick for PNG), for checking the
// library-backed readers against an independent decode.
#pragma once

#include "support/synthetic_image.h"
#include "support/temp_dir.h"

#include <optional>
#include <string>

namespace pictra::test {

// Writes `image` as a PNG at `path` (through ImageMagick); with
// `halfAlpha`, every pixel 50 % transparent. False when convert fails.
bool writePngWithTool(const std::string& path, const RgbImage& image, bool halfAlpha = false);

// A picture file read back through ImageMagick, transparency laid over
// white; nullopt when convert cannot read it.
std::optional<RgbImage> readWithTool(const TempDir& dir, const std::string& path);

// Encodes `image` into `out` with `command`, a shell command in which %i
// stands for the picture as a PNG, %j for it as a JPEG (quality 95) carrying
// Exif orientation 6 (to be shown turned a quarter clockwise) and %o for
// `out`. False, with the tool's output in `log`, when a tool is missing or fails.
bool encodeWithTool(const TempDir& dir, const RgbImage& image, const std::string& command, const std::string& out,
                    std::string* log = nullptr);

// The picture turned a quarter anticlockwise.
RgbImage turnedLeft(const RgbImage& image);

} // namespace pictra::test
