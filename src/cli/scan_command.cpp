// pictra-cli scan: acquires every page from a scanner into image files and
// appends them to an album (made when missing), with store copies. The
// import rules are the TWAIN dialog's; store copies are made in a scratch
// folder, so a running Pictra's open albums are never touched.
#include "cli_context.h"
#include "scratch_folder.h"

#include "core/album/album_read.h"
#include "core/album/album_table.h"
#include "core/album/album_write.h"
#include "core/album/append_images.h"
#include "core/image/shared_image.h"
#include "core/platform/program_paths.h"
#include "core/scan/scan_import.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "core/util/tick_count.h"
#include "scanner/sane_scan_source.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace pictra::cli {
namespace {

constexpr const char* kScanUsage =
    "usage: pictra-cli scan [--list] [--device NAME] [--resolution DPI] [--folder DIR] [--format jpg|bmp] ALBUM";

struct ScanArgs {
    bool list = false;
    std::string device;
    int resolution = kScanResolutionDpi;
    std::string folder;
    ScanFileType type = ScanFileType::Jpg;
    std::string album;
};

std::optional<ScanArgs> parseScanArgs(const Args& args)
{
    ScanArgs out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--list") {
            out.list = true;
        } else if (a == "--device" && hasValue) {
            out.device = args[++i];
        } else if (a == "--folder" && hasValue) {
            out.folder = args[++i];
        } else if (a == "--resolution" && hasValue) {
            const std::string& v = args[++i];
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), out.resolution);
            if (ec != std::errc() || end != v.data() + v.size() || out.resolution < 1)
                return std::nullopt;
        } else if (a == "--format" && hasValue) {
            const std::string& v = args[++i];
            if (v != "jpg" && v != "bmp")
                return std::nullopt;
            out.type = v == "bmp" ? ScanFileType::Bmp : ScanFileType::Jpg;
        } else if (a.starts_with("--") || !out.album.empty()) {
            return std::nullopt;
        } else {
            out.album = a;
        }
    }
    if (!out.list && out.album.empty())
        return std::nullopt;
    return out;
}

std::string absolute(const std::string& path)
{
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

std::string_view scanErrorText(ScanError error)
{
    switch (error) {
    case ScanError::None: return "done";
    case ScanError::Cancelled: return "cancelled";
    case ScanError::NoDevice: return "no such scanner (see pictra-cli scan --list)";
    case ScanError::OpenFailed: return "the scanner cannot be opened or set up";
    case ScanError::Busy: return "the scanner is busy";
    case ScanError::Jammed: return "paper jam in the feeder";
    case ScanError::CoverOpen: return "the scanner's cover is open";
    case ScanError::NoDocuments: return "the document feeder is empty";
    case ScanError::TooLarge: return "the scan is larger than the image buffer setting allows";
    case ScanError::DeviceError: return "the scanner failed";
    case ScanError::SaveFailed: return "the pictures cannot be saved";
    }
    return "the scanner failed";
}

int listDevices()
{
    SaneScanSource source;
    const std::vector<ScanDevice> devices = source.devices();
    for (const ScanDevice& d : devices)
        std::printf("%s\t%s %s (%s)\n", d.name.c_str(), d.vendor.c_str(), d.model.c_str(), d.type.c_str());
    if (devices.empty())
        printError("no scanner found");
    return devices.empty() ? kExitFailed : kExitOk;
}

// The album to add to, read into `table` (store copies into `scratch`), or a
// new empty one when the file does not exist.
Status loadAlbum(AlbumTable& table, const std::string& scratch, const std::string& album, std::uint32_t tick)
{
    if (!fileExists(album)) {
        return setFieldText(table.working.path, album) ? Status::Ok : Status::InvalidArgument;
    }
    auto read = readAlbum(table, scratch, album, tick);
    return read ? Status::Ok : read.status();
}

} // namespace

int runScan(const Args& args)
{
    const auto parsed = parseScanArgs(args);
    if (!parsed) {
        printError(kScanUsage);
        return kExitUsage;
    }
    if (parsed->list)
        return listDevices();
    auto context = openContext();
    if (!context)
        return kExitFailed;
    ScratchFolder scratch;
    if (scratch.path().empty()) {
        printError("cannot make a scratch folder");
        return kExitFailed;
    }
    const std::string album = absolute(parsed->album);
    const std::uint32_t tick = tickCount();
    auto table = std::make_unique<AlbumTable>();
    if (const Status status = loadAlbum(*table, scratch.path(), album, tick); status != Status::Ok) {
        printError("cannot read " + album + ": " + std::string(statusText(status)));
        return kExitFailed;
    }
    AlbumRecord& record = table->working;

    ScanSaveTarget target;
    target.saveFolder = parsed->folder.empty() ? joinPath(context->programFolder, kImageFolder) : absolute(parsed->folder);
    if (parsed->folder.empty())
        (void)makeFolders(target.saveFolder);
    target.fileType = parsed->type;
    target.tempFolder = joinPath(context->programFolder, kTempFolder);
    target.programFolder = scratch.path();
    target.albumPath = album;
    for (int i = 0; i < record.imageCount; ++i)
        target.albumPaths.emplace_back(fieldText(record.images[static_cast<std::size_t>(i)].path));
    target.stem = scanStem(tick);

    ScanRequest request;
    request.device = parsed->device;
    request.resolutionDpi = parsed->resolution;
    request.maxPixelBytes = imageBufferBytes(context->settings);
    ImageFileIO io(jpegSaveOptions(context->settings));
    SaneScanSource source;
    const ScanRoundReport report = runScanRound(source, request, target, io, {});

    for (const ScanProblem& problem : report.problems) {
        const bool folder = problem.path == target.saveFolder;
        std::string text = (folder ? "cannot save into the folder " : "cannot save ") + problem.path + ": " +
                           std::string(statusText(problem.status));
        if (!problem.keptAt.empty())
            text += " (the scan is kept in " + problem.keptAt + ")";
        printError(text);
    }
    if (report.error != ScanError::None && report.error != ScanError::SaveFailed)
        printError(std::string(scanErrorText(report.error)));
    FileNameList list;
    for (const ScannedFile& file : report.saved) {
        std::printf("%s\n", file.path.c_str());
        if (file.storeCopy != Status::Ok)
            printError("no store copy of " + file.path + ": " + std::string(statusText(file.storeCopy)));
        (void)list.add(file.path);
    }
    if (list.empty())
        return kExitFailed;
    auto appended = appendImages(record, list, tick);
    if (!appended) {
        printError(album + " holds 1000 images: nothing added");
        return kExitFailed;
    }
    if (appended->dropped > 0)
        printError(std::to_string(appended->dropped) + " picture(s) not added: the album holds 1000 images");
    auto written = writeAlbum(record, scratch.path(), album, album);
    if (!written) {
        printError("cannot write " + album + ": " + std::string(statusText(written.status())));
        return kExitFailed;
    }
    std::printf("%s: %d image(s) added\n", album.c_str(), appended->appended);
    const bool partly = report.error != ScanError::None || !report.problems.empty() || appended->dropped > 0;
    return partly ? kExitPartly : kExitOk;
}

} // namespace pictra::cli
