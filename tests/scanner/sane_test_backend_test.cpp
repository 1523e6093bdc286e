// The scanner layer against SANE's "test" backend, set up in a private
// SANE_CONFIG_DIR: every frame kind gives the same colour picture, feeders
// give every page, the settings reach the device, failures and cancel end
// cleanly. Every SANE call is bounded (PICTRA_SANE_CALL_LIMIT), so a hanging
// backend fails the run with the call's name.
#include "scanner/sane_call_watch.h"
#include "scanner/sane_scan_source.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>
#include <unistd.h>
#include <memory>
#include <string>
#include <vector>

namespace pictra {
namespace {

using Options = std::vector<std::pair<std::string, std::string>>;

constexpr std::size_t kCap = 50'000'000;

// The test backend itself leaks a few buffers (hand-scanner, three-pass and
// feeder modes). It is kept mapped after sane_exit so that the leak checker
// can name it, and its leaks are not ours to report.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libsane-test\n";
}

void keepTestBackendMapped()
{
    for (const char* dir : {"/usr/lib/x86_64-linux-gnu", "/usr/lib/aarch64-linux-gnu", "/usr/lib64", "/usr/lib"}) {
        const std::string path = std::string(dir) + "/sane/libsane-test.so.1";
        if (::dlopen(path.c_str(), RTLD_NOW | RTLD_NODELETE))
            return;
    }
}

// SANE reads SANE_CONFIG_DIR once per process, so one folder serves every test.
class SaneConfig : public testing::Environment {
public:
    void SetUp() override
    {
        keepTestBackendMapped();
        m_dir = std::make_unique<test::TempDir>();
        test::writeBytes(m_dir->file("dll.conf"), "test\n");
        test::writeBytes(m_dir->file("test.conf"), "number_of_devices 2\n");
        ::setenv("SANE_CONFIG_DIR", m_dir->path().c_str(), 1);
        ::setenv(kSaneCallLimitVariable, "30", 1);
    }
    void TearDown() override { m_dir.reset(); }

private:
    std::unique_ptr<test::TempDir> m_dir;
};

const testing::Environment* const kSaneConfig = testing::AddGlobalTestEnvironment(new SaneConfig);

class SaneTestBackend : public testing::Test {
protected:

    struct Scanned {
        ScanError error = ScanError::None;
        std::vector<PackedBitmap> pictures;
        int progressCalls = 0;
    };

    Scanned scan(Options options, int dpi = 25, std::string device = "test:0")
    {
        ScanRequest request;
        request.device = std::move(device);
        request.resolutionDpi = dpi;
        request.options = std::move(options);
        return scanWith(std::move(request));
    }

    Scanned scanWith(ScanRequest request)
    {
        request.maxPixelBytes = kCap;
        Scanned out;
        ScanEvents events;
        events.picture = [&out](PackedBitmap&& p) {
            out.pictures.push_back(std::move(p));
            return true;
        };
        events.cancelled = [this] { return cancelNow || (cancelAfterProgress && progressSeen); };
        events.stopAfterPage = [this] { return stopAfterPage; };
        events.progress = [&out, this](int, int) {
            ++out.progressCalls;
            progressSeen = true;
        };
        out.error = source.acquire(request, events);
        return out;
    }

    // The picture scanned with the given options (exactly one expected).
    BitmapView only(const Scanned& scanned)
    {
        EXPECT_EQ(scanned.error, ScanError::None);
        EXPECT_EQ(scanned.pictures.size(), 1u);
        return scanned.pictures.empty() ? BitmapView{} : scanned.pictures.front().view();
    }

    static std::vector<std::uint8_t> rows(const BitmapView& view)
    {
        return {view.pixels.begin(), view.pixels.end()};
    }

