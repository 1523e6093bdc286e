// Clean-up when an album, single-image or slide window closes.
#include "core/album/album_window_close.h"

#include "core/util/paths.h"

#include <filesystem>
#include <system_error>

namespace pictra {

void removeWindowSlot(AlbumTable& table, int index)
{
    if (index < 0 || index >= table.openCount || index >= kMaxAlbumWindows)
        return;
    for (int i = index; i + 1 < table.openCount; ++i)
        table.windowSlots[static_cast<std::size_t>(i)] = table.windowSlots[static_cast<std::size_t>(i + 1)];
    resetAlbumRecord(table.windowSlots[static_cast<std::size_t>(table.openCount - 1)]);
    --table.openCount;
    if (table.openCount == 0)
        clearAlbumTable(table);
}

Status deleteStoreFolder(std::string_view programFolder, std::string_view albumPath)
{
    namespace fs = std::filesystem;
    const fs::path folder(StoreFolder(programFolder, albumPath));
    std::error_code ec;
    if (!fs::exists(folder, ec))
        return Status::Ok;
    for (const fs::directory_entry& file : fs::directory_iterator(folder, ec)) {
        if (file.is_regular_file(ec) && endsWithIgnoreCase(file.path().filename().string(), ".jpg"))
            fs::remove(file.path(), ec);
    }
    fs::remove(folder, ec);
    return fs::exists(folder, ec) ? Status::IoError : Status::Ok;
}

} // namespace pictra
