// Scanner settings in the key=value file.
#include "core/scan/scan_settings_store.h"

#include "core/util/typed_number.h"

#include <string>

namespace pictra {
namespace {

std::string key(std::string_view device, std::string_view field)
{
    return "scan." + iniKeyPart(device) + "." + std::string(field);
}

} // namespace

std::optional<ScanSettings> storedScanSettings(const PictraIni& ini, std::string_view device)
{
    const auto resolution = ini.value(key(device, "resolution"));
    const auto mode = ini.value(key(device, "mode"));
    const auto source = ini.value(key(device, "source"));
    const auto area = ini.value(key(device, "area"));
    if (!resolution && !mode && !source && !area)
        return std::nullopt;
    ScanSettings s;
    if (resolution) {
        if (const auto dpi = parseTypedNumber(*resolution); dpi && *dpi > 0)
            s.resolutionDpi = *dpi;
    }
    if (mode)
        s.mode = parseScanMode(*mode).value_or(s.mode);
    if (source)
        s.feed = parseScanFeed(*source).value_or(s.feed);
    if (area) {
        ScanSettings parsed = s;
        if (parseScanArea(*area, parsed))
            s = parsed;
    }
    return s;
}

void storeScanSettings(PictraIni& ini, std::string_view device, const ScanSettings& settings)
{
    ini.set(key(device, "resolution"), std::to_string(settings.resolutionDpi));
    ini.set(key(device, "mode"), scanModeName(settings.mode));
    ini.set(key(device, "source"), scanFeedName(settings.feed));
    ini.set(key(device, "area"), scanAreaName(settings));
}

std::string lastScanDevice(const PictraIni& ini)
{
    return ini.value("scan.device").value_or(std::string());
}

void storeLastScanDevice(PictraIni& ini, std::string_view device)
{
    ini.set("scan.device", device);
}

} // namespace pictra
