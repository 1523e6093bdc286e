#include "core/album/strip_pages.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(StripPages, LabelsAndTurns)
{
    EXPECT_EQ(stripPageLabel(0, 0, 6), "1/1");
    EXPECT_EQ(stripPageLabel(0, 3, 6), "1/1");
    EXPECT_EQ(stripPageLabel(1, 7, 6), "2/2");
    EXPECT_EQ(stripPageLabel(0, 13, 13), "1/1");

    // Seven files: one step shows item 7 alone, a further step is refused
    // and the control goes back; the up arrow returns to the first page.
    EXPECT_EQ(turnStrip(0, 1, 7, 6), (StripTurn{1, 1, true}));
    EXPECT_EQ(turnStrip(1, 2, 7, 6), (StripTurn{1, 1, false}));
    EXPECT_EQ(turnStrip(1, 0, 7, 6), (StripTurn{0, 0, true}));
    EXPECT_EQ(turnStrip(0, 1, 0, 6), (StripTurn{0, 0, false}));
    EXPECT_EQ(turnStrip(0, 0, 7, 6), (StripTurn{0, 0, false}));

    EXPECT_EQ(stripItem(1, 0, 7, 6), 6);
    EXPECT_EQ(stripItem(1, 1, 7, 6), -1);
    EXPECT_EQ(stripItem(0, 6, 7, 6), -1);
}

} // namespace
} // namespace pictra
