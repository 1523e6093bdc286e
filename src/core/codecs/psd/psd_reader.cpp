// PSD reading: the file header, the three skipped sections, then the
// composite picture's first three channels (red, green, blue planes, rows
// from the top).
#include "core/codecs/psd/psd_file.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/psd/packbits.h"
#include "core/codecs/record_rows.h"

#include <vector>

namespace pictra {
namespace {

constexpr std::uint32_t kSignature = 0x38425053; // "8BPS"
constexpr std::uint16_t kMaxChannels = 56;
constexpr std::uint16_t kModeRgb = 3;
constexpr std::uint16_t kRaw = 0;
constexpr std::uint16_t kPackBits = 1;

struct PsdHeader {
    std::uint16_t channels = 0;
    std::uint32_t height = 0;
    std::uint32_t width = 0;
    std::uint16_t compression = 0;
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
    const std::uint16_t depth = in.u16be();
    const std::uint16_t mode = in.u16be();
    for (int section = 0; section < 3; ++section) // colour-mode data, resources, layers
        in.skip(in.u32be());
    h.compression = in.u16be();
    if (in.truncated())
        return Status::Truncated;
    if (h.channels > kMaxChannels || h.width == 0 || h.height == 0 || h.width > INT32_MAX || h.height > INT32_MAX)
        return Status::Corrupt;
    if (h.channels < 3 || depth != 8 || mode != kModeRgb || (h.compression != kRaw && h.compression != kPackBits))
        return Status::Unsupported;
    return Status::Ok;
}

// Puts one row of channel c (0 red, 1 green, 2 blue) into the record.
void storeRow(ImageRecord& record, int y, int channel, const std::uint8_t* src)
{
    std::uint8_t* dst = rowFromTop(record, y) + (2 - channel);
    for (int x = 0; x < record.width(); ++x, dst += 3)
        *dst = src[x];
}

Status readRaw(ByteReader& in, ImageRecord& record)
{
    const auto width = static_cast<std::size_t>(record.width());
    for (int c = 0; c < 3; ++c) {
        for (int y = 0; y < record.height(); ++y) {
            const ByteSpan row = in.view(width);
            if (in.truncated())
                return Status::Truncated;
            storeRow(record, y, c, row.data());
        }
    }
    return Status::Ok;
}

// Row byte counts for every channel come first, then the packed rows in
// channel order.
Status readPackBits(ByteReader& in, std::uint16_t channels, ImageRecord& record)
{
    const auto height = static_cast<std::size_t>(record.height());
    const ByteSpan table = in.view(std::size_t{2} * channels * height);
    if (in.truncated())
        return Status::Truncated;
    std::vector<std::uint8_t> row(static_cast<std::size_t>(record.width()));
    ByteReader counts(table);
    for (int c = 0; c < 3; ++c) {
        for (int y = 0; y < record.height(); ++y) {
            const ByteSpan packed = in.view(counts.u16be());
            if (in.truncated())
                return Status::Truncated;
            if (!unpackBits(packed, row))
                return Status::Corrupt;
            storeRow(record, y, c, row.data());
        }
    }
    return Status::Ok;
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
    return h.compression == kRaw ? readRaw(in, record) : readPackBits(in, h.channels, record);
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
