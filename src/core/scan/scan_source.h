// ScanSource: where scanned pictures come from. The program's source drives
// SANE scanners; tests use a fake one. A source lists its devices and
// acquires one picture, or every page of a feeder, handing each on as a
// 24-bit packed bitmap.
#pragma once

#include "core/imaging_library/packed_bitmap.h"
#include "core/scan/scan_settings.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pictra {

struct ScanDevice {
    std::string name;   // what a request names the device by
    std::string vendor;
    std::string model;
    std::string type;   // "flatbed scanner", "virtual device" ...
};

// The resolution asked for unless the caller says otherwise; the device's
// nearest one is used.
inline constexpr int kScanResolutionDpi = kDefaultScanDpi;

struct ScanRequest {
    std::string device;                  // empty: the first device
    int resolutionDpi = kScanResolutionDpi;
    std::optional<ScanMode> mode;        // none: colour where the device has it
    std::optional<ScanFeed> feed;        // none: the source the device is set to
    std::optional<ScanAreaMm> area;      // none: the device's own area; from the top left corner
    // Device options set after colour, 8 bits and the resolution (name,
    // value as text), for scanners that need more than the defaults.
    std::vector<std::pair<std::string, std::string>> options;
    std::size_t maxPixelBytes = 0;       // the image-buffer cap of one picture
};

// Why an acquisition ended early, in the terms the user is told.
enum class ScanError {
    None,
    Cancelled,      // the user stopped it
    NoDevice,       // no scanner found, or the named one is not there
    OpenFailed,     // the scanner would not open or take its settings
    Busy,           // in use by someone else
    Jammed,
    CoverOpen,
    NoDocuments,    // the feeder was empty from the start
    TooLarge,       // the picture would exceed the image-buffer setting
    DeviceError,    // any other failure of the scanner or its driver
    SaveFailed,     // a picture could not be kept (import only)
};

struct ScanEvents {
    // Each finished picture; return false to stop the acquisition.
    std::function<bool(PackedBitmap&& picture)> picture;
    // Progress of the current page (1-based) in percent, -1 when unknown.
    std::function<void(int page, int percent)> progress;
    // Polled while data arrives; true stops the acquisition at once (the
    // page being read is dropped).
    std::function<bool()> cancelled;
    // Polled after each page; true ends the acquisition there, keeping the
    // pages finished (ScanError::Cancelled when more might have come).
    std::function<bool()> stopAfterPage;
};

// A device's options, or why they could not be read.
struct ScanDeviceReport {
    ScanError error = ScanError::None;
    ScanDeviceOptions options;
};

class ScanSource {
public:
    virtual ~ScanSource() = default;
    // The devices attached now; empty when there are none (or no driver).
    virtual std::vector<ScanDevice> devices() = 0;
    // What `device` offers (resolutions, modes, sources, area), read from the
    // device itself.
    virtual ScanDeviceReport deviceOptions(const std::string& device) = 0;
    // Acquires from request.device. Pictures finished before a failure have
    // been handed on already.
    virtual ScanError acquire(const ScanRequest& request, const ScanEvents& events) = 0;
};

} // namespace pictra
