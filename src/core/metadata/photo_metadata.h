// What a picture file says about itself beyond its pixels: the date it was
// taken and the caption texts other programs wrote (Exif, XMP, IPTC), read
// through exiv2. Texts are UTF-8; an absent field is empty.
#pragma once

#include "core/metadata/taken_date.h"
#include "core/util/result.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pictra {

struct PhotoMetadata {
    // Exif DateTimeOriginal, else DateTimeDigitized, else the XMP or IPTC
    // creation date (xmp:CreateDate, photoshop:DateCreated, IPTC DateCreated).
    std::optional<TakenDate> taken;
    std::string title;       // dc:title, photoshop:Headline, IPTC ObjectName, Headline
    std::string description; // dc:description, IPTC Caption
    std::string creator;     // dc:creator (its first name), IPTC By-line
    std::string location;    // Iptc4xmpCore:Location, photoshop:City, IPTC SubLocation, City

    friend bool operator==(const PhotoMetadata&, const PhotoMetadata&) = default;
};

// How much of a file's start our own Exif fallback reads (the Exif block
// sits in the first markers; exiv2 itself reads only the parts it needs).
inline constexpr std::size_t kMetadataScanBytes = 1u << 20;

// The metadata of the picture file at `path`. NotFound when there is no
// file, Unsupported when exiv2 knows no such format, Corrupt when the file's
// metadata cannot be parsed. A JPEG whose Exif block exiv2 refuses (cut off,
// no picture after it) still gives the date its Exif block holds.
Result<PhotoMetadata> readPhotoMetadata(const std::string& path);

// The same for a whole file in memory (nothing is written anywhere).
Result<PhotoMetadata> photoMetadataFromBytes(std::span<const std::uint8_t> bytes);

// The fields of an XMP packet (a sidecar file's text); Corrupt when it does
// not parse.
Result<PhotoMetadata> photoMetadataFromXmp(std::string_view packet);

// `first`'s fields, each empty one (and a missing date) taken from `second`.
PhotoMetadata mergedMetadata(PhotoMetadata first, const PhotoMetadata& second);

} // namespace pictra
