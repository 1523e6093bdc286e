// Write album: head, entries and store copies through an atomic writer.
#include "core/album/album_write.h"

#include "core/album/album_changes.h"
#include "core/album/album_file.h"
#include "core/util/atomic_file_writer.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <span>
#include <unistd.h>

namespace pictra {
namespace {

// Appends L and the copy's bytes. A missing, unreadable or oversized copy
// is written as length 0 (the block count must match N) and gives false.
bool writeStoreCopyBlock(AtomicFileWriter& out, const std::string& copyPath)
{
    auto bytes = readFile(copyPath, kMaxStoreCopyBytes);
    ByteWriter length;
    length.i32(bytes ? static_cast<std::int32_t>(bytes->size()) : 0);
    (void)out.write(length.data()); // a failure sticks in out.status(), checked by the caller
    if (bytes)
        (void)out.write(*bytes); // a failure sticks in out.status(), checked by the caller
    return bytes.ok();
}

void moveStoreCopies(std::span<const ImageEntry> entries, const std::string& programFolder,
                     const std::string& fromAlbum, const std::string& toAlbum)
{
    for (const ImageEntry& e : entries) {
        const std::string from = storeCopyPath(programFolder, fromAlbum, fieldText(e.path));
        const std::string to = storeCopyPath(programFolder, toAlbum, fieldText(e.path));
        std::rename(from.c_str(), to.c_str()); // entries sharing a copy: the second move finds nothing
    }
    ::rmdir(StoreFolder(programFolder, fromAlbum).c_str()); // kept when other files remain
}

// The whole file: head, entries and one block per entry, committed at once.
Result<AlbumWriteReport> writeAlbumFile(std::span<const ImageEntry> entries, const std::string& programFolder,
                                        const std::string& targetPath, const std::string& storePath)
{
    AtomicFileWriter out(targetPath);
    ByteWriter head(kAlbumHeaderBytes + entries.size() * kImageEntryBytes);
    writeAlbumHead(head, entries);
    (void)out.write(head.data()); // a failure sticks in out.status(), checked below
    AlbumWriteReport report;
    for (std::size_t i = 0; i < entries.size() && out.status() == Status::Ok; ++i) {
        if (!writeStoreCopyBlock(out, storeCopyPath(programFolder, storePath, fieldText(entries[i].path))))
            report.missingStoreCopies.push_back(static_cast<int>(i));
    }
    if (const Status s = out.commit(); s != Status::Ok)
        return s;
    return report;
}

} // namespace

std::vector<int> entriesWithoutStoreCopy(const AlbumRecord& album, const std::string& programFolder,
                                         const std::string& storePath)
{
    std::vector<int> missing;
    const int count = std::clamp(album.imageCount, 0, kMaxAlbumImages);
    for (int i = 0; i < count; ++i) {
        const std::string copy = storeCopyPath(programFolder, storePath, fieldText(album.images[static_cast<std::size_t>(i)].path));
        std::error_code ec;
        const auto size = std::filesystem::file_size(copy, ec);
        if (ec || size > kMaxStoreCopyBytes || ::access(copy.c_str(), R_OK) != 0)
            missing.push_back(i);
    }
    return missing;
}

Result<AlbumWriteReport> writeAlbum(const AlbumRecord& album, const std::string& programFolder,
                                    const std::string& targetPath, const std::string& storePath)
{
    if (album.imageCount < 0 || album.imageCount > kMaxAlbumImages || BaseName(targetPath).empty())
        return Status::InvalidArgument;
    const std::span<const ImageEntry> entries(album.images.data(), static_cast<std::size_t>(album.imageCount));
    const std::string newFolder = StoreFolder(programFolder, targetPath);
    const bool moving = newFolder != StoreFolder(programFolder, storePath);
    const bool createdFolder = moving && !folderExists(newFolder);
    if (moving && !makeFolders(newFolder))
        return Status::NoPermission;

    auto written = writeAlbumFile(entries, programFolder, targetPath, storePath);
    if (!written) {
        if (createdFolder)
            ::rmdir(newFolder.c_str());
        return written;
    }
    if (moving)
        moveStoreCopies(entries, programFolder, storePath, targetPath);
    return written;
}

Result<AlbumWriteReport> writeAlbumCopy(const AlbumRecord& album, const std::string& programFolder,
                                        const std::string& targetPath, const std::string& storePath)
{
    if (album.imageCount < 0 || album.imageCount > kMaxAlbumImages || BaseName(targetPath).empty())
        return Status::InvalidArgument;
    const std::span<const ImageEntry> entries(album.images.data(), static_cast<std::size_t>(album.imageCount));
    return writeAlbumFile(entries, programFolder, targetPath, storePath);
}

Result<AlbumWriteReport> saveWorkingAlbum(AlbumTable& table, const std::string& programFolder,
                                          const std::string& targetPath, const std::string& storePath)
{
    auto written = writeAlbum(table.working, programFolder, targetPath, storePath);
    if (written) {
        markAlbumSaved(table.working);
        markWindowSaved(table, table.working.viewId);
    }
    return written;
}

} // namespace pictra
