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
#include <fcntl.h>
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

// The Exif segment of a JPEG file's bytes with its orientation set to 1;
// empty when it has none.
std::vector<std::uint8_t> uprightExifOf(ByteSpan jpeg)
{
    const std::optional<SegmentSpan> exif = findExifSegment(jpeg);
    if (!exif)
        return {};
    const ByteSpan stored = jpeg.subspan(exif->offset, exif->size);
    std::vector<std::uint8_t> segment(stored.begin(), stored.end());
    (void)setExifOrientation(segment, 1); // without the tag the pixels already show as stored
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

bool isJpegData(ByteSpan bytes)
{
    return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

// The picture reaches the disk before it takes the original's name.
bool flushed(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// Renames the written temporary over the target with the target's mode, or
// removes it when `written` (the writing's outcome) or the rename failed.
Status moveIntoPlace(const std::string& temp, const std::string& target, Status written)
{
    if (written == Status::Ok && !flushed(temp))
        written = Status::IoError;
    struct stat old {};
    if (written == Status::Ok && ::stat(target.c_str(), &old) == 0)
        (void)::chmod(temp.c_str(), old.st_mode & 07777); // the old mode is a courtesy, the picture is written
    if (written == Status::Ok && std::rename(temp.c_str(), target.c_str()) != 0)
        written = statusFromErrno(errno);
    if (written != Status::Ok)
        std::remove(temp.c_str());
    return written;
}

} // namespace

Status writePictureSafely(ImageFileIO& io, const ImageRecord& record, const std::string& target,
                          std::span<const std::uint8_t> exif)
{
    const std::string temp = temporaryBeside(target);
    Status status = io.saveImage(temp, record);
    if (status == Status::Ok && !exif.empty() && saveFormatOf(target) == ImageFormat::Jpeg)
        status = keepExif(temp, exif);
    return moveIntoPlace(temp, target, status);
}

Result<EditWriting> writeEditedPicture(ImageFileIO& io, const ToolEdit& edit, const ImageRecord& edited,
                                       const std::string& source, const std::string& target,
                                       const std::function<bool()>& mayReencode)
{
    const bool jpegTarget = saveFormatOf(target) == ImageFormat::Jpeg;
    std::vector<std::uint8_t> sourceBytes;
    if (jpegTarget && loadFormatOf(source) == ImageFormat::Jpeg) {
        auto bytes = readFile(source, 512u << 20);
        // A picture whose file is gone (shown from its store copy) is still written.
        if (!bytes && bytes.status() != Status::NotFound)
            return bytes.status();
        if (bytes && isJpegData(*bytes))
            sourceBytes = std::move(*bytes);
    }
    if (!sourceBytes.empty() && movesPixelsOnly(edit)) {
        const auto turned = transformJpegLossless(sourceBytes, transformOfEdit(edit), edited.pixelLimit());
        if (turned) {
            const std::string temp = temporaryBeside(target);
            if (const Status status = moveIntoPlace(temp, target, writeFile(temp, *turned)); status != Status::Ok)
                return status;
            return EditWriting::Lossless;
        }
        if (turned.status() != Status::Unsupported)
            return turned.status();
        if (!mayReencode())
            return EditWriting::Declined;
    }
    if (const Status status = writePictureSafely(io, edited, target, uprightExifOf(sourceBytes)); status != Status::Ok)
        return status;
    return EditWriting::Reencoded;
}

} // namespace pictra
