// IKScan entry points on libsane. A SANE scan of one page is one or three
// frames (three-pass scanners send red, green and blue apart), each started
// with sane_start and read until EOF; a feeder goes on page after page until
// sane_start reports no more documents.
#include "scanner/ik_scan.h"

#include "core/scan/scan_frame.h"
#include "scanner/sane_call_watch.h"
#include "scanner/sane_options.h"

#include <sane/sane.h>
#include <sane/saneopts.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <vector>

namespace pictra {

namespace {

// SANE is process-wide: one session at a time.
std::atomic<bool> s_sessionOpen{false};

constexpr std::size_t kReadChunk = 64 * 1024;

// An open device; cancelled and closed on every way out.
class OpenDevice {
public:
    explicit OpenDevice(SANE_Handle handle) : m_handle(handle) {}
    ~OpenDevice()
    {
        // Called on the thread that reads, never while a read is running.
        {
            const SaneCall call("sane_cancel");
            sane_cancel(m_handle);
        }
        const SaneCall call("sane_close");
        sane_close(m_handle);
    }
    OpenDevice(const OpenDevice&) = delete;
    OpenDevice& operator=(const OpenDevice&) = delete;
    SANE_Handle handle() const { return m_handle; }

private:
    SANE_Handle m_handle;
};

ScanError errorOf(SANE_Status status)
{
    switch (status) {
    case SANE_STATUS_GOOD:
        return ScanError::None;
    case SANE_STATUS_CANCELLED:
        return ScanError::Cancelled;
    case SANE_STATUS_DEVICE_BUSY:
        return ScanError::Busy;
    case SANE_STATUS_JAMMED:
        return ScanError::Jammed;
    case SANE_STATUS_NO_DOCS:
        return ScanError::NoDocuments;
    case SANE_STATUS_COVER_OPEN:
        return ScanError::CoverOpen;
    case SANE_STATUS_ACCESS_DENIED:
        return ScanError::OpenFailed;
    default:
        return ScanError::DeviceError;
    }
}

std::optional<FrameFormat> formatOf(SANE_Frame frame)
{
    switch (frame) {
    case SANE_FRAME_GRAY:
        return FrameFormat::Gray;
    case SANE_FRAME_RGB:
        return FrameFormat::Rgb;
    case SANE_FRAME_RED:
        return FrameFormat::Red;
    case SANE_FRAME_GREEN:
        return FrameFormat::Green;
    case SANE_FRAME_BLUE:
        return FrameFormat::Blue;
    default:
        return std::nullopt;
    }
}

FrameLayout layoutOf(const SANE_Parameters& p, FrameFormat format)
{
    return {format, p.bytes_per_line, p.pixels_per_line, p.lines, p.depth, p.last_frame == SANE_TRUE};
}

bool feedsDocuments(SANE_Handle handle)
{
    std::string source = optionText(handle, SANE_NAME_SCAN_SOURCE);
    std::transform(source.begin(), source.end(), source.begin(), [](unsigned char c) { return std::tolower(c); });
    return source.find("feeder") != std::string::npos || source.find("adf") != std::string::npos ||
           source.find("duplex") != std::string::npos;
}

SANE_Status getParameters(SANE_Handle handle, SANE_Parameters& p)
{
    const SaneCall call("sane_get_parameters");
    return sane_get_parameters(handle, &p);
}

// Mode first: it can change which resolutions and depths the device offers.
ScanError configure(SANE_Handle handle, const ScanRequest& request)
{
    if (!request.mode)
        chooseColourMode(handle);
    else if (chooseMode(handle, *request.mode) != SANE_STATUS_GOOD)
        return ScanError::OpenFailed;
    if (request.mode != ScanMode::LineArt)
        chooseDepth8(handle);
    if (request.feed && chooseFeed(handle, *request.feed) != SANE_STATUS_GOOD)
        return ScanError::OpenFailed;
    chooseResolution(handle, request.resolutionDpi);
    if (request.area && chooseArea(handle, *request.area) != SANE_STATUS_GOOD)
        return ScanError::OpenFailed;
    for (const auto& [name, value] : request.options) {
        if (setOptionText(handle, name, value) != SANE_STATUS_GOOD)
            return ScanError::OpenFailed;
    }
    // The size is known before the scan for most devices: refuse early.
    SANE_Parameters p{};
    if (getParameters(handle, p) == SANE_STATUS_GOOD && p.lines > 0 && p.pixels_per_line > 0) {
        const auto bytes = ScanImageBuilder::bitmapBytes({FrameFormat::Rgb, 1, p.pixels_per_line, p.lines, 8, true});
        if (!bytes || *bytes > request.maxPixelBytes)
            return ScanError::TooLarge;
    }
    return ScanError::None;
}

struct PageResult {
    ScanError error = ScanError::None;
    bool noMorePages = false;
};

// Reads one page (all its frames) into `builder`.
PageResult readPage(SANE_Handle handle, int page, ScanImageBuilder& builder, const ScanEvents& events)
{
    std::vector<SANE_Byte> chunk(kReadChunk);
    for (int frame = 0; !builder.complete(); ++frame) {
        // A cancel already asked for is taken before the device starts: a
        // backend's reader thread cancelled the instant it began can leave
        // the allocator locked (SANE's test backend cancels it asynchronously).
        if (events.cancelled && events.cancelled())
            return {ScanError::Cancelled};
        const SANE_Status started = [handle] {
            const SaneCall call("sane_start");
            return sane_start(handle);
        }();
        if (started == SANE_STATUS_NO_DOCS && page > 1 && frame == 0)
            return {ScanError::None, true};
        if (started != SANE_STATUS_GOOD)
            return {errorOf(started)};
        SANE_Parameters p{};
        if (getParameters(handle, p) != SANE_STATUS_GOOD)
            return {ScanError::DeviceError};
        const auto format = formatOf(p.format);
        if (!format)
            return {ScanError::DeviceError};
        const Status begun = builder.beginFrame(layoutOf(p, *format));
        if (begun != Status::Ok)
            return {begun == Status::TooLarge ? ScanError::TooLarge : ScanError::DeviceError};
        const int frames = *format == FrameFormat::Rgb || *format == FrameFormat::Gray ? 1 : 3;
        const double frameBytes = p.lines > 0 ? double(p.bytes_per_line) * p.lines : 0;
        double read = 0;
        for (;;) {
            if (events.cancelled && events.cancelled())
                return {ScanError::Cancelled};
            SANE_Int length = 0;
            const SANE_Status status = [&] {
                const SaneCall call("sane_read");
                return sane_read(handle, chunk.data(), static_cast<SANE_Int>(chunk.size()), &length);
            }();
            if (status == SANE_STATUS_EOF)
                break;
            if (status != SANE_STATUS_GOOD)
                return {errorOf(status)};
            const std::size_t got = static_cast<std::size_t>(std::clamp<SANE_Int>(length, 0, SANE_Int(chunk.size())));
            if (builder.addData({chunk.data(), got}) != Status::Ok)
                return {ScanError::TooLarge};
            read += double(got);
            if (events.progress) {
                const int percent = frameBytes > 0
                                        ? static_cast<int>((frame % frames + std::min(1.0, read / frameBytes)) * 100 / frames)
                                        : -1;
                events.progress(page, percent);
            }
        }
        (void)builder.endFrame(); // a short frame keeps what was scanned
    }
    return {};
}

// Opens `name` (the first device when empty) into `handle`.
ScanError openDevice(ScanSession& session, const std::string& device, SANE_Handle& handle)
{
    std::string name = device;
    if (name.empty()) {
        const std::vector<ScanDevice> devices = IKScanSelect(session);
        if (devices.empty())
            return ScanError::NoDevice;
        name = devices.front().name;
    }
    const SANE_Status opened = [&] {
        const SaneCall call("sane_open");
        return sane_open(name.c_str(), &handle);
    }();
    if (opened == SANE_STATUS_INVAL)
        return ScanError::NoDevice;
    if (opened == SANE_STATUS_DEVICE_BUSY)
        return ScanError::Busy;
    if (opened != SANE_STATUS_GOOD || !handle)
        return ScanError::OpenFailed;
    return ScanError::None;
}

} // namespace

ScanSession::~ScanSession()
{
    const SaneCall call("sane_exit");
    sane_exit();
    s_sessionOpen = false;
}

std::unique_ptr<ScanSession> IKScanInitialize(const ScanIdentity&)
{
    if (s_sessionOpen.exchange(true))
        return nullptr;
    SANE_Int version = 0;
    const SANE_Status started = [&] {
        const SaneCall call("sane_init");
        return sane_init(&version, nullptr);
    }();
    if (started != SANE_STATUS_GOOD) {
        s_sessionOpen = false;
        return nullptr;
    }
    return std::make_unique<ScanSession>(ScanSession::Key());
}

std::vector<ScanDevice> IKScanSelect(ScanSession&)
{
    const SANE_Device** list = nullptr;
    std::vector<ScanDevice> devices;
    const SANE_Status listed = [&] {
        const SaneCall call("sane_get_devices");
        return sane_get_devices(&list, SANE_FALSE);
    }();
    if (listed != SANE_STATUS_GOOD || !list)
        return devices;
    for (int i = 0; list[i]; ++i) {
        const SANE_Device& d = *list[i];
        auto text = [](SANE_String_Const s) { return s ? std::string(s) : std::string(); };
        devices.push_back({text(d.name), text(d.vendor), text(d.model), text(d.type)});
    }
    return devices;
}

ScanDeviceReport IKScanOptions(ScanSession& session, const std::string& device)
{
    ScanDeviceReport report;
    SANE_Handle handle = nullptr;
    report.error = openDevice(session, device, handle);
    if (report.error != ScanError::None)
        return report;
    OpenDevice opened(handle);
    report.options = readDeviceOptions(handle);
    return report;
}

ScanError IKScanExec(ScanSession& session, const ScanRequest& request, const ScanEvents& events)
{
    SANE_Handle handle = nullptr;
    if (const ScanError error = openDevice(session, request.device, handle); error != ScanError::None)
        return error;
    OpenDevice device(handle);
    if (const ScanError error = configure(handle, request); error != ScanError::None)
        return error;
    const bool feeder = feedsDocuments(handle);
    for (int page = 1;; ++page) {
        ScanImageBuilder builder(request.maxPixelBytes);
        const PageResult result = readPage(handle, page, builder, events);
        if (result.error != ScanError::None)
            return result.error;
        if (result.noMorePages)
            return ScanError::None;
        Result<PackedBitmap> picture = builder.finish();
        if (!picture)
            return ScanError::DeviceError;
        if (events.picture && !events.picture(std::move(*picture)))
            return ScanError::None;
        if (!feeder)
            return ScanError::None;
        // The next sheet is not fed: the device is cancelled between pages.
        if (events.stopAfterPage && events.stopAfterPage())
            return ScanError::Cancelled;
    }
}

void IKScanTerminate(std::unique_ptr<ScanSession>& session)
{
    session.reset();
}

} // namespace pictra
