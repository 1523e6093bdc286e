// Zoom stack files and the zoom/pan arithmetic of the enlarged view.
#include "core/tools/zoom_geometry.h"
#include "core/tools/zoom_stack.h"
#include "core/util/byte_writer.h"
#include "core/util/file_io.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pictra {
namespace {

Outline box(double l, double t, double r, double b) { return {PointD{l, t}, {r, t}, {r, b}, {l, b}}; }

TEST(ZoomStack, FilesRoundTripAndAreKeyedPerWindow)
{
    test::TempDir dir;
    const std::vector<Outline> levels = {box(-10, -20, 900, 700), box(-400, -300, 2000, 1500)};
    const std::string path = zoomStackPath(dir.path(), "/pics/x.jpeg", 7);
    EXPECT_EQ(path, dir.path() + "/TEMP/x.7.dat");
    EXPECT_NE(path, zoomStackPath(dir.path(), "/other/x.jpg", 8));
    ASSERT_EQ(writeZoomStack(path, levels), Status::Ok);
    const auto back = readZoomStack(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, levels);
    EXPECT_EQ(readZoomStack(dir.file("none.dat")).status(), Status::NotFound);
}

TEST(ZoomStack, RefusesCountsAndOutlinesThatCannotBeTrue)
{
    const auto bytes = [](std::int32_t n, std::vector<Outline> outlines) {
        std::vector<std::uint8_t> data = serializeZoomStack(outlines);
        ByteWriter count;
        count.i32(n);
        std::copy(count.data().begin(), count.data().end(), data.begin());
        return data;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Outline good = box(0, 0, 100, 80);
    struct Case {
        std::vector<std::uint8_t> data;
        Status status;
    };
    const Case cases[] = {
        {{1, 0}, Status::Truncated},
        {bytes(0, {good}), Status::Corrupt},
        {bytes(-3, {good}), Status::Corrupt},
        {bytes(kMaxZoomLevels + 1, {good}), Status::Corrupt},
        {bytes(2, {good}), Status::Truncated},
        {bytes(1, {box(0, 0, nan, 80)}), Status::Corrupt},
        {bytes(1, {box(0, 0, 1e300, 80)}), Status::Corrupt},
        {bytes(1, {box(50, 0, 50, 80)}), Status::Corrupt},
        {bytes(1, {box(0, 80, 100, 0)}), Status::Corrupt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseZoomStack(c.data).status(), c.status);
    EXPECT_TRUE(parseZoomStack(bytes(1, {good})));
}

TEST(ZoomGeometry, FitsCentredAndMirrored)
{
    const auto fitted = fittedOutline(pixelOutline(200, 100), Rect{0, 0, 400, 400});
    ASSERT_TRUE(fitted);
    // scale min(0.98·400/200, 0.98·400/100) = 1.96: 392 × 196 about (200, 200)
    EXPECT_DOUBLE_EQ((*fitted)[0].x, 4);
    EXPECT_DOUBLE_EQ((*fitted)[0].y, 102);
    EXPECT_DOUBLE_EQ((*fitted)[2].x, 396);
    EXPECT_DOUBLE_EQ((*fitted)[2].y, 298);
    EXPECT_FALSE(fittedOutline(Outline{}, Rect{0, 0, 10, 10}));
}

TEST(ZoomGeometry, ZoomMagnifiesTheBandAndTinyBandsAreRefused)
{
    EXPECT_FALSE(usableZoomRect({10, 10}, {10, 60}));
    EXPECT_FALSE(usableZoomRect({10, 10}, {12.5, 60}));
    EXPECT_TRUE(usableZoomRect({10, 10}, {6, 14}));
    const auto zoomed = zoomedOutline({100, 100}, {200, 150}, 400, 200, box(0, 0, 400, 200));
    ASSERT_TRUE(zoomed);
    // scale 4 about (150, 125)
    EXPECT_EQ(*zoomed, box(-450, -375, 1150, 425));
    EXPECT_FALSE(zoomedOutline({5, 5}, {5, 50}, 400, 200, box(0, 0, 400, 200)));
}

TEST(ZoomGeometry, PanOnlyWhileThePictureCoversTheWindow)
{
    const Rect client{0, 0, 400, 300};
    EXPECT_FALSE(pannedOutline(box(10, 10, 390, 290), 1, 0, client)); // fitted: smaller than the window
    const Outline big = box(-100, -100, 600, 500);
    EXPECT_EQ(pannedOutline(big, 50, -20, client), box(-50, -120, 650, 480));
    EXPECT_FALSE(pannedOutline(big, 101, 0, client));
    EXPECT_FALSE(pannedOutline(big, 0, -201, client));
}

} // namespace
} // namespace pictra
