// The folders a relink search proposes before the user edits them: the
// album's own folder, the folders last used for albums and images, the
// user's picture folder and any mounted removable media.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pictra {

// Where the places are on this system, read once from the environment.
struct RelinkPlaces {
    std::string picturesFolder;          // xdg-user-dir PICTURES ($HOME/Pictures by default)
    std::vector<std::string> mediaRoots; // /media/$USER and /run/media/$USER
};

// The places from $HOME, $USER and $XDG_CONFIG_HOME/user-dirs.dirs.
RelinkPlaces currentRelinkPlaces();

// XDG_PICTURES_DIR from the text of a user-dirs.dirs file, with $HOME
// expanded; empty when the file does not set it.
std::string picturesDirFromUserDirs(std::string_view text, std::string_view home);

// The proposal: the album's folder, then `recentFolders`, the pictures
// folder and every folder directly under a media root, each existing folder
// once, without trailing separators, in that order. A folder inside another
// one of the list is left out (its files are found anyway).
std::vector<std::string> proposedRelinkFolders(std::string_view albumPath,
                                               const std::vector<std::string>& recentFolders,
                                               const RelinkPlaces& places);

} // namespace pictra
