// ImageFileIO: the one door through which the program reads and writes image
// files. The reader or writer is chosen by the file's extension; pictures go
// into (and come from) an ImageRecord whose buffers the caller provides.
#pragma once

#include "core/image/image_record.h"
#include "core/image/jpeg_save_options.h"
#include "core/settings/work_mode_settings.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

JpegSaveOptions jpegSaveOptions(const WorkModeSettings& settings);

class ImageFileIO {
public:
    explicit ImageFileIO(JpegSaveOptions jpeg = {});

    // Reads a file by extension (.bmp .jpg .jpeg .tif .psd .pcx, any case) into
    // `record`. Clears the record's headers first. Unsupported for another
    // extension; TooLarge when the picture does not fit record.pixels;
    // Partial, with the picture loaded, for a file read only in part (see
    // pictureLoaded). Other failures leave the headers cleared.
    Status loadImage(const std::string& path, ImageRecord& record);

    // Writes `record` by the text after the last '.' of `path`.
    Status saveImage(const std::string& path, const ImageRecord& record);

    // 1 = the outside-library back end (libjpeg-turbo), 0 = our own codec.
    int useLibrary = 1;

private:
    JpegSaveOptions m_jpeg;
};

} // namespace pictra
