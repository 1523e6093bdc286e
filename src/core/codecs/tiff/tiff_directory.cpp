// TIFF header and directory parsing. An entry is 12 bytes: tag, type,
// count, and a 4-byte field holding the values when they fit, else their
// offset.
#include "core/codecs/tiff/tiff_directory.h"

namespace pictra {
namespace {

constexpr std::uint16_t kMagic = 42;
constexpr std::uint16_t kBigTiffMagic = 43;
constexpr std::size_t kEntryBytes = 12;

enum Tag : std::uint16_t {
    kImageWidth = 256,
    kImageLength = 257,
    kBitsPerSample = 258,
    kCompression = 259,
    kPhotometric = 262,
    kStripOffsets = 273,
    kSamplesPerPixel = 277,
    kRowsPerStrip = 278,
    kStripByteCounts = 279,
    kPlanarConfiguration = 284,
    kColorMap = 320,
    kTileWidth = 322,
    kTileOffsets = 324,
    kInkSet = 332,
    kIccProfile = 34675,
};

class TiffInput {
public:
    TiffInput(ByteSpan data, bool bigEndian) : m_in(data), m_big(bigEndian) {}

    std::uint16_t u16() { return m_big ? m_in.u16be() : m_in.u16(); }
    std::uint32_t u32() { return m_big ? m_in.u32be() : m_in.u32(); }
    ByteReader& reader() { return m_in; }

private:
    ByteReader m_in;
    bool m_big;
};

struct Entry {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::size_t fieldPosition = 0;
};

// Bytes per value of the integer types (BYTE, SHORT, LONG and their signed
// and undefined kin); 0 for the others.
std::size_t integerSize(std::uint16_t type)
{
    switch (type) {
    case 1: case 6: case 7:
        return 1;
    case 3: case 8:
        return 2;
    case 4: case 9:
        return 4;
    default:
        return 0;
    }
}

Status readValues(TiffInput& in, const Entry& e, std::vector<std::uint32_t>& out)
{
    const std::size_t size = integerSize(e.type);
    if (size == 0)
        return Status::Corrupt;
    ByteReader& r = in.reader();
    r.seek(e.fieldPosition);
    if (std::uint64_t{e.count} * size > 4)
        r.seek(in.u32());
    // Every value must lie in the file, which also bounds what we allocate.
    if (std::uint64_t{e.count} * size > r.remaining())
        return Status::Truncated;
    out.resize(e.count);
    for (auto& v : out)
        v = size == 1 ? r.u8() : size == 2 ? in.u16() : in.u32();
    return r.truncated() ? Status::Truncated : Status::Ok;
}

// The embedded colour profile, an UNDEFINED (or BYTE) array anywhere in the
// file. A damaged one is left out: the picture is then read as sRGB.
void readProfile(TiffInput& in, const Entry& e, std::vector<std::uint8_t>& out)
{
    if (e.type != 7 && e.type != 1)
        return;
    ByteReader& r = in.reader();
    r.seek(e.fieldPosition);
    const std::size_t offset = e.count > 4 ? in.u32() : e.fieldPosition;
    // Checked before reading, so a profile past the end does not mark the
    // directory as truncated.
    if (offset > r.size() || e.count > r.size() - offset)
        return;
    r.seek(offset);
    const ByteSpan bytes = r.view(e.count);
    out.assign(bytes.begin(), bytes.end());
}

Status readScalar(TiffInput& in, const Entry& e, std::uint32_t& out)
{
    std::vector<std::uint32_t> values;
    const Status status = readValues(in, e, values);
    if (status != Status::Ok)
        return status;
    if (values.empty())
        return Status::Corrupt;
    out = values[0];
    return Status::Ok;
}

Status applyEntry(TiffInput& in, const Entry& e, TiffDirectory& dir)
{
    switch (e.tag) {
    case kImageWidth: return readScalar(in, e, dir.width);
    case kImageLength: return readScalar(in, e, dir.height);
    case kBitsPerSample: return readValues(in, e, dir.bitsPerSample);
    case kCompression: return readScalar(in, e, dir.compression);
    case kPhotometric: return readScalar(in, e, dir.photometric);
    case kStripOffsets: return readValues(in, e, dir.stripOffsets);
    case kSamplesPerPixel: return readScalar(in, e, dir.samplesPerPixel);
    case kRowsPerStrip: return readScalar(in, e, dir.rowsPerStrip);
    case kStripByteCounts: return readValues(in, e, dir.stripByteCounts);
    case kPlanarConfiguration: return readScalar(in, e, dir.planarConfiguration);
    case kColorMap: return readValues(in, e, dir.colorMap);
    case kInkSet: return readScalar(in, e, dir.inkSet);
    case kIccProfile:
        readProfile(in, e, dir.iccProfile);
        return Status::Ok;
    case kTileWidth:
    case kTileOffsets:
        dir.tiled = true;
        return Status::Ok;
    default:
        return Status::Ok;
    }
}

} // namespace

Result<TiffDirectory> readTiffDirectory(ByteSpan data)
{
    if (data.size() < 8)
        return Status::Truncated;
    const bool big = data[0] == 'M' && data[1] == 'M';
    if (!big && !(data[0] == 'I' && data[1] == 'I'))
        return Status::Corrupt;
    TiffInput in(data, big);
    in.reader().skip(2);
    const std::uint16_t magic = in.u16();
    if (magic == kBigTiffMagic)
        return Status::Unsupported;
    if (magic != kMagic)
        return Status::Corrupt;
    in.reader().seek(in.u32());
    const std::uint16_t count = in.u16();
    const std::size_t first = in.reader().position();
    if (in.reader().truncated() || std::size_t{count} * kEntryBytes > in.reader().remaining())
        return Status::Truncated;

    TiffDirectory dir;
    for (std::size_t i = 0; i < count; ++i) {
        in.reader().seek(first + i * kEntryBytes);
        Entry e;
        e.tag = in.u16();
        e.type = in.u16();
        e.count = in.u32();
        e.fieldPosition = in.reader().position();
        const Status status = applyEntry(in, e, dir);
        if (status != Status::Ok)
            return status;
    }
    return dir;
}

} // namespace pictra
