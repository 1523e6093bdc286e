// Making an album the way "pictra-cli create" does (store copies on every
// core, then the album file), shared by the store-copy figures.
#pragma once

#include <string>
#include <vector>

namespace pictra::bench {

// Creates album `run` in `folder` from `files` with the default settings;
// true when every file (there must be some) was added.
bool createAlbumLikeTheCli(const std::string& folder, int run, const std::vector<std::string>& files);

} // namespace pictra::bench
