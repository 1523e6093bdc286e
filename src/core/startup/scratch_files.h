// The scratch files of the program folder's TEMP folder, deleted at exit.
#pragma once

#include <string>

namespace pictra {

// Deletes TEMP/*.dat, then *.bmp, *.abm and *.jpg (regular files only; names
// compared without case). Returns how many files went. Failures are silent.
int deleteScratchFiles(const std::string& programFolder);

} // namespace pictra
