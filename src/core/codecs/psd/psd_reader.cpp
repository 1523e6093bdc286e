// PSD reading: the file header, the three skipped sections, then the
// merged composite picture, stored as planes (one channel after the other,
// rows from the top), raw or PackBits-compressed row by row. Grey, RGB and
// CMYK documents of 8 or 16 bits are read; channels beyond the colour ones
// (alpha, spot colours) are skipped.
#include "core/codecs/psd/psd_file.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/psd/packbits.h"
#include "core/codecs/psd/psd_resources.h"
#include "core/codecs/record_rows.h"
#include "core/colour/embedded_profile.h"

#include <vector>

namespace pictra {
namespace {

constexpr std::uint32_t kSignature = 0x38425053; // "8BPS"
constexpr std::uint16_t kMaxChannels = 56;
constexpr std::uint16_t kModeGrey = 1;
constexpr std::uint16_t kModeRgb = 3;
constexpr std::uint16_t kModeCmyk = 4;
constexpr std::uint16_t kRaw = 0;
constexpr std::uint16_t kPackBits = 1;

struct PsdHeader {
    std::uint16_t channels = 0;
    std::uint32_t height = 0;
    std::uint32_t width = 0;
    std::uint16_t depth = 0;
    std::uint16_t mode = 0;
    std::uint16_t compression = 0;
    ByteSpan profile; // the embedded colour profile, empty when none
    int colourChannels() const { return mode == kModeGrey ? 1 : mode == kModeRgb ? 3 : 4; }
    std::size_t rowBytes() const { return static_cast<std::size_t>(width) * (depth / 8); }
};

Status readHeader(ByteReader& in, PsdHeader& h)
{
    if (in.u32be() != kSignature)
        return in.truncated() ? Status::Truncated : Status::Corrupt;
    const std::uint16_t version = in.u16be();
    if (version == 2)
        return Status::Unsupported;
    if (version != 1)
        return in.truncated() ? Status::Truncated : Status::Corrupt;
    in.skip(6);
    h.channels = in.u16be();
    h.height = in.u32be();
    h.width = in.u32be();
    h.depth = in.u16be();
    h.mode = in.u16be();
    in.skip(in.u32be()); // colour-mode data
    h.profile = psdResource(in.view(in.u32be()), kPsdIccProfileResource); // past the end: truncated
    in.skip(in.u32be()); // layers
    h.compression = in.u16be();
    if (in.truncated())
        return Status::Truncated;
    if (h.channels > kMaxChannels || h.width == 0 || h.height == 0 || h.width > INT32_MAX || h.height > INT32_MAX)
        return Status::Corrupt;
    if ((h.mode != kModeGrey && h.mode != kModeRgb && h.mode != kModeCmyk) || (h.depth != 8 && h.depth != 16) ||
        h.channels < h.colourChannels() || (h.compression != kRaw && h.compression != kPackBits))
        return Status::Unsupported;
    return Status::Ok;
}

// The colour planes at 8 bits (the high byte of 16-bit samples), each
// width × height bytes.
using Planes = std::vector<std::vector<std::uint8_t>>;

void keepRow(const PsdHeader& h, const std::uint8_t* src, std::uint8_t* dst)
{
    const std::size_t step = h.depth / 8;
    for (std::uint32_t x = 0; x < h.width; ++x)
        dst[x] = src[x * step]; // big-endian: the high byte comes first
}

Status readRaw(ByteReader& in, const PsdHeader& h, Planes& planes)
{
    for (auto& plane : planes) {
        for (std::uint32_t y = 0; y < h.height; ++y) {
            const ByteSpan row = in.view(h.rowBytes());
            if (in.truncated())
                return Status::Truncated;
            keepRow(h, row.data(), plane.data() + static_cast<std::size_t>(y) * h.width);
        }
    }
    return Status::Ok;
}

// Row byte counts for every channel come first, then the packed rows in
// channel order.
Status readPackBits(ByteReader& in, const PsdHeader& h, Planes& planes)
{
    const ByteSpan table = in.view(std::size_t{2} * h.channels * h.height);
    if (in.truncated())
        return Status::Truncated;
    std::vector<std::uint8_t> row(h.rowBytes());
    ByteReader counts(table);
    for (auto& plane : planes) {
        for (std::uint32_t y = 0; y < h.height; ++y) {
            const ByteSpan packed = in.view(counts.u16be());
            if (in.truncated())
                return Status::Truncated;
            if (!unpackBits(packed, row))
                return Status::Corrupt;
            keepRow(h, row.data(), plane.data() + static_cast<std::size_t>(y) * h.width);
        }
    }
    return Status::Ok;
}

// CMYK documents store inverted inks (a value is the light the ink lets
// through); the colours come from them in one go once the planes are read.
void storeCmyk(const PsdHeader& h, const Planes& planes, ImageRecord& record)
{
    std::vector<std::uint8_t> ink(planes[0].size() * 4);
    for (std::uint32_t y = 0; y < h.height; ++y) {
        const std::size_t from = static_cast<std::size_t>(y) * h.width;
        std::uint8_t* to = ink.data() + static_cast<std::size_t>(h.height - 1 - y) * h.width * 4;
        for (std::uint32_t x = 0; x < h.width; ++x, to += 4)
            for (std::size_t c = 0; c < 4; ++c)
                to[c] = static_cast<std::uint8_t>(255 - planes[c][from + x]);
    }
    convertCmykToSrgb(h.profile, ink, record);
}

void storePlanes(const PsdHeader& h, const Planes& planes, ImageRecord& record)
{
    if (h.mode == kModeCmyk) {
        storeCmyk(h, planes, record);
        return;
    }
    for (std::uint32_t y = 0; y < h.height; ++y) {
        std::uint8_t* dst = rowFromTop(record, static_cast<int>(y));
        const std::size_t base = static_cast<std::size_t>(y) * h.width;
        for (std::uint32_t x = 0; x < h.width; ++x, dst += 3) {
            const std::size_t i = base + x;
            if (h.mode == kModeGrey) {
                dst[0] = dst[1] = dst[2] = planes[0][i];
            } else {
                dst[0] = planes[2][i];
                dst[1] = planes[1][i];
                dst[2] = planes[0][i];
            }
        }
    }
    convertToSrgb(h.profile, record);
}

Status decodePsd(ByteSpan data, ImageRecord& record)
{
    ByteReader in(data);
    PsdHeader h;
    Status status = readHeader(in, h);
    if (status != Status::Ok)
        return status;
    status = record.setup24(static_cast<int>(h.width), static_cast<int>(h.height));
    if (status != Status::Ok)
        return status;
    // Each plane is smaller than the picture the buffer just took.
    Planes planes(static_cast<std::size_t>(h.colourChannels()),
                  std::vector<std::uint8_t>(static_cast<std::size_t>(h.width) * h.height));
    status = h.compression == kRaw ? readRaw(in, h, planes) : readPackBits(in, h, planes);
    if (status == Status::Ok)
        storePlanes(h, planes, record);
    return status;
}

} // namespace

Status readPsdBytes(ByteSpan data, ImageRecord& record)
{
    return settleRead(record, decodePsd(data, record));
}

Status readPsd(const std::string& path, ImageRecord& record)
{
    if (!hasExtension(path, "psd"))
        return settleRead(record, Status::Unsupported);
    return readImageFile(path, record, readPsdBytes);
}

} // namespace pictra
