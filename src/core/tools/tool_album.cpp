// Finding the source album by what it lists, not only by a slot number that
// moves when earlier windows close.
#include "core/tools/tool_album.h"

#include "core/album/cell_picture.h"

namespace pictra {
namespace {

bool listsPicture(const AlbumRecord& album, std::string_view path)
{
    if (album.kind != AlbumKind::Album)
        return false;
    for (int i = 0; i < album.imageCount && i < kMaxAlbumImages; ++i)
        if (imageFilePath(album.images[static_cast<std::size_t>(i)]) == path)
            return true;
    return false;
}

} // namespace

int sourceAlbumSlot(const AlbumTable& table, int rememberedSlot, std::string_view picturePath)
{
    if (picturePath.empty())
        return -1;
    const int open = std::min(table.openCount, kMaxAlbumWindows);
    if (rememberedSlot >= 0 && rememberedSlot < open &&
        listsPicture(table.windowSlots[static_cast<std::size_t>(rememberedSlot)], picturePath))
        return rememberedSlot;
    for (int slot = 0; slot < open; ++slot)
        if (listsPicture(table.windowSlots[static_cast<std::size_t>(slot)], picturePath))
            return slot;
    return -1;
}

} // namespace pictra
