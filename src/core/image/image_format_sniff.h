// Recognising a picture format from the first bytes of a file, so a file
// opens with the right reader whatever its name says (a HEIC named .jpg).
#pragma once

#include "core/image/image_format.h"
#include "core/util/byte_reader.h"

#include <cstddef>

namespace pictra {

// How many leading bytes of a file sniffFormat looks at (fewer is fine).
inline constexpr std::size_t kSniffBytes = 64;

// The format the first bytes of a file announce: JPEG SOI, the PNG signature,
// GIF87a/GIF89a, RIFF....WEBP, an ISO-BMFF "ftyp" box with a HEIF brand
// (heic heix hevc heim heis mif1 msf1) or an AVIF brand (avif avis; AVIF wins
// when both are listed, as AVIF files list mif1 too), a JPEG XL codestream or
// container, BM, II*\0 / MM\0*, 8BPS, a PCX header. Unknown when none matches.
ImageFormat sniffFormat(ByteSpan head);

} // namespace pictra
