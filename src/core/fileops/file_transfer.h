// Copying, moving and renaming single files. A copy keeps the modification
// time and the permission bits and appears under its name only when
// complete; a move within one file system is a rename, across file systems
// a copy and then the delete; nothing is replaced unless the caller says so.
#pragma once

#include "core/fileops/file_outcome.h"

#include <string>

namespace pictra {

enum class Overwrite { Refuse, Replace };

// True when both paths exist and name the same file (links, "a/../a" ...).
bool isSameFile(const std::string& a, const std::string& b);

// Copies `from` to `to`. Refuse: TargetExists when `to` exists. SameFile
// when both are one file (the file is left alone). SourceMissing,
// NoTargetFolder, NoPermission, DiskFull, IoError leave `to` as it was.
FileOutcome copyFileKeepingTimes(const std::string& from, const std::string& to, Overwrite overwrite);

// Renames `from` to `to` within one file system. Refuse never replaces an
// existing `to` (TargetExists). IoError for a rename across file systems.
FileOutcome renameFile(const std::string& from, const std::string& to, Overwrite overwrite);

// Moves `from` to `to`: a rename, or across file systems a copy followed by
// the removal of `from` (when that removal fails the copy is taken back and
// the failure returned, so the file is in exactly one place).
FileOutcome moveFile(const std::string& from, const std::string& to, Overwrite overwrite);

} // namespace pictra
