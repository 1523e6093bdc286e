// Reading the information bar's Exif fields with exiv2, the one metadata
// library of the program. We find the Exif segment ourselves and hand exiv2
// only its TIFF block.
#include "core/imaging_library/exif_info.h"

#include "core/imaging_library/jpeg_app_segments.h"
#include "core/imaging_library/exiv2_setup.h"
#include "core/util/file_io.h"

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <array>
#include <exception>
#include <fstream>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace pictra {
namespace {

// Exif sits near the start of the file (a segment holds at most 64 KB);
// only this much of a file is read to find it.
constexpr std::size_t kExifSearchBytes = 1024 * 1024;

// The directories a tag is looked for in, in this order; maker notes, whose
// private tags reuse the standard numbers, are not among them.
// (exiv2's names for the first picture's, Exif, interoperability, GPS and
// thumbnail directories).
constexpr std::array<std::string_view, 5> kDirectories{"Image", "Photo", "Iop", "GPSInfo", "Thumbnail"};

class ExifFields {
public:
    explicit ExifFields(const Exiv2::ExifData& data) : m_data(data) {}

    // The tag's bytes as stored, up to its first zero byte; empty for a tag
    // that is not text.
    std::string text(std::uint16_t tag) const
    {
        const Exiv2::Exifdatum* datum = find(tag);
        if (!datum || datum->typeId() != Exiv2::asciiString)
            return {};
        const std::vector<Exiv2::byte> raw = bytes(*datum);
        const auto begin = raw.begin();
        const auto end = std::find(begin, begin + static_cast<std::ptrdiff_t>(std::min(raw.size(), kMaxExifTextBytes)), 0);
        return std::string(begin, end);
    }

    RationalValue rational(std::uint16_t tag) const
    {
        const Exiv2::Exifdatum* datum = find(tag);
        if (!datum || datum->count() < 1)
            return {};
        const std::vector<Exiv2::byte> raw = bytes(*datum);
        ByteReader in(raw);
        const std::uint32_t numerator = in.u32be();
        const std::uint32_t denominator = in.u32be();
        if (in.truncated())
            return {};
        if (datum->typeId() == Exiv2::unsignedRational)
            return {numerator, denominator};
        if (datum->typeId() == Exiv2::signedRational)
            return {static_cast<std::int32_t>(numerator), static_cast<std::int32_t>(denominator)};
        return {};
    }

    std::int64_t integer(std::uint16_t tag) const
    {
        const Exiv2::Exifdatum* datum = find(tag);
        if (!datum || datum->count() < 1)
            return 0;
        const std::vector<Exiv2::byte> raw = bytes(*datum);
        ByteReader in(raw);
        std::int64_t value = 0;
        switch (datum->typeId()) {
        case Exiv2::unsignedShort: value = in.u16be(); break;
        case Exiv2::signedShort: value = static_cast<std::int16_t>(in.u16be()); break;
        case Exiv2::unsignedLong: value = in.u32be(); break;
        case Exiv2::signedLong: value = static_cast<std::int32_t>(in.u32be()); break;
        default: return 0;
        }
        return in.truncated() ? 0 : value;
    }

private:
    const Exiv2::Exifdatum* find(std::uint16_t tag) const
    {
        for (const std::string_view directory : kDirectories)
            for (const Exiv2::Exifdatum& datum : m_data)
                if (datum.tag() == tag && datum.groupName() == directory)
                    return &datum;
        return nullptr;
    }

    // The value's bytes, big-endian whatever order the file uses.
    static std::vector<Exiv2::byte> bytes(const Exiv2::Exifdatum& datum)
    {
        std::vector<Exiv2::byte> raw(datum.size());
        if (!raw.empty())
            datum.copy(raw.data(), Exiv2::bigEndian);
        return raw;
    }

    const Exiv2::ExifData& m_data;
};

ExifInfo fieldsOf(const ExifFields& fields)
{
    ExifInfo info;
    info.maker = fields.text(0x010F);
    info.model = fields.text(0x0110);
    info.dateTime = fields.text(0x9003); // when taken
    if (info.dateTime.empty())
        info.dateTime = fields.text(0x0132); // when last changed
    info.exposureTime = fields.rational(0x829A);
    info.shutterSpeed = fields.rational(0x9201);
    info.aperture = fields.rational(0x9202);
    info.brightness = fields.rational(0x9203);
    info.exposureBias = fields.rational(0x9204);
    info.maxAperture = fields.rational(0x9205);
    info.subjectDistance = fields.rational(0x9206);
    info.meteringMode = static_cast<int>(fields.integer(0x9207));
    info.lightSource = static_cast<int>(fields.integer(0x9208));
    info.focalLength = fields.rational(0x920A);
    info.fNumber = fields.rational(0x829D);
    info.exposureProgram = static_cast<int>(fields.integer(0x8822));
    info.isoSpeed = static_cast<unsigned>(fields.integer(0x8827));
    info.flashEnergy = fields.rational(0xA20B);
    return info;
}

} // namespace

Result<ExifInfo> exifInfoFromJpeg(ByteSpan jpeg)
{
    if (!looksLikeJpeg(jpeg))
        return Status::Corrupt;
    const std::optional<ByteSpan> segment = exifSegment(jpeg);
    if (!segment)
        return Status::NotFound;
    constexpr std::size_t kExifNameBytes = 6; // "Exif\0\0", which exifSegment found the segment by
    return exifInfoFromBlock(segment->subspan(kExifNameBytes));
}

Result<ExifInfo> exifInfoFromBlock(ByteSpan tiff)
{
    if (tiff.size() > std::numeric_limits<std::uint32_t>::max())
        return Status::TooLarge;
    prepareExiv2();
    try {
        Exiv2::ExifData data;
        Exiv2::ExifParser::decode(data, tiff.data(), static_cast<std::uint32_t>(tiff.size()));
        if (data.empty())
            return Status::Corrupt;
        return fieldsOf(ExifFields(data));
    } catch (const std::exception&) {
        return Status::Corrupt; // exiv2 throws on a block it cannot walk
    }
}

Result<ExifInfo> IKJpegExifInfo(const std::string& path)
{
    if (!fileExists(path))
        return Status::NotFound;
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> head(kExifSearchBytes);
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    if (in.bad() || !in.is_open())
        return Status::IoError;
    head.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return exifInfoFromJpeg(head);
}

} // namespace pictra
