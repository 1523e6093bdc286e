// Copying store copies between albums.
#include "core/album/store_copy_transfer.h"

#include "core/util/cp932.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <filesystem>
#include <system_error>

namespace pictra {

void copyStoreCopies(std::string_view programFolder, std::string_view fromAlbum, std::string_view toAlbum,
                     std::span<const ImageEntry> entries)
{
    namespace fs = std::filesystem;
    if (StoreFolder(programFolder, fromAlbum) == StoreFolder(programFolder, toAlbum))
        return;
    std::error_code ec;
    fs::create_directories(StoreFolder(programFolder, toAlbum), ec);
    for (const ImageEntry& entry : entries) {
        const std::string image = storedPathToUtf8(fieldText(entry.path));
        fs::copy_file(storeCopyPath(programFolder, fromAlbum, image), storeCopyPath(programFolder, toAlbum, image),
                      fs::copy_options::skip_existing, ec);
    }
}

} // namespace pictra
