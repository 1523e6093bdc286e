// ImageFileIO: readers chosen by a file's first bytes, writers by its name.
#include "core/image_io/image_file_io.h"

#include "core/codecs/bmp/bmp_file.h"
#include "core/codecs/gif/gif_file.h"
#include "core/codecs/image_file_access.h"
#include "core/codecs/png/png_file.h"
#include "core/codecs/psd/psd_file.h"
#include "core/codecs/tiff/tiff_file.h"
#include "core/codecs/webp/webp_file.h"
#include "core/image/image_format_sniff.h"
#include "core/image_io/exif_upright.h"
#include "core/image_io/jpeg_codec.h"
#include "core/imaging_library/ik_file.h"
#include "core/util/fixed_text.h"

#include <algorithm>
#include <array>
#include <fstream>

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

ImageFormat formatOfFile(const std::string& path)
{
    std::array<char, kSniffBytes> head{};
    std::ifstream file(path, std::ios::binary);
    file.read(head.data(), head.size());
    const auto got = static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0));
    const ImageFormat sniffed = sniffFormat(ByteSpan(reinterpret_cast<const std::uint8_t*>(head.data()), got));
    return sniffed != ImageFormat::Unknown ? sniffed : loadFormatOf(path);
}

ImageFileIO::ImageFileIO(JpegSaveOptions jpeg, WebpSaveOptions webp) : m_jpeg(std::move(jpeg)), m_webp(webp) {}

Status ImageFileIO::loadImage(const std::string& path, ImageRecord& record)
{
    record.clearHeaders();
    Status status = Status::Unsupported;
    const ImageFormat format = formatOfFile(path);
    switch (format) {
    case ImageFormat::Bmp: status = readBmp(path, record); break;
    case ImageFormat::Jpeg: status = JpegCodec(useLibrary, m_jpeg).loadJpeg(path, record); break;
    // readTiff and readPsd insist on their extension; the bytes have spoken here.
    case ImageFormat::Tiff: status = readImageFile(path, record, readTiffBytes); break;
    case ImageFormat::Psd: status = readImageFile(path, record, readPsdBytes); break;
    case ImageFormat::Pcx: status = IKPcxFileLoad(path, record); break;
    case ImageFormat::Png: status = readPng(path, record); break;
    case ImageFormat::Gif: status = readGif(path, record); break;
    case ImageFormat::Webp: status = readWebp(path, record); break;
    // The HEIF/AVIF and JPEG XL readers go here.
    case ImageFormat::Heif:
    case ImageFormat::Avif:
    case ImageFormat::Jxl: break;
    case ImageFormat::Unknown: break;
    }
    status = applyExifUpright(path, format, record, status);
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
    case ImageFormat::Png: return writePng(path, record);
    case ImageFormat::Webp: return writeWebp(path, record, m_webp);
    case ImageFormat::Gif:
    case ImageFormat::Heif:
    case ImageFormat::Avif:
    case ImageFormat::Jxl:
    case ImageFormat::Unknown: break;
    }
    return Status::Unsupported;
}

} // namespace pictra
