// ImageFileIO: the one door through which the program reads and writes image
// files. A file is read by the reader its first bytes ask for (by its name
// when they say nothing); it is written by the writer its name asks for.
// Pictures go into (and come from) an ImageRecord whose buffers the caller provides.
#pragma once

#include "core/image/image_format.h"
#include "core/image/image_record.h"
#include "core/image/jpeg_save_options.h"
#include "core/image/webp_save_options.h"
#include "core/settings/work_mode_settings.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

JpegSaveOptions jpegSaveOptions(const WorkModeSettings& settings);

// The format of the file at `path`: what its first bytes announce, else what
// its name says (see loadFormatOf). A file that cannot be opened is judged by
// its name.
ImageFormat formatOfFile(const std::string& path);

class ImageFileIO {
public:
    explicit ImageFileIO(JpegSaveOptions jpeg = {}, WebpSaveOptions webp = {});

    // Reads the file into `record` with the reader of formatOfFile(path), so a
    // picture opens whatever its extension. Clears the record's headers first.
    // Unsupported for a file of no readable format; TooLarge when the picture
    // does not fit record.pixels; Partial, with the picture loaded, for a file
    // read only in part (see pictureLoaded). Other failures leave the headers cleared.
    Status loadImage(const std::string& path, ImageRecord& record);

    // Writes `record` by the text after the last '.' of `path` (saveFormatOf);
    // Unsupported for a format the program does not write.
    Status saveImage(const std::string& path, const ImageRecord& record);

    // 1 = the outside-library back end (libjpeg-turbo), 0 = our own codec.
    int useLibrary = 1;

private:
    JpegSaveOptions m_jpeg;
    WebpSaveOptions m_webp;
};

} // namespace pictra
