// The places the location box of the disk search lists.
#pragma once

#include <string>
#include <vector>

namespace pictra::ui {

// The home folder, "/", then the mounted volumes with the user's files.
std::vector<std::string> diskSearchPlaces();

} // namespace pictra::ui
