// Window placement values and their fallback.
#include "core/settings/window_placement.h"

#include <string>

namespace pictra {
namespace {

constexpr std::array<std::string_view, 4> kValueNames{"wnd_pt1", "wnd_pt2", "wnd_pt3", "wnd_pt4"};

} // namespace

WindowPlacement placementFromValues(const StoredPlacement& values)
{
    for (const auto& v : values) {
        if (!v)
            return kFallbackPlacement;
    }
    const auto left = static_cast<std::int64_t>(static_cast<std::int32_t>(*values[0]));
    const auto top = static_cast<std::int64_t>(static_cast<std::int32_t>(*values[1]));
    const auto right = static_cast<std::int64_t>(static_cast<std::int32_t>(*values[2]));
    const auto bottom = static_cast<std::int64_t>(static_cast<std::int32_t>(*values[3]));
    const std::int64_t width = right - left;
    const std::int64_t height = bottom - top;
    if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX)
        return kFallbackPlacement;
    return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(width), static_cast<int>(height)};
}

std::optional<WindowPlacement> startPlacement(const WorkModeSettings& settings, const StoredPlacement& values)
{
    if (settings.mainMaximized != 0 || settings.restorePlacement != 1)
        return std::nullopt;
    return placementFromValues(values);
}

StoredPlacement readStoredPlacement(const RegistryStore& registry)
{
    StoredPlacement values;
    for (std::size_t i = 0; i < kValueNames.size(); ++i)
        values[i] = registry.readDword(kPictraRegistryKey, kValueNames[i]);
    return values;
}

Status saveWindowPlacement(RegistryStore& registry, const WindowPlacement& p)
{
    const std::array<std::int64_t, 4> edges{p.x, p.y, static_cast<std::int64_t>(p.x) + p.width,
                                            static_cast<std::int64_t>(p.y) + p.height};
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const auto value = static_cast<std::uint32_t>(static_cast<std::int32_t>(edges[i]));
        if (const Status s = registry.writeDword(kPictraRegistryKey, kValueNames[i], value); s != Status::Ok)
            return s;
    }
    return Status::Ok;
}

} // namespace pictra
