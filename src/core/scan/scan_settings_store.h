// The scanner settings remembered per device name in PARAM/pictra.ini:
//   scan.<device>.resolution=300
//   scan.<device>.mode=color|gray|lineart
//   scan.<device>.source=flatbed|feeder|duplex
//   scan.<device>.area=max|a4|b5|l|WxH
// (the device name escaped with iniKeyPart), and scan.device=<last device>.
#pragma once

#include "core/scan/scan_settings.h"
#include "core/settings/pictra_ini.h"

#include <optional>
#include <string>
#include <string_view>

namespace pictra {

// The settings stored for `device`; nullopt when none are. A value that
// cannot be read keeps the default of that field (fit them to the device
// with fitScanSettings).
std::optional<ScanSettings> storedScanSettings(const PictraIni& ini, std::string_view device);

void storeScanSettings(PictraIni& ini, std::string_view device, const ScanSettings& settings);

// The device last scanned with (scan.device=NAME); empty when none.
std::string lastScanDevice(const PictraIni& ini);
void storeLastScanDevice(PictraIni& ini, std::string_view device);

} // namespace pictra