    SaneScanSource source;
    bool cancelNow = false;
    bool cancelAfterProgress = false;
    bool progressSeen = false;
    bool stopAfterPage = false;
};

// Slow reads: a few bytes per read, each after a pause.
const Options kSlowReads = {{"enable-test-options", "true"}, {"read-limit", "true"}, {"read-limit-size", "64"},
                            {"read-delay", "true"}, {"read-delay-duration", "1000"}};

TEST_F(SaneTestBackend, OptionsAreReadFromTheDevice)
{
    const ScanDeviceReport report = source.deviceOptions("test:0");
    ASSERT_EQ(report.error, ScanError::None);
    const ScanDeviceOptions& o = report.options;
    EXPECT_TRUE(o.resolutionList.empty());
    EXPECT_EQ(o.resolutionMin, 1);
    EXPECT_EQ(o.resolutionMax, 1200);
    ASSERT_EQ(o.modes.size(), 2u);
    EXPECT_EQ(o.modes[0].kind, ScanMode::Grey);
    EXPECT_EQ(o.modes[1].deviceText, "Color");
    ASSERT_EQ(o.feeds.size(), 2u);
    EXPECT_EQ(o.feeds[1].kind, ScanFeed::Feeder);
    EXPECT_EQ(o.maxArea, (ScanAreaMm{200, 200}));
    EXPECT_EQ(source.deviceOptions("test:7").error, ScanError::NoDevice);
}

TEST_F(SaneTestBackend, ResolutionAndAreaGiveThePixelSize)
{
    // 127 mm is five inches; the test scanner sets its area in whole mm.
    for (const int dpi : {75, 150, 600}) {
        ScanRequest request;
        request.device = "test:0";
        request.resolutionDpi = dpi;
        request.area = ScanAreaMm{127, 10};
        const Scanned scanned = scanWith(request);
        const BitmapView view = only(scanned);
        EXPECT_EQ(view.info.width, 5 * dpi) << dpi;
        EXPECT_EQ(view.info.height, static_cast<int>(10 / 25.4 * dpi)) << dpi;
    }
}

TEST_F(SaneTestBackend, GreyModeGivesAGreyPicture)
{
    ScanRequest request;
    request.device = "test:0";
    request.resolutionDpi = 50;
    request.mode = ScanMode::Grey;
    request.options = {{"test-picture", "Color pattern"}};
    const Scanned scanned = scanWith(request);
    const BitmapView view = only(scanned);
    ASSERT_FALSE(view.pixels.empty());
    const std::size_t stride = (static_cast<std::size_t>(view.info.width) * 3 + 3) / 4 * 4;
    int shades = 0;
    for (int y = 0; y < view.info.height; ++y) {
        for (int x = 0; x < view.info.width; ++x) {
            const std::uint8_t* px = view.pixels.data() + y * stride + 3 * static_cast<std::size_t>(x);
            ASSERT_TRUE(px[0] == px[1] && px[1] == px[2]) << x << "," << y;
            shades += px[0] != view.pixels[0];
        }
    }
    EXPECT_GT(shades, 0) << "the pattern came out as one shade";
}

TEST_F(SaneTestBackend, FeederSourceGivesSeveralPagesAndStopsAfterAPageWhenAsked)
{
    ScanRequest request;
    request.device = "test:0";
    request.resolutionDpi = 10;
    request.feed = ScanFeed::Feeder;
    EXPECT_EQ(scanWith(request).pictures.size(), 10u);
    stopAfterPage = true;
    const Scanned stopped = scanWith(request);
    EXPECT_EQ(stopped.error, ScanError::Cancelled);
    EXPECT_EQ(stopped.pictures.size(), 1u);
}

// The reading thread sees the cancel between two slow reads and cancels the
// device itself; the watchdog names the call if the backend hangs there.
TEST_F(SaneTestBackend, CancelDuringSlowReadsEnds)
{
    Options options = kSlowReads;
    options.emplace_back("source", "Automatic Document Feeder");
    cancelAfterProgress = true;
    const Scanned scanned = scan(options, 25);
    EXPECT_EQ(scanned.error, ScanError::Cancelled);
    EXPECT_TRUE(scanned.pictures.empty());
    // The device takes the next scan after it.
    cancelAfterProgress = false;
    EXPECT_EQ(only(scan(Options{})).info.bitCount, 24);
}

TEST_F(SaneTestBackend, ListsTheDevices)
{
    const std::vector<ScanDevice> devices = source.devices();
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].name, "test:0");
    EXPECT_EQ(devices[1].name, "test:1");
    EXPECT_EQ(devices[0].vendor, "Noname");
    EXPECT_FALSE(devices[0].model.empty());
}

