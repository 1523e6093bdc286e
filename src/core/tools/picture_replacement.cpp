// Temporary file + rename for edited pictures.
#include "core/tools/picture_replacement.h"

#include "core/image/image_format.h"
#include "core/imaging_library/jpeg_exif_segment.h"
#include "core/tools/jpeg_lossless.h"
#include "core/util/atomic_file_writer.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace pictra {
namespace {

// A hidden name beside the target with the target's extension, which
// saveImage goes by.
std::string temporaryBeside(const std::string& target)
{
    static unsigned counter = 0;
    const std::string folder(folderPart(target));
    const std::string name = ".~" + BaseName(target) + "." + std::to_string(::getpid()) + "-" +
                             std::to_string(++counter) + "." + std::string(extensionOf(target));
    return folder.empty() ? name : joinPath(folder, name);
}

// The Exif block of an existing JPEG file with its orientation set to 1.
std::optional<std::vector<std::uint8_t>> uprightExifOf(const std::string& path)
{
    const auto bytes = readFile(path, 512u << 20);
    if (!bytes)
        return std::nullopt;
    const std::optional<SegmentSpan> exif = findExifSegment(*bytes);
    if (!exif)
        return std::nullopt;
    std::vector<std::uint8_t> segment(bytes->begin() + static_cast<std::ptrdiff_t>(exif->offset),
                                      bytes->begin() + static_cast<std::ptrdiff_t>(exif->offset + exif->size));
    (void)setExifOrientation(segment, 1);
    return segment;
}

Status keepExif(const std::string& temp, std::span<const std::uint8_t> exif)
{
    const auto encoded = readFile(temp);
    if (!encoded)
        return encoded.status();
    const auto joined = withExifSegment(*encoded, exif);
    if (!joined)
        return Status::Corrupt;
    return writeFile(temp, *joined);
}

} // namespace

Status writePictureSafely(ImageFileIO& io, const ImageRecord& record, const std::string& target)
{
    const std::string temp = temporaryBeside(target);
    Status status = io.saveImage(temp, record);
    if (status == Status::Ok && saveFormatOf(target) == ImageFormat::Jpeg && fileExists(target))
        if (const auto exif = uprightExifOf(target))
            status = keepExif(temp, *exif);
    struct stat old {};
    if (status == Status::Ok && ::stat(target.c_str(), &old) == 0)
        (void)::chmod(temp.c_str(), old.st_mode & 07777);
    if (status == Status::Ok && std::rename(temp.c_str(), target.c_str()) != 0)
        status = statusFromErrno(errno);
    if (status != Status::Ok)
        std::remove(temp.c_str());
    return status;
}

Status transformJpegFileLossless(const std::string& path, PixelTransform t)
{
    const auto bytes = readFile(path, 512u << 20);
    if (!bytes)
        return bytes.status();
    const auto turned = transformJpegLossless(*bytes, t);
    if (!turned)
        return turned.status();
    return writeFileAtomic(path, *turned);
}

} // namespace pictra
