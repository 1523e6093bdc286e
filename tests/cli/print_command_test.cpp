// pictra-cli print: PDF pages from an album with the print dialogs' geometry.
#include "cli_fixture.h"

#include "support/print_check.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pictra {
namespace {

class PrintCommand : public PictraCli {
protected:
    // An album of `count` (at most 5) red-over-blue pictures p0.jpg, p1.jpg ...
    std::string albumOf(int count)
    {
        const auto jpeg = test::encodeWithTurbo(test::makeSplitPicture(300, 200, test::Split::TopBottom), 95,
                                                test::TurboSampling::S444);
        std::string args = "create " + dir.file("trip.abm");
        static constexpr const char* kNames[] = {"p0.jpg", "p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg"};
        for (int i = 0; i < count; ++i) {
            const std::string path = dir.file(kNames[i]);
            test::writeBytes(path, std::string(jpeg.begin(), jpeg.end()));
            args += " " + path;
        }
        EXPECT_EQ(cli(args).exitCode, 0);
        return dir.file("trip.abm");
    }
};

TEST_F(PrintCommand, PrintsAGridAndSingleSheetsToPdf)
{
    const std::string album = albumOf(5);
    const std::string pdf = dir.file("grid.pdf");
    const CliRun grid = cli("print --layout 2x2 --margin 10 --offsets 0,0 --gaps 10,10 --pdf " + pdf + " " + album);
    ASSERT_EQ(grid.exitCode, 0) << grid.err;
    EXPECT_EQ(grid.out, "2 pages\n");
    const auto pages = test::renderPdfPages(pdf, 25);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NEAR(pages[0].width, 297 * 25 / 25.4, 2);
    // Cell 1 of the first sheet spans 5..143.5 x 5..100 mm of the paper: red over blue.
    EXPECT_EQ(test::colourAt(pages[0], 72, 45, 25), 'R');
    EXPECT_EQ(test::colourAt(pages[0], 72, 60, 25), 'B');
    EXPECT_EQ(test::colourAt(pages[1], 216, 52, 25), 'W'); // the second sheet's cell 2 is empty

    const std::string single = dir.file("single.pdf");
    const CliRun one = cli("print --paper L判 --orientation portrait --margin 0 --offsets 0,0 --pdf " + single + " " +
                           album + " 1 3");
    ASSERT_EQ(one.exitCode, 0) << one.err;
    const auto sheets = test::renderPdfPages(single, 25);
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_NEAR(sheets[0].width, 89 * 25 / 25.4, 2);
    EXPECT_NEAR(sheets[0].height, 127 * 25 / 25.4, 2);
    EXPECT_EQ(test::colourAt(sheets[0], 44, 60, 25), 'R'); // the picture sits in the middle, top up
    EXPECT_EQ(test::colourAt(sheets[0], 44, 70, 25), 'B');
    EXPECT_EQ(test::colourAt(sheets[0], 44, 20, 25), 'W');
}

TEST_F(PrintCommand, RefusesBadLayoutsAndNamesSkippedPictures)
{
    const std::string album = albumOf(3);
    const std::string pdf = dir.file("out.pdf");
    EXPECT_EQ(cli("print --pdf " + pdf).exitCode, 2);
    EXPECT_EQ(cli("print " + album).exitCode, 2); // neither --pdf nor --printer
    EXPECT_EQ(cli("print --layout 2 --pdf " + pdf + " " + album).exitCode, 2);
    const CliRun zero = cli("print --layout 0x2 --pdf " + pdf + " " + album);
    EXPECT_EQ(zero.exitCode, 1);
    EXPECT_NE(zero.err.find("1 to 255"), std::string::npos) << zero.err;
    EXPECT_EQ(cli("print --paper A7 --pdf " + pdf + " " + album).exitCode, 1);
    EXPECT_EQ(cli("print --margin 300 --pdf " + pdf + " " + album).exitCode, 1);
    EXPECT_EQ(cli("print --pdf " + pdf + " " + album + " 3").exitCode, 1);
    EXPECT_EQ(cli("print --printer no-such-printer " + album).exitCode, 1);
    EXPECT_FALSE(fileExists(pdf));

    std::filesystem::remove(dir.file("p1.jpg"));
    const CliRun skipped = cli("print --pdf " + pdf + " " + album);
    EXPECT_EQ(skipped.exitCode, 3);
    EXPECT_EQ(skipped.out, "3 pages\n");
    EXPECT_NE(skipped.err.find("p1.jpg"), std::string::npos) << skipped.err;
}

TEST_F(PrintCommand, PrintsAPosterBottomRowFirstAndRefusesImpossiblePairs)
{
    const std::string album = albumOf(2);
    const std::string pdf = dir.file("poster.pdf");
    const CliRun run = cli("print --poster A1 --paper A4 --margin 0 --pdf " + pdf + " " + album + " 1");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "9 pages\n");
    const auto pages = test::renderPdfPages(pdf, 20);
    ASSERT_EQ(pages.size(), 9u);
    EXPECT_NEAR(pages[0].width, 297 * 20 / 25.4, 2);
    // The red-over-blue picture fills 840 x 560 mm of the 891 x 630 mm of sheets.
    EXPECT_EQ(test::colourAt(pages[0], 150, 100, 20), 'B'); // bottom-left sheet
    EXPECT_EQ(test::colourAt(pages[8], 150, 150, 20), 'R'); // top-right sheet
    EXPECT_EQ(test::colourAt(pages[8], 150, 10, 20), 'W');  // the band above the picture

    const std::string refused = dir.file("refused.pdf");
    EXPECT_EQ(cli("print --poster A1 --paper A4 --pdf " + refused + " " + album).exitCode, 2); // no INDEX
    EXPECT_EQ(cli("print --poster A4 --paper A5 --pdf " + refused + " " + album + " 0").exitCode, 1);
    EXPECT_EQ(cli("print --poster A3 --orientation portrait --paper B4 --pdf " + refused + " " + album + " 0")
                  .exitCode,
              1);
    EXPECT_EQ(cli("print --poster A1 --paper A6 --margin 110 --pdf " + refused + " " + album + " 0").exitCode, 1);
    EXPECT_EQ(cli("print --poster A1 --paper A4 --pdf " + refused + " " + album + " 2").exitCode, 1);
    EXPECT_FALSE(fileExists(refused));
}

} // namespace
} // namespace pictra
