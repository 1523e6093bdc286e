// ImageFileIO: the one door through which the program reads and writes image
// files. The reader or writer is chosen by the file's extension; pictures go
// into (and come from) an ImageRecord whose buffers the caller provides.
#pragma once

#include "core/image/image_record.h"
#include "core/settings/work_mode_settings.h"
#include "core/util/result.h"

#include <string>

namespace pictra {

// JPEG save options taken from the settings' JPEG section.
struct JpegSaveOptions {
    JpegCoding coding = JpegCoding::Baseline;
    int quality = 75;                      // 1..100
    JpegSampling sampling = JpegSampling::S411;
    std::string comment;                   // CP932, at most 99 bytes
};

JpegSaveOptions jpegSaveOptions(const WorkModeSettings& settings);

class ImageFileIO {
public:
    explicit ImageFileIO(JpegSaveOptions jpeg = {});

    // Reads a file by extension (.bmp .jpg .jpeg .tif .psd .pcx, any case) into
    // `record`. Clears the record's headers first. Unsupported for another
    // extension; TooLarge when the picture does not fit record.pixels.
    Status loadImage(const std::string& path, ImageRecord& record);

    // Writes `record` by the text after the last '.' of `path`.
    Status saveImage(const std::string& path, const ImageRecord& record);

    // 1 = the outside-library back end (libjpeg-turbo), 0 = our own codec.
    int useLibrary = 1;

private:
    JpegSaveOptions m_jpeg;
};

struct PictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The size reduceForStore gives a width × height picture (unchanged when it
// fits 640 × 480).
PictureSize storeSize(int width, int height);

// Shrinks a record to fit 640 × 480 by point sampling with step
// e = max(⌈W/640⌉, ⌈H/480⌉): new pixel (x, y) is old pixel (e·x, e·y), the
// new size ⌊W/e⌋ × ⌊H/e⌋ but at least 1 × 1. Works in place for any bit
// depth. True when it shrank, false when it already fitted (or the record
// holds no valid picture).
bool reduceForStore(ImageRecord& record);

} // namespace pictra
