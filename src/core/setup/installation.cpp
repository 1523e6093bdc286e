// Running the installation stages and undoing a run that did not finish.
#include "core/setup/installation.h"

#include "core/setup/desktop_files.h"
#include "core/setup/mime_apps.h"
#include "core/setup/sample_album.h"
#include "core/setup/uninstall.h"
#include "core/startup/first_album.h"
#include "core/util/file_io.h"
#include "core/util/paths.h"
#include "core/util/program_subfolders.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pictra {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kProgramName = "pictra";
constexpr std::string_view kThumbnailerProgram = "pictra-thumbnailer";
constexpr std::string_view kManualName = "pictra.pdf";

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

bool exists(const std::string& path)
{
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

Status statusOf(const std::error_code& ec)
{
    if (ec == std::errc::permission_denied || ec == std::errc::read_only_file_system ||
        ec == std::errc::operation_not_permitted)
        return Status::NoPermission;
    if (ec == std::errc::no_space_on_device)
        return Status::DiskFull;
    if (ec == std::errc::no_such_file_or_directory)
        return Status::NotFound;
    return Status::IoError;
}

std::span<const std::uint8_t> bytesOf(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

template <typename T>
void addOnce(std::vector<T>& list, const T& item)
{
    if (std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

void putFile(std::vector<ManifestFile>& files, const ManifestFile& file)
{
    auto it = std::find_if(files.begin(), files.end(), [&](const ManifestFile& f) { return f.path == file.path; });
    if (it == files.end())
        files.push_back(file);
    else
        *it = file;
}

bool hasLineBreakOrTab(std::string_view text)
{
    return text.find_first_of("\t\n\r") != std::string_view::npos;
}

} // namespace

Installation::Installation(InstallOptions options, DesktopPlaces places, RegistryStore& registry)
    : m_options(std::move(options)), m_places(std::move(places)), m_registry(registry)
{
    m_copiesFiles = !sameFile(m_options.source, m_options.target);
    const std::string recordPath = joinPath(m_options.target, kManifestName);
    if (Result<std::vector<std::uint8_t>> bytes = readFile(recordPath, kMaxManifestBytes)) {
        const std::string text(bytes->begin(), bytes->end());
        if (Result<InstallManifest> earlier = parseManifest(text))
            m_manifest = std::move(*earlier);
    }
}

Status Installation::check(const InstallOptions& options)
{
    const std::string& target = options.target;
    if (target.empty() || target.front() != '/' || target.size() > kMaxInstallFolderBytes ||
        hasLineBreakOrTab(target) || fs::path(target).lexically_normal() == fs::path("/"))
        return Status::InvalidArgument;
    std::error_code ec;
    if (options.program && !fs::is_regular_file(joinPath(options.source, kProgramName), ec))
        return Status::NotFound;
    return Status::Ok;
}

void Installation::fail(InstallStage stage, const std::string& path, Status status)
{
    m_failures.push_back({stage, path, status});
}

void Installation::record(const std::string& path)
{
    if (Result<ManifestFile> file = describeFile(path))
        putFile(m_manifest.files, *file);
}

bool Installation::makeFolder(InstallStage stage, const std::string& folder)
{
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return true;
    if (!fs::create_directory(folder, ec)) {
        fail(stage, folder, ec ? statusOf(ec) : Status::IoError);
        return false;
    }
    m_madeNow.folders.push_back(folder);
    addOnce(m_manifest.folders, folder);
    return true;
}

bool Installation::makeFolderTree(InstallStage stage, const std::string& folder)
{
    // Every missing folder is recorded, outermost first, so an uninstall
    // (or a cancel) takes away the empty ones again.
    std::vector<std::string> missing;
    fs::path p = fs::path(folder).lexically_normal();
    if (p.filename().empty())
        p = p.parent_path();
    for (; !p.empty() && p != p.root_path() && !exists(p.string()); p = p.parent_path())
        missing.insert(missing.begin(), p.string());
    return std::all_of(missing.begin(), missing.end(), [&](const std::string& f) { return makeFolder(stage, f); });
}

bool Installation::targetHoldsProgram() const
{
    std::error_code ec;
    return fs::is_regular_file(joinPath(m_options.target, kProgramName), ec);
}

bool Installation::copy(InstallStage stage, const CopyJob& job)
{
    const bool existed = exists(job.to);
    if (existed && (job.existing == ExistingTarget::Keep || sameFile(job.from, job.to)))
        return false; // the user's own data, or the file itself
    if (hasLineBreakOrTab(job.to)) {
        fail(stage, job.to, Status::InvalidArgument);
        return false;
    }
    // Copy beside the target and rename over it: a read-only or running
    // program at the target is replaced, never half-written.
    const std::string part = job.to + ".part";
    std::error_code ec;
    fs::copy_file(job.from, part, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    if (!ec)
        fs::rename(part, job.to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(part, ignored);
        fail(stage, job.to, statusOf(ec));
        return false;
    }
    record(job.to);
    if (!existed)
        if (Result<ManifestFile> file = describeFile(job.to))
            m_madeNow.files.push_back(*file);
    return true;
}

void Installation::writeText(InstallStage stage, const std::string& path, const std::string& text, bool executable)
{
    const bool existed = exists(path);
    if (!makeFolderTree(stage, std::string(folderPart(path))))
        return;
    if (const Status s = writeFileAtomic(path, bytesOf(text)); s != Status::Ok) {
        fail(stage, path, s);
        return;
    }
    if (executable) {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_exec, fs::perm_options::add, ec);
    }
    record(path);
    if (!existed)
        if (Result<ManifestFile> file = describeFile(path))
            m_madeNow.files.push_back(*file);
}

void Installation::registerMenuEntries()
{
    const std::string& target = m_options.target;
    const ProgramLocations where{joinPath(target, kProgramName), joinPath(target, kThumbnailerProgram),
                                 joinPath(target, kManualName), target};
    writeText(InstallStage::Icons, joinPath(m_places.applications(), kDesktopEntryId), programDesktopEntry(where));

    // The icon in every size the distribution brings: icons/hicolor/<size>/apps/pictra.png.
    const std::string iconSource = joinPath(m_options.source, "icons/hicolor");
    std::error_code ec;
    for (fs::directory_iterator it(iconSource, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string icon = (it->path() / "apps" / (std::string(kIconName) + ".png")).string();
        std::error_code fileError;
        if (fs::is_regular_file(icon, fileError)) {
            const std::string to = m_places.icons() + "/" + it->path().filename().string() + "/apps";
            if (!makeFolderTree(InstallStage::Icons, to))
                continue;
            copy(InstallStage::Icons, {icon, joinPath(to, std::string(kIconName) + ".png"), ExistingTarget::Replace});
        }
    }
    // Menus read the folder themselves; the cache only speeds them up.
    if (const Status s = runTool({"update-desktop-database", "-q", m_places.applications()});
        s != Status::Ok && s != Status::NotFound)
        fail(InstallStage::Icons, m_places.applications(), s);
}

void Installation::registerFileType()
{
    const std::string& target = m_options.target;
    const std::string setup = joinPath(fs::path(m_options.source).parent_path().string(), kSetupProgramName);
    const std::string uninstaller = joinPath(target, kUninstallerName);
    copy(InstallStage::Registry, {setup, uninstaller, ExistingTarget::Replace});
    // Without the program in the folder nothing may name it: no menu entry,
    // thumbnailer or default application, only the type of album files.
    const bool program = targetHoldsProgram();
    if (program)
        writeText(InstallStage::Registry, joinPath(m_places.applications(), kUninstallEntryId),
                  uninstallDesktopEntry(uninstaller, target));
    writeText(InstallStage::Registry, joinPath(m_places.mimePackages(), kMimePackageName), albumMimePackage());
    if (const Status s = runTool({"update-mime-database", m_places.mimeRoot()}); s != Status::Ok)
        fail(InstallStage::Registry, m_places.mimeRoot(), s);
    if (!program)
        return;
    writeText(InstallStage::Registry, joinPath(m_places.thumbnailers(), kThumbnailerName),
              thumbnailerEntry(joinPath(target, kThumbnailerProgram)));
    setDefault(m_places.mimeApps());
}

void Installation::setDefault(const std::string& mimeAppsPath)
{
    Result<std::vector<std::uint8_t>> old = readFile(mimeAppsPath, kMaxManifestBytes);
    if (!old && old.status() != Status::NotFound) {
        fail(InstallStage::Registry, mimeAppsPath, old.status());
        return;
    }
    const std::string text = old ? std::string(old->begin(), old->end()) : std::string();
    const std::string changed = withDefaultApplication(text, kAlbumMimeType, kDesktopEntryId);
    if (!makeFolderTree(InstallStage::Registry, std::string(folderPart(mimeAppsPath))))
        return;
    if (const Status s = writeFileAtomic(mimeAppsPath, bytesOf(changed)); s != Status::Ok) {
        fail(InstallStage::Registry, mimeAppsPath, s);
        return;
    }
    const ManifestDefault entry{mimeAppsPath, std::string(kAlbumMimeType), std::string(kDesktopEntryId)};
    addOnce(m_manifest.defaults, entry);
    m_madeNow.defaults.push_back(entry);
}

void Installation::writeRegistryValue(std::string_view name, const std::string& value)
{
    const std::optional<std::string> previous = m_registry.readString(kPictraRegistryKey, name);
    const ManifestRegistry entry{std::string(name), previous.has_value(), previous.value_or("")};
    if (const Status s = m_registry.writeString(kPictraRegistryKey, name, value); s != Status::Ok) {
        fail(InstallStage::Registry, m_registry.filePath(), s);
        return;
    }
    m_madeNow.registry.push_back(entry);
    // A reinstall keeps what was there before the first installation.
    const bool known = std::any_of(m_manifest.registry.begin(), m_manifest.registry.end(),
                                   [&](const ManifestRegistry& r) { return r.name == name; });
    if (!known && !(previous && *previous == value))
        m_manifest.registry.push_back(entry);
}

void Installation::runStage(InstallStage stage, const InstallFileObserver& onFile)
{
    if (m_cancelled)
        return;
    switch (stage) {
    case InstallStage::Folders:
        if (!m_copiesFiles)
            return;
        // Missing parents of the installation folder first, so they go again on a cancel.
        if (!makeFolderTree(stage, fs::path(m_options.target).lexically_normal().parent_path().string()))
            return;
        for (const std::string& folder : installFolders(m_options.target))
            makeFolder(stage, folder);
        return;
    case InstallStage::Icons:
        if (!stopped() && targetHoldsProgram()) // a menu entry for a program not there would fail when chosen
            registerMenuEntries();
        return;
    case InstallStage::Registry:
        if (!stopped())
            registerFileType();
        if (!stopped())
            writeRegistryValue(kProgramFolderValue, m_options.target);
        // The first start opens the sample album installed now.
        if (!stopped() && !m_installedAlbum.empty())
            writeRegistryValue(kFirstAlbumValue, m_installedAlbum);
        return;
    default:
        break;
    }
    if (!m_copiesFiles || stopped())
        return;
    for (const CopyJob& job : stageCopies(stage, m_options)) {
        if (onFile && !onFile(fileNamePart(job.to))) {
            m_cancelled = true;
            return;
        }
        if (copy(stage, job) && stage == InstallStage::Samples && endsWithIgnoreCase(job.to, ".abm")) {
            Result<int> repointed = repointSamplePictures(job.to, joinPath(m_options.target, kImageFolder));
            if (!repointed) {
                fail(stage, job.to, repointed.status());
            } else {
                record(job.to);
                if (m_installedAlbum.empty())
                    m_installedAlbum = job.to;
            }
        }
    }
}

void Installation::runAll(const InstallFileObserver& onFile)
{
    for (InstallStage stage : kInstallStages)
        runStage(stage, onFile);
}

InstallOutcome Installation::finish()
{
    if (!stopped()) {
        const std::string recordPath = joinPath(m_options.target, kManifestName);
        const Status s = writeFileAtomic(recordPath, bytesOf(formatManifest(m_manifest)));
        if (s == Status::Ok)
            return InstallOutcome::Installed;
        fail(InstallStage::Registry, recordPath, s);
    }
    rollBack();
    return m_cancelled ? InstallOutcome::Cancelled : InstallOutcome::Failed;
}

void Installation::rollBack()
{
    for (const ManifestRegistry& r : m_madeNow.registry) {
        if (r.hadPrevious)
            (void)m_registry.writeString(kPictraRegistryKey, r.name, r.previous); // roll-back: the first failure is reported
        else
            (void)m_registry.deleteValue(kPictraRegistryKey, r.name); // roll-back: the first failure is reported
    }
    for (const ManifestDefault& d : m_madeNow.defaults) {
        if (Result<std::vector<std::uint8_t>> text = readFile(d.mimeAppsPath, kMaxManifestBytes)) {
            const std::string old(text->begin(), text->end());
            (void)writeFileAtomic(d.mimeAppsPath, bytesOf(withoutDefaultApplication(old, d.mimeType, d.desktopId))); // roll-back: the first failure is reported
        }
    }
    std::error_code ec;
    bool mimeChanged = false;
    for (auto it = m_madeNow.files.rbegin(); it != m_madeNow.files.rend(); ++it) {
        mimeChanged = mimeChanged || it->path.starts_with(m_places.mimePackages());
        fs::remove(it->path, ec);
    }
    if (mimeChanged)
        (void)runTool({"update-mime-database", m_places.mimeRoot()}); // a stale cache only delays the file types
    removeMadeFolders(m_madeNow.folders, m_places);
}

} // namespace pictra
