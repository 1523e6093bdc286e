#include "core/infobar/info_fields.h"

#include "core/util/fixed_text.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

struct NumberCase {
    const char* text;
    std::optional<std::int16_t> value;
};

class DateNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(DateNumber, ReadsLikePercentD)
{
    EXPECT_EQ(parseDateNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, DateNumber,
                         ::testing::Values(NumberCase{"2024", 2024}, NumberCase{"  7", 7}, NumberCase{"-3", -3},
                                           NumberCase{"+12", 12}, NumberCase{"12abc", 12}, NumberCase{"abc", {}},
                                           NumberCase{"", {}}, NumberCase{"-", {}}, NumberCase{"99999999999", 32767},
                                           NumberCase{"-99999", -32768}));

ImageEntry filledEntry()
{
    ImageEntry e;
    e.year = 2001;
    e.month = 2;
    e.day = 3;
    setFieldText(e.author, "author");
    setFieldText(e.place, "place");
    setFieldText(e.summary, "summary");
    setFieldText(e.memo, "memo");
    return e;
}

TEST(StoreInfoField, EachFieldAloneChanges)
{
    for (InfoField field : {InfoField::Year, InfoField::Month, InfoField::Day, InfoField::Author, InfoField::Place,
                            InfoField::Summary, InfoField::Memo}) {
        ImageEntry e = filledEntry();
        const ImageEntry before = e;
        ASSERT_EQ(storeInfoField(e, field, "1999"), FieldStore::Stored);
        EXPECT_EQ(infoFieldText(e, field), "1999");
        // Put the one field back: then nothing else may differ.
        storeInfoField(e, field, infoFieldText(before, field));
        EXPECT_EQ(e, before) << static_cast<int>(field);
    }
}

TEST(StoreInfoField, NonNumbersLeaveTheDateAndJapaneseRoundTrips)
{
    ImageEntry e = filledEntry();
    EXPECT_EQ(storeInfoField(e, InfoField::Month, ""), FieldStore::Unchanged);
    EXPECT_EQ(storeInfoField(e, InfoField::Day, "x"), FieldStore::Unchanged);
    EXPECT_EQ(e.month, 2);
    EXPECT_EQ(e.day, 3);
    EXPECT_EQ(storeInfoField(e, InfoField::Place, "京都 ｶﾒﾗ ①"), FieldStore::Stored);
    EXPECT_EQ(infoFieldText(e, InfoField::Place), "京都 ｶﾒﾗ ①");
}

TEST(StoreInfoField, LongTextIsCutOnACharacterBoundary)
{
    ImageEntry e;
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "写"; // two bytes each in CP932
    EXPECT_EQ(storeInfoField(e, InfoField::Author, text), FieldStore::Cut);
    EXPECT_EQ(fieldText(e.author).size(), 254u); // 127 whole characters + the zero
    EXPECT_EQ(infoFieldText(e, InfoField::Author), text.substr(0, 127 * 3));

    std::string memo(2000, 'm');
    EXPECT_EQ(storeInfoField(e, InfoField::Memo, memo), FieldStore::Cut);
    EXPECT_EQ(fieldText(e.memo).size(), 1023u);
}

TEST(StoreInfoField, TextCp932CannotHoldIsRefusedWithoutChange)
{
    ImageEntry e = filledEntry();
    EXPECT_EQ(storeInfoField(e, InfoField::Summary, "smile 😀"), FieldStore::Refused);
    EXPECT_EQ(infoFieldText(e, InfoField::Summary), "summary");
}

struct SizeCase {
    std::int32_t w, h, xres, yres;
    const char* text;
};

class SizeText : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeText, PixelsOrMillimetres)
{
    BitmapInfoHeader header;
    header.width = GetParam().w;
    header.height = GetParam().h;
    header.xPelsPerMeter = GetParam().xres;
    header.yPelsPerMeter = GetParam().yres;
    EXPECT_EQ(imageSizeText(header), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, SizeText,
                         ::testing::Values(SizeCase{640, 480, 0, 0, "640pixel × 480pixel"},
                                           SizeCase{640, 480, 2835, 0, "225mm × 480pixel"},
                                           SizeCase{640, 480, 2835, 2835, "225mm × 169mm"},
                                           SizeCase{100, 100, -5, 3937, "100pixel × 25mm"}));

} // namespace
} // namespace pictra
