// ExifInfo: the camera data of a JPEG file that the information bar shows,
// read from the file's Exif segment with libexif.
#pragma once

#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace pictra {

// A rational as stored: unsigned or signed 32-bit parts, kept wide enough
// for both so nothing wraps.
struct RationalValue {
    std::int64_t numerator = 0;
    std::int64_t denominator = 0;
    friend bool operator==(const RationalValue&, const RationalValue&) = default;
};

// Fields a file does not carry stay zero (or empty).
struct ExifInfo {
    std::string maker;    // bytes as stored by the camera (ASCII, or CP932 from older cameras)
    std::string model;
    std::string dateTime; // "YYYY:MM:DD HH:MM:SS", when the picture was taken
    RationalValue exposureTime;
    RationalValue shutterSpeed;
    RationalValue aperture;
    RationalValue brightness;
    RationalValue exposureBias;
    RationalValue maxAperture;
    RationalValue subjectDistance;
    int meteringMode = 0;
    int lightSource = 0;
    RationalValue focalLength;
    RationalValue fNumber;
    int exposureProgram = 0;
    unsigned isoSpeed = 0;
    RationalValue flashEnergy;
    friend bool operator==(const ExifInfo&, const ExifInfo&) = default;
};

// Camera texts longer than this are cut.
inline constexpr std::size_t kMaxExifTextBytes = 1023;

// The Exif data of a JPEG file held in memory. NotFound when the file has no
// Exif segment, Corrupt when it is not a JPEG file or its Exif segment holds
// nothing readable.
Result<ExifInfo> exifInfoFromJpeg(ByteSpan jpeg);

// The Exif data of a raw Exif block (starting at its TIFF header "II*\0" or
// "MM\0*", as PNG, WebP, HEIF and JPEG XL files keep it). Corrupt when the
// block holds nothing readable.
Result<ExifInfo> exifInfoFromBlock(ByteSpan tiff);

// The same for a file; NotFound and IoError from reading it too.
Result<ExifInfo> IKJpegExifInfo(const std::string& path);

} // namespace pictra
