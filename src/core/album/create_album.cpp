// Building an album file from a list of images.
#include "core/album/create_album.h"

#include "core/album/album_record.h"
#include "core/album/album_write.h"
#include "core/album/store_copy.h"
#include "core/util/fixed_text.h"
#include "core/util/tick_count.h"

#include <memory>

namespace pictra {
namespace {

// Adds one image to the album, or says why it cannot be added.
SkippedImage addImage(ImageFileIO& io, ImageRecord& record, const std::string& workFolder,
                      const std::string& albumPath, AlbumRecord& album, const std::string& image)
{
    if (album.imageCount >= kMaxAlbumImages)
        return {image, Status::TooLarge, {}};
    const std::span<const ImageEntry> entries(album.images.data(), static_cast<std::size_t>(album.imageCount));
    if (auto other = storeNameClash(entries, image))
        return {image, Status::InvalidArgument, *other};
    ImageEntry& entry = album.images[static_cast<std::size_t>(album.imageCount)];
    if (!setFieldText(entry.path, image))
        return {image, Status::InvalidArgument, {}};
    // The same file twice shares one copy; making it again is harmless.
    if (const Status status = makeStoreCopy(io, record, workFolder, albumPath, image); status != Status::Ok) {
        entry = {};
        return {image, status, {}};
    }
    entry.stamp = static_cast<std::int32_t>(tickCount() + static_cast<std::uint32_t>(album.imageCount));
    ++album.imageCount;
    return {image, Status::Ok, {}};
}

} // namespace

Result<CreateAlbumReport> createAlbumFile(ImageFileIO& io, ImageRecord& record, const std::string& workFolder,
                                          const std::string& albumPath, std::span<const std::string> images)
{
    auto album = std::make_unique<AlbumRecord>();
    setFieldText(album->path, albumPath);
    CreateAlbumReport report;
    for (const std::string& image : images) {
        SkippedImage result = addImage(io, record, workFolder, albumPath, *album, image);
        if (result.status == Status::Ok)
            ++report.added;
        else
            report.skipped.push_back(std::move(result));
    }
    auto written = writeAlbum(*album, workFolder, albumPath, albumPath);
    if (!written)
        return written.status();
    return report;
}

} // namespace pictra
