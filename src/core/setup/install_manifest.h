// The record of what one installation made: its files and folders, the
// default-application association and the program-folder value it wrote.
// The uninstaller removes exactly these and nothing else; a file the user
// has changed since (another size or modification time) is kept.
//
// Kept as a text file, one item a line, fields separated by tabs:
//   file      <size> <mtime ns> <path>
//   folder    <path>
//   default   <mimeapps.list path> <mime type> <desktop id>
//   registry  <value name> <1 when a previous value existed> <previous value>
#pragma once

#include "core/util/result.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pictra {

inline constexpr std::string_view kManifestName = "uninstall.lst";
inline constexpr std::size_t kMaxManifestBytes = 4 << 20;

struct ManifestFile {
    std::string path;
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;
    friend bool operator==(const ManifestFile&, const ManifestFile&) = default;
};

struct ManifestDefault {
    std::string mimeAppsPath;
    std::string mimeType;
    std::string desktopId;
    friend bool operator==(const ManifestDefault&, const ManifestDefault&) = default;
};

struct ManifestRegistry {
    std::string name;
    bool hadPrevious = false;
    std::string previous;
    friend bool operator==(const ManifestRegistry&, const ManifestRegistry&) = default;
};

struct InstallManifest {
    std::vector<ManifestFile> files;
    std::vector<std::string> folders; // in the order made (parents first)
    std::vector<ManifestDefault> defaults;
    std::vector<ManifestRegistry> registry;
    friend bool operator==(const InstallManifest&, const InstallManifest&) = default;
};

std::string formatManifest(const InstallManifest& manifest);

// Corrupt for a line of unknown kind, missing fields, a bad number, or a
// path that is empty or relative; the whole file is refused, so an
// uninstall never acts on half a record.
Result<InstallManifest> parseManifest(std::string_view text);

// The size and modification time of a regular file, for a manifest entry.
Result<ManifestFile> describeFile(const std::string& path);

} // namespace pictra
