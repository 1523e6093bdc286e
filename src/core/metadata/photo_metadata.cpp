// Exif, XMP and IPTC fields through exiv2. exiv2 reports every failure by
// exception; they end here as statuses, so no exception leaves this file.
#include "core/metadata/photo_metadata.h"

#include "core/image_io/exif_block.h"
#include "core/imaging_library/jpeg_app_segments.h"
#include "core/imaging_library/exiv2_setup.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <array>
#include <climits>
#include <exception>
#include <fstream>
#include <initializer_list>
#include <vector>

namespace pictra {
namespace {

// The first non-empty text among `keys`; LangAlt values give their
// "x-default" text (else their first one), arrays their first item.
std::string xmpText(const Exiv2::XmpData& xmp, std::initializer_list<const char*> keys)
{
    for (const char* key : keys) {
        const auto it = xmp.findKey(Exiv2::XmpKey(key));
        if (it == xmp.end() || it->count() == 0)
            continue;
        std::string text;
        if (const auto* alt = dynamic_cast<const Exiv2::LangAltValue*>(&it->value())) {
            const auto def = alt->value_.find("x-default");
            text = def != alt->value_.end() ? def->second : alt->value_.begin()->second;
        } else {
            text = it->toString(0);
        }
        if (!text.empty())
            return text;
    }
    return {};
}

// IPTC texts carry no encoding unless the envelope says UTF-8; older
// Japanese programs wrote Shift-JIS, others Latin-1.
std::string iptcAsUtf8(const std::string& raw)
{
    if (isValidUtf8(raw))
        return raw;
    Cp932Conversion sjis = cp932ToUtf8(raw);
    if (sjis.complete)
        return std::move(sjis.text);
    std::string latin1;
    for (const char c : raw) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            latin1 += c;
        } else {
            latin1 += static_cast<char>(0xC0 | (u >> 6));
            latin1 += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return latin1;
}

std::string iptcText(const Exiv2::IptcData& iptc, std::initializer_list<const char*> keys)
{
    for (const char* key : keys) {
        const auto it = iptc.findKey(Exiv2::IptcKey(key));
        if (it != iptc.end()) {
            std::string text = iptcAsUtf8(it->toString());
            if (!text.empty())
                return text;
        }
    }
    return {};
}

std::optional<TakenDate> exifDate(const Exiv2::ExifData& exif)
{
    for (const char* key : {"Exif.Photo.DateTimeOriginal", "Exif.Photo.DateTimeDigitized"}) {
        const auto it = exif.findKey(Exiv2::ExifKey(key));
        if (it == exif.end())
            continue;
        if (auto date = parseTakenDate(it->toString()))
            return date;
    }
    return std::nullopt;
}

std::optional<TakenDate> xmpIptcDate(const Exiv2::XmpData& xmp, const Exiv2::IptcData& iptc)
{
    for (const char* key : {"Xmp.exif.DateTimeOriginal", "Xmp.xmp.CreateDate", "Xmp.photoshop.DateCreated"}) {
        if (auto date = parseTakenDate(xmpText(xmp, {key})))
            return date;
    }
    return parseTakenDate(iptcText(iptc, {"Iptc.Application2.DateCreated"}));
}

PhotoMetadata fromFields(const Exiv2::ExifData& exif, const Exiv2::XmpData& xmp, const Exiv2::IptcData& iptc)
{
    PhotoMetadata m;
    m.taken = exifDate(exif);
    if (!m.taken)
        m.taken = xmpIptcDate(xmp, iptc);
    m.title = xmpText(xmp, {"Xmp.dc.title", "Xmp.photoshop.Headline"});
    if (m.title.empty())
        m.title = iptcText(iptc, {"Iptc.Application2.ObjectName", "Iptc.Application2.Headline"});
    m.description = xmpText(xmp, {"Xmp.dc.description"});
    if (m.description.empty())
        m.description = iptcText(iptc, {"Iptc.Application2.Caption"});
    m.creator = xmpText(xmp, {"Xmp.dc.creator"});
    if (m.creator.empty())
        m.creator = iptcText(iptc, {"Iptc.Application2.Byline"});
    m.location = xmpText(xmp, {"Xmp.iptc.Location", "Xmp.photoshop.City"});
    if (m.location.empty())
        m.location = iptcText(iptc, {"Iptc.Application2.SubLocation", "Iptc.Application2.City"});
    return m;
}

// The date of a raw Exif block (TIFF header onwards); nullopt when it does
// not parse or holds none.
std::optional<TakenDate> rawExifDate(std::span<const std::uint8_t> tiff)
{
    if (tiff.empty() || tiff.size() > UINT32_MAX)
        return std::nullopt;
    try {
        Exiv2::ExifData exif;
        Exiv2::ExifParser::decode(exif, tiff.data(), static_cast<std::uint32_t>(tiff.size()));
        return exifDate(exif);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

Result<PhotoMetadata> readImage(Exiv2::Image& image)
{
    image.readMetadata();
    return fromFields(image.exifData(), image.xmpData(), image.iptcData());
}

// What exiv2 refuses may still hold a usable Exif block (camera files cut
// after their Exif segment); its date is better than none.
Result<PhotoMetadata> fallback(std::span<const std::uint8_t> start, Status failure)
{
    const std::span<const std::uint8_t> tiff = jpegExifBlock(start);
    if (auto date = rawExifDate(tiff)) {
        PhotoMetadata m;
        m.taken = date;
        return m;
    }
    return failure;
}

// Whether exiv2 reads the format `getType` finds; data too short to tell is no format.
template <typename GetType>
bool knownFormat(GetType getType)
{
    try {
        return getType() != Exiv2::ImageType::none;
    } catch (const std::exception&) {
        return false;
    }
}

std::vector<std::uint8_t> fileStart(const std::string& path)
{
    std::vector<std::uint8_t> bytes(kMetadataScanBytes);
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}


// What exiv2 itself makes of the file at `path`.
Result<PhotoMetadata> readWithExiv2(const std::string& path)
{
    if (!knownFormat([&] { return Exiv2::ImageFactory::getType(path); }))
        return fallback(fileStart(path), Status::Unsupported);
    try {
        return readImage(*Exiv2::ImageFactory::open(path));
    } catch (const std::exception&) {
        return fallback(fileStart(path), Status::Corrupt);
    }
}

} // namespace

Result<PhotoMetadata> readPhotoMetadata(const std::string& path)
{
    if (!fileExists(path))
        return Status::NotFound;
    prepareExiv2();
    Result<PhotoMetadata> read = readWithExiv2(path);
    if (read && read->taken)
        return read;
    // Formats whose Exif exiv2 does not find (HEIF and others) still give
    // their date through the program's own readers of the raw block.
    const auto block = readExifBlock(path);
    const std::optional<TakenDate> date = block ? rawExifDate(*block) : std::nullopt;
    if (!date)
        return read;
    PhotoMetadata m = read ? std::move(*read) : PhotoMetadata{};
    m.taken = date;
    return m;
}

Result<PhotoMetadata> photoMetadataFromBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.empty() || bytes.size() > LONG_MAX)
        return Status::Unsupported;
    prepareExiv2();
    const auto size = static_cast<long>(bytes.size());
    const auto start = bytes.first(std::min(bytes.size(), kMetadataScanBytes));
    if (!knownFormat([&] { return Exiv2::ImageFactory::getType(bytes.data(), size); }))
        return fallback(start, Status::Unsupported);
    try {
        return readImage(*Exiv2::ImageFactory::open(bytes.data(), size));
    } catch (const std::exception&) {
        return fallback(start, Status::Corrupt);
    }
}

Result<PhotoMetadata> photoMetadataFromXmp(std::string_view packet)
{
    prepareExiv2();
    try {
        Exiv2::XmpData xmp;
        if (Exiv2::XmpParser::decode(xmp, std::string(packet)) != 0)
            return Status::Corrupt;
        return fromFields(Exiv2::ExifData{}, xmp, Exiv2::IptcData{});
    } catch (const std::exception&) {
        return Status::Corrupt;
    }
}

PhotoMetadata mergedMetadata(PhotoMetadata first, const PhotoMetadata& second)
{
    if (!first.taken)
        first.taken = second.taken;
    for (auto [own, other] : std::array{std::pair{&first.title, &second.title},
                                        std::pair{&first.description, &second.description},
                                        std::pair{&first.creator, &second.creator},
                                        std::pair{&first.location, &second.location}}) {
        if (own->empty())
            *own = *other;
    }
    return first;
}

} // namespace pictra
