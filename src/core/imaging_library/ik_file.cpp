// File-level JPEG and PCX entry points of the imaging library.
#include "core/imaging_library/ik_file.h"

#include "core/codecs/image_file_access.h"
#include "core/codecs/pcx/pcx_file.h"
#include "core/imaging_library/library_jpeg_decoder.h"
#include "core/imaging_library/library_jpeg_encoder.h"
#include "core/util/file_io.h"

namespace pictra {

Status IKJpegFileLoad(const std::string& path, ImageRecord& record)
{
    return readImageFile(path, record, decodeLibraryJpegBytes);
}

Status IKJpegFileSave(const std::string& path, const BitmapView& bitmap, const JpegSaveOptions& options)
{
    auto jpeg = encodeLibraryJpegBytes(bitmap, options);
    if (!jpeg)
        return jpeg.status();
    return writeFileAtomic(path, *jpeg);
}

Status IKPcxFileLoad(const std::string& path, ImageRecord& record)
{
    return readPcx(path, record);
}

Status IKPcxFileSave(const std::string& path, const ImageRecord& record)
{
    return writePcx(path, record);
}

} // namespace pictra
