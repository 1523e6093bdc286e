// File-level JPEG and PCX entry points of the imaging library.
#include "core/imaging_library/ik_file.h"

#include "core/imaging_library/library_jpeg_decoder.h"
#include "core/imaging_library/library_jpeg_encoder.h"
#include "core/util/file_io.h"

namespace pictra {

Status IKJpegFileLoad(const std::string& path, ImageRecord& record)
{
    record.clearHeaders();
    auto data = readFile(path, kMaxImageFileBytes);
    if (!data)
        return data.status();
    return decodeLibraryJpegBytes(*data, record);
}

Status IKJpegFileSave(const std::string& path, const BitmapView& bitmap, const JpegSaveOptions& options)
{
    auto jpeg = encodeLibraryJpegBytes(bitmap, options);
    if (!jpeg)
        return jpeg.status();
    return writeFile(path, *jpeg);
}

} // namespace pictra
