// Thumbnail loading: a JPEG decoded at reduced size (the decoder's DCT
// scaling) for a small cell, into buffers of its own so several cells can be
// decoded at once. The reduction never goes below the size the picture is
// drawn at, so the cell looks the same as with a full-size decode.
#pragma once

#include "core/image/image_record.h"
#include "core/util/byte_reader.h"
#include "core/util/result.h"

#include <memory>
#include <string>

namespace pictra {

// The DCT scale in eighths for a width × height picture drawn fitted into a
// cellWidth × cellHeight cell: the smallest of 1/8, 1/4, 1/2 and 1 whose
// decoded size is still at least the drawn size. Only these have fast paths
// in the decoder; 3/8 is no faster than 1/2, and 5/8 to 7/8 are slower than
// a full-size decode. 8 for an empty cell or picture.
int thumbnailScaleEighths(int width, int height, int cellWidth, int cellHeight);

// Decodes JPEG `data` at that scale (for its upright size) into fresh
// buffers as an upright 24-bit record, with the checks and the buffer cap
// (`capBytes`, the image-buffer setting) of an ordinary load. Corrupt or
// Unsupported when the decoder refuses it (the caller then loads the file
// the ordinary way), TooLarge when the reduced picture exceeds the cap.
Result<std::unique_ptr<ImageBuffers>> decodeJpegThumbnail(ByteSpan data, int cellWidth, int cellHeight,
                                                          std::size_t capBytes);

// Reads the file (NotFound/IoError/TooLarge) and decodes it as above.
Result<std::unique_ptr<ImageBuffers>> loadJpegThumbnail(const std::string& path, int cellWidth, int cellHeight,
                                                        std::size_t capBytes);

// True for the extensions the thumbnail decoder reads (jpg, jpeg).
bool isJpegPath(const std::string& path);

} // namespace pictra
