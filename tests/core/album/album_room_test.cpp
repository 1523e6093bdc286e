#include "core/album/album_room.h"

#include "core/album/image_entry.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

struct RoomCase {
    const char* name;
    int imageCount;
    std::size_t offered;
    std::size_t kept;
    std::size_t leftOut;
};

class CutToRoom : public testing::TestWithParam<RoomCase> {};

TEST_P(CutToRoom, KeepsTheFirstImagesThatFit)
{
    const RoomCase& c = GetParam();
    const RoomCut cut = cutToRoom(c.imageCount, c.offered);
    EXPECT_EQ(cut.kept, c.kept);
    EXPECT_EQ(cut.leftOut, c.leftOut);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CutToRoom,
    testing::Values(RoomCase{"full", kMaxAlbumImages, 3, 0, 3}, RoomCase{"fullNothingOffered", kMaxAlbumImages, 0, 0, 0},
                    RoomCase{"partial", kMaxAlbumImages - 2, 5, 2, 3},
                    RoomCase{"exactlyEnough", kMaxAlbumImages - 5, 5, 5, 0}, RoomCase{"plenty", 0, 1000, 1000, 0},
                    RoomCase{"emptyPastCapacity", 0, 1001, 1000, 1},
                    RoomCase{"countBelowZero", -4, 1001, 1000, 1},
                    RoomCase{"countPastCapacity", kMaxAlbumImages + 7, 2, 0, 2}),
    [](const testing::TestParamInfo<RoomCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace pictra
