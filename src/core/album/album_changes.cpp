// The changed mark of an album record.
#include "core/album/album_changes.h"

#include "core/album/window_records.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <algorithm>

namespace pictra {

void markAlbumChanged(AlbumRecord& album)
{
    album.changed = 1;
    ++album.changeSerial;
}

void markAlbumSaved(AlbumRecord& album)
{
    album.changed = 0;
}

bool albumChanged(const AlbumRecord& album)
{
    return album.changed != 0;
}

void markWindowChanged(AlbumTable& table, std::uint64_t viewId)
{
    const int slot = findSlot(table, viewId);
    if (slot < 0 || viewId == 0)
        return;
    AlbumRecord& own = table.windowSlots[static_cast<std::size_t>(slot)];
    const bool active = table.working.viewId == viewId;
    AlbumRecord& freshest = active ? table.working : own;
    if (freshest.kind != AlbumKind::Album)
        return;
    markAlbumChanged(freshest);
    // One change, one serial: the slot carries the working copy's.
    own.changed = freshest.changed;
    own.changeSerial = freshest.changeSerial;
}

void markWindowSaved(AlbumTable& table, std::uint64_t viewId)
{
    editWindowRecords(table, viewId, [](AlbumRecord& rec) { markAlbumSaved(rec); });
}

std::vector<std::uint64_t> changedAlbumWindows(const AlbumTable& table)
{
    std::vector<std::uint64_t> views;
    for (int i = 0; i < std::clamp(table.openCount, 0, kMaxAlbumWindows); ++i) {
        const std::uint64_t view = table.windowSlots[static_cast<std::size_t>(i)].viewId;
        const AlbumRecord* rec = windowRecord(table, view);
        if (rec && rec->kind == AlbumKind::Album && albumChanged(*rec))
            views.push_back(view);
    }
    return views;
}

std::string albumWindowTitle(const AlbumRecord& album)
{
    const std::string_view path = fieldText(album.path);
    const std::string_view name = fileNamePart(path);
    std::string title(name.empty() ? path : name);
    if (album.kind == AlbumKind::Album && albumChanged(album))
        title += " *";
    return title;
}

} // namespace pictra
