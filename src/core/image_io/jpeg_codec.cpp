// The JPEG codec's two back ends and the fallback between them.
#include "core/image_io/jpeg_codec.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/jpeg/jpeg_decoder.h"
#include "core/codecs/jpeg/jpeg_encoder.h"
#include "core/imaging_library/ik_file.h"
#include "core/imaging_library/library_jpeg_decoder.h"
#include "core/imaging_library/packed_bitmap.h"

namespace pictra {
namespace {

// The library first; a file it cannot read (an unusual but valid layout)
// gets a second chance with our decoder. A picture too large for the
// buffer is too large for both.
Status decodeWithFallback(ByteSpan data, ImageRecord& record)
{
    const Status status = decodeLibraryJpegBytes(data, record);
    if (pictureLoaded(status) || status == Status::TooLarge)
        return status;
    return decodeJpegBytes(data, record) == Status::Ok ? Status::Ok : status;
}

} // namespace

Status JpegCodec::loadJpeg(const std::string& path, ImageRecord& record) const
{
    if (useLibrary == 0)
        return decodeJpeg(path, record);
    return readImageFile(path, record, decodeWithFallback);
}

Status JpegCodec::saveJpeg(const std::string& path, const ImageRecord& record) const
{
    if (useLibrary == 0)
        return encodeJpeg(path, record);
    return IKJpegFileSave(path, viewOf(record), options);
}

} // namespace pictra
