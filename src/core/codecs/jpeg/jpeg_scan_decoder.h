// Decoding of one interleaved baseline scan straight into the bottom-up
// rows of a 24-bit picture.
#pragma once

#include "core/codecs/jpeg/jpeg_segments.h"
#include "core/image/image_record.h"

namespace pictra::jpeg {

// Decodes `entropy` (the scan's data up to the marker that ends it) for
// `frame` into `record`, which must already be set up as a 24-bit picture
// of the frame's size. Restart markers resynchronise the data and reset
// the DC predictors. Corrupt for a missing table or a bad code, Truncated
// when the data ends before the last block, Unsupported for chroma
// components with different sampling factors.
Status decodeScan(ByteSpan entropy, const Frame& frame, const Scan& scan, const DecoderTables& tables,
                  ImageRecord& record);

} // namespace pictra::jpeg
