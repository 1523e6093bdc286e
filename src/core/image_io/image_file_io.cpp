// ImageFileIO: readers and writers chosen by file name.
#include "core/image_io/image_file_io.h"

#include "core/codecs/bmp/bmp_file.h"
#include "core/codecs/psd/psd_file.h"
#include "core/codecs/tiff/tiff_file.h"
#include "core/image/image_format.h"
#include "core/image_io/jpeg_codec.h"
#include "core/imaging_library/ik_file.h"
#include "core/util/fixed_text.h"

#include <algorithm>

namespace pictra {

JpegSaveOptions jpegSaveOptions(const WorkModeSettings& settings)
{
    JpegSaveOptions options;
    options.coding = settings.jpegCoding == static_cast<std::uint8_t>(JpegCoding::Progressive)
                         ? JpegCoding::Progressive
                         : JpegCoding::Baseline;
    options.quality = std::clamp(settings.jpegQuality, 1, 100);
    switch (settings.jpegSampling) {
    case static_cast<std::uint8_t>(JpegSampling::S421): options.sampling = JpegSampling::S421; break;
    case static_cast<std::uint8_t>(JpegSampling::S444): options.sampling = JpegSampling::S444; break;
    default: options.sampling = JpegSampling::S411; break;
    }
    options.comment = std::string(fieldText(settings.jpegComment));
    return options;
}

ImageFileIO::ImageFileIO(JpegSaveOptions jpeg) : m_jpeg(std::move(jpeg)) {}

Status ImageFileIO::loadImage(const std::string& path, ImageRecord& record)
{
    record.clearHeaders();
    Status status = Status::Unsupported;
    switch (loadFormatOf(path)) {
    case ImageFormat::Bmp: status = readBmp(path, record); break;
    case ImageFormat::Jpeg: status = JpegCodec(useLibrary, m_jpeg).loadJpeg(path, record); break;
    case ImageFormat::Tiff: status = readTiff(path, record); break;
    case ImageFormat::Psd: status = readPsd(path, record); break;
    case ImageFormat::Pcx: status = IKPcxFileLoad(path, record); break;
    case ImageFormat::Unknown: break;
    }
    if (!pictureLoaded(status))
        record.clearHeaders();
    return status;
}

Status ImageFileIO::saveImage(const std::string& path, const ImageRecord& record)
{
    switch (saveFormatOf(path)) {
    case ImageFormat::Bmp: return writeBmp(path, record);
    case ImageFormat::Jpeg: return JpegCodec(useLibrary, m_jpeg).saveJpeg(path, record);
    case ImageFormat::Tiff: return writeTiff(path, record);
    case ImageFormat::Psd: return writePsd(path, record);
    case ImageFormat::Pcx: return IKPcxFileSave(path, record);
    case ImageFormat::Unknown: break;
    }
    return Status::Unsupported;
}

} // namespace pictra
