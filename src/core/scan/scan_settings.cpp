// Scanner settings rules.
#include "core/scan/scan_settings.h"

#include "core/util/pixel_bytes.h"
#include "core/util/rounding.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace pictra {
namespace {

constexpr double kMmPerInch = 25.4;

std::string lower(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

bool has(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

template <typename Kind>
bool offers(const std::vector<ScanChoice<Kind>>& choices, Kind kind)
{
    return std::any_of(choices.begin(), choices.end(), [kind](const ScanChoice<Kind>& c) { return c.kind == kind; });
}

// The first of `order` the device offers; order[0] when it offers none.
template <typename Kind, std::size_t N>
Kind firstOffered(const std::vector<ScanChoice<Kind>>& choices, const Kind (&order)[N])
{
    for (Kind kind : order) {
        if (offers(choices, kind))
            return kind;
    }
    return order[0];
}

constexpr ScanMode kModeOrder[] = {ScanMode::Colour, ScanMode::Grey, ScanMode::LineArt};
constexpr ScanFeed kFeedOrder[] = {ScanFeed::Flatbed, ScanFeed::Feeder, ScanFeed::Duplex};

bool fits(ScanAreaMm area, ScanAreaMm max)
{
    // A tenth of a millimetre of slack: devices state their sizes in rounded units.
    return area.width <= max.width + 0.1 && area.height <= max.height + 0.1;
}

std::optional<double> parseMm(std::string_view text)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !(value > 0) || value > kMaxTypedAreaMm)
        return std::nullopt;
    return value;
}

std::string mmText(double mm)
{
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::round(mm * 10) / 10);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}

// The largest offered resolution whose picture of `area` fits `cap`, or 0.
int largestUnderCap(const ScanDeviceOptions& options, ScanAreaMm area, std::size_t cap)
{
    auto under = [&](int dpi) {
        const auto bytes = scanBitmapBytes(area, dpi);
        return bytes && *bytes <= cap;
    };
    if (!options.resolutionList.empty()) {
        int best = 0;
        for (int dpi : options.resolutionList) {
            if (under(dpi))
                best = std::max(best, dpi);
        }
        return best;
    }
    // The bitmap grows with the resolution: search the range.
    const int step = std::max(1, options.resolutionStep);
    long lo = 0, hi = (options.resolutionMax - options.resolutionMin) / step; // in steps
    if (!under(options.resolutionMin))
        return 0;
    while (lo < hi) {
        const long mid = (lo + hi + 1) / 2;
        if (under(static_cast<int>(options.resolutionMin + mid * step)))
            lo = mid;
        else
            hi = mid - 1;
    }
    return static_cast<int>(options.resolutionMin + lo * step);
}

} // namespace

std::optional<ScanMode> scanModeOfDeviceText(std::string_view text)
{
    const std::string t = lower(text);
    if (has(t, "color") || has(t, "colour") || has(t, "rgb"))
        return ScanMode::Colour;
    if (has(t, "gray") || has(t, "grey"))
        return ScanMode::Grey;
    if (has(t, "lineart") || has(t, "line art") || has(t, "binary") || has(t, "black") || has(t, "halftone"))
        return ScanMode::LineArt;
    return std::nullopt;
}

std::optional<ScanFeed> scanFeedOfDeviceText(std::string_view text)
{
    const std::string t = lower(text);
    if (has(t, "duplex"))
        return ScanFeed::Duplex;
    if (has(t, "feeder") || has(t, "adf"))
        return ScanFeed::Feeder;
    if (has(t, "flatbed") || has(t, "normal") || has(t, "platen") || has(t, "glass"))
        return ScanFeed::Flatbed;
    return std::nullopt;
}

