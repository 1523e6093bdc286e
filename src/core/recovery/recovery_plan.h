// Which recovery copies are due: one for every open album holding changes
// its copy does not have yet, and none for an album that is saved, discarded
// or closed. A pure rule over the album table, applied by the ui's timer.
#pragma once

#include "core/album/album_table.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pictra {

struct RecoveryWork {
    std::vector<int> snapshotSlots;    // slots whose album changed since its copy was taken
    std::vector<std::string> removals; // album paths whose copy is no longer wanted
    friend bool operator==(const RecoveryWork&, const RecoveryWork&) = default;
};

// The freshest record of slot `slot`: the working copy while it is the active window.
const AlbumRecord& freshestRecord(const AlbumTable& table, int slot);

// `kept` maps the album paths this program keeps a copy of to the change
// serial each copy was taken at.
RecoveryWork planRecoveryWork(const AlbumTable& table, const std::map<std::string, std::uint32_t>& kept);

} // namespace pictra
