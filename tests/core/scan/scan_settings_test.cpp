// Scanner settings: device texts sorted into kinds, defaults and fitting,
// the refusals with their allowed ranges, the names, and the stored form.
#include "core/scan/scan_settings.h"
#include "core/scan/scan_settings_store.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

// A range device like SANE's test scanner, and a list device.
ScanDeviceOptions rangeDevice()
{
    ScanDeviceOptions o;
    o.resolutionMin = 1;
    o.resolutionMax = 1200;
    o.modes = {{ScanMode::Grey, "Gray"}, {ScanMode::Colour, "Color"}};
    o.feeds = {{ScanFeed::Flatbed, "Flatbed"}, {ScanFeed::Feeder, "Automatic Document Feeder"}};
    o.maxArea = {200, 200};
    return o;
}

ScanDeviceOptions listDevice()
{
    ScanDeviceOptions o;
    o.resolutionList = {75, 150, 200, 600};
    o.modes = {{ScanMode::LineArt, "Lineart"}, {ScanMode::Grey, "Gray"}};
    o.feeds = {{ScanFeed::Feeder, "ADF Front"}, {ScanFeed::Duplex, "ADF Duplex"}};
    o.maxArea = {216, 356};
    return o;
}

TEST(ScanSettings, DeviceTextsAreSortedIntoKinds)
{
    const std::pair<const char*, std::optional<ScanMode>> modes[] = {
        {"Color", ScanMode::Colour},   {"24bit Color[Fast]", ScanMode::Colour}, {"Gray", ScanMode::Grey},
        {"True Gray", ScanMode::Grey}, {"Lineart", ScanMode::LineArt},          {"Black & White", ScanMode::LineArt},
        {"Infrared", std::nullopt},
    };
    for (const auto& [text, kind] : modes)
        EXPECT_EQ(scanModeOfDeviceText(text), kind) << text;
    const std::pair<const char*, std::optional<ScanFeed>> feeds[] = {
        {"Flatbed", ScanFeed::Flatbed},   {"Automatic Document Feeder", ScanFeed::Feeder},
        {"ADF Duplex", ScanFeed::Duplex}, {"ADF Front", ScanFeed::Feeder},
        {"Transparency Unit", std::nullopt},
    };
    for (const auto& [text, kind] : feeds)
        EXPECT_EQ(scanFeedOfDeviceText(text), kind) << text;
}

TEST(ScanSettings, DefaultsAreTheFirstOfferedAndTheResolutionNearest300)
{
    const ScanSettings range = defaultScanSettings(rangeDevice());
    EXPECT_EQ(range.resolutionDpi, 300);
    EXPECT_EQ(range.mode, ScanMode::Colour);
    EXPECT_EQ(range.feed, ScanFeed::Flatbed);
    EXPECT_EQ(range.area, ScanAreaKind::DeviceMax);
    const ScanSettings list = defaultScanSettings(listDevice());
    EXPECT_EQ(list.resolutionDpi, 200);
    EXPECT_EQ(list.mode, ScanMode::Grey);
    EXPECT_EQ(list.feed, ScanFeed::Feeder);
}

TEST(ScanSettings, FittingReplacesOnlyWhatTheDeviceLacks)
{
    ScanSettings wanted{600, ScanMode::Colour, ScanFeed::Flatbed, ScanAreaKind::A4, {}};
    const ScanSettings fitted = fitScanSettings(listDevice(), wanted);
    EXPECT_EQ(fitted.resolutionDpi, 600);
    EXPECT_EQ(fitted.mode, ScanMode::Grey);
    EXPECT_EQ(fitted.feed, ScanFeed::Feeder);
    EXPECT_EQ(fitted.area, ScanAreaKind::A4);
    wanted.resolutionDpi = 170;
    wanted.area = ScanAreaKind::Custom;
    wanted.customArea = {300, 100}; // wider than the glass
    const ScanSettings again = fitScanSettings(listDevice(), wanted);
    EXPECT_EQ(again.resolutionDpi, 150);
    EXPECT_EQ(again.area, ScanAreaKind::DeviceMax);
}

struct CheckCase {
    const char* name;
    ScanSettings settings;
    std::size_t cap;
    ScanSettingsFault fault;
    int allowedMax;
};

