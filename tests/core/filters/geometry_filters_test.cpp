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

struct TurnCase {
    int step, width, height;
};

class QuarterTurn : public testing::TestWithParam<TurnCase> {};

TEST_P(QuarterTurn, MovesPixelsAndExchangesSizes)
{
    const auto [step, w, h] = GetParam();
    const std::vector<Bgr> original = TestPicture(w, h).pixels();
    const auto old = [&](int x, int y) { return original[static_cast<std::size_t>(y * w + x)]; };
    TestPicture pic(w, h, 1, 512);
    std::vector<std::uint8_t> scratch(rotationScratchBytes(pic.record()));
    ASSERT_EQ(rotateQuarterTurns(pic.record(), step, scratch), Status::Ok);
    const ImageRecord& rec = pic.record();
    ASSERT_EQ(rec.width(), h);
    ASSERT_EQ(rec.height(), w);
    EXPECT_EQ(rec.outline, pixelOutline(h, w));
    EXPECT_EQ(rec.fileHeader.size, 54 + rec.stride() * w);
    for (int y = 0; y < w; ++y) {
        for (int x = 0; x < h; ++x) {
            const Bgr want = step == 1 ? old(y, h - 1 - x) : old(w - 1 - y, x);
            ASSERT_EQ(pic.pixel(x, y), want) << x << "," << y;
        }
        for (std::size_t i = 3 * static_cast<std::size_t>(h); i < rec.stride(); ++i)
            EXPECT_EQ(rec.row(y)[i], 0) << "new padding is cleared";
    }
}

// 7 × 5 turns into rows of 15 bytes padded to 16, 5 × 4 into unpadded rows of
// 12; the larger ones span several tiles.
INSTANTIATE_TEST_SUITE_P(Sizes, QuarterTurn,
                         testing::Values(TurnCase{1, 7, 5}, TurnCase{3, 7, 5}, TurnCase{1, 5, 4}, TurnCase{3, 5, 4},
                                         TurnCase{1, 1, 3}, TurnCase{3, 3, 1}, TurnCase{1, 1, 1},
                                         TurnCase{1, 70, 67}, TurnCase{3, 67, 130}));

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

TEST(Rotation, RefusesTurnsThatDoNotFitShortScratchAndBadSteps)
{
    // 5 × 1 needs 16 bytes; turned to 1 × 5 it needs 5 rows of 4.
    TestPicture pic(5, 1);
    const std::vector<Bgr> before = pic.pixels();
    EXPECT_EQ(rotateQuarterTurns(pic.record(), 1), Status::TooLarge);
    TestPicture fits(5, 1, 1, 4);
    std::vector<std::uint8_t> scratch(rotationScratchBytes(fits.record()) - 1);
    EXPECT_EQ(rotateQuarterTurns(fits.record(), 3, scratch), Status::InvalidArgument);
    EXPECT_EQ(fits.record().width(), 5);
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
