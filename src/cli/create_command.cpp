// pictra-cli create: a new album file from image files, with store copies
// made by the settings' JPEG options. The copies are made in a private
// scratch folder, so a running Pictra's open albums are never touched.
#include "cli_commands.h"
#include "cli_context.h"
#include "scratch_folder.h"

#include "core/album/create_album.h"
#include "core/recognise/offered_duplicates.h"
#include "core/image/shared_image.h"
#include "core/metadata/metadata_settings.h"
#include "parallel_store_copies.h"
#include "core/util/file_io.h"

#include <cstdio>
#include <filesystem>
#include <memory>

namespace pictra::cli {
namespace {

std::string absolute(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

void reportSkipped(const SkippedImage& skipped)
{
    if (!skipped.sharesCopyWith.empty())
        printError("skipped " + skipped.path + ": its name clashes with " + skipped.sharesCopyWith +
                   " (both would share one store copy)");
    else if (skipped.status == Status::InvalidArgument)
        printError("skipped " + skipped.path + ": the path is too long for an album");
    else if (skipped.status == Status::TooLarge)
        printError("skipped " + skipped.path + ": the picture is too large, or the album is full");
    else
        printError("skipped " + skipped.path + ": " + std::string(statusText(skipped.status)));
}

// The images without those that repeat an earlier one (the same file, or
// the same picture by content), each left out named on a line of its own.
std::vector<std::string> withoutRepeats(const std::vector<std::string>& images, std::size_t capBytes)
{
    StoreCopyContents noCopies; // a new album has no store copies yet
    const std::vector<DuplicatePicture> repeats = findOfferedDuplicates({}, images, noCopies, capBytes);
    for (const DuplicatePicture& d : repeats)
        printError("skipped " + images[d.offered] +
                   (d.kind == DuplicateKind::SameFile ? ": the same file as " : ": the same picture as ") + d.of);
    return withoutDuplicates(std::span<const std::string>(images), repeats);
}

} // namespace

int runCreate(const Args& args)
{
    bool force = false;
    bool skipDuplicates = false;
    std::vector<std::string> paths;
    for (const std::string& a : args) {
        if (a == "--force")
            force = true;
        else if (a == "--skip-duplicates")
            skipDuplicates = true;
        else
            paths.push_back(a);
    }
    if (paths.empty()) {
        printUsageError("create");
        return kExitUsage;
    }
    const std::string album = paths.front();
    if (!force && fileExists(album)) {
        printError(album + " already exists (use --force to replace it)");
        return kExitFailed;
    }
    auto context = openContext();
    if (!context)
        return kExitFailed;
    ScratchFolder scratch;
    if (scratch.path().empty()) {
        printError("cannot make a scratch folder");
        return kExitFailed;
    }
    std::vector<std::string> images;
    for (std::size_t i = 1; i < paths.size(); ++i)
        images.push_back(absolute(paths[i]));
    if (skipDuplicates)
        images = withoutRepeats(images, imageBufferBytes(context->settings));
    StoreCopyBatch job;
    job.programFolder = scratch.path();
    job.albumPath = album;
    job.jpeg = jpegSaveOptions(context->settings);
    job.bufferCap = imageBufferBytes(context->settings);
    auto report = createAlbumFile(
        job, images, [](const StoreCopyBatch& batch) { return makeStoreCopiesInParallel(batch); },
        newEntryFill(context->programFolder));
    if (!report) {
        printError("cannot write " + album + ": " + std::string(statusText(report.status())));
        return kExitFailed;
    }
    for (const SkippedImage& skipped : report->skipped)
        reportSkipped(skipped);
    for (const std::string& image : report->shortenedTexts)
        printError("texts of " + image + " were cut to fit the album's fields");
    std::printf("%s: %d image(s)\n", album.c_str(), report->added);
    return report->skipped.empty() ? kExitOk : kExitPartly;
}

} // namespace pictra::cli
