// The main window's placement kept between runs in the registry values
// "wnd_pt1".."wnd_pt4" (left, top, right, bottom in screen coordinates).
#pragma once

#include "core/platform/registry_store.h"
#include "core/settings/work_mode_settings.h"

#include <array>
#include <cstdint>
#include <optional>

namespace pictra {

struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// Used whenever a stored placement cannot be read.
inline constexpr WindowPlacement kFallbackPlacement{0, 0, 1000, 768};

// The four stored values in order wnd_pt1..wnd_pt4 (nullopt = could not be read).
using StoredPlacement = std::array<std::optional<std::uint32_t>, 4>;

// The placement from the four values: the fallback when any of them is
// missing or they do not make a window of positive size. DWORDs hold signed
// coordinates (screens left of or above the primary one).
WindowPlacement placementFromValues(const StoredPlacement& values);

// The placement to apply at start: only when the main window is not to be
// maximised and restoring is on; nullopt lets the window system place it.
std::optional<WindowPlacement> startPlacement(const WorkModeSettings& settings, const StoredPlacement& values);

StoredPlacement readStoredPlacement(const RegistryStore& registry);
// At exit, whatever the settings: the window's rectangle into the four values.
Status saveWindowPlacement(RegistryStore& registry, const WindowPlacement& placement);

} // namespace pictra
