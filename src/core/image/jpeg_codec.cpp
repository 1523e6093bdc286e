// The JPEG codec's two back ends and the fallback between them.
#include "core/image/jpeg_codec.h"

#include "core/imaging_library/ik_file.h"
#include "core/imaging_library/packed_bitmap.h"

namespace pictra {

Status JpegCodec::loadJpeg(const std::string& path, ImageRecord& record) const
{
    if (useLibrary == 0)
        return Status::Unsupported;
    return IKJpegFileLoad(path, record);
}

Status JpegCodec::saveJpeg(const std::string& path, const ImageRecord& record) const
{
    if (useLibrary == 0)
        return Status::Unsupported;
    return IKJpegFileSave(path, viewOf(record), options);
}

} // namespace pictra
