// Making, replacing and loading store copies.
#include "core/album/store_copy.h"

#include "core/album/store_name_clash.h"
#include "core/image/reduce_for_store.h"
#include "core/image_io/store_load.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

namespace pictra {

Status makeStoreCopy(ImageFileIO& io, ImageRecord& record, const std::string& programFolder,
                     std::string_view albumPath, const std::string& sourcePath)
{
    if (sourcePath.empty())
        return Status::InvalidArgument;
    const Status loaded = loadForStore(io, sourcePath, record);
    if (!pictureLoaded(loaded))
        return loaded;
    const Status saved = replaceStoreCopy(io, record, programFolder, albumPath, sourcePath);
    return saved == Status::Ok ? loaded : saved;
}

Status replaceStoreCopy(ImageFileIO& io, ImageRecord& record, const std::string& programFolder,
                        std::string_view albumPath, const std::string& sourcePath)
{
    if (sourcePath.empty())
        return Status::InvalidArgument;
    reduceForStore(record);
    if (!makeFolders(StoreFolder(programFolder, albumPath)))
        return Status::IoError;
    return io.saveImage(storeCopyPath(programFolder, albumPath, sourcePath), record);
}

Status loadStoreCopy(ImageFileIO& io, ImageRecord& record, const std::string& programFolder,
                     std::string_view albumPath, const std::string& sourcePath)
{
    if (!fileExists(sourcePath)) {
        record.clearHeaders();
        return Status::NotFound;
    }
    return io.loadImage(storeCopyPath(programFolder, albumPath, sourcePath), record);
}

std::optional<std::string> storeNameClash(std::span<const ImageEntry> entries, std::string_view sourcePath)
{
    return storeNameOwner(entries, {}, sourcePath);
}

} // namespace pictra