TEST(ScanSettings, ValuesOutsideTheDeviceOrTheCapAreRefusedWithTheAllowedRange)
{
    const CheckCase cases[] = {
        {"in range", {300, ScanMode::Colour, ScanFeed::Flatbed, ScanAreaKind::L, {}}, 50'000'000,
         ScanSettingsFault::None, 0},
        // 40000 would wrap to a tiny value in SANE's fixed point.
        {"40000 dpi", {40000, ScanMode::Colour, ScanFeed::Flatbed, ScanAreaKind::L, {}}, 0,
         ScanSettingsFault::ResolutionOutOfRange, 1200},
        {"0 dpi", {0, ScanMode::Colour, ScanFeed::Flatbed, ScanAreaKind::L, {}}, 0,
         ScanSettingsFault::ResolutionOutOfRange, 1200},
        {"line art", {300, ScanMode::LineArt, ScanFeed::Flatbed, ScanAreaKind::L, {}}, 0,
         ScanSettingsFault::ModeNotOffered, 0},
        {"duplex", {300, ScanMode::Colour, ScanFeed::Duplex, ScanAreaKind::L, {}}, 0,
         ScanSettingsFault::FeedNotOffered, 0},
        {"A4 on a 200 mm glass", {300, ScanMode::Colour, ScanFeed::Flatbed, ScanAreaKind::A4, {}}, 0,
         ScanSettingsFault::AreaTooLarge, 0},
        // 200 x 200 mm at 1200 dpi is 9448 x 9448 x 3 bytes; 50 MB allow 518 dpi.
        {"over the cap", {1200, ScanMode::Colour, ScanFeed::Flatbed, ScanAreaKind::DeviceMax, {}}, 50'000'000,
         ScanSettingsFault::OverBufferCap, 518},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ScanSettingsCheck check = checkScanSettings(rangeDevice(), c.settings, c.cap);
        EXPECT_EQ(check.fault, c.fault);
        EXPECT_EQ(check.allowedMax, c.allowedMax);
        if (c.fault == ScanSettingsFault::AreaTooLarge) {
            EXPECT_EQ(check.maxArea.width, 200);
        }
    }
    const auto cap = scanBitmapBytes({200, 200}, 518);
    ASSERT_TRUE(cap);
    EXPECT_LE(*cap, 50'000'000u);
    EXPECT_GT(*scanBitmapBytes({200, 200}, 519), 50'000'000u);

    // A list device names its list, cut to what the cap allows.
    const ScanSettingsCheck between =
        checkScanSettings(listDevice(), {170, ScanMode::Grey, ScanFeed::Feeder, ScanAreaKind::DeviceMax, {}}, 0);
    EXPECT_EQ(between.fault, ScanSettingsFault::ResolutionOutOfRange);
    EXPECT_EQ(between.allowedList, (std::vector<int>{75, 150, 200, 600}));
    const ScanSettingsCheck capped =
        checkScanSettings(listDevice(), {600, ScanMode::Grey, ScanFeed::Feeder, ScanAreaKind::DeviceMax, {}}, 20'000'000);
    EXPECT_EQ(capped.fault, ScanSettingsFault::OverBufferCap);
    EXPECT_EQ(capped.allowedList, (std::vector<int>{75, 150, 200}));
}

TEST(ScanSettings, AreaNamesReadBack)
{
    const std::pair<const char*, ScanAreaKind> named[] = {
        {"max", ScanAreaKind::DeviceMax}, {"A4", ScanAreaKind::A4}, {"b5", ScanAreaKind::B5}, {"l", ScanAreaKind::L}};
    for (const auto& [text, kind] : named) {
        ScanSettings s;
        ASSERT_TRUE(parseScanArea(text, s)) << text;
        EXPECT_EQ(s.area, kind);
    }
    EXPECT_EQ(fixedScanArea(ScanAreaKind::B5)->width, 182);
    EXPECT_EQ(fixedScanArea(ScanAreaKind::B5)->height, 257);
    ScanSettings typed;
    ASSERT_TRUE(parseScanArea("100x148.5", typed));
    EXPECT_EQ(scanAreaName(typed), "100x148.5");
    for (const char* bad : {"", "x", "10x", "0x10", "-5x10", "10x10x", "a5", "1e9x10"})
        EXPECT_FALSE(parseScanArea(bad, typed)) << bad;
}

TEST(ScanSettingsStore, SettingsComeBackPerDeviceAndOtherKeysStay)
{
    PictraIni ini = PictraIni::parse("# kept\nprint.paper=L\n");
    const ScanSettings a{150, ScanMode::Grey, ScanFeed::Feeder, ScanAreaKind::Custom, {100, 148.5}};
    const ScanSettings b{600, ScanMode::Colour, ScanFeed::Flatbed, ScanAreaKind::B5, {}};
    // A network device name with the characters a key cannot hold.
    storeScanSettings(ini, "net:host:hpaio:/usb/x?serial=1.2", a);
    storeScanSettings(ini, "test:0", b);
    const PictraIni read = PictraIni::parse(ini.text());
    EXPECT_EQ(storedScanSettings(read, "net:host:hpaio:/usb/x?serial=1.2"), a);
    EXPECT_EQ(storedScanSettings(read, "test:0"), b);
    EXPECT_FALSE(storedScanSettings(read, "test:1"));
    EXPECT_EQ(read.value("print.paper"), "L");
    EXPECT_EQ(read.text().substr(0, 7), "# kept\n");

    // A damaged value keeps its field's default.
    const PictraIni damaged = PictraIni::parse("scan.test:0.resolution=lots\nscan.test:0.mode=gray\n");
    const auto s = storedScanSettings(damaged, "test:0");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->resolutionDpi, kDefaultScanDpi);
    EXPECT_EQ(s->mode, ScanMode::Grey);
}

} // namespace
} // namespace pictra
