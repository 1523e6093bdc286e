// Frame data to a 24-bit bitmap. Lines arrive top first and are kept top-down
// as red, green, blue; finish() turns them into bottom-up blue, green, red
// rows padded to 4 bytes.
#include "core/scan/scan_frame.h"

#include "core/util/pixel_bytes.h"

#include <algorithm>
#include <cstring>

namespace pictra {
namespace {

constexpr std::uint8_t kWhite = 255;

int samplesPerPixel(FrameFormat format)
{
    return format == FrameFormat::Rgb ? 3 : 1;
}

// The channel a one-colour frame fills (0 red, 1 green, 2 blue), -1 for all.
int frameChannel(FrameFormat format)
{
    switch (format) {
    case FrameFormat::Red:
        return 0;
    case FrameFormat::Green:
        return 1;
    case FrameFormat::Blue:
        return 2;
    default:
        return -1;
    }
}

// Sample `index` of a line as 8 bits: lineart bits are 1 for black, the
// leftmost pixel in the top bit; 16-bit samples are in the machine's order.
std::uint8_t sampleAt(const std::uint8_t* line, std::size_t index, int depth)
{
    if (depth == 1)
        return ((line[index / 8] >> (7 - index % 8)) & 1) ? 0 : kWhite;
    if (depth == 16) {
        std::uint16_t value = 0;
        std::memcpy(&value, line + 2 * index, sizeof value);
        return static_cast<std::uint8_t>(value >> 8);
    }
    return line[index];
}

} // namespace

ScanImageBuilder::ScanImageBuilder(std::size_t maxPixelBytes) : m_cap(maxPixelBytes) {}

std::optional<std::size_t> ScanImageBuilder::bitmapBytes(const FrameLayout& layout)
{
    if (layout.lines <= 0)
        return std::nullopt;
    return pixelBytes(layout.pixelsPerLine, layout.lines, 24);
}

Status ScanImageBuilder::beginFrame(const FrameLayout& layout)
{
    if (layout.depth != 1 && layout.depth != 8 && layout.depth != 16)
        return Status::Unsupported;
    if (layout.pixelsPerLine <= 0 || layout.bytesPerLine <= 0 || layout.lines == 0 || layout.lines < -1)
        return Status::Corrupt;
    const auto needed = rowBytes(std::int64_t{layout.pixelsPerLine} * samplesPerPixel(layout.format), layout.depth, 1);
    if (!needed || *needed > static_cast<std::size_t>(layout.bytesPerLine))
        return Status::Corrupt;
    if (m_complete)
        return Status::InvalidArgument;
    if (m_started && layout.pixelsPerLine != m_width)
        return Status::Corrupt;
    if (m_started && layout.lines > 0 && m_layout.lines > 0 && layout.lines != m_layout.lines)
        return Status::Corrupt;
    if (layout.lines > 0) {
        const auto bytes = bitmapBytes(layout);
        if (!bytes || *bytes > m_cap)
            return Status::TooLarge;
    }
    m_layout = layout;
    m_width = layout.pixelsPerLine;
    if (!m_started && layout.lines > 0 && !growTo(static_cast<std::size_t>(layout.lines)))
        return Status::TooLarge;
    m_started = true;
    m_pending.assign(static_cast<std::size_t>(layout.bytesPerLine), 0);
    m_pendingFill = 0;
    m_lineInFrame = 0;
    m_inFrame = true;
    return Status::Ok;
}

bool ScanImageBuilder::growTo(std::size_t lines)
{
    if (lines <= m_lines)
        return true;
    const auto bytes = pixelBytes(m_width, static_cast<std::int64_t>(lines), 24);
    if (!bytes || *bytes > m_cap)
        return false;
    m_rgb.resize(lines * static_cast<std::size_t>(m_width) * 3, kWhite);
    m_lines = lines;
    return true;
}

void ScanImageBuilder::storeLine(const std::uint8_t* line)
{
    const std::size_t width = static_cast<std::size_t>(m_width);
    std::uint8_t* out = m_rgb.data() + m_lineInFrame * width * 3;
    const int channel = frameChannel(m_layout.format);
    for (std::size_t x = 0; x < width; ++x) {
        if (m_layout.format == FrameFormat::Rgb) {
            for (std::size_t c = 0; c < 3; ++c)
                out[3 * x + c] = sampleAt(line, 3 * x + c, m_layout.depth);
        } else if (channel >= 0) {
            out[3 * x + static_cast<std::size_t>(channel)] = sampleAt(line, x, m_layout.depth);
        } else {
            const std::uint8_t v = sampleAt(line, x, m_layout.depth);
            out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = v;
        }
    }
}

Status ScanImageBuilder::addData(ByteSpan bytes)
{
    if (!m_inFrame)
        return Status::InvalidArgument;
    std::size_t used = 0;
    while (used < bytes.size()) {
        const std::size_t take = std::min(bytes.size() - used, m_pending.size() - m_pendingFill);
        std::memcpy(m_pending.data() + m_pendingFill, bytes.data() + used, take);
        m_pendingFill += take;
        used += take;
        if (m_pendingFill < m_pending.size())
            break;
        m_pendingFill = 0;
        // Lines beyond a stated height are the scanner's surplus: dropped.
        if (m_layout.lines > 0 && m_lineInFrame >= static_cast<std::size_t>(m_layout.lines))
            continue;
        if (!growTo(m_lineInFrame + 1))
            return Status::TooLarge;
        storeLine(m_pending.data());
        ++m_lineInFrame;
    }
    return Status::Ok;
}

Status ScanImageBuilder::endFrame()
{
    if (!m_inFrame)
        return Status::InvalidArgument;
    m_inFrame = false;
    if (m_layout.lastFrame)
        m_complete = true;
    if (m_layout.lines > 0 && m_lineInFrame < static_cast<std::size_t>(m_layout.lines))
        return Status::Truncated;
    return Status::Ok;
}

Result<PackedBitmap> ScanImageBuilder::finish() const
{
    if (m_lines == 0 || m_width <= 0)
        return Status::InvalidArgument;
    const std::size_t width = static_cast<std::size_t>(m_width);
    const std::size_t stride = bitmapRowBytes24(width);
    std::vector<std::uint8_t> rows(stride * m_lines, 0);
    for (std::size_t y = 0; y < m_lines; ++y) {
        const std::uint8_t* in = m_rgb.data() + y * width * 3;
        std::uint8_t* out = rows.data() + (m_lines - 1 - y) * stride;
        for (std::size_t x = 0; x < width; ++x) {
            out[3 * x] = in[3 * x + 2];
            out[3 * x + 1] = in[3 * x + 1];
            out[3 * x + 2] = in[3 * x];
        }
    }
    BitmapInfoHeader info;
    info.size = kBitmapInfoHeaderBytes;
    info.width = m_width;
    info.height = static_cast<std::int32_t>(m_lines);
    info.planes = 1;
    info.bitCount = 24;
    info.sizeImage = static_cast<std::uint32_t>(rows.size());
    return IKCopyImage(BitmapView{info, {}, rows});
}

} // namespace pictra
