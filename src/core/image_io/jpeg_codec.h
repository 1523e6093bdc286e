// JpegCodec: JPEG files through one of two back ends, chosen by useLibrary:
// 1 = the imaging library (libjpeg-turbo), 0 = the program's own decoder
// and encoder.
#pragma once

#include "core/image/image_record.h"
#include "core/image_io/image_file_io.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

class JpegCodec {
public:
    explicit JpegCodec(int useLibrary = 1, JpegSaveOptions options = {})
        : useLibrary(useLibrary), options(std::move(options))
    {
    }

    // Reads a JPEG file into the record (24-bit). With the library back end a
    // file the library cannot read is tried with our own decoder before the
    // load fails; the library's status is returned when both fail. Partial
    // (picture in the record) for a file the library could read only in part.
    Status loadJpeg(const std::string& path, ImageRecord& record) const;

    // Writes the record as a JPEG file; the library back end uses `options`.
    Status saveJpeg(const std::string& path, const ImageRecord& record) const;

    int useLibrary;
    JpegSaveOptions options;
};

} // namespace pictra
