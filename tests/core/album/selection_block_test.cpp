#include "core/album/selection_block.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

ImageEntry entryWithStamp(std::int32_t stamp)
{
    ImageEntry e;
    e.stamp = stamp;
    return e;
}

TEST(SelectionBlock, AcceptsTenDistinctEntriesAndNoEleventh)
{
    SelectionBlock block;
    for (int i = 0; i < kMaxSelection; ++i)
        EXPECT_TRUE(addToSelection(block, entryWithStamp(100 + i)));
    EXPECT_FALSE(addToSelection(block, entryWithStamp(500)));
    EXPECT_EQ(block.selection.size(), 10u);
    EXPECT_FALSE(isSelected(block, 500));
}

TEST(SelectionBlock, RefusesADuplicateStampAndClearsAsOneBlock)
{
    SelectionBlock block;
    EXPECT_TRUE(addToSelection(block, entryWithStamp(7)));
    EXPECT_FALSE(addToSelection(block, entryWithStamp(7)));
    block.clipboard.push_back(entryWithStamp(9));
    block.clipboardFilled = true;
    selectOnly(block, entryWithStamp(8));
    EXPECT_TRUE(isSelected(block, 8));
    EXPECT_FALSE(isSelected(block, 7));
    clearSelectionBlock(block);
    EXPECT_TRUE(block.selection.empty());
    EXPECT_TRUE(block.clipboard.empty());
    EXPECT_FALSE(block.clipboardFilled);
}

} // namespace
} // namespace pictra
