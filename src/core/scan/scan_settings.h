// Scanner settings: what a device offers (read from its options when it is
// chosen) and what the user picked (resolution, mode, source, area), with
// the rules that fit one to the other and refuse values the device or the
// image-buffer cap cannot take. The dialog and pictra-cli both use them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pictra {

enum class ScanMode {
    Colour,
    Grey,
    LineArt,
};

enum class ScanFeed {
    Flatbed,
    Feeder,
    Duplex,
};

enum class ScanAreaKind {
    DeviceMax, // the whole area the device scans
    A4,        // 210 x 297 mm
    B5,        // JIS B5, 182 x 257 mm
    L,         // L判, 89 x 127 mm
    Custom,    // a typed size in mm
};

struct ScanAreaMm {
    double width = 0;
    double height = 0;

    bool operator==(const ScanAreaMm&) const = default;
};

// One entry of a device's mode or source list: the kind and the device's
// own text for it.
template <typename Kind>
struct ScanChoice {
    Kind kind;
    std::string deviceText;
};

// What a device offers. An empty list means the device has no such option
// (it then scans the way it is set).
struct ScanDeviceOptions {
    std::vector<int> resolutionList;  // dpi, ascending; empty: the range below
    int resolutionMin = 0;            // dpi range when there is no list;
    int resolutionMax = 0;            //   max 0: no resolution option
    int resolutionStep = 0;           //   0 or 1: every whole dpi
    std::vector<ScanChoice<ScanMode>> modes;
    std::vector<ScanChoice<ScanFeed>> feeds;
    ScanAreaMm maxArea;               // 0 x 0: the area cannot be set

    bool hasResolution() const { return !resolutionList.empty() || resolutionMax > 0; }
    bool hasArea() const { return maxArea.width > 0 && maxArea.height > 0; }
};

struct ScanSettings {
    int resolutionDpi = 300;
    ScanMode mode = ScanMode::Colour;
    ScanFeed feed = ScanFeed::Flatbed;
    ScanAreaKind area = ScanAreaKind::DeviceMax;
    ScanAreaMm customArea;            // used when area is Custom

    bool operator==(const ScanSettings&) const = default;
};

// The resolution asked for when nothing else is known.
inline constexpr int kDefaultScanDpi = 300;
// Typed areas are held to this many mm on each side.
inline constexpr double kMaxTypedAreaMm = 10000;

// Sorting a device's mode and source texts into kinds ("Color", "Gray",
// "Lineart", "Flatbed", "ADF Duplex" ...); nullopt for texts of no kind.
std::optional<ScanMode> scanModeOfDeviceText(std::string_view text);
std::optional<ScanFeed> scanFeedOfDeviceText(std::string_view text);

// The device's resolution nearest `dpi` (ties to the lower one); `dpi`
// itself when the device has no resolution option.
int nearestScanResolution(const ScanDeviceOptions& options, int dpi);
// True when the device offers exactly `dpi`.
bool offersScanResolution(const ScanDeviceOptions& options, int dpi);

// The first choice the device offers: colour, then grey, then line art;
// flatbed, then feeder, then duplex. A nearest 300 dpi, the whole area.
ScanSettings defaultScanSettings(const ScanDeviceOptions& options);

// `wanted` with every value the device does not offer replaced by its
// default (an offered resolution is kept; one between offered values goes
// to the nearest).
ScanSettings fitScanSettings(const ScanDeviceOptions& options, const ScanSettings& wanted);

// The size of the area in mm; the device's maximum for DeviceMax.
ScanAreaMm scanAreaSize(const ScanDeviceOptions& options, const ScanSettings& settings);

// Bytes of the 24-bit bitmap a scan of `area` at `dpi` gives; nullopt on
// overflow.
std::optional<std::size_t> scanBitmapBytes(ScanAreaMm area, int dpi);

enum class ScanSettingsFault {
    None,
    ResolutionOutOfRange, // outside the device's range or not in its list
    ModeNotOffered,
    FeedNotOffered,
    AreaTooLarge,         // larger than the device scans, or not a size at all
    OverBufferCap,        // the picture would not fit the image buffer
};

// Why settings are refused, with the allowed values to tell the user.
struct ScanSettingsCheck {
    ScanSettingsFault fault = ScanSettingsFault::None;
    std::vector<int> allowedList; // the device's resolutions (list devices)
    int allowedMin = 0;           // the allowed dpi range otherwise
    int allowedMax = 0;           //   (for OverBufferCap: the most the cap allows)
    ScanAreaMm maxArea;           // for AreaTooLarge

    bool ok() const { return fault == ScanSettingsFault::None; }
};

// Checks `settings` against what the device offers and against the
// image-buffer cap `maxPixelBytes` (0: no cap). Nothing is rounded or
// wrapped: a resolution the device does not offer is refused.
ScanSettingsCheck checkScanSettings(const ScanDeviceOptions& options, const ScanSettings& settings,
                                    std::size_t maxPixelBytes);

// The names used on the command line and in the settings file:
// "color"/"gray"/"lineart", "flatbed"/"feeder"/"duplex",
// "max"/"a4"/"b5"/"l" or "WxH" in mm (for example "100x148.5").
std::string_view scanModeName(ScanMode mode);
std::string_view scanFeedName(ScanFeed feed);
std::string scanAreaName(const ScanSettings& settings);
std::optional<ScanMode> parseScanMode(std::string_view text);    // also "colour", "grey"
std::optional<ScanFeed> parseScanFeed(std::string_view text);    // also "adf"
// Sets settings.area (and customArea); false when the text is no area.
bool parseScanArea(std::string_view text, ScanSettings& settings);

// The fixed sizes of the area kinds (nullopt for DeviceMax and Custom).
std::optional<ScanAreaMm> fixedScanArea(ScanAreaKind kind);

} // namespace pictra
