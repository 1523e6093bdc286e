// The places the disk search offers, in the order of the location box: the
// home folder (the default), the root, then the mounted volumes that hold
// the user's files. Every place ends in "/".
#pragma once

#include <string>
#include <vector>

namespace pictra {

struct MountedVolume {
    std::string root;       // where it is mounted
    std::string fileSystem; // "ext4", "proc", "tmpfs" ...
};

// Kernel interfaces, RAM and package-image file systems are left out, and
// so is anything mounted under /proc, /sys, /dev or /run (but /run/media,
// where removable media appear). No place is listed twice.
std::vector<std::string> searchLocations(const std::string& home, const std::vector<MountedVolume>& volumes);

} // namespace pictra
