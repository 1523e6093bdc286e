// pictra-cli edit writes as the tools' "変更" does (lossless turns that keep
// the camera data), and pictra-cli search takes the dialog's words rule.
#include "cli_fixture.h"

#include "core/imaging_library/exif_info.h"
#include "core/imaging_library/jpeg_exif_segment.h"

#include <cstdlib>

namespace pictra {
namespace {

// A Nikon D2H picture, 500 × 375 with 8 × 8 blocks, shipped by
// golang-github-rwcarlsen-goexif-dev (scripts/install-deps).
constexpr const char* kCameraSample = "/usr/share/gocode/src/github.com/rwcarlsen/goexif/exif/sample1.jpg";

bool have(const char* program)
{
    return std::system(("command -v " + std::string(program) + " >/dev/null 2>&1").c_str()) == 0;
}

class EditAndSearch : public PictraCli {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fileExists(kCameraSample)) << "install golang-github-rwcarlsen-goexif-dev (scripts/install-deps)";
        ASSERT_TRUE(have("jpegtran")) << "install libjpeg-turbo-progs (scripts/install-deps)";
        // The sample cut losslessly to whole blocks (496 × 368), camera data kept.
        whole = dir.file("whole.jpg");
        ASSERT_EQ(std::system(("jpegtran -copy all -crop 496x368+0+0 -outfile " + whole + " " + kCameraSample).c_str()),
                  0);
    }

    static std::vector<std::uint8_t> bytes(const std::string& path) { return readFile(path).value(); }

    std::string whole;
};

TEST_F(EditAndSearch, TurnsAndFlipsOfAJpegAreLosslessAndKeepTheCameraData)
{
    struct Case {
        const char* edit;
        const char* jpegtran;
    };
    const Case cases[] = {
        {"rotate=3", "-rotate 90"},   {"rotate=1", "-rotate 270"},     {"rotate=2", "-rotate 180"},
        {"flip=h", "-flip horizontal"}, {"flip=v", "-flip vertical"}, {"flip=vh", "-rotate 180"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        const std::string out = dir.file("out.jpg"), expected = dir.file("expected.jpg");
        const CliRun run = cli(std::string("edit ") + c.edit + " " + whole + " " + out);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        ASSERT_EQ(std::system(("jpegtran -copy all -perfect " + std::string(c.jpegtran) + " -outfile " + expected +
                               " " + whole).c_str()),
                  0);
        // The same DCT blocks as jpegtran's: the same pixels, decoded by the same decoder.
        const test::RgbImage got = test::decodeWithTurbo(bytes(out), false);
        EXPECT_EQ(got.rgb, test::decodeWithTurbo(bytes(expected), false).rgb);
        EXPECT_EQ(got.width, std::string_view(c.edit).ends_with("1") || std::string_view(c.edit).ends_with("3")
                                 ? 368
                                 : 496);
        const Result<ExifInfo> exif = IKJpegExifInfo(out);
        ASSERT_TRUE(exif);
        EXPECT_EQ(exif->maker, "NIKON CORPORATION");
        EXPECT_EQ(exif->dateTime, "2003:11:23 18:07:37");
        EXPECT_EQ(jpegOrientation(bytes(out)), 1);
    }
}

TEST_F(EditAndSearch, AJpegWithPartBlocksIsReencodedAndSaysSo)
{
    const std::string out = dir.file("turned.jpg");
    const CliRun run = cli(std::string("edit rotate=3 ") + kCameraSample + " " + out);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("re-encoded"), std::string::npos) << run.err;
    const test::RgbImage got = test::decodeWithTurbo(bytes(out));
    EXPECT_EQ(got.width, 375);
    EXPECT_EQ(got.height, 500);
    const Result<ExifInfo> exif = IKJpegExifInfo(out);
    ASSERT_TRUE(exif);
    EXPECT_EQ(exif->maker, "NIKON CORPORATION");
    EXPECT_EQ(jpegOrientation(bytes(out)), 1);

    // A filter is always encoded afresh: no note, the camera data still carried.
    const CliRun negative = cli("edit negative " + whole + " " + out);
    ASSERT_EQ(negative.exitCode, 0) << negative.err;
    EXPECT_EQ(negative.err, "");
    EXPECT_EQ(IKJpegExifInfo(out)->model, "NIKON D2H");
}

TEST_F(EditAndSearch, WordsTestAlbumEntriesUnderTheAlbumPatternUnlessAskedForEveryPattern)
{
    // Album entries have no texts, so a word passes none of them.
    const std::vector<std::string> images = writeImages({"kyoto.jpg"}, 64, 48);
    makeFolders(dir.file("tree"));
    ASSERT_EQ(cli("create " + dir.file("tree/trip.abm") + " " + images[0]).exitCode, 0);
    const std::string tree = dir.file("tree");

    const CliRun dialogRule = cli("search --words 京都 " + tree);
    EXPECT_EQ(dialogRule.exitCode, 0);
    EXPECT_EQ(dialogRule.out, images[0] + "\n");
    EXPECT_NE(dialogRule.err.find("--words-any-pattern"), std::string::npos) << dialogRule.err;
    EXPECT_EQ(cli("search --pattern '*.abm' --words 京都 " + tree).out, "");
    EXPECT_EQ(cli("search --words-any-pattern --words 京都 " + tree).out, "");
    EXPECT_EQ(cli("search --words-any-pattern " + tree).out, images[0] + "\n");
}

} // namespace
} // namespace pictra
