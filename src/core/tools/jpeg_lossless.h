// Turning and mirroring a JPEG file without decoding it (libjpeg-turbo's
// lossless transforms), so repeated turns never lose quality.
#pragma once

#include "core/tools/pixel_transform.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <vector>

namespace pictra {

// The file's bytes transformed as the upright picture would be by `t`: the
// Exif orientation is folded into the transform and reset to 1, other
// markers are kept. Only perfect transforms: Unsupported when partial edge
// blocks would have to stay untransformed or be trimmed (the caller may
// re-encode instead), Corrupt when the file cannot be read, TooLarge when
// the picture's header announces more than `pixelLimit` bytes of 24-bit
// pixels (libjpeg-turbo holds all its coefficients at once).
Result<std::vector<std::uint8_t>> transformJpegLossless(ByteSpan jpeg, PixelTransform t, std::size_t pixelLimit);

} // namespace pictra
