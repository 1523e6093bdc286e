// ScanImageBuilder: turns the frames a scanner sends (grey, lineart, 16-bit,
// interleaved colour or one frame per colour) into one 24-bit packed bitmap,
// the form every picture takes in this program.
#pragma once

#include "core/imaging_library/packed_bitmap.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace pictra {

enum class FrameFormat {
    Gray,  // one sample per pixel
    Rgb,   // red, green, blue samples per pixel
    Red,   // one colour of a three-pass scan
    Green,
    Blue,
};

// What the scanner says of one frame before its data.
struct FrameLayout {
    FrameFormat format = FrameFormat::Gray;
    int bytesPerLine = 0;  // may exceed what the pixels need (padding)
    int pixelsPerLine = 0;
    int lines = 0;         // -1 when not known before the end (hand scanners)
    int depth = 8;         // bits per sample: 1 (lineart, 1 = black), 8 or 16 (native byte order)
    bool lastFrame = true;
};

class ScanImageBuilder {
public:
    // `maxPixelBytes` caps the finished bitmap's rows (the image-buffer
    // setting): a bigger picture is refused with TooLarge.
    explicit ScanImageBuilder(std::size_t maxPixelBytes);

    // Starts a frame. Unsupported for a depth other than 1, 8 or 16;
    // Corrupt for sizes that contradict each other or an earlier pass of the
    // same picture; TooLarge when the known size is over the cap.
    Status beginFrame(const FrameLayout& layout);
    // Adds the frame's next bytes (any split). TooLarge when a picture of
    // unknown height grows over the cap.
    Status addData(ByteSpan bytes);
    // Ends the frame. Truncated when a frame of known height ended early;
    // the missing lines stay white so the part scanned is kept.
    Status endFrame();

    // True once the last frame of the picture has ended.
    bool complete() const { return m_complete; }
    // The picture as a bottom-up 24-bit packed bitmap. InvalidArgument when
    // no line arrived.
    Result<PackedBitmap> finish() const;

    // Bytes of the finished bitmap's rows for a frame of known size, or
    // nullopt when it is not known yet or overflows.
    static std::optional<std::size_t> bitmapBytes(const FrameLayout& layout);

private:
    void storeLine(const std::uint8_t* line);
    bool growTo(std::size_t lines);

    std::size_t m_cap;
    FrameLayout m_layout;
    int m_width = 0;
    std::size_t m_lines = 0;     // lines of the picture so far (top-down rgb)
    std::size_t m_lineInFrame = 0;
    std::vector<std::uint8_t> m_rgb; // top-down, 3 bytes per pixel, no padding
    std::vector<std::uint8_t> m_pending;
    std::size_t m_pendingFill = 0;
    bool m_inFrame = false;
    bool m_complete = false;
    bool m_started = false;
};

} // namespace pictra
