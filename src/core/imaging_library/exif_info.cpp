// Reading the information bar's Exif fields with libexif. We find the Exif
// segment ourselves and hand libexif only its bytes.
#include "core/imaging_library/exif_info.h"

#include "core/imaging_library/jpeg_app_segments.h"
#include "core/util/file_io.h"

#include <libexif/exif-data.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace pictra {
namespace {

// Exif sits near the start of the file (a segment holds at most 64 KB);
// only this much of a file is read to find it.
constexpr std::size_t kExifSearchBytes = 1024 * 1024;

struct ExifDataUnref {
    void operator()(ExifData* data) const { exif_data_unref(data); }
};
using ExifDataPtr = std::unique_ptr<ExifData, ExifDataUnref>;

std::string textOf(const ExifEntry* entry)
{
    if (!entry || !entry->data || entry->format != EXIF_FORMAT_ASCII)
        return {};
    const auto* begin = reinterpret_cast<const char*>(entry->data);
    const char* end = std::find(begin, begin + std::min<std::size_t>(entry->size, kMaxExifTextBytes), '\0');
    return std::string(begin, end);
}

RationalValue rationalOf(const ExifEntry* entry, ExifByteOrder order)
{
    if (!entry || !entry->data || entry->components < 1 || entry->size < 8)
        return {};
    if (entry->format == EXIF_FORMAT_RATIONAL) {
        const ::ExifRational value = exif_get_rational(entry->data, order);
        return {value.numerator, value.denominator};
    }
    if (entry->format == EXIF_FORMAT_SRATIONAL) {
        const ExifSRational value = exif_get_srational(entry->data, order);
        return {value.numerator, value.denominator};
    }
    return {};
}

std::int64_t integerOf(const ExifEntry* entry, ExifByteOrder order)
{
    if (!entry || !entry->data || entry->components < 1)
        return 0;
    switch (entry->format) {
    case EXIF_FORMAT_SHORT: return entry->size >= 2 ? exif_get_short(entry->data, order) : 0;
    case EXIF_FORMAT_SSHORT: return entry->size >= 2 ? exif_get_sshort(entry->data, order) : 0;
    case EXIF_FORMAT_LONG: return entry->size >= 4 ? exif_get_long(entry->data, order) : 0;
    case EXIF_FORMAT_SLONG: return entry->size >= 4 ? exif_get_slong(entry->data, order) : 0;
    default: return 0;
    }
}

bool hasEntries(const ExifData* data)
{
    for (const ExifContent* content : data->ifd)
        if (content && content->count > 0)
            return true;
    return false;
}

ExifInfo fieldsOf(ExifData* data)
{
    const ExifByteOrder order = exif_data_get_byte_order(data);
    const auto entry = [data](ExifTag tag) { return exif_data_get_entry(data, tag); };
    const auto rational = [&](ExifTag tag) { return rationalOf(entry(tag), order); };
    const auto integer = [&](ExifTag tag) { return integerOf(entry(tag), order); };
    ExifInfo info;
    info.maker = textOf(entry(EXIF_TAG_MAKE));
    info.model = textOf(entry(EXIF_TAG_MODEL));
    info.dateTime = textOf(entry(EXIF_TAG_DATE_TIME_ORIGINAL));
    if (info.dateTime.empty())
        info.dateTime = textOf(entry(EXIF_TAG_DATE_TIME));
    info.exposureTime = rational(EXIF_TAG_EXPOSURE_TIME);
    info.shutterSpeed = rational(EXIF_TAG_SHUTTER_SPEED_VALUE);
    info.aperture = rational(EXIF_TAG_APERTURE_VALUE);
    info.brightness = rational(EXIF_TAG_BRIGHTNESS_VALUE);
    info.exposureBias = rational(EXIF_TAG_EXPOSURE_BIAS_VALUE);
    info.maxAperture = rational(EXIF_TAG_MAX_APERTURE_VALUE);
    info.subjectDistance = rational(EXIF_TAG_SUBJECT_DISTANCE);
    info.meteringMode = static_cast<int>(integer(EXIF_TAG_METERING_MODE));
    info.lightSource = static_cast<int>(integer(EXIF_TAG_LIGHT_SOURCE));
    info.focalLength = rational(EXIF_TAG_FOCAL_LENGTH);
    info.fNumber = rational(EXIF_TAG_FNUMBER);
    info.exposureProgram = static_cast<int>(integer(EXIF_TAG_EXPOSURE_PROGRAM));
    info.isoSpeed = static_cast<unsigned>(integer(EXIF_TAG_ISO_SPEED_RATINGS));
    info.flashEnergy = rational(EXIF_TAG_FLASH_ENERGY);
    return info;
}

// libexif takes the block with the header a JPEG segment gives it.
Result<ExifInfo> exifInfoFromSegment(ByteSpan segment)
{
    ExifDataPtr data(exif_data_new());
    if (!data)
        return Status::IoError;
    // Read what the camera wrote; do not let libexif add or "fix" entries.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(data.get(), segment.data(), static_cast<unsigned>(segment.size()));
    if (!hasEntries(data.get()))
        return Status::Corrupt;
    return fieldsOf(data.get());
}

} // namespace

Result<ExifInfo> exifInfoFromJpeg(ByteSpan jpeg)
{
    if (!looksLikeJpeg(jpeg))
        return Status::Corrupt;
    const std::optional<ByteSpan> segment = exifSegment(jpeg);
    if (!segment)
        return Status::NotFound;
    return exifInfoFromSegment(*segment);
}

Result<ExifInfo> exifInfoFromBlock(ByteSpan tiff)
{
    constexpr std::string_view kHeader{"Exif\0\0", 6};
    if (tiff.size() > std::numeric_limits<unsigned>::max() - kHeader.size())
        return Status::TooLarge;
    std::vector<std::uint8_t> segment(kHeader.begin(), kHeader.end());
    segment.insert(segment.end(), tiff.begin(), tiff.end());
    return exifInfoFromSegment(segment);
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
