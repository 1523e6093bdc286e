// Recovery copies of changed albums, in TEMP/recovery/ of the program folder.
// Each copy is a complete album file "<key>-<serial>-<pid>.abm" (entries and
// store copies) with a small text "<key>.rcv" beside it that names the
// album's own path, the copy, its length and hash, the time it was taken and
// the process that keeps it; <key> comes from the album's path. The text is
// written after the copy, so it always names a complete file.
#pragma once

#include "core/album/album_record.h"
#include "core/recovery/run_marker.h"
#include "core/util/result.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace pictra {

// What the sidecar text says.
struct RecoveryNote {
    std::string albumPath;      // where the album belongs (an untitled album's "新規-n.abm" path)
    std::string copyName;       // the copy's file name in the recovery folder
    std::uint64_t bytes = 0;    // the copy's length
    std::uint64_t hash = 0;     // FNV-1a of the copy's bytes
    std::int64_t savedAt = 0;   // seconds since 1970 (UTC) when the album was taken
    ProcessIdentity owner;      // the program that keeps it up to date
    friend bool operator==(const RecoveryNote&, const RecoveryNote&) = default;
};

std::string recoveryNoteText(const RecoveryNote& note);
// Corrupt for a text that is not a complete note.
Result<RecoveryNote> parseRecoveryNote(const std::string& text);

// The note file that stands for `albumPath`'s recovery copy.
std::string recoveryPathFor(const std::string& programFolder, const std::string& albumPath);

// FNV-1a (64 bits) of a whole file; IoError/NotFound when it cannot be read.
Result<std::uint64_t> hashFile(const std::string& path);

// What the ui thread takes of a changed album: a copy of its record, so the
// writer never looks at the album table.
struct RecoverySnapshot {
    std::unique_ptr<AlbumRecord> album;
    std::string albumPath;
    std::uint32_t serial = 0;
    std::int64_t savedAt = 0;
    ProcessIdentity owner;
};

RecoverySnapshot takeRecoverySnapshot(const AlbumRecord& album, std::int64_t savedAt, const ProcessIdentity& owner);

// Writes the snapshot's copy (store copies read from the album's store
// folder) and then its note, and removes the album's older copies. Safe on
// any thread. InvalidArgument for a record without a path; NoPermission,
// DiskFull or IoError when the folder or a file cannot be written (an older
// copy then stays as it was).
Status writeRecoveryCopy(const RecoverySnapshot& snapshot, const std::string& programFolder);

// Removes the note and every copy of `albumPath` (after a save or a discard,
// or when a closed album was unchanged). Nothing when there is none.
void removeRecoveryCopy(const std::string& programFolder, const std::string& albumPath);

// A recovery copy left by a program that no longer runs.
struct RecoveryCopy {
    RecoveryNote note;
    std::string notePath;
    std::string copyPath;
};

// A note or copy that cannot be restored, with what is wrong:
//   Corrupt    the note is unreadable, or the copy's hash or contents are wrong
//   Truncated  the copy is shorter than the note says
//   NotFound   the copy the note names is missing
//   TooLarge   the copy is longer than the note says or than an album may be
struct DamagedRecovery {
    std::string albumPath; // empty when the note cannot tell
    std::string notePath;
    std::string copyPath;  // empty when the note cannot tell
    Status why = Status::Corrupt;
};

struct RecoveryFolderScan {
    std::vector<RecoveryCopy> recoverable; // oldest first
    std::vector<DamagedRecovery> damaged;
    bool abnormalEnd = false;  // a program's marker was left behind
};

// The copies of the programs that are not running (neither `self` nor one
// with its marker in place and its process alive), each checked whole: a
// copy is recoverable only when its length, hash and album contents hold.
RecoveryFolderScan scanRecoveryFolder(const std::string& programFolder, const ProcessIdentity& self);

// Renames the note and the copy to "*.damaged" so they are kept for the user
// but never offered again. IoError when a rename fails.
Status moveDamagedAside(const DamagedRecovery& damaged);
// The file name ending a damaged file gets.
inline constexpr std::string_view kDamagedSuffix = ".damaged";

// Removes a copy the user chose not to restore.
void discardRecoveryCopy(const RecoveryCopy& copy);

// Makes `owner` the keeper of a restored copy, so it stays what the next start
// offers until that program writes a newer one.
Status claimRecoveryCopy(const RecoveryCopy& copy, const ProcessIdentity& owner);

// Removes the markers of programs that no longer run, and copies and
// half-written files no note names, unless another program runs (`self`
// aside): it may be writing them.
void tidyRecoveryFolder(const std::string& programFolder, const ProcessIdentity& self);

} // namespace pictra
