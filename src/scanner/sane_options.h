// Setting SANE device options by name, with the value fitted to what the
// device offers (nearest resolution, the colour entry of its mode list).
#pragma once

#include "core/scan/scan_settings.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <optional>
#include <string>
#include <string_view>

namespace pictra {

// Index of the option called `name`, or nullopt.
std::optional<SANE_Int> findOption(SANE_Handle handle, std::string_view name);

// Sets a boolean, integer, fixed-point or string option from text ("true"
// and "false" or "yes" and "no" for booleans, a decimal number otherwise).
// SANE_STATUS_UNSUPPORTED when there is no such settable, active option.
SANE_Status setOptionText(SANE_Handle handle, std::string_view name, std::string_view value);

// Colour mode when the device has one; grey-only devices keep their mode.
void chooseColourMode(SANE_Handle handle);

// 8 bits per sample when the device offers it.
void chooseDepth8(SANE_Handle handle);

// The resolution the device offers nearest `dpi` (any int: nothing wraps).
void chooseResolution(SANE_Handle handle, int dpi);

// What the device offers now: its resolutions in whole dpi, the modes and
// sources of a kind the program knows, and the largest area in mm.
ScanDeviceOptions readDeviceOptions(SANE_Handle handle);

// The device's entry of that kind; SANE_STATUS_UNSUPPORTED when it has none.
SANE_Status chooseMode(SANE_Handle handle, ScanMode mode);
SANE_Status chooseFeed(SANE_Handle handle, ScanFeed feed);

// The area from the device's top left corner, `area` mm wide and high (held
// to what the device scans).
SANE_Status chooseArea(SANE_Handle handle, ScanAreaMm area);

// The current value of a string option, empty when there is none.
std::string optionText(SANE_Handle handle, std::string_view name);

} // namespace pictra
