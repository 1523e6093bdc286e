#include "core/metadata/taken_date.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace pictra {
namespace {

struct DateCase {
    std::string_view text;
    std::optional<TakenDate> date;
};

class TakenDateTest : public testing::TestWithParam<DateCase> {};

TEST_P(TakenDateTest, ReadsTheDatePartOrRefuses)
{
    EXPECT_EQ(parseTakenDate(GetParam().text), GetParam().date) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TakenDateTest,
    testing::Values(DateCase{"2004:01:11 22:45:15", TakenDate{2004, 1, 11}},  // Exif
                    DateCase{"2021-03-04T05:06:07+09:00", TakenDate{2021, 3, 4}}, // XMP
                    DateCase{"  2021-03-04", TakenDate{2021, 3, 4}},
                    DateCase{"2017-11", TakenDate{2017, 11, 0}}, DateCase{"2017", TakenDate{2017, 0, 0}},
                    DateCase{"20171112", TakenDate{2017, 11, 12}},                 // IPTC
                    DateCase{"2020:02:29 00:00:00", TakenDate{2020, 2, 29}},
                    DateCase{"2216:11:15 11:46:51", TakenDate{2216, 11, 15}},
                    DateCase{"0000:00:00 00:00:00", std::nullopt},                 // blank camera clock
                    DateCase{"    :  :     :  :  ", std::nullopt}, DateCase{"", std::nullopt},
                    DateCase{"2019:02:29 00:00:00", std::nullopt}, // no such day
                    DateCase{"2019:13:01", std::nullopt}, DateCase{"2019:04:31", std::nullopt},
                    DateCase{"2019:04:00", std::nullopt}, DateCase{"2019:04:012", std::nullopt},
                    DateCase{"2019-04:01", std::nullopt}, DateCase{"2019x", std::nullopt},
                    DateCase{"201", std::nullopt}, DateCase{"abcd:ef:gh", std::nullopt}));

} // namespace
} // namespace pictra
