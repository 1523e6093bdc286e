// The path entry points of the image codecs share these two steps: give a
// reader the bytes of a file, and put an encoder's bytes into a file.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

// No image file longer than this is read: a 100-megapixel picture stored
// uncompressed at 16 bits per channel with alpha still fits.
inline constexpr std::size_t kMaxImageFileBytes = std::size_t{1} << 30;

using ImageBytesReader = Status (*)(ByteSpan data, ImageRecord& record);

// Reads the file at `path` with `reader`. NotFound/IoError when the file
// cannot be opened, TooLarge (before reading) when it is longer than the cap; otherwise the reader's status. On any failure the
// record's outline and headers are cleared (Partial keeps the picture read).
Status readImageFile(const std::string& path, ImageRecord& record, ImageBytesReader reader);

// Passes `status` on, clearing the record's outline and headers unless it
// is Ok, so a failed read never leaves a half-described picture behind.
Status settleRead(ImageRecord& record, Status status);

// Writes the encoded bytes to `path` (through a temporary file renamed over
// the target, so a failed export never leaves half a picture). Passes on the
// encoder's failure, IoError when the file cannot be written.
Status writeImageFile(const std::string& path, const Result<std::vector<std::uint8_t>>& encoded);

// True when the text after the last "." of the file name equals `extension`
// ("tif"), ignoring case.
bool hasExtension(std::string_view path, std::string_view extension);

} // namespace pictra
