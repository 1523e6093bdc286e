#include "core/util/cp932.h"
#include "core/util/fixed_text.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(Cp932, RoundTripsJapaneseIncludingHalfWidthKana)
{
    for (const char* text : {"作者", "FREEｻｲｽﾞ", "①髙～", "plain"}) {
        auto sj = utf8ToCp932(text);
        ASSERT_TRUE(sj.complete) << text;
        auto back = cp932ToUtf8(sj.text);
        ASSERT_TRUE(back.complete);
        EXPECT_EQ(back.text, text);
    }
    EXPECT_EQ(utf8ToCp932("FREEｻｲｽﾞ").text.size(), 8u);
}

TEST(Cp932, ReportsWhatItCannotConvert)
{
    auto r = utf8ToCp932("a😀b");
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(r.text, "ab");
    EXPECT_EQ(r.rejected, "😀");
    auto bad = cp932ToUtf8("\x81");
    EXPECT_FALSE(bad.complete);
}

TEST(Cp932, StoredPathsDecodeAsUtf8OrCp932)
{
    EXPECT_EQ(storedPathToUtf8("/home/写真.jpg"), "/home/写真.jpg");
    EXPECT_EQ(storedPathToUtf8(utf8ToCp932("C:\\写真.jpg").text), "C:\\写真.jpg");
}

TEST(FixedText, CutsWithoutSplittingADoubleByteCharacter)
{
    std::array<char, 4> field{};
    const std::string sj = utf8ToCp932("あい").text; // 4 bytes
    EXPECT_FALSE(setFieldText(field, sj));
    EXPECT_EQ(fieldText(field), sj.substr(0, 2));
    EXPECT_TRUE(setFieldText(field, "ab"));
    EXPECT_EQ(fieldText(field), "ab");
}

} // namespace
} // namespace pictra
