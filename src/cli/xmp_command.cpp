// pictra-cli xmp: an album's dates and texts out to the XMP sidecars of its
// pictures, or in from them (and from the pictures' own metadata), with the
// same core code as the album window's commands. The album is read into a
// private scratch folder, so a running Pictra's open albums are untouched.
#include "cli_commands.h"
#include "cli_context.h"
#include "scratch_folder.h"

#include "core/album/album_read.h"
#include "core/album/album_table.h"
#include "core/album/album_write.h"
#include "core/album/cell_picture.h"
#include "core/album/entry_metadata.h"
#include "core/album/sidecar_export.h"
#include "core/util/tick_count.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <numeric>
#include <vector>

namespace pictra::cli {
namespace {

std::vector<int> allPositions(const AlbumRecord& album)
{
    std::vector<int> positions(static_cast<std::size_t>(std::max(album.imageCount, 0)));
    std::iota(positions.begin(), positions.end(), 0);
    return positions;
}

int exportAlbum(const AlbumRecord& album)
{
    const SidecarExportReport report = exportSidecars(album, allPositions(album));
    for (const std::string& path : report.written)
        std::printf("%s\n", path.c_str());
    for (const auto& [picture, status] : report.failed) {
        const std::string reason = status == Status::Corrupt ? "its sidecar exists but cannot be parsed (left as it is)"
                                                             : std::string(statusText(status));
        printError("no sidecar for " + picture + ": " + reason);
    }
    return report.failed.empty() ? kExitOk : kExitPartly;
}

int importAlbum(AlbumRecord& album, const std::string& scratch, const std::string& path, FillMode mode)
{
    const FillReport report = fillAlbumEntries(album, allPositions(album), {.date = true, .texts = true, .mode = mode});
    for (const std::string& picture : imageFilePaths(album, report.shortened))
        printError("texts of " + picture + " were cut to fit the album's fields");
    if (!report.changed.empty()) {
        auto written = writeAlbum(album, scratch, path, path);
        if (!written) {
            printError("cannot write " + path + ": " + std::string(statusText(written.status())));
            return kExitFailed;
        }
    }
    std::printf("%s: %zu of %d image(s) filled\n", path.c_str(), report.changed.size(), album.imageCount);
    return kExitOk;
}

} // namespace

int runXmp(const Args& args)
{
    bool overwrite = false;
    std::vector<std::string> rest;
    for (const std::string& a : args) {
        if (a == "--overwrite")
            overwrite = true;
        else
            rest.push_back(a);
    }
    const bool exporting = rest.size() == 2 && rest[0] == "export" && !overwrite;
    const bool importing = rest.size() == 2 && rest[0] == "import";
    if (!exporting && !importing) {
        printUsageError("xmp");
        return kExitUsage;
    }
    const std::string& path = rest[1];
    ScratchFolder scratch;
    if (scratch.path().empty()) {
        printError("cannot make a scratch folder");
        return kExitFailed;
    }
    auto table = std::make_unique<AlbumTable>();
    auto read = readAlbum(*table, scratch.path(), path, tickCount());
    if (!read) {
        printError("cannot read " + path + ": " + std::string(statusText(read.status())));
        return kExitFailed;
    }
    if (exporting)
        return exportAlbum(table->working);
    return importAlbum(table->working, scratch.path(), path, overwrite ? FillMode::Overwrite : FillMode::EmptyOnly);
}

} // namespace pictra::cli
