// The marker of a running program: TEMP/recovery/running-<pid> holds the
// process's id and start time. A normal exit removes it; one left behind by a
// process that no longer runs tells the next start that the last run ended
// abnormally. The start time tells a reused process id apart.
#pragma once

#include "core/util/result.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pictra {

struct ProcessIdentity {
    int pid = 0;
    std::uint64_t startTicks = 0; // start time after boot in clock ticks (/proc/<pid>/stat)
    friend bool operator==(const ProcessIdentity&, const ProcessIdentity&) = default;
};

// This process.
ProcessIdentity currentProcess();

// True while the process `id` names runs: a process with that id exists and
// started at that time.
bool processRunning(const ProcessIdentity& id);

// programFolder/TEMP/recovery, where recovery copies and markers live.
std::string recoveryFolder(const std::string& programFolder);

// The marker file of `id`.
std::string runMarkerPath(const std::string& programFolder, const ProcessIdentity& id);

// Writes the marker of `id` (creating the folder). NoPermission, DiskFull or
// IoError when it cannot be written.
Status writeRunMarker(const std::string& programFolder, const ProcessIdentity& id);

// Removes the marker of `id`; nothing when it is not there.
void removeRunMarker(const std::string& programFolder, const ProcessIdentity& id);

// Every marker in the folder. A marker whose text cannot be read names its
// process by the file name only (start time 0, never running).
std::vector<ProcessIdentity> readRunMarkers(const std::string& programFolder);

// The text of a marker, and its reading ({0, 0} for a text that is not one).
std::string runMarkerText(const ProcessIdentity& id);
ProcessIdentity parseRunMarker(const std::string& text);

} // namespace pictra
