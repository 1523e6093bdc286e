// Where the per-user desktop integration lives: $XDG_DATA_HOME (menu
// entries, file types, icons, thumbnailers) and $XDG_CONFIG_HOME (the
// default-application list).
#pragma once

#include "core/util/result.h"

#include <string>
#include <vector>

namespace pictra {

struct DesktopPlaces {
    std::string dataHome;   // ~/.local/share
    std::string configHome; // ~/.config

    std::string applications() const { return dataHome + "/applications"; }
    std::string mimeRoot() const { return dataHome + "/mime"; }
    std::string mimePackages() const { return dataHome + "/mime/packages"; }
    std::string thumbnailers() const { return dataHome + "/thumbnailers"; }
    std::string icons() const { return dataHome + "/icons/hicolor"; }
    std::string mimeApps() const { return configHome + "/mimeapps.list"; }
};

// From the environment; NotFound when neither the XDG variables nor $HOME are set.
Result<DesktopPlaces> currentDesktopPlaces();

// Runs a program found on PATH with the arguments and waits for it. Ok when
// it exited with 0; NotFound when it is not installed; IoError otherwise.
// Its output goes to /dev/null.
Status runTool(const std::vector<std::string>& argv);

} // namespace pictra
