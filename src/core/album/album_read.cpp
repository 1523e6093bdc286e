// Read album: parse, extract store copies, then fill the working copy.
#include "core/album/album_read.h"

#include "core/album/album_changes.h"
#include "core/album/album_file.h"
#include "core/album/append_images.h"
#include "core/document/album_names.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <unistd.h>

namespace pictra {
namespace {

// Writes every store copy; on failure removes the copies it wrote and the
// folder when it created it.
Status extractStoreCopies(const AlbumFileContents& contents, const std::string& programFolder,
                          const std::string& albumPath)
{
    const std::string folder = StoreFolder(programFolder, albumPath);
    const bool created = !folderExists(folder);
    if (!makeFolders(folder))
        return Status::NoPermission;
    std::vector<std::string> written;
    for (std::size_t i = 0; i < contents.entries.size(); ++i) {
        const std::string copy = storeCopyPath(programFolder, albumPath, fieldText(contents.entries[i].path));
        const Status status = writeFile(copy, contents.storeCopies[i]);
        if (status != Status::Ok) {
            for (const std::string& path : written)
                ::unlink(path.c_str());
            if (created)
                ::rmdir(folder.c_str());
            return status;
        }
        written.push_back(copy);
    }
    return Status::Ok;
}

} // namespace

bool storeFolderInUse(const AlbumTable& table, std::string_view albumPath)
{
    const int active = findSlot(table, table.working.viewId);
    std::vector<std::string> others;
    for (int i = 0; i < table.openCount && i < kMaxAlbumWindows; ++i) {
        const AlbumRecord& slot = table.windowSlots[static_cast<std::size_t>(i)];
        if (i != active && slot.kind == AlbumKind::Album)
            others.emplace_back(fieldText(slot.path));
    }
    return sharesStoreFolder(albumPath, others);
}

Result<AlbumReadReport> readAlbum(AlbumTable& table, const std::string& programFolder, const std::string& albumPath,
                                  std::uint32_t tick)
{
    return readAlbumFrom(table, programFolder, albumPath, albumPath, tick);
}

Result<AlbumReadReport> readAlbumFrom(AlbumTable& table, const std::string& programFolder,
                                      const std::string& sourceFile, const std::string& albumPath, std::uint32_t tick)
{
    AlbumRecord& working = table.working;
    if (working.kind != AlbumKind::Album || working.imageCount != 0 || albumPath.size() >= kPathBytes ||
        BaseName(albumPath).empty() || storeFolderInUse(table, albumPath))
        return Status::InvalidArgument;
    // Read into memory rather than mapped: a file shortened by another
    // program while we parse it must not bring the program down.
    const auto bytes = readFile(sourceFile, kMaxAlbumFileBytes);
    if (!bytes)
        return bytes.status();
    auto contents = parseAlbumFile(*bytes);
    if (!contents)
        return contents.status();
    if (const Status s = extractStoreCopies(*contents, programFolder, albumPath); s != Status::Ok)
        return s;

    // The file is accepted: from here on the working copy takes the new album.
    const std::string oldFolder = StoreFolder(programFolder, fieldText(working.path));
    if (!BaseName(fieldText(working.path)).empty() && oldFolder != StoreFolder(programFolder, albumPath))
        ::rmdir(oldFolder.c_str()); // the empty window's store folder; fails harmlessly when not empty
    setFieldText(working.path, albumPath);
    FileNameList paths;
    for (std::size_t i = 0; i < contents->entries.size(); ++i) {
        working.images[i] = contents->entries[i];
        (void)paths.add(fieldText(contents->entries[i].path)); // cannot fail: an album's entries fit the list
    }
    AlbumReadReport report;
    if (!paths.empty()) {
        auto appended = appendImages(working, paths, tick, EntryTexts::Keep);
        if (!appended)
            return appended.status(); // cannot happen: an empty album takes up to 1000 paths
        report.missingSources = std::move(appended->missing);
        report.missingIndices = std::move(appended->missingIndices);
        report.sharingStoreCopy = std::move(appended->sharingStoreCopy);
    }
    report.imageCount = working.imageCount;
    markAlbumSaved(working); // the entries just read are what the file holds
    mirrorToActiveSlot(table);
    return report;
}

} // namespace pictra
