// What an installation brings into a new program folder: the user manual
// and sample data (a few pictures in IMAGE and an album of them in USER).
#pragma once

#include <optional>
#include <string>

namespace pictra {

struct AppState;

// Copies pictra.pdf into the program folder when missing, from `programDir`
// (the folder of the pictra program, where the build and a per-user
// installation put the manual) or from its ../share/pictra (a system install).
void installManual(const std::string& programFolder, const std::string& programDir);

inline constexpr const char* kSampleAlbumName = "サンプル.abm";

// On a program folder whose IMAGE folder is empty: draws the sample
// pictures into IMAGE and writes the sample album into USER. Returns the
// album's path when it was made now.
std::optional<std::string> makeSampleData(AppState& state);

} // namespace pictra
