// The rule of due recovery copies.
#include "core/recovery/recovery_plan.h"

#include "core/album/album_changes.h"
#include "core/util/fixed_text.h"

#include <algorithm>
#include <set>

namespace pictra {

const AlbumRecord& freshestRecord(const AlbumTable& table, int slot)
{
    const AlbumRecord& record = table.windowSlots[static_cast<std::size_t>(slot)];
    return record.viewId != 0 && record.viewId == table.working.viewId ? table.working : record;
}

RecoveryWork planRecoveryWork(const AlbumTable& table, const std::map<std::string, std::uint32_t>& kept)
{
    RecoveryWork work;
    std::set<std::string> wanted;
    const int open = std::clamp(table.openCount, 0, kMaxAlbumWindows);
    for (int i = 0; i < open; ++i) {
        const AlbumRecord& album = freshestRecord(table, i);
        const std::string path(fieldText(album.path));
        if (album.kind != AlbumKind::Album || !albumChanged(album) || path.empty())
            continue;
        wanted.insert(path);
        const auto it = kept.find(path);
        if (it == kept.end() || it->second != album.changeSerial)
            work.snapshotSlots.push_back(i);
    }
    for (const auto& [path, serial] : kept) {
        if (!wanted.count(path))
            work.removals.push_back(path);
    }
    return work;
}

} // namespace pictra
