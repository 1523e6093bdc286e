// Building an album file from a list of images.
#include "core/album/create_album.h"

#include "core/album/album_record.h"
#include "core/album/album_room.h"
#include "core/album/album_write.h"
#include "core/album/entry_metadata.h"
#include "core/album/store_copy.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "core/util/tick_count.h"

#include <algorithm>
#include <memory>

namespace pictra {
namespace {

// Takes one image into the album's entries, or says why it cannot be taken.
SkippedImage takeImage(AlbumRecord& album, const std::string& image, const MetadataFill& fill,
                       std::vector<std::string>& shortened)
{
    if (cutToRoom(album.imageCount, 1).kept == 0)
        return {image, Status::TooLarge, {}};
    const std::span<const ImageEntry> entries(album.images.data(), static_cast<std::size_t>(album.imageCount));
    if (auto other = storeNameClash(entries, image))
        return {image, Status::InvalidArgument, *other};
    ImageEntry& entry = album.images[static_cast<std::size_t>(album.imageCount)];
    if (!setFieldText(entry.path, image))
        return {image, Status::InvalidArgument, {}};
    entry.stamp = static_cast<std::int32_t>(tickCount() + static_cast<std::uint32_t>(album.imageCount));
    if (fillEntryFromPicture(entry, fill).shortened)
        shortened.push_back(image);
    ++album.imageCount;
    return {image, Status::Ok, {}};
}

// Drops the entries whose store copy could not be made, keeping the order.
void dropFailed(AlbumRecord& album, const BatchResults& results, CreateAlbumReport& report)
{
    int kept = 0;
    for (int i = 0; i < album.imageCount; ++i) {
        const auto& result = results[static_cast<std::size_t>(i)];
        ImageEntry& entry = album.images[static_cast<std::size_t>(i)];
        if (result && *result == Status::Ok) {
            album.images[static_cast<std::size_t>(kept++)] = entry;
            continue;
        }
        // The same file twice shares one copy, so only a failed copy counts.
        report.skipped.push_back({std::string(fieldText(entry.path)), result.value_or(Status::IoError), {}});
    }
    for (int i = kept; i < album.imageCount; ++i)
        album.images[static_cast<std::size_t>(i)] = {};
    album.imageCount = kept;
    report.added = kept;
}

} // namespace

Result<CreateAlbumReport> createAlbumFile(const StoreCopyBatch& job, std::span<const std::string> images,
                                          const StoreCopyRunner& run, const MetadataFill& fill)
{
    auto album = std::make_unique<AlbumRecord>();
    setFieldText(album->path, job.albumPath);
    CreateAlbumReport report;
    StoreCopyBatch batch = job;
    batch.sources.clear();
    for (const std::string& image : images) {
        SkippedImage result = takeImage(*album, image, fill, report.shortenedTexts);
        if (result.status == Status::Ok)
            batch.sources.push_back(image);
        else
            report.skipped.push_back(std::move(result));
    }
    if (!batch.sources.empty() && !makeFolders(StoreFolder(batch.programFolder, batch.albumPath)))
        return Status::IoError;
    dropFailed(*album, run(batch), report);
    std::erase_if(report.shortenedTexts, [&](const std::string& image) {
        return std::any_of(report.skipped.begin(), report.skipped.end(),
                           [&](const SkippedImage& s) { return s.path == image; });
    });
    auto written = writeAlbum(*album, batch.programFolder, batch.albumPath, batch.albumPath);
    if (!written)
        return written.status();
    return report;
}

} // namespace pictra
