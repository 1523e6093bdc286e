// Removal of a superseded installation.
#include "core/startup/superseded_install.h"

#include "core/util/paths.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace pictra {

namespace {

// A real folder (not a link to one).
bool isRealFolder(const fs::path& p)
{
    std::error_code ec;
    return fs::symlink_status(p, ec).type() == fs::file_type::directory;
}

void removeRegularFile(const fs::path& p, RemovalReport& report)
{
    std::error_code ec;
    if (fs::symlink_status(p, ec).type() != fs::file_type::regular)
        return;
    // Read-only files are removable too: the old installer marked its programs so.
    fs::permissions(p, fs::perms::owner_write, fs::perm_options::add, ec);
    if (fs::remove(p, ec))
        ++report.filesRemoved;
}

// Removes the regular files of `folder` (not its sub-folders) whose name
// `matches`.
template <typename Match>
void removeFilesWhere(const fs::path& folder, Match matches, RemovalReport& report)
{
    if (!isRealFolder(folder))
        return;
    std::error_code ec;
    std::vector<fs::path> victims;
    for (const auto& item : fs::directory_iterator(folder, ec)) {
        if (matches(item.path().filename().string()))
            victims.push_back(item.path());
    }
    for (const fs::path& p : victims)
        removeRegularFile(p, report);
}

// Every "*.exe" style file, found without regard to case.
void removeMatching(const fs::path& folder, std::string_view suffix, RemovalReport& report)
{
    removeFilesWhere(folder, [suffix](const std::string& name) {
        return name.size() > suffix.size() && endsWithIgnoreCase(name, suffix);
    }, report);
}

// The file `name` of `folder`, found without regard to case.
void removeNamed(const fs::path& folder, std::string_view name, RemovalReport& report)
{
    removeFilesWhere(folder, [name](const std::string& n) { return equalsIgnoreCase(n, name); }, report);
}

// Removes `folder` when it is a real, empty folder.
void removeEmptyFolder(const fs::path& folder, RemovalReport& report)
{
    std::error_code ec;
    if (isRealFolder(folder) && fs::is_empty(folder, ec) && !ec && fs::remove(folder, ec))
        ++report.foldersRemoved;
}

// The sub-folder of `parent` named `name` without regard to case, or `parent/name`.
fs::path childFolder(const fs::path& parent, std::string_view name)
{
    std::error_code ec;
    if (isRealFolder(parent)) {
        for (const auto& item : fs::directory_iterator(parent, ec)) {
            if (equalsIgnoreCase(item.path().filename().string(), name))
                return item.path();
        }
    }
    return parent / std::string(name);
}

} // namespace

RemovalReport removeSupersededInstallation(const std::string& folder)
{
    RemovalReport report;
    const fs::path root(folder);
    if (folder.empty() || !root.is_absolute() || root == root.root_path() || !isRealFolder(root))
        return report;

    for (std::string_view name : {"delabm10.exe", "update.exe", "setup.exe", "autorun.inf", "readme.txt"})
        removeNamed(root, name, report);

    const fs::path abm = childFolder(root, "abm10");
    removeMatching(abm, ".exe", report);
    removeMatching(abm, ".dll", report);
    for (std::string_view name : {"pictra.pdf", "pictra.gid", "pictra.hlp", "pictra.cnt"})
        removeNamed(abm, name, report);
    removeMatching(childFolder(abm, "param"), ".dat", report);
    removeMatching(childFolder(abm, "image"), ".jpg", report);
    removeMatching(childFolder(abm, "user"), ".abm", report);

    for (std::string_view name : {"param", "user", "temp", "cmp", "image"})
        removeEmptyFolder(childFolder(abm, name), report);
    removeEmptyFolder(abm, report);
    return report;
}

} // namespace pictra
