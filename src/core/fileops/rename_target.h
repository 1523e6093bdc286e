// The new path of a file renamed by its base name: the folder and the
// extension stay, only the name between them changes ("photo" -> "trip"
// turns /p/photo.JPG into /p/trip.JPG, keeping the extension's case).
#pragma once

#include "core/fileops/file_outcome.h"

#include <string>
#include <string_view>

namespace pictra {

struct NameParts {
    std::string folder;    // up to and including the last separator ("" when none)
    std::string base;      // the file name without its extension
    std::string extension; // from the file name's last "." on, with it ("" when none)
};

// Splits the file-name part only, so a dot in a folder name is no extension.
NameParts splitFileName(std::string_view path);

struct RenameTarget {
    FileOutcome problem = FileOutcome::Done; // InvalidName or PathTooLong when refused
    std::string path;
};

// The path `path` gets with `newBase` as its name. Refused: an empty name,
// "." or "..", a name with "/" or a zero byte (InvalidName), a new path that
// does not fit an album entry (PathTooLong).
RenameTarget renameTarget(std::string_view path, std::string_view newBase);

} // namespace pictra
