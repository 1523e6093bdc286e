#include "core/options/option_fields.h"
#include "core/options/options_effects.h"
#include "core/settings/settings_file.h"
#include "core/settings/settings_sanitize.h"

#include "core/util/fixed_text.h"

#include <gtest/gtest.h>

#include <string>

namespace pictra {
namespace {

TEST(OptionFields, TypedNumbersReadLikePercentD)
{
    struct Case {
        const char* text;
        std::optional<std::int64_t> value;
    };
    const Case cases[] = {
        {"12", 12},    {"  12ms", 12}, {"-5", -5}, {"+7", 7},   {"1 2", 1},
        {"", {}},      {"abc", {}},    {"-", {}},  {" x1", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseDialogNumber(c.text), c.value) << c.text;
    // Digits beyond any range give a number beyond any range, without overflow.
    EXPECT_GT(*parseDialogNumber("99999999999999999999999999"), 1'000'000'000'000'000);
    // Only the first 100 characters are read.
    EXPECT_EQ(parseDialogNumber(std::string(100, ' ') + "5"), std::nullopt);
}

TEST(OptionFields, TypedValuesAreStoredOnlyWhenTheProgramKeepsThem)
{
    struct Case {
        OptionField field;
        const char* text;
        EditCheck check;
        std::int64_t stored;
    };
    const WorkModeSettings d = defaultWorkModeSettings();
    const Case cases[] = {
        {OptionField::JpegQuality, "0", EditCheck::Ok, 80},
        {OptionField::JpegQuality, "100", EditCheck::Ok, 100},
        {OptionField::JpegQuality, "101", EditCheck::Ok, 80},
        {OptionField::JpegQuality, "1", EditCheck::Ok, 1},
        {OptionField::Columns, "5", EditCheck::Ok, 5},
        {OptionField::Columns, "0", EditCheck::OutOfRange, d.columns},
        // 65541 would be 5 in the 16-bit field: refused rather than wrapped.
        {OptionField::Columns, "65541", EditCheck::OutOfRange, d.columns},
        {OptionField::PrintMargin, "255", EditCheck::Ok, 255},
        {OptionField::PrintMargin, "256", EditCheck::OutOfRange, d.print.margin},
        {OptionField::SlideInterval, "99", EditCheck::OutOfRange, d.slideIntervalMs},
        {OptionField::SlideInterval, "100", EditCheck::Ok, 100},
        {OptionField::ImageBuffer, "0", EditCheck::OutOfRange, d.imageBufferMb},
        {OptionField::RecentCount, "0", EditCheck::Ok, 0},
        {OptionField::TipDelay, "", EditCheck::NotANumber, d.tipDelayMs},
        {OptionField::PrintAcross, "-1", EditCheck::OutOfRange, d.print.imagesAcross},
    };
    for (const Case& c : cases) {
        WorkModeSettings s = d;
        EXPECT_EQ(applyTypedNumber(s, c.field, c.text), c.check) << c.text;
        EXPECT_EQ(optionValue(s, c.field), c.stored) << c.text;
    }
}

// A value the sheet saves must come back unchanged at the next start.
TEST(OptionFields, EveryAcceptedBoundSurvivesTheStartCheck)
{
    for (int i = 0; i <= static_cast<int>(OptionField::JpegQuality); ++i) {
        const auto field = static_cast<OptionField>(i);
        const ValueRange range = optionRange(field);
        for (std::int64_t value : {range.low, range.high}) {
            WorkModeSettings s = defaultWorkModeSettings();
            if (field == OptionField::Columns || field == OptionField::Rows)
                s.columns = s.rows = 1; // let the other side of the page take any value
            ASSERT_EQ(applyTypedNumber(s, field, std::to_string(value)), EditCheck::Ok);
            if (settingsProblems(s).empty()) {
                EXPECT_EQ(sanitizeSettings(s), s) << "field " << i << " value " << value;
            }
        }
    }
}

TEST(OptionFields, RulesAcrossFieldsNameEveryFieldInvolved)
{
    WorkModeSettings s = defaultWorkModeSettings();
    EXPECT_TRUE(settingsProblems(s).empty());

    s.columns = 20;
    s.rows = 6; // 120 thumbnails do not fit a page
    s.print.imagesAcross = 25;
    s.print.imagesDown = 21; // 525 print cells
    const std::vector<OptionField> expected = {OptionField::Columns, OptionField::Rows, OptionField::PrintAcross,
                                               OptionField::PrintDown};
    EXPECT_EQ(settingsProblems(s), expected);

    WorkModeSettings w = defaultWorkModeSettings();
    w.print.paperWidth = 20;
    w.print.leftOffset = 10; // nothing left between the offsets
    EXPECT_EQ(settingsProblems(w), std::vector<OptionField>{OptionField::PrintWidth});
    WorkModeSettings g = defaultWorkModeSettings();
    g.print.imagesAcross = 3;
    g.print.gapX = 200; // two gaps of 200 mm on a 277 mm frame
    EXPECT_EQ(settingsProblems(g), (std::vector<OptionField>{OptionField::PrintGapX, OptionField::PrintGapY}));

    WorkModeSettings m = defaultWorkModeSettings();
    m.print.margin = 200; // A4 is 210 high: 10 mm left, no more than the two 10 mm offsets
    EXPECT_EQ(settingsProblems(m), std::vector<OptionField>{OptionField::PrintHeight});
}

TEST(OptionFields, CommentKeepsRoomForItsTerminatingZero)
{
    WorkModeSettings s = defaultWorkModeSettings();
    EXPECT_EQ(applyTypedComment(s, std::string(99, 'x')), EditCheck::Ok);
    EXPECT_EQ(fieldText(s.jpegComment).size(), 99u);
    EXPECT_EQ(applyTypedComment(s, std::string(100, 'y')), EditCheck::TooLong);
    EXPECT_EQ(fieldText(s.jpegComment), std::string(99, 'x'));
    // 49 kanji and one half-width katakana: 99 bytes in CP932.
    std::string kanji;
    for (int i = 0; i < 49; ++i)
        kanji += "髙";
    EXPECT_EQ(applyTypedComment(s, kanji + "ｱ"), EditCheck::Ok);
    EXPECT_EQ(applyTypedComment(s, kanji + "ｱｲ"), EditCheck::TooLong);
    EXPECT_EQ(applyTypedComment(s, "写真 😀"), EditCheck::NotCp932);
    EXPECT_EQ(fieldText(s.jpegComment).size(), 99u);
}

TEST(OptionsEffects, OnlyChangedValuesAreApplied)
{
    const WorkModeSettings before = defaultWorkModeSettings();
    EXPECT_EQ(optionsEffects(before, before), OptionsEffects{});
    WorkModeSettings gap = before;
    gap.gapY = 3;
    EXPECT_EQ(optionsEffects(before, gap), (OptionsEffects{false, true, false}));
    WorkModeSettings quality = before;
    quality.thumbnailQuality = 1;
    EXPECT_TRUE(optionsEffects(before, quality).pageLayout);
    WorkModeSettings other = quality;
    other.thumbnailQuality = 2; // still quality first
    EXPECT_FALSE(optionsEffects(quality, other).pageLayout);
    WorkModeSettings timerAndBuffer = before;
    timerAndBuffer.slideIntervalMs = 1000;
    timerAndBuffer.imageBufferMb = 80;
    timerAndBuffer.jpegQuality = 50;
    EXPECT_EQ(optionsEffects(before, timerAndBuffer), (OptionsEffects{true, false, true}));
}

} // namespace
} // namespace pictra
