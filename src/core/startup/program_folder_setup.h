// Making sure a program folder has its tree and shipped parameter files.
#pragma once

#include "core/util/result.h"

#include <string>

namespace pictra {

// Creates the folder with PARAM, TEMP, USER, CMP and IMAGE, and writes the
// shipped parameter files that are missing (settings defaults, an empty
// recent list, last-used folders pointing at USER and IMAGE). Existing files
// are never touched. Returns the first failure.
Status ensureProgramFolder(const std::string& folder);

} // namespace pictra
