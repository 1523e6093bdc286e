// Whole-file reads and crash-safe whole-file writes.
#pragma once

#include "core/util/result.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pictra {

// Reads the whole file. NotFound when it does not exist, TooLarge when it is
// longer than maxBytes, IoError when it cannot be read.
Result<std::vector<std::uint8_t>> readFile(const std::string& path, std::size_t maxBytes = SIZE_MAX);

// Writes `data` to a temporary file in the target's folder, flushes it and
// renames it over the target, so the target is either the old or the new
// file, never a half-written one. On failure (NoPermission, DiskFull,
// IoError) the target is unchanged and the temporary file removed.
Status writeFileAtomic(const std::string& path, std::span<const std::uint8_t> data);

// Plain create-and-truncate write (for scratch files the user does not keep).
Status writeFile(const std::string& path, std::span<const std::uint8_t> data);

bool fileExists(const std::string& path);
bool folderExists(const std::string& path);

// Creates the folder and its parents; true when it exists afterwards.
bool makeFolders(const std::string& path);

} // namespace pictra