TEST_F(SaneTestBackend, ColourAtTheResolutionNearestTheOneAsked)
{
    // The test scanner's default area is 80 mm wide.
    const Scanned scanned = scan({{"test-picture", "Color pattern"}}, 300, "");
    const BitmapView view = only(scanned);
    EXPECT_EQ(view.info.bitCount, 24);
    EXPECT_NEAR(view.info.width, 80 / 25.4 * 300, 1.0);
    EXPECT_GT(scanned.progressCalls, 0);
}

TEST_F(SaneTestBackend, EveryFrameKindGivesTheSameGrid)
{
    const Options grid = {{"test-picture", "Grid"}};
    const std::vector<std::uint8_t> colour = rows(only(scan(grid)));
    ASSERT_FALSE(colour.empty());
    const std::vector<Options> kinds = {
        {{"mode", "Gray"}, {"depth", "8"}},
        {{"mode", "Gray"}, {"depth", "16"}},
        {{"mode", "Gray"}, {"depth", "1"}},
        {{"depth", "16"}},
        {{"three-pass", "true"}},
        {{"three-pass", "true"}, {"three-pass-order", "BGR"}},
    };
    for (const Options& kind : kinds) {
        Options options = kind;
        options.insert(options.end(), grid.begin(), grid.end());
        const Scanned scanned = scan(options);
        SCOPED_TRACE(kind.front().first + "=" + kind.front().second);
        EXPECT_EQ(rows(only(scanned)), colour);
    }
}

TEST_F(SaneTestBackend, ThreePassColourMatchesSinglePass)
{
    const Options pattern = {{"test-picture", "Color pattern"}};
    const std::vector<std::uint8_t> single = rows(only(scan(pattern)));
    const std::vector<std::uint8_t> three = rows(only(scan({{"three-pass", "true"}, {"test-picture", "Color pattern"}})));
    EXPECT_EQ(three, single);
}

TEST_F(SaneTestBackend, HandScannerOfUnknownHeight)
{
    const Scanned scanned = scan({{"hand-scanner", "true"}, {"test-picture", "Solid white"}});
    const BitmapView view = only(scanned);
    EXPECT_GT(view.info.height, 0);
    EXPECT_EQ(view.pixels[0], 255);
}

TEST_F(SaneTestBackend, FeederGivesEveryPage)
{
    const Scanned scanned = scan({{"source", "Automatic Document Feeder"}}, 10);
    EXPECT_EQ(scanned.error, ScanError::None);
    EXPECT_EQ(scanned.pictures.size(), 10u); // the test feeder holds ten sheets
}

// (The test backend's read-failure options are not used: cancelling its
// reader thread mid-scan can hang inside the backend.)
TEST_F(SaneTestBackend, FailuresEndWithoutPictures)
{
    const Scanned missing = scan({}, 25, "test:7");
    EXPECT_EQ(missing.error, ScanError::NoDevice);
    EXPECT_TRUE(missing.pictures.empty());
    EXPECT_EQ(scan({{"no-such-option", "1"}}).error, ScanError::OpenFailed);
    EXPECT_EQ(scan({{"depth", "twelve"}}).error, ScanError::OpenFailed);
}

TEST_F(SaneTestBackend, TooLargeIsRefusedBeforeScanning)
{
    ScanRequest request;
    request.maxPixelBytes = 1000;
    request.resolutionDpi = 300;
    int pictures = 0;
    ScanEvents events;
    events.picture = [&pictures](PackedBitmap&&) { return ++pictures, true; };
    EXPECT_EQ(source.acquire(request, events), ScanError::TooLarge);
    EXPECT_EQ(pictures, 0);
}

TEST_F(SaneTestBackend, CancelStopsTheScan)
{
    cancelNow = true;
    const Scanned scanned = scan({{"source", "Automatic Document Feeder"}});
    EXPECT_EQ(scanned.error, ScanError::Cancelled);
    EXPECT_TRUE(scanned.pictures.empty());
}

// A call that never returns ends the process with its name (the child is a
// fresh run of this program, so the short limit applies to it alone).
TEST(SaneCallWatch, AHangingCallEndsTheRunWithItsName)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ::setenv(kSaneCallLimitVariable, "1", 1);
            const SaneCall call("sane_read");
            for (;;)
                ::pause();
        },
        testing::ExitedWithCode(124), "SANE call sane_read has not returned after 1 s");
}

} // namespace
} // namespace pictra
