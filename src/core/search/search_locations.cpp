// The disk search's places.
#include "core/search/search_locations.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace pictra {
namespace {

constexpr std::array<std::string_view, 22> kNotUserFileSystems = {
    "proc",   "sysfs",    "devtmpfs", "devpts",   "tmpfs",     "ramfs",  "cgroup",      "cgroup2",
    "pstore", "bpf",      "debugfs",  "tracefs",  "securityfs", "mqueue", "hugetlbfs",  "configfs",
    "fusectl", "autofs",  "squashfs", "binfmt_misc", "efivarfs", "nsfs"};

bool under(std::string_view path, std::string_view folder)
{
    return path == folder || (path.starts_with(folder) && path.size() > folder.size() && path[folder.size()] == '/');
}

bool holdsUserFiles(const MountedVolume& v)
{
    if (std::find(kNotUserFileSystems.begin(), kNotUserFileSystems.end(), v.fileSystem) != kNotUserFileSystems.end())
        return false;
    if (under(v.root, "/run"))
        return under(v.root, "/run/media");
    return !under(v.root, "/proc") && !under(v.root, "/sys") && !under(v.root, "/dev");
}

std::string withSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

} // namespace

std::vector<std::string> searchLocations(const std::string& home, const std::vector<MountedVolume>& volumes)
{
    std::vector<std::string> places;
    auto add = [&places](std::string place) {
        place = withSlash(std::move(place));
        if (std::find(places.begin(), places.end(), place) == places.end())
            places.push_back(std::move(place));
    };
    if (!home.empty())
        add(home);
    add("/");
    for (const MountedVolume& v : volumes) {
        if (!v.root.empty() && holdsUserFiles(v))
            add(v.root);
    }
    return places;
}

} // namespace pictra
