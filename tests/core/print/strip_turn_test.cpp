#include "core/print/thumbnail_strip_pages.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(StripPages, TurnsOnlyToPagesThatShowSomething)
{
    // Seven files in six cells: one step shows the seventh alone, a further
    // step is refused and the control goes back; the up arrow returns.
    const StripPages seven{6, 7};
    EXPECT_EQ(seven.turn(0, 1), (StripTurn{1, 1, true}));
    EXPECT_EQ(seven.turn(1, 2), (StripTurn{1, 1, false}));
    EXPECT_EQ(seven.turn(1, 0), (StripTurn{0, 0, true}));
    EXPECT_EQ(seven.turn(0, 0), (StripTurn{0, 0, false}));
    EXPECT_EQ((StripPages{6, 0}).turn(0, 1), (StripTurn{0, 0, false}));
    EXPECT_EQ(seven.label(1), "2/2");
}

} // namespace
} // namespace pictra
