// What became of one file operation (copy, move, rename) the user asked for.
// The ui turns each into words; rows that failed are listed to the user.
#pragma once

namespace pictra {

enum class FileOutcome {
    Done,
    SameFile,        // source and target are one file: nothing to do
    TargetExists,    // the target is there and was not to be replaced
    SourceMissing,   // the source file is gone
    NoTargetFolder,  // the target folder does not exist
    NoPermission,
    DiskFull,
    PathTooLong,     // the new path does not fit an album entry (359 bytes)
    InvalidName,     // empty, ".", "..", a separator, or a relative folder
    DuplicateName,   // an earlier file of the same job has this target
    ListedTwice,     // an earlier row of the same job is this very file: it goes once, with that row
    IoError,
};

} // namespace pictra