int nearestScanResolution(const ScanDeviceOptions& options, int dpi)
{
    if (!options.resolutionList.empty()) {
        int best = options.resolutionList.front();
        for (int r : options.resolutionList) {
            if (std::llabs(std::int64_t{r} - dpi) < std::llabs(std::int64_t{best} - dpi))
                best = r;
        }
        return best;
    }
    if (options.resolutionMax <= 0)
        return dpi;
    const int clamped = std::clamp(dpi, options.resolutionMin, options.resolutionMax);
    const int step = std::max(1, options.resolutionStep);
    const long steps = std::lround(double(clamped - options.resolutionMin) / step);
    return std::min(options.resolutionMax, static_cast<int>(options.resolutionMin + steps * step));
}

bool offersScanResolution(const ScanDeviceOptions& options, int dpi)
{
    return options.hasResolution() && nearestScanResolution(options, dpi) == dpi;
}

ScanSettings defaultScanSettings(const ScanDeviceOptions& options)
{
    ScanSettings s;
    s.resolutionDpi = nearestScanResolution(options, kDefaultScanDpi);
    s.mode = firstOffered(options.modes, kModeOrder);
    s.feed = firstOffered(options.feeds, kFeedOrder);
    s.area = ScanAreaKind::DeviceMax;
    return s;
}

ScanSettings fitScanSettings(const ScanDeviceOptions& options, const ScanSettings& wanted)
{
    const ScanSettings defaults = defaultScanSettings(options);
    ScanSettings s = wanted;
    s.resolutionDpi = options.hasResolution() ? nearestScanResolution(options, wanted.resolutionDpi) : defaults.resolutionDpi;
    if (!offers(options.modes, wanted.mode))
        s.mode = defaults.mode;
    if (!offers(options.feeds, wanted.feed))
        s.feed = defaults.feed;
    if (!options.hasArea() || !fits(scanAreaSize(options, wanted), options.maxArea) ||
        scanAreaSize(options, wanted).width <= 0)
        s.area = ScanAreaKind::DeviceMax;
    if (s.area != ScanAreaKind::Custom)
        s.customArea = {};
    return s;
}

std::optional<ScanAreaMm> fixedScanArea(ScanAreaKind kind)
{
    switch (kind) {
    case ScanAreaKind::A4: return ScanAreaMm{210, 297};
    case ScanAreaKind::B5: return ScanAreaMm{182, 257};
    case ScanAreaKind::L: return ScanAreaMm{89, 127};
    case ScanAreaKind::DeviceMax:
    case ScanAreaKind::Custom: break;
    }
    return std::nullopt;
}

ScanAreaMm scanAreaSize(const ScanDeviceOptions& options, const ScanSettings& settings)
{
    if (settings.area == ScanAreaKind::DeviceMax)
        return options.maxArea;
    if (settings.area == ScanAreaKind::Custom)
        return settings.customArea;
    return *fixedScanArea(settings.area);
}

std::optional<std::size_t> scanBitmapBytes(ScanAreaMm area, int dpi)
{
    const double w = std::floor(area.width / kMmPerInch * dpi);
    const double h = std::floor(area.height / kMmPerInch * dpi);
    if (!(w >= 0 && h >= 0) || w > 1e9 || h > 1e9)
        return std::nullopt;
    return pixelBytes(static_cast<std::int64_t>(w), static_cast<std::int64_t>(h), 24);
}

