// The imaging library's file entry points: JPEG through libjpeg-turbo, PCX
// through our own code. Loads go straight into the caller's record (no
// intermediate block), saves take any bitmap view.
#pragma once

#include "core/image/image_record.h"
#include "core/image/jpeg_save_options.h"
#include "core/imaging_library/packed_bitmap.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

// Reads a JPEG file into the record as 24-bit. NotFound, IoError, TooLarge
// (file or picture), Corrupt; the record's headers are cleared on failure.
Status IKJpegFileLoad(const std::string& path, ImageRecord& record);

// Writes the bitmap as a JPEG file with the given options. The failures of
// encodeLibraryJpegBytes; IoError when the file cannot be written.
Status IKJpegFileSave(const std::string& path, const BitmapView& bitmap, const JpegSaveOptions& options);

// Reads a PCX file (8-bit paletted or 24-bit, RLE) into the record; the
// failures of readPcx.
Status IKPcxFileLoad(const std::string& path, ImageRecord& record);

// Writes the record as a PCX file; the failures of writePcx.
Status IKPcxFileSave(const std::string& path, const ImageRecord& record);

} // namespace pictra
