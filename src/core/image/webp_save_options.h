// How a WebP file is written: lossless, or lossy at a quality.
#pragma once

namespace pictra {

enum class WebpCompression { Lossy, Lossless };

struct WebpSaveOptions {
    WebpCompression compression = WebpCompression::Lossy;
    int quality = 90; // 1..100, for lossy files; clamped when written
};

} // namespace pictra
