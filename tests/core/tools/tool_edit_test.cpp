// Tool table, names of the files the tools write, and the edit text form.
#include "core/tools/histogram_plot.h"
#include "core/tools/image_tool.h"
#include "core/tools/tool_edit.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace pictra {
namespace {

TEST(ImageTool, CommandsOpenTheirToolsAndFilesAreNamedByTool)
{
    EXPECT_EQ(toolForCommand(32787), ImageTool::Rgb);
    EXPECT_EQ(toolForCommand(32852), ImageTool::Histogram);
    EXPECT_EQ(toolForCommand(32781), std::nullopt);
    EXPECT_EQ(imageToolInfo(ImageTool::Noise).dialog, 155);
    EXPECT_EQ(toolScratchPath("/p", ImageTool::Threshold), "/p/TEMP/_2clr.dat");
    EXPECT_EQ(toolOpenPath("/p", "/pics/beach.jpg", ImageTool::Rgb), "/p/TEMP/beach_rgb.bmp");
    EXPECT_EQ(toolOpenPath("/p", "/pics/a.b.tif", ImageTool::Flip), "/p/TEMP/a.b_sym.bmp");
}

TEST(ImageTool, AddedFilesGetAnExtensionThePictureCanBeWrittenIn)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/a/x.gif", "/a/x.jpg"}, {"/a/x.JPG", "/a/x.JPG"}, {"/a/x.bmp", "/a/x.bmp"},
        {"/a/x", "/a/x.jpg"},     {"/a/x.", "/a/x.jpg"},    {"/a/x.jpeg", "/a/x.jpeg"},
        {"/a.d/x", "/a.d/x.jpg"}, {"/a/x.Pcx", "/a/x.Pcx"}, {"/a/x.png", "/a/x.png"},
        {"/a/x.WebP", "/a/x.WebP"}, {"/a/x.heic", "/a/x.jpg"}, {"/a/x.jxl", "/a/x.jpg"},
    };
    for (const auto& [chosen, written] : cases)
        EXPECT_EQ(addedFilePath(chosen), written) << chosen;
}

TEST(ToolEditText, ParsesEveryToolWithItsRanges)
{
    const auto edit = [](const char* text) { return parseToolEdit(text); };
    EXPECT_EQ(edit("rotate=3")->rotationStep, 3);
    EXPECT_TRUE(edit("flip=vh")->flip.upDown && edit("flip=vh")->flip.leftRight);
    EXPECT_TRUE(edit("flip=h")->flip.leftRight && !edit("flip=h")->flip.upDown);
    EXPECT_EQ(edit("threshold")->threshold, -1);
    EXPECT_EQ(edit("threshold=8421504")->threshold, 8421504);
    EXPECT_EQ(edit("gray=16")->grayLevels, 16);
    EXPECT_EQ(edit("rgb=-100,0,100")->rgb.r, -100);
    EXPECT_EQ(edit("lhs=10,-180,5")->lhs.hue, -180);
    EXPECT_EQ(edit("blue")->tool, ImageTool::BlueScale);
    const auto hist = edit("histogram=128,64,2,red");
    ASSERT_TRUE(hist);
    EXPECT_EQ(hist->histogramLimits, (HistogramLimits{128, 64}));
    EXPECT_EQ(hist->histogramMode, HistogramMode::Cut);
    EXPECT_EQ(hist->histogramChannel, HistogramChannel::Red);

    for (const char* bad : {"rotate=4", "rotate", "flip=x", "gray=8", "rgb=150,0,0", "rgb=1,2",
                            "lhs=0,181,0", "threshold=16777216", "negative=1", "histogram=256,0,1",
                            "histogram=9,0,3", "histogram=9,0,1,cyan", "sharpen", "rgb=1,2,3x"})
        EXPECT_FALSE(edit(bad)) << bad;
}

TEST(ToolEditText, EditBoxNumbersReadLikePercentD)
{
    EXPECT_EQ(scanDecimal("  -42％"), -42);
    EXPECT_EQ(scanDecimal("+7"), 7);
    EXPECT_EQ(scanDecimal("150"), 150);
    EXPECT_EQ(scanDecimal("99999999999"), INT32_MAX);
    EXPECT_EQ(scanDecimal("-"), std::nullopt);
    EXPECT_EQ(scanDecimal(""), std::nullopt);
    EXPECT_EQ(scanDecimal("x1"), std::nullopt);
}

TEST(ToolEditText, AnEditBoxGivesOnlyNumbersItsToolCanShow)
{
    EXPECT_EQ(acceptedToolNumber("100", -100, 100), 100);
    EXPECT_EQ(acceptedToolNumber("-100", -100, 100), -100);
    EXPECT_EQ(acceptedToolNumber("150", -100, 100), std::nullopt);
    EXPECT_EQ(acceptedToolNumber("99999999999", -100, 100), std::nullopt);
    EXPECT_EQ(acceptedToolNumber("", -100, 100), std::nullopt);
}

TEST(ToolEdit, RangesDecideWhetherAnEditIsComputed)
{
    ToolEdit rgb = toolEditFor(ImageTool::Rgb);
    rgb.rgb.g = 100;
    EXPECT_TRUE(editParametersValid(rgb));
    rgb.rgb.g = 150;
    EXPECT_FALSE(editParametersValid(rgb));
    ToolEdit lhs = toolEditFor(ImageTool::LightnessHueSaturation);
    lhs.lhs.hue = -180;
    EXPECT_TRUE(editParametersValid(lhs));
    lhs.lhs.saturation = -101;
    EXPECT_FALSE(editParametersValid(lhs));
    ToolEdit hist = toolEditFor(ImageTool::Histogram);
    hist.histogramLimits = {10, 200}; // crossed limits are allowed
    EXPECT_TRUE(editParametersValid(hist));
    hist.histogramLimits.upper = 256;
    EXPECT_FALSE(editParametersValid(hist));
}

TEST(HistogramPlot, NoCurveWithoutAPeakAndLinesOnTheScale)
{
    HistogramCounts counts{};
    counts[255] = 4;
    const Rect frame{10, 0, 266, 100};
    EXPECT_TRUE(histogramCurve(counts, 0, frame).empty());
    const auto curve = histogramCurve(counts, 8, frame);
    ASSERT_EQ(curve.size(), 256u);
    EXPECT_EQ(curve[255], (IntPoint{265, 50}));
    EXPECT_EQ(curve[0], (IntPoint{10, 100}));
    EXPECT_EQ(limitLineX(frame, 0), 10);
    EXPECT_EQ(limitLineX(frame, 128), 138);
}

TEST(ImageTool, AJpegBesideAnUnwritablePictureTakesTheFirstFreeName)
{
    std::set<std::string> taken;
    const auto isTaken = [&](const std::string& path) { return taken.count(path) > 0; };
    EXPECT_EQ(jpegBesidePath("/p/IMG_1.heic", isTaken), "/p/IMG_1.jpg");
    taken = {"/p/IMG_1.jpg", "/p/IMG_1-1.jpg"};
    EXPECT_EQ(jpegBesidePath("/p/IMG_1.heic", isTaken), "/p/IMG_1-2.jpg");
    EXPECT_EQ(jpegBesidePath("/p/scan", isTaken), "/p/scan.jpg");
    EXPECT_EQ(jpegBesidePath("/p/" + std::string(355, 'x'), isTaken), std::nullopt); // no room for ".jpg"
    EXPECT_EQ(jpegBesidePath("/p/a.avif", [](const std::string&) { return true; }), std::nullopt);
}

} // namespace
} // namespace pictra
