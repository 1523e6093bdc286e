// pictra-cli scan: acquires every page from a scanner into image files and
// appends them to an album (made when missing), with store copies. The
// import rules and the settings checks are the scan dialog's; store copies
// are made in a scratch folder, so a running Pictra's open albums are never
// touched. SIGINT or SIGTERM ends the scan after the page being read; the
// pages saved until then are still added (a second signal drops that page).
#include "cli_commands.h"
#include "cli_context.h"
#include "scratch_folder.h"

#include "core/album/album_read.h"
#include "core/album/album_table.h"
#include "core/album/album_write.h"
#include "core/album/append_images.h"
#include "core/image/shared_image.h"
#include "core/metadata/metadata_settings.h"
#include "core/platform/program_paths.h"
#include "core/scan/scan_import.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "core/util/tick_count.h"
#include "scanner/sane_scan_source.h"

#include <atomic>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace pictra::cli {
namespace {

struct ScanArgs {
    bool list = false;
    std::string device;
    std::optional<int> resolution;
    std::optional<ScanMode> mode;
    std::optional<ScanFeed> feed;
    std::optional<ScanSettings> area; // only area and customArea are used
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
            // Read in full width: a number beyond int is refused, never wrapped.
            const std::string& v = args[++i];
            long long dpi = 0;
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), dpi);
            if (ec != std::errc() || end != v.data() + v.size() || dpi < 1 || dpi > 1'000'000)
                return std::nullopt;
            out.resolution = static_cast<int>(dpi);
        } else if (a == "--mode" && hasValue) {
            if (!(out.mode = parseScanMode(args[++i])))
                return std::nullopt;
        } else if (a == "--source" && hasValue) {
            if (!(out.feed = parseScanFeed(args[++i])))
                return std::nullopt;
        } else if (a == "--area" && hasValue) {
            ScanSettings area;
            if (!parseScanArea(args[++i], area))
                return std::nullopt;
            out.area = area;
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

// Counts SIGINT and SIGTERM while a scan runs.
std::atomic<int> s_stopSignals{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void countStopSignal(int)
{
    s_stopSignals.fetch_add(1);
}

// Catches the stop signals for its lifetime. SA_RESTART: a signal must not
// fail a read inside the scanner's driver.
class StopSignals {
public:
    StopSignals()
    {
        struct sigaction action {};
        action.sa_handler = countStopSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGINT, &action, &m_oldInt);
        sigaction(SIGTERM, &action, &m_oldTerm);
    }
    ~StopSignals()
    {
        sigaction(SIGINT, &m_oldInt, nullptr);
        sigaction(SIGTERM, &m_oldTerm, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;
    int count() const { return s_stopSignals.load(); }

private:
    struct sigaction m_oldInt {};
    struct sigaction m_oldTerm {};
};

std::string resolutionsText(const ScanSettingsCheck& check)
{
    if (!check.allowedList.empty()) {
        std::string text;
        for (int dpi : check.allowedList)
            text += (text.empty() ? "" : ", ") + std::to_string(dpi);
        return text + " dpi";
    }
    return std::to_string(check.allowedMin) + "-" + std::to_string(check.allowedMax) + " dpi";
}

template <typename Kind, typename NameOf>
std::string choicesText(const std::vector<ScanChoice<Kind>>& choices, NameOf nameOf)
{
    std::string text;
    for (const auto& c : choices)
        text += (text.empty() ? "" : ", ") + std::string(nameOf(c.kind));
    return text;
}

std::string mmText(double mm)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", mm);
    return buf;
}

// Why the device refuses the settings, naming what it allows.
std::string settingsFaultText(const ScanSettingsCheck& check, const ScanDeviceOptions& options)
{
    switch (check.fault) {
    case ScanSettingsFault::None: return {};
    case ScanSettingsFault::ResolutionOutOfRange:
        return "the scanner's resolutions are " + resolutionsText(check);
    case ScanSettingsFault::ModeNotOffered:
        return "the scanner's modes are " + choicesText(options.modes, scanModeName);
    case ScanSettingsFault::FeedNotOffered:
        return "the scanner's sources are " + choicesText(options.feeds, scanFeedName);
    case ScanSettingsFault::AreaTooLarge:
        return check.maxArea.width > 0 ? "the scanner's area is at most " + mmText(check.maxArea.width) + " x " +
                                             mmText(check.maxArea.height) + " mm"
                                       : std::string("the scanner's area cannot be set");
    case ScanSettingsFault::OverBufferCap:
        return check.allowedMax > 0
                   ? "at this area the image buffer setting allows " + resolutionsText(check)
                   : std::string("at this area no resolution fits the image buffer setting");
    }
    return {};
}

// The settings the arguments ask for on this device, or the refusal.
struct ChosenSettings {
    ScanSettings settings;
    ScanSettingsCheck check;
};

ChosenSettings chooseSettings(const ScanArgs& args, const ScanDeviceOptions& options, std::size_t cap)
{
    ScanSettings s = defaultScanSettings(options);
    if (args.resolution)
        s.resolutionDpi = *args.resolution;
    if (args.mode)
        s.mode = *args.mode;
    if (args.feed)
        s.feed = *args.feed;
    if (args.area) {
        s.area = args.area->area;
        s.customArea = args.area->customArea;
    }
    return {s, checkScanSettings(options, s, cap)};
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
        printUsageError("scan");
        return kExitUsage;
    }
    if (parsed->list)
        return listDevices();
    const StopSignals stop;
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
    if (parsed->folder.empty() && !makeFolders(target.saveFolder)) {
        printError("cannot make the folder " + target.saveFolder);
        return kExitFailed;
    }
    target.fileType = parsed->type;
    target.tempFolder = joinPath(context->programFolder, kTempFolder);
    target.programFolder = scratch.path();
    target.albumPath = album;
    for (int i = 0; i < record.imageCount; ++i)
        target.albumPaths.emplace_back(fieldText(record.images[static_cast<std::size_t>(i)].path));
    target.stem = scanStem(tick);

    target.keptFolder = keptScansFolder(context->programFolder);

    SaneScanSource source;
    const ScanDeviceReport device = source.deviceOptions(parsed->device);
    if (device.error != ScanError::None) {
        printError(std::string(scanErrorText(device.error)));
        return kExitFailed;
    }
    const std::size_t cap = imageBufferBytes(context->settings);
    const ChosenSettings chosen = chooseSettings(*parsed, device.options, cap);
    if (!chosen.check.ok()) {
        printError(settingsFaultText(chosen.check, device.options));
        return kExitUsage;
    }
    ScanRequest request = scanRequestFor(device.options, chosen.settings);
    request.device = parsed->device;
    request.maxPixelBytes = cap;
    ImageFileIO io(jpegSaveOptions(context->settings));
    ScanEvents events;
    events.stopAfterPage = [&stop] { return stop.count() > 0; };
    events.cancelled = [&stop] { return stop.count() > 1; };
    const ScanRoundReport report = runScanRound(source, request, target, io, events, [](const ScannedFile& file) {
        std::fprintf(stderr, "pictra-cli: scanned %s\n", file.path.c_str());
    });
    const bool interrupted = stop.count() > 0;

    for (const ScanProblem& problem : report.problems) {
        const bool folder = problem.path == target.saveFolder;
        std::string text = (folder ? "cannot save into the folder " : "cannot save ") + problem.path + ": " +
                           std::string(statusText(problem.status));
        if (!problem.keptAt.empty())
            text += problem.keptInTemp ? " (the scan is left in " + problem.keptAt + " until Pictra next ends)"
                                       : " (the scan is kept in " + problem.keptAt + ")";
        printError(text);
    }
    if (report.error != ScanError::None && report.error != ScanError::SaveFailed && !interrupted)
        printError(std::string(scanErrorText(report.error)));
    FileNameList list;
    int notListed = 0;
    for (const ScannedFile& file : report.saved) {
        std::printf("%s\n", file.path.c_str());
        if (file.storeCopy != Status::Ok)
            printError("no store copy of " + file.path + ": " + std::string(statusText(file.storeCopy)));
        if (!list.add(file.path)) {
            printError("not added (the path does not fit an album entry): " + file.path);
            ++notListed;
        }
    }
    if (list.empty()) {
        if (interrupted)
            printError("stopped: no page was scanned, " + album + " is unchanged");
        return kExitFailed;
    }
    auto appended = appendImages(record, list, tick, EntryTexts::Clear, newEntryFill(context->programFolder));
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
    if (interrupted) {
        printError("stopped: the " + std::to_string(appended->appended) + " page(s) scanned before the stop were added to " +
                   album);
        return kExitFailed;
    }
    const bool partly =
        report.error != ScanError::None || !report.problems.empty() || appended->dropped > 0 || notListed > 0;
    return partly ? kExitPartly : kExitOk;
}

} // namespace pictra::cli
