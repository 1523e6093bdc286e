// Handing the chosen search results back to the search command: the store
// copies "追加" writes first, and the result file.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace pictra {
struct AppState;
}

namespace pictra::ui {

class UserPrompts;

// Writes the store copy of each path into the working copy's store folder
// and returns the paths that may be added. A path whose file name is that
// of another image of the album (or of an earlier path) would overwrite
// that image's store copy: it is left out, named to the user, who may then
// add none (empty result). The paths past the album's room are cut off, and
// counted to the user, before any copy is written. Files that cannot be
// read are named and left out; damaged ones are named and the user asked
// (imagesToAdd).
std::vector<std::string> addableWithStoreCopies(AppState& state, UserPrompts& prompts, QWidget* parent,
                                                const std::vector<std::string>& paths);

// Writes the result file with `paths`. Paths too long for it and those
// beyond its 1000 are left out, and the user told how many. False (the
// user told why) when the file cannot be written.
bool writeHandOverFile(const std::string& programFolder, UserPrompts& prompts, QWidget* parent,
                       const std::vector<std::string>& paths);

} // namespace pictra::ui
