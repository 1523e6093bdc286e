// Reading a file the relink search looks at: decoded only as large as the
// comparison needs (a JPEG at a DCT reduction, any other file whole), turned
// upright, with its full upright size and its Exif date.
#pragma once

#include "core/image/image_record.h"
#include "core/recognise/hash_cache.h"
#include "core/recognise/picture_grid.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace pictra {

struct CandidatePicture {
    std::unique_ptr<ImageBuffers> picture; // upright, at least minWidth × minHeight where the file is
    int fullWidth = 0;                     // upright, before the reduction
    int fullHeight = 0;
    std::int32_t date = 0; // Exif date taken as YYYYMMDD, 0 for none
};

// Decodes JPEG bytes at the smallest reduction that still covers
// minWidth × minHeight, within capBytes. Corrupt, Unsupported or TooLarge
// as the decoder says.
Result<CandidatePicture> decodeCandidateJpeg(ByteSpan jpeg, int minWidth, int minHeight, std::size_t capBytes);

// Reads `path` that way when it is a JPEG, through the ordinary readers
// otherwise (then whole, within capBytes). The read's or decode's failure.
Result<CandidatePicture> loadCandidate(const std::string& path, int minWidth, int minHeight, std::size_t capBytes);

// The signature of a loaded candidate (its hash, full size and date).
PictureSignature signatureOf(const CandidatePicture& candidate);

// "YYYY:MM:DD ..." (the Exif date form) as YYYYMMDD; 0 when it is not one.
std::int32_t exifDateNumber(std::string_view dateTime);

} // namespace pictra
