// pictra-cli with the pictures people have today: an album made of a HEIC,
// WebP, PNG, GIF, AVIF and JPEG XL file (made here by each format's own tool,
// two of them stored turned) gets upright store copies of the right size,
// and convert turns a HEIC into a PNG that matches libheif's own decode.
#include "cli_fixture.h"

#include "codec_test_support.h"
#include "core/image/image_format.h"
#include "tool_images.h"

#include <gtest/gtest.h>

#include <string>

namespace pictra {
namespace {

struct ToolMade {
    const char* name;
    const char* command; // see test::encodeWithTool
    int leftTurns;       // quarter turns to the left the stored pixels have, undone by the file's own rotation
};

// The AVIF's irot 1 shows its pixels turned a quarter to the left, the JPEG
// XL's Exif orientation 6 a quarter to the right: each is stored so that it
// shows the scene upright.
constexpr ToolMade kFiles[] = {
    {"a.heic", "heif-enc -q 90 %i -o %o", 0},
    {"b.webp", "cwebp -quiet -q 90 %i -o %o", 0},
    {"c.png", "/usr/bin/convert %i %o", 0},
    {"d.gif", "/usr/bin/convert %i %o", 0},
    {"e.avif", "avifenc -s 8 --min 0 --max 20 --irot 1 %i %o", 3},
    {"f.jxl", "cjxl %j %o", 1},
};

test::RgbImage turned(test::RgbImage image, int leftTurns)
{
    for (int i = 0; i < leftTurns; ++i)
        image = test::turnedLeft(image);
    return image;
}

// Every second pixel of every second row: what a store copy keeps of an
// 800 x 500 picture (the step that makes it fit 640 x 480 is 2).
test::RgbImage everySecondPixel(const test::RgbImage& scene)
{
    test::RgbImage out{scene.width / 2, scene.height / 2, {}};
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            for (int c = 0; c < 3; ++c)
                out.rgb.push_back(scene.rgb[(std::size_t(2 * y) * scene.width + 2 * x) * 3 + c]);
    return out;
}

TEST_F(PictraCli, AnAlbumOfTheNewFormatsHasUprightStoreCopiesThatFit)
{
    const test::RgbImage scene = test::makePhotoLike(800, 500, 7);
    std::string args = "create " + dir.file("new.abm");
    for (const ToolMade& file : kFiles) {
        std::string log;
        ASSERT_TRUE(test::encodeWithTool(dir, turned(scene, file.leftTurns), file.command, dir.file(file.name), &log))
            << file.name << " (the tools come from scripts/install-deps): " << log;
        args += ' ';
        args += dir.file(file.name);
    }
    const CliRun created = cli(args);
    ASSERT_EQ(created.exitCode, 0) << created.err;
    const CliRun extracted = cli("extract " + dir.file("new.abm") + " " + dir.file("out"));
    ASSERT_EQ(extracted.exitCode, 0) << extracted.err;

    const test::RgbImage expected = everySecondPixel(scene);
    for (const ToolMade& file : kFiles) {
        std::string copyName = file.name; // the store copy is named by the picture's base name
        copyName.replace(copyName.find('.'), std::string::npos, ".jpg");
        const auto jpeg = readFile(dir.file("out/" + copyName));
        ASSERT_TRUE(jpeg.ok()) << file.name;
        const test::RgbImage copy = test::decodeWithTurbo(*jpeg);
        EXPECT_EQ(copy.width, 400) << file.name;
        EXPECT_EQ(copy.height, 250) << file.name;
        // Upright: about 28 dB after the copy's JPEG; turned the wrong way, about 8.
        EXPECT_GE(test::psnr(copy, expected), 24) << file.name;
    }
}

TEST_F(PictraCli, ConvertTurnsAHeicIntoAPngThatMatchesLibheifsDecode)
{
    const std::string heic = dir.file("x.heic");
    std::string log;
    ASSERT_TRUE(test::encodeWithTool(dir, test::makePhotoLike(300, 200, 3), "heif-enc -q 60 %i -o %o", heic, &log))
        << log;
    const CliRun converted = cli("convert " + heic + " " + dir.file("y.png"));
    ASSERT_EQ(converted.exitCode, 0) << converted.err;
    EXPECT_EQ(formatOfFile(dir.file("y.png")), ImageFormat::Png) << "the writer follows the extension";

    ASSERT_TRUE(test::runCommand("heif-convert " + heic + " " + dir.file("ref.png"), &log)) << log;
    const auto theirs = test::readWithTool(dir, dir.file("ref.png"));
    const auto ours = test::readWithTool(dir, dir.file("y.png"));
    ASSERT_TRUE(theirs && ours);
    EXPECT_GE(test::psnr(*ours, *theirs), 30);
}

} // namespace
} // namespace pictra
