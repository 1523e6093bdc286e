// Album creation for the store-copy figures.
#include "album_creation.h"

#include "cli/parallel_store_copies.h"
#include "core/album/create_album.h"
#include "core/image/shared_image.h"
#include "core/image_io/image_file_io.h"
#include "core/settings/settings_file.h"

namespace pictra::bench {

bool createAlbumLikeTheCli(const std::string& folder, int run, const std::vector<std::string>& files)
{
    const WorkModeSettings settings = defaultWorkModeSettings();
    StoreCopyBatch job;
    job.jpeg = jpegSaveOptions(settings);
    job.bufferCap = imageBufferBytes(settings);
    job.programFolder = folder + "/work" + std::to_string(run);
    job.albumPath = folder + "/album" + std::to_string(run) + ".abm";
    auto report = createAlbumFile(job, files, [](const StoreCopyBatch& batch) {
        return cli::makeStoreCopiesInParallel(batch);
    });
    return report && !files.empty() && report->added == static_cast<int>(files.size());
}

} // namespace pictra::bench
