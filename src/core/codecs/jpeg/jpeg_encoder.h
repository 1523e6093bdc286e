// The program's own baseline JPEG writer: JFIF, three components with
// 4:2:0 sampling, the standard example quantisation and Huffman tables,
// one interleaved scan.
#pragma once

#include "core/image/image_record.h"
#include "core/util/program_version.h"
#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra {

// The comment every file carries (written with its terminating zero byte).
inline constexpr char kJpegComment[] = "Pictra " PICTRA_VERSION;

// Encodes a 24-bit bottom-up record. The segments are, in this order: SOI,
// APP0 (JFIF 1.1), COM, two DQT, four DHT (DC luminance, DC chrominance,
// AC luminance, AC chrominance), SOF0, SOS, the scan, EOI.
// InvalidArgument for a record that is not 24-bit, has no pixels or whose
// rows do not fit its buffer; TooLarge beyond 65535 pixels a side.
Result<std::vector<std::uint8_t>> encodeJpegBytes(const ImageRecord& record);

// Encodes the record and writes the file through a temporary file renamed
// over the target, so a failed write leaves any old file intact. IoError
// when the file cannot be written, otherwise as encodeJpegBytes.
Status encodeJpeg(const std::string& path, const ImageRecord& record);

} // namespace pictra