ScanSettingsCheck checkScanSettings(const ScanDeviceOptions& options, const ScanSettings& settings,
                                    std::size_t maxPixelBytes)
{
    ScanSettingsCheck check;
    auto allowedResolutions = [&] {
        check.allowedList = options.resolutionList;
        check.allowedMin = options.resolutionList.empty() ? options.resolutionMin : options.resolutionList.front();
        check.allowedMax = options.resolutionList.empty() ? options.resolutionMax : options.resolutionList.back();
    };
    if (options.hasResolution() && !offersScanResolution(options, settings.resolutionDpi)) {
        check.fault = ScanSettingsFault::ResolutionOutOfRange;
        allowedResolutions();
        return check;
    }
    if (!options.modes.empty() && !offers(options.modes, settings.mode)) {
        check.fault = ScanSettingsFault::ModeNotOffered;
        return check;
    }
    if (!options.feeds.empty() && !offers(options.feeds, settings.feed)) {
        check.fault = ScanSettingsFault::FeedNotOffered;
        return check;
    }
    const ScanAreaMm area = scanAreaSize(options, settings);
    if (settings.area != ScanAreaKind::DeviceMax &&
        (!options.hasArea() || !(area.width > 0 && area.height > 0) || !fits(area, options.maxArea))) {
        check.fault = ScanSettingsFault::AreaTooLarge;
        check.maxArea = options.maxArea;
        return check;
    }
    if (maxPixelBytes > 0 && options.hasArea() && options.hasResolution()) {
        const auto bytes = scanBitmapBytes(area, settings.resolutionDpi);
        if (!bytes || *bytes > maxPixelBytes) {
            check.fault = ScanSettingsFault::OverBufferCap;
            allowedResolutions();
            check.allowedMax = largestUnderCap(options, area, maxPixelBytes);
            if (!check.allowedList.empty())
                std::erase_if(check.allowedList, [&](int dpi) { return dpi > check.allowedMax; });
        }
    }
    return check;
}

std::string_view scanModeName(ScanMode mode)
{
    switch (mode) {
    case ScanMode::Colour: return "color";
    case ScanMode::Grey: return "gray";
    case ScanMode::LineArt: return "lineart";
    }
    return "color";
}

std::string_view scanFeedName(ScanFeed feed)
{
    switch (feed) {
    case ScanFeed::Flatbed: return "flatbed";
    case ScanFeed::Feeder: return "feeder";
    case ScanFeed::Duplex: return "duplex";
    }
    return "flatbed";
}

std::string scanAreaName(const ScanSettings& settings)
{
    switch (settings.area) {
    case ScanAreaKind::DeviceMax: return "max";
    case ScanAreaKind::A4: return "a4";
    case ScanAreaKind::B5: return "b5";
    case ScanAreaKind::L: return "l";
    case ScanAreaKind::Custom: break;
    }
    return mmText(settings.customArea.width) + "x" + mmText(settings.customArea.height);
}

std::optional<ScanMode> parseScanMode(std::string_view text)
{
    const std::string t = lower(text);
    if (t == "color" || t == "colour")
        return ScanMode::Colour;
    if (t == "gray" || t == "grey")
        return ScanMode::Grey;
    if (t == "lineart")
        return ScanMode::LineArt;
    return std::nullopt;
}

std::optional<ScanFeed> parseScanFeed(std::string_view text)
{
    const std::string t = lower(text);
    if (t == "flatbed")
        return ScanFeed::Flatbed;
    if (t == "feeder" || t == "adf")
        return ScanFeed::Feeder;
    if (t == "duplex")
        return ScanFeed::Duplex;
    return std::nullopt;
}

bool parseScanArea(std::string_view text, ScanSettings& settings)
{
    const std::string t = lower(text);
    const std::pair<std::string_view, ScanAreaKind> named[] = {
        {"max", ScanAreaKind::DeviceMax}, {"a4", ScanAreaKind::A4}, {"b5", ScanAreaKind::B5}, {"l", ScanAreaKind::L}};
    for (const auto& [name, kind] : named) {
        if (t == name) {
            settings.area = kind;
            settings.customArea = {};
            return true;
        }
    }
    const std::size_t x = t.find('x');
    if (x == std::string::npos)
        return false;
    const auto w = parseMm(std::string_view(t).substr(0, x));
    const auto h = parseMm(std::string_view(t).substr(x + 1));
    if (!w || !h)
        return false;
    settings.area = ScanAreaKind::Custom;
    settings.customArea = {*w, *h};
    return true;
}

} // namespace pictra
