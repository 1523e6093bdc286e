// How a JPEG file is written: coding, quality, sampling and comment. The
// codecs and the outside-library writer both take it, so it sits below them.
#pragma once

#include "core/settings/work_mode_settings.h"

#include <string>

namespace pictra {

// JPEG save options taken from the settings' JPEG section.
struct JpegSaveOptions {
    JpegCoding coding = JpegCoding::Baseline;
    int quality = 75;                      // 1..100
    JpegSampling sampling = JpegSampling::S411;
    std::string comment;                   // CP932, at most 99 bytes
};

} // namespace pictra
