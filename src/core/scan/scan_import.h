// One import round: acquire from a scan source and keep each picture as a
// JPEG or BMP file in the save folder plus a store copy for the album.
// A picture is first written to TEMP; one that cannot be saved where the
// user asked is moved to the kept-scans folder, which no cleaning removes.
#pragma once

#include "core/image_io/image_file_io.h"
#include "core/scan/scan_names.h"
#include "core/scan/scan_source.h"
#include "core/util/result.h"

#include <functional>
#include <string>
#include <vector>

namespace pictra {

struct ScanSaveTarget {
    std::string saveFolder;     // absolute
    ScanFileType fileType = ScanFileType::Jpg;
    std::string tempFolder;     // pictures wait here until saved (programFolder/TEMP)
    std::string keptFolder;     // unsaved pictures go here (keptScansFolder()); empty: they stay in TEMP
    std::string programFolder;  // the store folders are below it
    std::string albumPath;      // the album the store copies are for; empty: none
    std::vector<std::string> albumPaths; // the album's source paths: their names are never reused
    std::string stem;           // scanStem() of the session
    int firstNumber = 0;        // the lowest number this round may use
};

struct ScannedFile {
    std::string path;           // saveFolder/name.ext
    std::string name;           // without extension
    int number = 0;
    Status storeCopy = Status::Ok; // the store copy's own outcome
};

// A picture that was acquired but not saved in the save folder.
struct ScanProblem {
    Status status = Status::Ok;
    std::string path;           // where it should have gone
    std::string keptAt;         // where the picture is kept instead; empty when that failed too
    bool keptInTemp = false;    // keptAt is the TEMP file, removed with the scratch files
};

struct ScanRoundReport {
    ScanError error = ScanError::None; // why acquisition ended early
    std::vector<ScannedFile> saved;
    std::vector<ScanProblem> problems;
    int nextNumber = 0;         // the first number the next round may use
};

inline constexpr std::string_view kKeptScansFolder = "scans-kept";

// programFolder/IMAGE/scans-kept: beside the pictures, outside every folder
// the program cleans.
std::string keptScansFolder(const std::string& programFolder);

// Called for each picture once it is saved (on the acquiring thread).
using ScanSavedEvent = std::function<void(const ScannedFile& file)>;

// The request for `settings` on a device offering `options`: only what the
// device has is asked for (check the settings with checkScanSettings first).
ScanRequest scanRequestFor(const ScanDeviceOptions& options, const ScanSettings& settings);

// Ok when pictures can be saved in `folder`: NotFound when it does not
// exist (or is not a folder), NoPermission when it cannot be written,
// InvalidArgument when a scanned file's path would not fit an album entry.
Status checkSaveFolder(const std::string& folder, std::string_view stem);

// Runs one acquisition with `request` and saves every picture with `io`
// (its JPEG options). `events.picture` is ignored; progress and cancel are
// passed on. The save folder is checked first (ScanError::SaveFailed and
// a problem with the folder's status, before the scanner starts).
ScanRoundReport runScanRound(ScanSource& source, const ScanRequest& request, const ScanSaveTarget& target,
                             ImageFileIO& io, const ScanEvents& events, const ScanSavedEvent& saved = {});

} // namespace pictra
