#include "core/settings/settings_file.h"
#include "core/settings/settings_sanitize.h"

#include "core/platform/program_paths.h"
#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "support/temp_dir.h"
#include "support/status_print.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace pictra {
namespace {

// One field of the block: where it lives, how wide, and how to read it back.
struct Field {
    std::size_t offset;
    int size;
    std::int64_t value;
    std::function<std::int64_t(const WorkModeSettings&)> get;
};

std::vector<Field> fields()
{
    using S = const WorkModeSettings&;
    return {
        {0, 4, 1001, [](S s) { return s.reserved0; }},         {4, 4, 1, [](S s) { return s.childMaximized; }},
        {8, 4, 1, [](S s) { return s.mainMaximized; }},        {12, 4, 1, [](S s) { return s.restorePlacement; }},
        {16, 4, 1, [](S s) { return s.restoreWork; }},         {20, 4, 1, [](S s) { return s.openWindowAtStart; }},
        {24, 4, 2500, [](S s) { return s.slideIntervalMs; }},  {28, 4, 7, [](S s) { return s.recentCount; }},
        {32, 4, 750, [](S s) { return s.tipDelayMs; }},        {36, 4, 1, [](S s) { return s.tipEnabled; }},
        {40, 4, 64, [](S s) { return s.imageBufferMb; }},      {44, 2, 5, [](S s) { return s.columns; }},
        {46, 2, 6, [](S s) { return s.rows; }},                {48, 2, 12, [](S s) { return s.gapX; }},
        {50, 2, 13, [](S s) { return s.gapY; }},               {52, 2, -2, [](S s) { return s.reserved52; }},
        {54, 2, 1, [](S s) { return s.thumbnailQuality; }},    {56, 1, 1, [](S s) { return s.print.allowSeveral; }},
        {66, 1, 3, [](S s) { return s.print.margin; }},        {67, 4, 420, [](S s) { return s.print.paperWidth; }},
        {71, 4, 297, [](S s) { return s.print.paperHeight; }}, {75, 4, 11, [](S s) { return s.print.leftOffset; }},
        {79, 4, 12, [](S s) { return s.print.topOffset; }},    {83, 4, 3, [](S s) { return s.print.imagesAcross; }},
        {87, 4, 4, [](S s) { return s.print.imagesDown; }},    {91, 4, 6, [](S s) { return s.print.gapX; }},
        {95, 4, 7, [](S s) { return s.print.gapY; }},          {99, 1, 2, [](S s) { return s.jpegCoding; }},
        {100, 4, 77, [](S s) { return s.jpegQuality; }},       {104, 1, 3, [](S s) { return s.jpegSampling; }},
    };
}

std::vector<std::uint8_t> handBuiltBlock()
{
    std::vector<std::uint8_t> bytes(kWorkModeSettingsBytes, 0);
    for (const Field& f : fields()) {
        for (int i = 0; i < f.size; ++i)
            bytes[f.offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(f.value >> (8 * i));
    }
    std::memcpy(&bytes[57], "B5", 2);
    std::memcpy(&bytes[105], "comment", 7);
    bytes[204] = 'z'; // the last byte of the comment field
    return bytes;
}

TEST(WorkModeSettings, EveryFieldIsReadFromItsOffsetAndWrittenBackIdentically)
{
    const auto bytes = handBuiltBlock();
    const WorkModeSettings s = decodeSettings(bytes);
    for (const Field& f : fields())
        EXPECT_EQ(f.get(s), f.value) << "offset " << f.offset;
    EXPECT_EQ(fieldText(s.print.paper), "B5");
    EXPECT_EQ(fieldText(s.jpegComment), "comment");
    EXPECT_EQ(s.jpegComment[99], 'z');
    EXPECT_EQ(encodeSettings(s), bytes);
}

TEST(WorkModeSettings, ShortInputReadsZerosForTheMissingBytes)
{
    auto bytes = handBuiltBlock();
    bytes.resize(42); // the image buffer field is cut after its first two bytes
    const WorkModeSettings s = decodeSettings(bytes);
    EXPECT_EQ(s.tipEnabled, 1);
    EXPECT_EQ(s.imageBufferMb, 64);
    EXPECT_EQ(s.columns, 0);
    EXPECT_EQ(s.jpegQuality, 0);
}

TEST(WorkModeSettings, ShippedDefaultsAreUsableAndSurviveSanitizing)
{
    const WorkModeSettings d = defaultWorkModeSettings();
    EXPECT_TRUE(layoutFits(d.columns, d.rows));
    EXPECT_EQ(fieldText(d.print.paper), "A4");
    EXPECT_EQ(sanitizeSettings(d), d);
    EXPECT_EQ(encodeSettings(d).size(), kWorkModeSettingsBytes);
}

TEST(WorkModeSettings, SanitizingReplacesOnlyUnusableValues)
{
    WorkModeSettings zero; // a missing or zeroed file
    const WorkModeSettings z = sanitizeSettings(zero);
    EXPECT_TRUE(layoutFits(z.columns, z.rows));
    EXPECT_GT(z.slideIntervalMs, 0);
    EXPECT_GE(z.imageBufferMb, 1);
    EXPECT_EQ(z.recentCount, 0); // 0 recent items is a valid choice
    EXPECT_EQ(fieldText(z.print.paper), "A4");

    WorkModeSettings damaged = decodeSettings(handBuiltBlock());
    damaged.columns = 20; // 20 x 6 cells do not fit a page
    damaged.jpegQuality = 101;
    damaged.imageBufferMb = 2'000'000'000;
    const WorkModeSettings s = sanitizeSettings(damaged);
    const WorkModeSettings d = defaultWorkModeSettings();
    EXPECT_EQ(s.columns, d.columns);
    EXPECT_EQ(s.rows, d.rows);
    EXPECT_EQ(s.jpegQuality, d.jpegQuality);
    EXPECT_EQ(s.imageBufferMb, d.imageBufferMb);
    // Everything else, the fields without a control included, is kept.
    damaged.columns = s.columns;
    damaged.rows = s.rows;
    damaged.jpegQuality = s.jpegQuality;
    damaged.imageBufferMb = s.imageBufferMb;
    EXPECT_EQ(s, damaged);
}

TEST(WorkModeSettings, TheOldShippedImageBufferReadsAsTheNewDefault)
{
    WorkModeSettings stored = defaultWorkModeSettings();
    EXPECT_EQ(stored.imageBufferMb, 300); // 100 megapixels at 3 bytes each
    for (const auto& [value, expected] : {std::pair{50, 300}, std::pair{49, 49}, std::pair{51, 51}, std::pair{300, 300}}) {
        stored.imageBufferMb = value;
        EXPECT_EQ(sanitizeSettings(stored).imageBufferMb, expected) << value;
    }
}


TEST(SettingsFile, SavingOnePageRewritesTheWholeBlockAndKeepsTheRest)
{
    test::TempDir dir;
    ASSERT_TRUE(makeFolders(dir.file("PARAM")));
    EXPECT_EQ(loadSettings(dir.path()).status(), Status::NotFound);
    test::writeBytes(paramFilePath(dir.path(), kWorkModeFile),
                     std::string(reinterpret_cast<const char*>(handBuiltBlock().data()), kWorkModeSettingsBytes));
    auto s = loadSettings(dir.path());
    ASSERT_TRUE(s);
    s->jpegQuality = 50;
    ASSERT_EQ(saveSettings(dir.path(), *s), Status::Ok);
    auto bytes = readFile(paramFilePath(dir.path(), kWorkModeFile));
    ASSERT_TRUE(bytes);
    auto expected = handBuiltBlock();
    expected[100] = 50;
    EXPECT_EQ(*bytes, expected);
}

} // namespace
} // namespace pictra
