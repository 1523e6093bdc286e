// Flips and quarter turns.
#include "core/filters/flip.h"
#include "core/filters/rotation.h"
#include "test_picture.h"

#include <gtest/gtest.h>

namespace pictra {
namespace {

using test::Bgr;
using test::TestPicture;

struct FlipCase {
    FlipFlags flags;
    int width, height;
};

class Flip : public testing::TestWithParam<FlipCase> {};

TEST_P(Flip, MovesEveryPixelToItsMirrorPosition)
{
    const FlipCase c = GetParam();
    TestPicture pic(c.width, c.height);
    const TestPicture original(c.width, c.height);
    ASSERT_EQ(flipPicture(pic.record(), c.flags), Status::Ok);
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            const int fromX = c.flags.leftRight ? c.width - 1 - x : x;
            const int fromY = c.flags.upDown ? c.height - 1 - y : y;
            ASSERT_EQ(pic.pixel(x, y), original.pixel(fromX, fromY)) << x << "," << y;
        }
    }
    EXPECT_TRUE(pic.paddingIntact());
}

INSTANTIATE_TEST_SUITE_P(
    Flags, Flip,
    testing::Values(FlipCase{{true, false}, 7, 5}, FlipCase{{false, true}, 7, 5}, FlipCase{{true, true}, 7, 5},
                    FlipCase{{true, true}, 5, 4}, FlipCase{{false, false}, 5, 3}, FlipCase{{true, true}, 1, 1},
                    FlipCase{{true, false}, 2, 1}));

TEST(Rotation, QuarterTurnsMovePixelsAndExchangeSizes)
{
    // 7 × 5 (21-byte rows padded to 24) turns into 5 × 7 (15 padded to 16).
    const TestPicture original(7, 5);
    for (int step : {1, 3}) {
        TestPicture pic(7, 5);
        ASSERT_EQ(rotateQuarterTurns(pic.record(), step), Status::Ok);
        const ImageRecord& rec = pic.record();
        ASSERT_EQ(rec.width(), 5);
        ASSERT_EQ(rec.height(), 7);
        EXPECT_EQ(rec.outline, pixelOutline(5, 7));
        EXPECT_EQ(rec.fileHeader.size, 54u + 16 * 7);
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 5; ++x) {
                const Bgr want = step == 1 ? original.pixel(y, 5 - 1 - x) : original.pixel(7 - 1 - y, x);
                ASSERT_EQ(pic.pixel(x, y), want) << "step " << step << " at " << x << "," << y;
            }
            EXPECT_EQ(rec.row(y)[15], 0) << "new padding is cleared";
        }
    }
}

TEST(Rotation, HalfTurnIsBothFlipsAndFourQuarterTurnsRestore)
{
    TestPicture turned(7, 5, 3, 16);
    TestPicture flipped(7, 5, 3, 16);
    ASSERT_EQ(rotateQuarterTurns(turned.record(), 2), Status::Ok);
    ASSERT_EQ(flipPicture(flipped.record(), {true, true}), Status::Ok);
    EXPECT_EQ(turned.pixels(), flipped.pixels());

    TestPicture pic(7, 5, 3, 16);
    const std::vector<Bgr> before = pic.pixels();
    const Outline outline = pic.record().outline;
    for (int i = 0; i < 4; ++i)
        ASSERT_EQ(rotateQuarterTurns(pic.record(), 1), Status::Ok);
    EXPECT_EQ(pic.pixels(), before);
    EXPECT_EQ(pic.record().outline, outline);

    ASSERT_EQ(rotateQuarterTurns(pic.record(), 1), Status::Ok);
    ASSERT_EQ(rotateQuarterTurns(pic.record(), 3), Status::Ok);
    EXPECT_EQ(pic.pixels(), before);
}

TEST(Rotation, RefusesTurnsThatDoNotFitAndBadSteps)
{
    // 5 × 1 needs 16 bytes; turned to 1 × 5 it needs 5 rows of 4.
    TestPicture pic(5, 1);
    const std::vector<Bgr> before = pic.pixels();
    EXPECT_EQ(rotateQuarterTurns(pic.record(), 1), Status::TooLarge);
    EXPECT_EQ(rotateQuarterTurns(pic.record(), 4), Status::InvalidArgument);
    EXPECT_EQ(rotateQuarterTurns(pic.record(), -1), Status::InvalidArgument);
    EXPECT_EQ(pic.record().width(), 5);
    EXPECT_EQ(pic.pixels(), before);
    EXPECT_TRUE(pic.paddingIntact());
}

TEST(Rotation, KeepsResolutionAndOutlineInMillimetres)
{
    TestPicture pic(6, 3, 1, 16);
    ImageRecord& rec = pic.record();
    rec.infoHeader.xPelsPerMeter = 3000;
    rec.infoHeader.yPelsPerMeter = 6000;
    rec.outline = pixelOutline(2.0, 0.5);
    ASSERT_EQ(rotateQuarterTurns(rec, 3), Status::Ok);
    EXPECT_EQ(rec.infoHeader.xPelsPerMeter, 6000);
    EXPECT_EQ(rec.infoHeader.yPelsPerMeter, 3000);
    EXPECT_EQ(rec.outline, pixelOutline(0.5, 2.0));
}

} // namespace
} // namespace pictra
