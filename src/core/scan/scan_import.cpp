// The import round: picture → TEMP bitmap → save folder → store copy.
#include "core/scan/scan_import.h"

#include "core/album/image_entry.h"
#include "core/album/store_copy.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "core/util/program_subfolders.h"

#include <filesystem>
#include <set>
#include <unistd.h>

namespace pictra {
namespace {

// Longest stem_N name we allow for: N stays well below 10^9.
constexpr std::size_t kNumberDigits = 10;

class RoundSaver {
public:
    RoundSaver(const ScanSaveTarget& target, ImageFileIO& io, ScanRoundReport& report, const ScanSavedEvent& saved)
        : m_target(target), m_io(io), m_report(report), m_saved(saved), m_tempFolder(target.tempFolder)
    {
        for (const std::string& path : target.albumPaths)
            m_albumNames.insert(BaseName(path));
        m_report.nextNumber = target.firstNumber;
    }

    void keep(PackedBitmap&& picture)
    {
        const BitmapView view = picture.view();
        ImageBuffers buffers(view.pixels.size());
        ImageRecord& record = buffers.record();
        const int number = firstFreeScanNumber(m_target.stem, m_report.nextNumber,
                                               [this](const std::string& name) { return taken(name); });
        const std::string name = scanName(m_target.stem, number);
        const std::string path = joinPath(m_target.saveFolder, name + "." + std::string(scanExtension(m_target.fileType)));
        m_report.nextNumber = number + 1;
        if (const Status status = unpackToRecord(picture, record); status != Status::Ok) {
            m_report.problems.push_back({status, path, {}});
            return;
        }
        IKFreeMemory(picture);
        const std::string temp = writeTemp(record);
        if (const Status status = m_io.saveImage(path, record); status != Status::Ok) {
            m_report.problems.push_back(keepAside(status, path, temp, name));
            return;
        }
        std::error_code ec;
        if (!temp.empty())
            std::filesystem::remove(temp, ec);
        ScannedFile file{path, name, number, Status::Ok};
        if (!m_target.albumPath.empty())
            file.storeCopy = replaceStoreCopy(m_io, record, m_target.programFolder, m_target.albumPath, path);
        if (m_saved)
            m_saved(file);
        m_report.saved.push_back(std::move(file));
    }

private:
    bool taken(const std::string& name) const
    {
        if (m_albumNames.count(name))
            return true;
        for (const char* ext : {".jpg", ".bmp"}) {
            if (fileExists(joinPath(m_target.saveFolder, name + ext)))
                return true;
        }
        return !m_target.albumPath.empty() &&
               fileExists(joinPath(StoreFolder(m_target.programFolder, m_target.albumPath), name + ".jpg"));
    }

    // Moves the TEMP bitmap of a picture that could not be saved to the
    // kept-scans folder; it stays in TEMP when that fails too.
    ScanProblem keepAside(Status status, const std::string& path, const std::string& temp, const std::string& name)
    {
        ScanProblem problem{status, path, temp, !temp.empty()};
        if (temp.empty() || m_target.keptFolder.empty() || !makeFolders(m_target.keptFolder))
            return problem;
        std::string kept = joinPath(m_target.keptFolder, name + ".bmp");
        for (int k = 1; fileExists(kept); ++k)
            kept = joinPath(m_target.keptFolder, name + "-" + std::to_string(k) + ".bmp");
        std::error_code ec;
        std::filesystem::rename(temp, kept, ec);
        if (!ec) {
            problem.keptAt = kept;
            problem.keptInTemp = false;
        }
        return problem;
    }

    // The picture as a bitmap in TEMP under a name no other file has; empty
    // when it cannot be written.
    std::string writeTemp(const ImageRecord& record)
    {
        if (!makeFolders(m_tempFolder))
            return {};
        std::string temp;
        do
            temp = joinPath(m_tempFolder, scanTempName(m_target.stem, m_tempCount++));
        while (fileExists(temp));
        return m_io.saveImage(temp, record) == Status::Ok ? temp : std::string();
    }

    const ScanSaveTarget& m_target;
    ImageFileIO& m_io;
    ScanRoundReport& m_report;
    const ScanSavedEvent& m_saved;
    std::string m_tempFolder;
    std::set<std::string> m_albumNames;
    int m_tempCount = 0;
};

} // namespace

std::string keptScansFolder(const std::string& programFolder)
{
    return joinPath(joinPath(programFolder, kImageFolder), kKeptScansFolder);
}

ScanRequest scanRequestFor(const ScanDeviceOptions& options, const ScanSettings& settings)
{
    ScanRequest request;
    request.resolutionDpi = settings.resolutionDpi;
    if (!options.modes.empty())
        request.mode = settings.mode;
    if (!options.feeds.empty())
        request.feed = settings.feed;
    if (options.hasArea())
        request.area = scanAreaSize(options, settings);
    return request;
}

Status checkSaveFolder(const std::string& folder, std::string_view stem)
{
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_directory(folder, ec))
        return Status::NotFound;
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return Status::NoPermission;
    const std::string longest = joinPath(folder, std::string(stem) + "_" + std::string(kNumberDigits, '9') + ".jpg");
    if (longest.size() > kPathBytes - 1)
        return Status::InvalidArgument;
    return Status::Ok;
}

ScanRoundReport runScanRound(ScanSource& source, const ScanRequest& request, const ScanSaveTarget& target,
                             ImageFileIO& io, const ScanEvents& events, const ScanSavedEvent& saved)
{
    ScanRoundReport report;
    report.nextNumber = target.firstNumber;
    if (const Status status = checkSaveFolder(target.saveFolder, target.stem); status != Status::Ok) {
        report.error = ScanError::SaveFailed;
        report.problems.push_back({status, target.saveFolder, {}});
        return report;
    }
    RoundSaver saver(target, io, report, saved);
    ScanEvents passed = events;
    passed.picture = [&saver](PackedBitmap&& picture) {
        saver.keep(std::move(picture));
        return true;
    };
    report.error = source.acquire(request, passed);
    return report;
}

} // namespace pictra
