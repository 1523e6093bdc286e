#include "core/album/album_window_close.h"

#include "core/util/file_io.h"
#include "core/util/fixed_text.h"
#include "core/util/paths.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

TEST(AlbumWindowClose, RemovingASlotMovesTheLaterOnesDown)
{
    auto table = makeAlbumTable();
    table->openCount = 3;
    for (int i = 0; i < 3; ++i)
        table->windowSlots[static_cast<std::size_t>(i)].viewId = 10 + static_cast<std::uint64_t>(i);
    table->working.viewId = 12;
    removeWindowSlot(*table, 0);
    EXPECT_EQ(table->openCount, 2);
    EXPECT_EQ(table->windowSlots[0].viewId, 11u);
    EXPECT_EQ(table->windowSlots[1].viewId, 12u);
    EXPECT_EQ(table->windowSlots[2].viewId, 0u);
    removeWindowSlot(*table, 5); // no such slot
    EXPECT_EQ(table->openCount, 2);
    removeWindowSlot(*table, 1);
    removeWindowSlot(*table, 0);
    EXPECT_EQ(table->openCount, 0);
    EXPECT_EQ(table->working.viewId, 0u); // the last window takes the working copy with it
}

TEST(AlbumWindowClose, DeletesTheStoreFolderWithItsCopies)
{
    test::TempDir dir;
    const std::string program = dir.path();
    const std::string folder = StoreFolder(program, "/albums/trip.abm");
    ASSERT_TRUE(makeFolders(folder));
    ASSERT_EQ(writeFile(joinPath(folder, "a.jpg"), std::vector<std::uint8_t>{1, 2}), Status::Ok);
    ASSERT_EQ(writeFile(joinPath(folder, "B.JPG"), std::vector<std::uint8_t>{1}), Status::Ok);
    EXPECT_EQ(deleteStoreFolder(program, "/albums/trip.abm"), Status::Ok);
    EXPECT_FALSE(folderExists(folder));
    EXPECT_EQ(deleteStoreFolder(program, "/albums/never.abm"), Status::Ok);
}

} // namespace
} // namespace pictra
