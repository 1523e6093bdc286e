// Recent album list: layout, list algorithms and the file operations.
#include "core/settings/recent_album_list.h"

#include "core/platform/program_paths.h"
#include "core/util/byte_writer.h"
#include "core/util/cp932.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"

#include <algorithm>

namespace pictra {
namespace {

// Removes entry `index`; the later entries and their flags move down by one.
void removeEntry(RecentAlbumList& list, int index)
{
    const auto i = static_cast<std::size_t>(index);
    const auto last = static_cast<std::size_t>(list.count - 1);
    std::move(list.paths.begin() + i + 1, list.paths.begin() + last + 1, list.paths.begin() + i);
    std::move(list.openAtExit.begin() + i + 1, list.openAtExit.begin() + last + 1, list.openAtExit.begin() + i);
    list.paths[last].fill('\0');
    list.openAtExit[last] = 0;
    --list.count;
}

std::string listFile(const std::string& programFolder) { return paramFilePath(programFolder, kRecentListFile); }

} // namespace

RecentAlbumList decodeRecentAlbumList(ByteSpan bytes)
{
    const auto block = zeroPadded(bytes, kRecentListBytes);
    ByteReader in(block);
    RecentAlbumList list;
    list.count = in.i32();
    in.bytes(list.openAtExit);
    for (auto& path : list.paths)
        in.chars(path);
    if (list.count < 0 || list.count > kMaxRecentAlbums)
        return RecentAlbumList{};
    return list;
}

std::vector<std::uint8_t> encodeRecentAlbumList(const RecentAlbumList& list)
{
    ByteWriter out(kRecentListBytes);
    out.i32(list.count);
    out.bytes(list.openAtExit);
    for (const auto& path : list.paths)
        out.chars(path);
    return out.take();
}

std::string_view recentPath(const RecentAlbumList& list, int index)
{
    return fieldText(list.paths[static_cast<std::size_t>(index)]);
}

Status addRecentAlbum(RecentAlbumList& list, std::string_view path)
{
    if (path.empty() || path.size() >= kPathBytes)
        return Status::InvalidArgument;
    int found = -1;
    for (int i = 0; i < list.count && found < 0; ++i) {
        if (recentPath(list, i) == path)
            found = i;
    }
    std::uint8_t flag = 0;
    if (found >= 0) {
        flag = list.openAtExit[static_cast<std::size_t>(found)];
        removeEntry(list, found);
    } else if (list.count >= kMaxRecentAlbums) {
        removeEntry(list, 0);
    }
    const auto slot = static_cast<std::size_t>(list.count);
    setFieldText(list.paths[slot], path);
    list.openAtExit[slot] = flag;
    ++list.count;
    return Status::Ok;
}

void pruneRecentAlbums(RecentAlbumList& list, const std::function<bool(const std::string&)>& exists)
{
    int i = 0;
    while (i < list.count) {
        if (exists(std::string(recentPath(list, i))))
            ++i;
        else
            removeEntry(list, i);
    }
}

void markOpenAlbums(RecentAlbumList& list, std::span<const std::string> openPaths)
{
    for (int i = 0; i < list.count; ++i) {
        const std::string_view path = recentPath(list, i);
        const bool open = std::find(openPaths.begin(), openPaths.end(), path) != openPaths.end();
        list.openAtExit[static_cast<std::size_t>(i)] = open ? 1 : 0;
    }
}

std::vector<RecentMenuItem> recentMenuItems(const RecentAlbumList& list, int historyCount)
{
    std::vector<RecentMenuItem> items;
    for (int i = list.count - 1; i >= 0 && static_cast<int>(items.size()) < historyCount; --i) {
        const int id = static_cast<int>(items.size()) + 1;
        items.push_back({id, std::to_string(id) + ". " + storedPathToUtf8(recentPath(list, i))});
    }
    return items;
}

std::optional<std::string> recentAlbumForCommand(const RecentAlbumList& list, int commandId)
{
    const int index = list.count - commandId;
    if (commandId < 1 || index < 0)
        return std::nullopt;
    return std::string(recentPath(list, index));
}

Result<RecentAlbumList> loadRecentAlbumList(const std::string& programFolder)
{
    auto bytes = readFile(listFile(programFolder), 64 * 1024);
    if (bytes.status() == Status::NotFound)
        return RecentAlbumList{};
    if (!bytes)
        return bytes.status();
    return decodeRecentAlbumList(*bytes);
}

Status saveRecentAlbumList(const std::string& programFolder, const RecentAlbumList& list)
{
    return writeFileAtomic(listFile(programFolder), encodeRecentAlbumList(list));
}

Status AddRecentAlbum(const std::string& programFolder, std::string_view albumPath)
{
    auto list = loadRecentAlbumList(programFolder);
    if (!list)
        return list.status();
    if (const Status s = addRecentAlbum(*list, albumPath); s != Status::Ok)
        return s;
    return saveRecentAlbumList(programFolder, *list);
}

Result<RecentAlbumList> pruneRecentAlbumFile(const std::string& programFolder)
{
    if (!fileExists(listFile(programFolder)))
        return Status::NotFound;
    auto list = loadRecentAlbumList(programFolder);
    if (!list)
        return list.status();
    const int before = list->count;
    pruneRecentAlbums(*list, [](const std::string& path) { return fileExists(path); });
    // Only rewrite when something changed; the pruned list is used either way.
    if (list->count != before)
        (void)saveRecentAlbumList(programFolder, *list); // the next start prunes again
    return list;
}

Status markOpenAlbumsInFile(const std::string& programFolder, std::span<const std::string> openPaths)
{
    auto list = loadRecentAlbumList(programFolder);
    if (!list)
        return list.status();
    markOpenAlbums(*list, openPaths);
    return saveRecentAlbumList(programFolder, *list);
}

} // namespace pictra
